// The temporary files of a checker run (its settings file, and a list run's stand-in report) are
// removed however the checker ends: a crash, a kill, an abort, or a checker that tampered with them.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "frontend/core/CheckerLaunch.h"
#include "frontend/core/RecordingInteraction.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

struct FaultCase {
    const char* name;
    const char* ending;  ///< the last lines of the stand-in checker
    bool failed;         ///< the front end sees the run as failed
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

/// A stand-in checker that writes into the run's stand-in report (when there is one) and ends as
/// the case says. Its temporary folder is the test's own, so leftovers are seen.
class LaunchFaultTest : public testing::TestWithParam<FaultCase> {
protected:
    LaunchFaultTest() {
        std::filesystem::create_directories(scratch.path() / "tmp");
        const std::string script = std::string("#!/bin/sh\n") +
                                   "temp=$(sed -n 's/^Temp=//p' \"$1\" | head -n 1)\n"
                                   "[ -n \"$temp\" ] && printf 'partial output' > \"$temp\"\n" +
                                   GetParam().ending + "\n";
        launch.checkerPath = scratch.Write("Quake2/quillon2", script);
        ::chmod(launch.checkerPath.c_str(), 0755);
        launch.tempDirectory = scratch.PathOf("tmp") + "/";
        settings.findEnt.output = scratch.PathOf("ents.txt");
        settings.fileList.output = scratch.PathOf("files.txt");
    }

    std::vector<std::string> LeftInTemp() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(scratch.path() / "tmp")) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    test::ScratchDir scratch;
    CheckerLaunch launch;
    FrontEndSettings settings;
    test::RecordingInteraction ui;
};

TEST_P(LaunchFaultTest, ReportRunLeavesNoTemporaryFile) {
    LaunchChecker(launch, settings, ui);
    EXPECT_EQ(LeftInTemp(), std::vector<std::string>{});
    EXPECT_EQ(launch.checkerFailed, GetParam().failed);
}

TEST_P(LaunchFaultTest, EntityListRunLeavesNoTemporaryFile) {
    RunListLaunch(launch, settings, ui, OutputType::OutputEntityList);
    EXPECT_EQ(LeftInTemp(), std::vector<std::string>{});
    EXPECT_TRUE(settings.findEnt.temp.empty());
    EXPECT_EQ(settings.game.outputType, 0);
}

TEST_P(LaunchFaultTest, UsedFileListRunLeavesNoTemporaryFile) {
    RunListLaunch(launch, settings, ui, OutputType::OutputFileList);
    EXPECT_EQ(LeftInTemp(), std::vector<std::string>{});
    EXPECT_TRUE(settings.fileList.temp.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Endings, LaunchFaultTest,
    testing::Values(FaultCase{"Completes", "exit 1", false},
                    FaultCase{"Crashes", "kill -SEGV $$", true},
                    FaultCase{"Aborts", "kill -ABRT $$", true},
                    FaultCase{"IsTerminated", "kill -TERM $$", true},
                    FaultCase{"IsKilled", "kill -KILL $$", true},
                    FaultCase{"ExitsWithAStrayCode", "exit 9", true},
                    FaultCase{"RemovesItsSettingsFile", "rm -f \"$1\"\nexit 1", false},
                    FaultCase{"LocksItsSettingsFileThenCrashes", "chmod 000 \"$1\"\nkill -SEGV $$", true}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

}  // namespace
}  // namespace quillon
