#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/Platform.h"
#include "support/TestSupport.h"

namespace quillon::platform {
namespace {

using test::ReadFileBytes;
using test::ScratchDir;

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(ReplaceFileSafely, MissingTargetFailsOrIsCreatedAsAsked) {
    ScratchDir scratch;
    std::string error;
    EXPECT_FALSE(ReplaceFileSafely(scratch.PathOf("absent.map"), "text", error));
    EXPECT_EQ(error, SystemErrorText(ENOENT));
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));

    error.clear();
    EXPECT_TRUE(ReplaceFileSafely(scratch.PathOf("new.ini"), "[A]\n", error, IfMissing::Create));
    EXPECT_EQ(error, "");
    EXPECT_EQ(ReadFileBytes(scratch.PathOf("new.ini")), "[A]\n");
    EXPECT_EQ(ModeOf(scratch.PathOf("new.ini")), 0644U);
}

TEST(ReplaceFileSafely, FailedStepLeavesNoHalfMadeNewFile) {
    for (const WriteStep step : {WriteStep::Create, WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
        ScratchDir scratch;
        std::string error;
        EXPECT_FALSE(ReplaceFileSafely(scratch.PathOf("new.ini"), "[A]\n", error, IfMissing::Create, step));
        EXPECT_EQ(error, SystemErrorText(EIO));
        EXPECT_TRUE(std::filesystem::is_empty(scratch.path())) << static_cast<int>(step);
    }
}

TEST(WriteProfileString, KeepsAPrivateSettingsFilePrivate) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("private.ini", "[Quake2]\nShow=0x000f\n");
    ASSERT_EQ(::chmod(ini.c_str(), 0600), 0);
    ASSERT_TRUE(WriteProfileString(ini, "Quake2", "LastMapFile", "a.map"));
    EXPECT_EQ(ReadFileBytes(ini), "[Quake2]\nShow=0x000f\nLastMapFile=a.map\n");
    EXPECT_EQ(ModeOf(ini), 0600U);
}

TEST(WriteProfileString, LinkedSettingsFileStaysALink) {
    ScratchDir scratch;
    const std::string real = scratch.Write("real.ini", "[A]\nX=1\n");
    const std::string link = scratch.PathOf("link.ini");
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(WriteProfileString(link, "A", "X", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(real), "[A]\nX=2\n");
}

}  // namespace
}  // namespace quillon::platform
