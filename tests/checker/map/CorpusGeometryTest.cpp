// Report runs over real maps: every map of the corpus is read, built and checked to the end, and
// its brushes come out whole. Each map is copied into a scratch folder first.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "checker/driver/CheckerRun.h"
#include "checker/driver/RunChecker.h"
#include "checker/map/BrushGeometry.h"
#include "entitydb/EntityDatabase.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

using test::CorpusMaps;

/// The brush's six first sides face -x, +x, -y, +y, -z, +z, and every side has a plane.
void ExpectBrushIsWhole(const CheckerRun& run, int brushIndex) {
    const MapBrush& brush = run.brushes[static_cast<std::size_t>(brushIndex)];
    ASSERT_GE(brush.sideCount, 6) << "brush " << brushIndex;
    for (int s = 0; s < brush.sideCount; ++s) {
        const BrushSide& side = run.sides[static_cast<std::size_t>(brush.firstSide + s)];
        ASSERT_GE(side.planeNumber, 0);
        ASSERT_LT(side.planeNumber, static_cast<int>(run.planes.size()));
        if (s < 6) {
            const float want = s % 2 == 0 ? -1.0f : 1.0f;
            EXPECT_EQ(run.planes[static_cast<std::size_t>(side.planeNumber)].normal[static_cast<std::size_t>(s / 2)], want)
                << "brush " << brushIndex << " slot " << s;
        }
    }
    if (!IsBoxCleared(brush.mins, brush.maxs)) {
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_LE(brush.mins[axis], brush.maxs[axis]) << "brush " << brushIndex;
        }
        EXPECT_GE(VolumeOfMapBrush(run, brushIndex), 0.0f) << "brush " << brushIndex;
    }
}

TEST(CorpusGeometry, EveryMapIsReadAndCheckedToTheEndWithWholeBrushes) {
    const std::vector<fs::path> maps = CorpusMaps();
    if (maps.empty()) {
        GTEST_SKIP() << "no corpus maps beside the checkout";
    }
    test::ScratchDir dir;
    for (const fs::path& map : maps) {
        SCOPED_TRACE(map.string());
        const std::string mapCopy = dir.PathOf("test.map");
        fs::copy_file(map, mapCopy, fs::copy_options::overwrite_existing);
        const std::string report = dir.PathOf("report.txt");
        fs::remove(report);
        const std::string ini = dir.Write("settings.ini", "[Quake2]\nLastMapFile=" + mapCopy + "\nLastOutputFile=" +
                                                              report + "\nTextureDir=" +
                                                              dir.PathOf("quake2/baseq2/textures") + "\nFindBadWals=1\n");
        CheckerRun run;
        run.settings = ReadCheckerSettings(ini);
        run.derived = DeriveSettings(run.settings);
        run.mode = ModeOfOutputType(run.settings.outputType);
        const std::string database = std::string(QUILLON_SOURCE_DIR) + "/data/Quake2/quake2.db";
        ASSERT_TRUE(LoadEntityDatabaseFiles(run.classes, database, database, DatabaseReader::Checker));
        const int exit = RunChecker(run);
        const std::string text = test::ReadFileBytes(report);
        EXPECT_TRUE(exit == ExitCompleted || exit == ExitUppercaseTextures || exit == ExitAllTexturesMissing)
            << "exit " << exit << "\n" << text.substr(0, 2000);
        EXPECT_EQ(text.find("Critical Error"), std::string::npos);
        EXPECT_EQ(text.find("-0 "), std::string::npos) << "a coordinate printed as -0";
        ASSERT_FALSE(run.brushes.empty());
        for (int b = 0; b < static_cast<int>(run.brushes.size()); ++b) {
            ExpectBrushIsWhole(run, b);
        }
        EXPECT_EQ(test::ReadFileBytes(mapCopy), test::ReadFileBytes(map.string()));  // never rewritten
    }
}

}  // namespace
}  // namespace quillon
