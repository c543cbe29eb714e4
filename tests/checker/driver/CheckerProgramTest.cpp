#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <iterator>

#include "checker/driver/RunChecker.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

using test::ScratchDir;

struct ProgramResult {
    int exitStatus = -1;
    std::string output;
};

std::string CheckerProgram() {
    return std::string(QUILLON_BIN_DIR) + "/Quake2/quillon2";
}

/// Runs the built checker through the shell in `directory`, stdin not a terminal, and collects
/// what it prints on stdout and stderr.
ProgramResult RunProgram(const std::filesystem::path& directory, const std::string& environment,
                         const std::string& arguments) {
    const std::string command = "cd '" + directory.string() + "' && env " + environment + " '" + CheckerProgram() +
                                "' " + arguments + " </dev/null 2>&1";
    ProgramResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return result;
    }
    char buffer[256];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, count);
    }
    const int status = pclose(pipe);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

class CheckerProgramTest : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(CheckerProgram())) {
            GTEST_SKIP() << "the checker program is not built";
        }
        scratch.Write("settings.ini", "[Quake2]\nLastMapFile=test.map\nLastOutputFile=report.txt\nEntityDB=quake2.db\n");
        scratch.Write("test.map", "{\n\"classname\" \"worldspawn\"\n}\n");
        scratch.Write("runtime/.keep", "");
    }
    /// The presence lock lives in a fresh folder, so no front end of the user's counts.
    std::string NoFrontEnd() const { return "-u QUILLON_STANDALONE XDG_RUNTIME_DIR='" + scratch.PathOf("runtime") + "'"; }

    ScratchDir scratch;
};

TEST_F(CheckerProgramTest, WithoutFrontEndPrintsLaunchMessageAndTouchesNothing) {
    const ProgramResult result = RunProgram(scratch.path(), NoFrontEnd(), "settings.ini");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output, "This program is meant to be launched by Quillon.exe.\nPress any key to exit.");
    EXPECT_FALSE(std::filesystem::exists(scratch.PathOf("report.txt")));
    EXPECT_FALSE(std::filesystem::exists(scratch.PathOf("test.lin")));
    const auto entries = std::filesystem::directory_iterator(scratch.PathOf("runtime"));
    EXPECT_EQ(std::distance(std::filesystem::begin(entries), std::filesystem::end(entries)), 1);  // no lock made
}

TEST_F(CheckerProgramTest, WithoutFrontEndIgnoresMissingArgument) {
    const ProgramResult result = RunProgram(scratch.path(), NoFrontEnd(), "");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output, "This program is meant to be launched by Quillon.exe.\nPress any key to exit.");
}

TEST_F(CheckerProgramTest, VersionAndHelpNeedNoFrontEnd) {
    const ProgramResult version = RunProgram(scratch.path(), NoFrontEnd(), "--version");
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.output, "quillon2 1.1 beta\n");
    const ProgramResult help = RunProgram(scratch.path(), NoFrontEnd(), "--help");
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_EQ(help.output.rfind("Usage: quillon2 SETTINGS-FILE\n", 0), 0U) << help.output;
}

TEST_F(CheckerProgramTest, MissingArgumentIsBadInvocation) {
    const ProgramResult result = RunProgram(scratch.path(), "QUILLON_STANDALONE=1", "");
    EXPECT_EQ(result.exitStatus, 255);
    EXPECT_EQ(result.output, "");
}

TEST_F(CheckerProgramTest, UnopenableReportIsSaidOnStderrAndEndsAsCriticalError) {
    scratch.Write("settings.ini",
                  "[Quake2]\nLastMapFile=test.map\nLastOutputFile=no-folder/report.txt\nEntityDB=quake2.db\n");
    const ProgramResult result = RunProgram(scratch.path(), "QUILLON_STANDALONE=1", "settings.ini");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output,
              "quillon2: cannot open the report file no-folder/report.txt: No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(scratch.PathOf("no-folder")));
}

TEST(CheckerMain, MissingArgumentReturnsBadInvocationInProcess) {
    setenv("QUILLON_STANDALONE", "1", 1);
    char program[] = "quillon2";
    char* argv[] = {program, nullptr};
    EXPECT_EQ(CheckerMain(1, argv), -1);
}

}  // namespace
}  // namespace quillon
