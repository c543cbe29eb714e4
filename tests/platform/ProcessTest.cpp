#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/Platform.h"
#include "support/TestSupport.h"

namespace quillon::platform {
namespace {

int RunToEnd(const std::vector<std::string>& arguments) {
    std::optional<ChildProcess> child = StartProcess(arguments);
    if (!child) {
        ADD_FAILURE() << "cannot start " << arguments[0];
        return INT_MIN;
    }
    for (;;) {
        if (const std::optional<int> code = WaitForProcess(*child, 200)) {
            return *code;
        }
    }
}

TEST(WaitForProcess, GivesTheChildsExitCodeAndASignalAsNoSuccess) {
    EXPECT_EQ(RunToEnd({"/bin/sh", "-c", "exit 3"}), 3);
    EXPECT_EQ(RunToEnd({"/bin/sh", "-c", "exit 0"}), 0);
    EXPECT_EQ(RunToEnd({"/bin/sh", "-c", "exit 255"}), 255);  // -1 reads as its low eight bits
    EXPECT_EQ(RunToEnd({"/bin/sh", "-c", "kill -9 $$"}), 128 + 9);
}

TEST(WaitForProcess, RunningChildGivesNothingUntilItEnds) {
    std::optional<ChildProcess> child = StartProcess({"/bin/sh", "-c", "exec sleep 60"});
    ASSERT_TRUE(child.has_value());
    EXPECT_FALSE(WaitForProcess(*child, 0).has_value());
    KillProcess(*child);
    EXPECT_EQ(child->id, -1);
    EXPECT_FALSE(WaitForProcess(*child, 0).has_value());
    ChildProcess stranger{static_cast<long>(::getppid())};  // running, but not our child
    EXPECT_EQ(WaitForProcess(stranger, 0), -1);
    EXPECT_EQ(stranger.id, -1);
}

TEST(StartProcess, ProgramThatCannotStartSaysWhy) {
    errno = 0;
    EXPECT_FALSE(StartProcess({"/no/such/program"}).has_value());
    EXPECT_EQ(errno, ENOENT);
    test::ScratchDir scratch;
    const std::string notExecutable = scratch.Write("checker", "#!/bin/sh\nexit 0\n");
    errno = 0;
    EXPECT_FALSE(StartProcess({notExecutable}).has_value());
    EXPECT_EQ(errno, EACCES);
    EXPECT_FALSE(StartProcess({}).has_value());
}

}  // namespace
}  // namespace quillon::platform
