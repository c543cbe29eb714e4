#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/Platform.h"
#include "support/TestSupport.h"

namespace quillon::platform {
namespace {

/// Points the presence lock at a scratch folder and clears QUILLON_STANDALONE for one test.
class PresenceTest : public testing::Test {
protected:
    void SetUp() override {
        Save("XDG_RUNTIME_DIR", savedRuntimeDir, hadRuntimeDir);
        Save("QUILLON_STANDALONE", savedStandalone, hadStandalone);
        setenv("XDG_RUNTIME_DIR", scratch.path().c_str(), 1);
        unsetenv("QUILLON_STANDALONE");
    }
    void TearDown() override {
        Restore("XDG_RUNTIME_DIR", savedRuntimeDir, hadRuntimeDir);
        Restore("QUILLON_STANDALONE", savedStandalone, hadStandalone);
    }
    static void Save(const char* name, std::string& value, bool& had) {
        const char* current = std::getenv(name);
        had = current != nullptr;
        value = had ? current : "";
    }
    static void Restore(const char* name, const std::string& value, bool had) {
        if (had) {
            setenv(name, value.c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

    test::ScratchDir scratch;
    std::string savedRuntimeDir;
    std::string savedStandalone;
    bool hadRuntimeDir = false;
    bool hadStandalone = false;
};

TEST_F(PresenceTest, FrontEndIsRunningOnlyWhileTheLockIsHeld) {
    EXPECT_FALSE(FrontEndIsRunning());
    {
        FrontEndPresenceLock lock;
        ASSERT_TRUE(lock.held());
        EXPECT_TRUE(FrontEndIsRunning());
    }
    EXPECT_FALSE(FrontEndIsRunning());
}

TEST_F(PresenceTest, TestingCreatesNoLockFile) {
    EXPECT_FALSE(FrontEndIsRunning());
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

TEST_F(PresenceTest, SecondFrontEndDoesNotGetTheLock) {
    FrontEndPresenceLock first;
    FrontEndPresenceLock second;
    EXPECT_TRUE(first.held());
    EXPECT_FALSE(second.held());
}

TEST_F(PresenceTest, StandaloneSettingSkipsTheTest) {
    setenv("QUILLON_STANDALONE", "1", 1);
    EXPECT_TRUE(FrontEndIsRunning());
    setenv("QUILLON_STANDALONE", "0", 1);
    EXPECT_FALSE(FrontEndIsRunning());
}

TEST_F(PresenceTest, KeyWaitReturnsAtOnceWithoutTerminal) {
    if (isatty(0)) {
        GTEST_SKIP() << "stdin is a terminal here";
    }
    WaitForKeyPress();
    SUCCEED();
}

}  // namespace
}  // namespace quillon::platform
