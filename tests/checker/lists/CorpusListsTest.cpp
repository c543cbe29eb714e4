// The list modes over real maps: every map of the corpus gives a complete entity list and a
// complete used-file list. Each map is copied into a scratch folder, so nothing is ever written
// beside the corpus.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "checker/driver/CheckerRun.h"
#include "checker/driver/RunChecker.h"
#include "checker/map/MapEntities.h"
#include "entitydb/EntityDatabase.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

using test::CorpusMaps;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

/// The lines between the "TEXTURES USED" heading and the blank line after them.
std::size_t TextureLines(const std::vector<std::string>& lines) {
    const auto heading = std::find(lines.begin(), lines.end(),
                                   "============================= TEXTURES USED =============================");
    if (heading == lines.end()) {
        return 0;
    }
    return static_cast<std::size_t>(std::find(heading, lines.end(), "") - heading) - 1;
}

bool PlaysASound(const MapEntity& entity) {
    const std::string& className = ValueOfKey(entity, "classname");
    return (className == "target_speaker" || className == "func_train") && !ValueOfKey(entity, "noise").empty();
}

/// The number of fields of one CSV record, honouring quoted fields.
int CsvFieldCount(const std::string& line) {
    int fields = 1;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;  // a doubled quote toggles twice
        } else if (c == ',' && !quoted) {
            ++fields;
        }
    }
    return fields;
}

class CorpusListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        maps = CorpusMaps();
        if (maps.empty()) {
            GTEST_SKIP() << "no corpus maps beside the checkout";
        }
    }

    /// Runs the checker on a copy of `map` with the given settings lines; keeps the run.
    int Run(const fs::path& map, const std::string& settings) {
        const std::string mapCopy = dir.PathOf("test.map");
        fs::copy_file(map, mapCopy, fs::copy_options::overwrite_existing);
        const std::string ini = dir.Write("settings.ini", "[Quake2]\nLastMapFile=" + mapCopy +
                                                              "\nLastOutputFile=" + dir.PathOf("report.txt") +
                                                              "\nTextureDir=" + dir.PathOf("quake2/baseq2/textures") +
                                                              "\n" + settings);
        run = std::make_unique<CheckerRun>();
        run->settings = ReadCheckerSettings(ini);
        run->derived = DeriveSettings(run->settings);
        run->mode = ModeOfOutputType(run->settings.outputType);
        const std::string database = std::string(QUILLON_SOURCE_DIR) + "/data/Quake2/quake2.db";
        EXPECT_TRUE(LoadEntityDatabaseFiles(run->classes, database, database, DatabaseReader::Checker));
        return RunChecker(*run);
    }

    std::vector<fs::path> maps;
    test::ScratchDir dir;
    std::unique_ptr<CheckerRun> run;
};

TEST_F(CorpusListsTest, ClassListingHasOneLinePerEntity) {
    for (const fs::path& map : maps) {
        SCOPED_TRACE(map.string());
        const std::string list = dir.PathOf("ents.txt");
        ASSERT_EQ(Run(map, "OutputType=1\n[FindEnt]\nOutput=" + list + "\nTemp=" + dir.PathOf("temp.txt") +
                               "\nClassName=all\nSortBy=2\n"),
                  ExitCompleted);
        const std::vector<std::string> lines = Lines(test::ReadFileBytes(list));
        EXPECT_EQ(lines.size(), run->entities.size() + 1);
        EXPECT_EQ(run->counters.matchCount, static_cast<int>(run->entities.size()));
    }
}

TEST_F(CorpusListsTest, KeyListingKeepsEightCsvColumnsOnEveryLine) {
    for (const fs::path& map : maps) {
        SCOPED_TRACE(map.string());
        const std::string list = dir.PathOf("keys.csv");
        ASSERT_EQ(Run(map, "OutputType=1\n[FindEnt]\nOutput=" + list + "\nTemp=" + dir.PathOf("temp.txt") +
                               "\nClassName=all\nOption=2\nMatchCriteria=2\nSortBy=1\n"),
                  ExitCompleted);
        const std::vector<std::string> lines = Lines(test::ReadFileBytes(list));
        // An empty search text matches the first pair of every entity that has one.
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(run->counters.matchCount) + 1);
        for (const std::string& line : lines) {
            EXPECT_EQ(CsvFieldCount(line), 8) << line;
        }
    }
}

TEST_F(CorpusListsTest, UsedFileListNamesEveryTextureAndEndsWithTheSounds) {
    for (const fs::path& map : maps) {
        SCOPED_TRACE(map.string());
        const std::string list = dir.PathOf("files.txt");
        ASSERT_EQ(Run(map, "OutputType=2\n[FileList]\nOutput=" + list + "\nTemp=" + dir.PathOf("temp.txt") + "\n"),
                  ExitCompleted);
        const std::string text = test::ReadFileBytes(list);
        const std::vector<std::string> lines = Lines(text);
        const auto named = std::count_if(run->textures.begin(), run->textures.end(),
                                         [](const TextureRecord& t) { return !t.name.empty(); });
        EXPECT_EQ(TextureLines(lines), static_cast<std::size_t>(named));
        const auto placed = std::count_if(lines.begin(), lines.end(),
                                          [](const std::string& line) { return line.rfind('\t', 0) == 0; });
        EXPECT_EQ(placed, std::count_if(run->entities.begin(), run->entities.end(), PlaysASound));
        EXPECT_NE(text.find("\n========= TARGET_SPEAKER/FUNC_TRAIN LOCATIONS AND .WAV SOURCE =========\n"),
                  std::string::npos);
        EXPECT_TRUE(placed > 0 || text.ends_with("No .wav's\n"));
        EXPECT_FALSE(fs::exists(dir.PathOf("test.lin")));
    }
}

}  // namespace
}  // namespace quillon
