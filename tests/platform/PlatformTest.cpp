// Settings files, their safe replacement, paths, child processes and the front end's presence.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/Platform.h"
#include "support/TestSupport.h"

namespace quillon::platform {
namespace {

using test::ReadFileBytes;
using test::ScratchDir;

TEST(GetProfileString, ReadsTheValue) {
    const char* const TWO_SECTIONS = "[FindEnt]\nOutput=list.csv\nMatch=abcdefghij\n[FileList]\nOutput=files.txt\n";
    struct {
        const char* ini;  ///< nullptr: no file
        const char* section;
        const char* key;
        std::size_t capacity;
        const char* expected;  ///< the fallback is "dflt"
    } const rows[] = {
        {"[quake2]\r\nlastmapfile = maps/base1.map \r\n", "Quake2", "LastMapFile", 259, "maps/base1.map"},
        {TWO_SECTIONS, "FindEnt", "Match", 4, "abcd"},
        {TWO_SECTIONS, "FindEnt", "Match", 10, "abcdefghij"},
        {TWO_SECTIONS, "FileList", "Output", 259, "files.txt"},
        {TWO_SECTIONS, "FindEnt", "Output", 259, "list.csv"},
        {TWO_SECTIONS, "Quake2", "Output", 259, "dflt"},
        {"[S]\n;Key=commented\nKey\nKey=real\n", "S", "Key", 259, "real"},
        {"[S]\nPath=\"/maps/my map.map\"\n", "S", "Path", 259, "/maps/my map.map"},
        {nullptr, "S", "K", 259, "dflt"}};
    for (const auto& row : rows) {
        ScratchDir scratch;
        const std::string ini = row.ini == nullptr ? scratch.PathOf("absent.ini") : scratch.Write("a.ini", row.ini);
        EXPECT_EQ(GetProfileString(ini, row.section, row.key, "dflt", row.capacity), row.expected)
            << (row.ini == nullptr ? "no file" : row.ini) << row.section << "/" << row.key;
    }
}

TEST(GetProfileInt, ReadsHexOrSignedDecimalIgnoringTrailingText) {
    const std::pair<const char*, int> cases[] = {{"0x000f", 15}, {"0X1F", 31}, {"12", 12}, {"-3", -3},
                                                 {"7 levels", 7}, {"abc", 0},   {"", 0},   {"0x", 0}};
    ScratchDir scratch;
    for (const auto& [text, expected] : cases) {
        const std::string ini = scratch.Write("a.ini", std::string("[Quake2]\nShow=") + text + "\n");
        EXPECT_EQ(GetProfileInt(ini, "QUAKE2", "show", 99), expected) << text;
        EXPECT_EQ(GetProfileInt(ini, "Quake2", "Other", 15), 15);
    }
}

TEST(WriteProfileString, ChangesOnlyTheKey) {
    struct {
        const char* before;  ///< nullptr: no file
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    } const rows[] = {
        {nullptr, "Quake2", "LastMapFile", "a.map", "[Quake2]\nLastMapFile=a.map\n"},
        {"; head\r\n[Quake2]\r\nShow=0x000f\r\nlastmapfile=old.map\r\n\r\n[Options]\r\nX=1\r\n", "quake2",
         "LastMapFile", "new.map", "; head\r\n[Quake2]\r\nShow=0x000f\r\nLastMapFile=new.map\r\n\r\n[Options]\r\nX=1\r\n"},
        {"[A]\nX=1\n\n[B]\nY=2", "a", "Z", "3", "[A]\nX=1\nZ=3\n\n[B]\nY=2\n"}};
    for (const auto& row : rows) {
        ScratchDir scratch;
        const std::string ini = row.before == nullptr ? scratch.PathOf("a.ini") : scratch.Write("a.ini", row.before);
        ASSERT_TRUE(WriteProfileString(ini, row.section, row.key, row.value));
        EXPECT_EQ(ReadFileBytes(ini), row.after);
    }
}

TEST(WriteProfileInt, WritesFourDigitHex) {
    ScratchDir scratch;
    const std::string ini = scratch.PathOf("a.ini");
    ASSERT_TRUE(WriteProfileInt(ini, "Quake2", "Show", 15));
    ASSERT_TRUE(WriteProfileInt(ini, "Quake2", "OutputType", 0x12345));
    EXPECT_EQ(ReadFileBytes(ini), "[Quake2]\nShow=0x000f\nOutputType=0x12345\n");
    EXPECT_FALSE(WriteProfileString(scratch.PathOf("no/such/a.ini"), "S", "K", "V"));
}

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

TEST(SplitPath, SplitsDriveDirectoryNameAndExtensionKeepingDotsInFolders) {
    const PathParts parts = SplitPath("c:\\maps\\base1.map");
    EXPECT_EQ(parts.drive + "|" + parts.directory + "|" + parts.name + "|" + parts.extension, "c:|\\maps\\|base1|.map");
    const PathParts dotted = SplitPath("/home/a.b/map");
    EXPECT_EQ(dotted.drive + "|" + dotted.directory + "|" + dotted.name + "|" + dotted.extension, "|/home/a.b/|map|");
}

TEST(DeriveGameDirectories, FollowsTheGameComponent) {
    struct {
        const char* setting;
        const char* textureDir;
        const char* baseGameDir;
    } const cases[] = {
        {"", "/usr/share/games/quake2/baseq2/textures", "/usr/share/games/quake2/baseq2/"},
        {"/games/Quake2/Mymod/Textures/", "/games/Quake2/Mymod/Textures", "/games/Quake2/baseq2/"},
        {"/games/quake2/baseq2/textures", "/games/quake2/baseq2/textures", "/games/quake2/baseq2/"},
        {"/opt/q2/textures/", "/opt/q2/textures", "/usr/share/games/quake2/baseq2/"},
        {"/a/quake2x/quake2/t", "/a/quake2x/quake2/t", "/a/quake2x/quake2/baseq2/"},
        {"d:\\Games\\QUAKE2\\mymod\\textures\\", "d:\\Games\\QUAKE2\\mymod\\textures", "d:\\Games\\QUAKE2/baseq2/"},
        {"/games/quake2", "/games/quake2", "/games/quake2/baseq2/"},
        {"/s/Quake 2/BaseQ2/textures/", "/s/Quake 2/BaseQ2/textures", "/s/Quake 2/BaseQ2/"},
        {"/g/q2/baseq2/textures", "/g/q2/baseq2/textures", "/g/q2/baseq2/"},
        {"/g/q2/baseq2x/textures", "/g/q2/baseq2x/textures", "/usr/share/games/quake2/baseq2/"},
        {"baseq2/textures", "baseq2/textures", "baseq2/"}};
    for (const auto& c : cases) {
        const GameDirectories dirs = DeriveGameDirectories(c.setting);
        EXPECT_EQ(dirs.textureDir, c.textureDir) << c.setting;
        EXPECT_EQ(dirs.baseGameDir, c.baseGameDir) << c.setting;
    }
}

TEST(FindFileIgnoringCase, FindsEachComponentInAnyCasePreferringTheExactPath) {
    ScratchDir scratch;
    scratch.Write("Textures/E1U1/Floor1_3.wal", "x");
    EXPECT_EQ(FindFileIgnoringCase((scratch.path() / "textures/e1u1/FLOOR1_3.WAL").string()),
              (scratch.path() / "Textures/E1U1/Floor1_3.wal").string());
    const std::string exact = scratch.Write("a/B.wal", "x");
    scratch.Write("a/b.wal", "y");
    EXPECT_EQ(FindFileIgnoringCase(exact), exact);
    EXPECT_FALSE(FindFileIgnoringCase((scratch.path() / "textures/e1u1/b.wal").string()).has_value());
    EXPECT_FALSE(FindFileIgnoringCase((scratch.path() / "nothere/a.wal").string()).has_value());
}

TEST(ListFiles, ListsRegularFilesByExtensionInAnyCase) {
    ScratchDir scratch;
    scratch.Write("quake2.db", "x");
    scratch.Write("MOD.DB", "x");
    scratch.Write("notes.txt", "x");
    std::filesystem::create_directory(scratch.path() / "folder.db");
    const std::vector<std::string> files = ListFiles(scratch.path().string(), ".db");
    EXPECT_EQ(files, (std::vector<std::string>{"MOD.DB", "quake2.db"}));
}

TEST(CreateTempFile, MakesDistinctEmptyFilesWithThePrefix) {
    ScratchDir scratch;
    const std::string first = CreateTempFile(scratch.path().string(), "MAP");
    const std::string second = CreateTempFile(scratch.path().string() + "/", "MAP");
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(SplitPath(first).name.rfind("MAP", 0), 0u);
    EXPECT_EQ(std::filesystem::file_size(first), 0u);
    EXPECT_EQ(std::filesystem::file_size(second), 0u);
    EXPECT_EQ(CreateTempFile((scratch.path() / "absent").string(), "MAP"), "");
}

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
