#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"
#include "checker/map/Tokenizer.h"
#include "platform/Platform.h"
#include "checker/report/ReportFixture.h"

namespace quillon {
namespace {

const std::string ORIGINAL = "{\n( 0 0 0 ) ( 1 0 0 ) ( 0 1 0 ) E1U/WALL 0 0 0 1 1\n}\n";
const std::string LOWERED = "{\n( 0 0 0 ) ( 1 0 0 ) ( 0 1 0 ) e1u/wall 0 0 0 1 1\n}\n";

class MapWriteBackTest : public test::ReportFixture, public ::testing::Test {
protected:
    MapWriteBackTest() : mapPath(scratch.Write("test.map", ORIGINAL)) {
        run.derived.fixTextures = true;
        run.settings.lastMapFile = mapPath;  // a line file written on a fatal error stays in the scratch folder
    }

    /// Reads the map and lowers its texture name in the text, as the brush reader does.
    void ReadLoweringTextures(bool markModified = true) {
        StartScript(run, mapPath);
        while (ReadToken(run, true)) {
            if (run.script.currentToken == "E1U/WALL") {
                ScriptFile& file = run.script.stack.back();
                const std::size_t at = file.position - run.script.currentToken.size();
                for (std::size_t i = at; i < file.position; ++i) {
                    file.text[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(file.text[i])));
                }
                file.modified = markModified;
            }
        }
        WriteBackMapText(run);
    }

    /// Names in the folder other than the map and the report: a left-over temporary file would show here.
    int OtherFiles() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
            count += entry.path().filename() != "test.map" && entry.path().filename() != "report.txt" ? 1 : 0;
        }
        return count;
    }

    std::string mapPath;
};

TEST_F(MapWriteBackTest, ChangedTextReplacesTheMapKeepingItsPermissions) {
    ASSERT_EQ(::chmod(mapPath.c_str(), 0640), 0);
    ReadLoweringTextures();
    EXPECT_EQ(test::ReadFileBytes(mapPath), LOWERED);
    struct stat info {};
    ASSERT_EQ(::stat(mapPath.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(OtherFiles(), 0);
    EXPECT_EQ(Report(), "");
}

TEST_F(MapWriteBackTest, UnchangedTextIsNotWritten) {
    ReadLoweringTextures(false);
    // Nothing was marked as changed, so the file on disk keeps its own bytes.
    EXPECT_EQ(test::ReadFileBytes(mapPath), ORIGINAL);
}

TEST_F(MapWriteBackTest, MapIsWrittenOnceEvenWhenReadingGoesOnAfterItsEnd) {
    ReadLoweringTextures();
    test::WriteFileBytes(mapPath, "edited meanwhile");
    EXPECT_FALSE(ReadToken(run, true));
    WriteBackMapText(run);
    EXPECT_EQ(test::ReadFileBytes(mapPath), "edited meanwhile");
}

TEST_F(MapWriteBackTest, FatalErrorWhileReadingLeavesTheMapAlone) {
    StartScript(run, mapPath);
    ASSERT_TRUE(ReadToken(run, true));
    run.script.stack.back().text[0] = '!';
    run.script.stack.back().modified = true;
    EXPECT_THROW(
        {
            while (ReadToken(run, false)) {
            }
        },
        FatalRunError);
    EXPECT_EQ(test::ReadFileBytes(mapPath), ORIGINAL);
}

TEST_F(MapWriteBackTest, LinkToTheMapStaysALinkAndItsTargetIsRewritten) {
    const std::string link = scratch.PathOf("link.map");
    std::filesystem::create_symlink(mapPath, link);
    mapPath = link;
    ReadLoweringTextures();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(test::ReadFileBytes(scratch.PathOf("test.map")), LOWERED);
}

class FailedWriteBackTest : public MapWriteBackTest, public ::testing::WithParamInterface<WriteStep> {};

TEST_P(FailedWriteBackTest, OriginalStaysWholeAndTheFailureIsReported) {
    run.script.failWriteBackAt = GetParam();
    ::testing::internal::CaptureStderr();
    ReadLoweringTextures();
    const std::string stderrText = ::testing::internal::GetCapturedStderr();
    const std::string expected =
        "\nWARNING: could not write the lower-cased texture names back to " + mapPath + ": " + platform::SystemErrorText(EIO) + "\n";
    EXPECT_EQ(test::ReadFileBytes(mapPath), ORIGINAL);
    EXPECT_EQ(OtherFiles(), 0);
    EXPECT_EQ(Report(), expected);
    EXPECT_EQ(stderrText, expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, FailedWriteBackTest,
                         ::testing::Values(WriteStep::Create, WriteStep::Write, WriteStep::Sync, WriteStep::Rename));

}  // namespace
}  // namespace quillon
