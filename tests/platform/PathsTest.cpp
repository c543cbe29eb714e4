#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Platform.h"
#include "support/TestSupport.h"

namespace quillon::platform {
namespace {

using test::ScratchDir;

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

}  // namespace
}  // namespace quillon::platform
