#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <iterator>

#include "support/TestSupport.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

const std::string CHECKER = std::string(QUILLON_BIN_DIR) + "/Quake2/quillon2";
const std::string LAUNCH = "This program is meant to be launched by Quillon.exe.\nPress any key to exit.";

struct ProgramCase {
    const char* name;
    bool standalone;  ///< false: no front end is running
    const char* arguments;
    int exitStatus;
    std::string output;  ///< stdout and stderr together
    bool outputIsPrefix;
};

class CheckerProgramTest : public testing::TestWithParam<ProgramCase> {};

/// Runs the built checker through the shell, stdin not a terminal; the presence lock lives in a
/// fresh folder, so no front end of the user's counts.
TEST_P(CheckerProgramTest, ExitsWithItsStatusAndMessageAndTouchesNothing) {
    if (!fs::exists(CHECKER)) {
        GTEST_SKIP() << "the checker program is not built";
    }
    const ProgramCase& c = GetParam();
    test::ScratchDir scratch;
    scratch.Write("settings.ini", "[Quake2]\nLastMapFile=test.map\nLastOutputFile=report.txt\nEntityDB=quake2.db\n");
    scratch.Write("test.map", "{\n\"classname\" \"worldspawn\"\n}\n");
    scratch.Write("runtime/.keep", "");
    const std::string command = "cd '" + scratch.path().string() + "' && env " +
                                (c.standalone ? "QUILLON_STANDALONE=1" : "-u QUILLON_STANDALONE") + " XDG_RUNTIME_DIR='" +
                                scratch.PathOf("runtime") + "' '" + CHECKER + "' " + c.arguments + " </dev/null 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr) << command;
    std::string output;
    char buffer[256];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, count);
    }
    const int status = pclose(pipe);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, c.exitStatus);
    EXPECT_EQ(c.outputIsPrefix ? output.substr(0, c.output.size()) : output, c.output);
    EXPECT_FALSE(fs::exists(scratch.PathOf("report.txt")));
    EXPECT_FALSE(fs::exists(scratch.PathOf("test.lin")));
    const auto entries = fs::directory_iterator(scratch.PathOf("runtime"));
    EXPECT_EQ(std::distance(fs::begin(entries), fs::end(entries)), 1);  // no lock made
}

INSTANTIATE_TEST_SUITE_P(
    Invocations, CheckerProgramTest,
    testing::Values(ProgramCase{"WithoutFrontEnd", false, "settings.ini", 0, LAUNCH, false},
                    ProgramCase{"WithoutFrontEndOrArgument", false, "", 0, LAUNCH, false},
                    ProgramCase{"Version", false, "--version", 0, "quillon2 1.1 beta\n", false},
                    ProgramCase{"Help", false, "--help", 0, "Usage: quillon2 SETTINGS-FILE\n", true},
                    ProgramCase{"MissingArgument", true, "", 255, "", false}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quillon
