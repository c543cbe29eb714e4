#include <gtest/gtest.h>

#include <filesystem>

#include "checker/driver/FatalError.h"
#include "checker/report/Report.h"
#include "checker/report/ReportFixture.h"

namespace quillon {
namespace {

using test::ReportFixture;

TEST(FatalError, PrintsBannerAndMessageWithoutLineEndAndThrows) {
    ReportFixture fixture;
    fixture.run.settings.lastMapFile = fixture.scratch.PathOf("f.map");
    EXPECT_THROW(FatalError(fixture.run, "Entity %i: %s", 7, "too many"), FatalRunError);
    EXPECT_EQ(fixture.Report(), "\n*** Critical Error - cannot continue ***\nEntity 7: too many");
    EXPECT_FALSE(std::filesystem::exists(fixture.scratch.PathOf("f.lin")));
}

TEST(FatalError, WritesTheLineFileOfBrushesFoundSoFar) {
    ReportFixture fixture;
    fixture.run.settings.lastMapFile = fixture.scratch.PathOf("f.map");
    fixture.AddEntity({{"classname", "worldspawn"}});
    fixture.AddBrush({0, 0, 0}, {1, 1, 1});
    RecordProblemBrush(fixture.run, 0, 0);
    EXPECT_THROW(FatalError(fixture.run, "stop"), FatalRunError);
    EXPECT_TRUE(std::filesystem::exists(fixture.scratch.PathOf("f.lin")));
}

TEST(SafeOpenRead, MissingFileIsFatalWithTheSystemsReason) {
    ReportFixture fixture;
    EXPECT_THROW(SafeOpenRead(fixture.run, "no-such.map"), FatalRunError);
    EXPECT_EQ(fixture.Report(),
              "\n*** Critical Error - cannot continue ***\n"
              "In SafeOpenRead, Error opening no-such.map: No such file or directory");
}

TEST(SafeOpenRead, OpensAnExistingFile) {
    ReportFixture fixture;
    const std::string path = fixture.scratch.Write("m.map", "{}");
    std::FILE* file = SafeOpenRead(fixture.run, path);
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(fixture.Report(), "");
}

}  // namespace
}  // namespace quillon
