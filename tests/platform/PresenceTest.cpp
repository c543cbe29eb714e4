#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/Platform.h"
#include "support/TestSupport.h"

namespace quillon::platform {
namespace {

/// Sets or clears one environment variable for the life of the object.
class EnvSetting {
public:
    EnvSetting(const char* variable, const char* value) : name(variable) {
        if (const char* current = std::getenv(name)) {
            saved = current;
        }
        value != nullptr ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvSetting() { saved ? setenv(name, saved->c_str(), 1) : unsetenv(name); }
    EnvSetting(const EnvSetting&) = delete;
    EnvSetting& operator=(const EnvSetting&) = delete;

private:
    const char* name;
    std::optional<std::string> saved;
};

TEST(Presence, FrontEndIsRunningOnlyWhileTheOneLockIsHeld) {
    test::ScratchDir scratch;
    EnvSetting runtimeDir("XDG_RUNTIME_DIR", scratch.path().c_str());
    EnvSetting standalone("QUILLON_STANDALONE", nullptr);
    EXPECT_FALSE(FrontEndIsRunning());
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path())) << "testing creates no lock file";
    {
        FrontEndPresenceLock lock;
        FrontEndPresenceLock second;
        ASSERT_TRUE(lock.held());
        EXPECT_FALSE(second.held());
        EXPECT_TRUE(FrontEndIsRunning());
    }
    EXPECT_FALSE(FrontEndIsRunning());
    setenv("QUILLON_STANDALONE", "1", 1);
    EXPECT_TRUE(FrontEndIsRunning());
    setenv("QUILLON_STANDALONE", "0", 1);
    EXPECT_FALSE(FrontEndIsRunning());
}

}  // namespace
}  // namespace quillon::platform
