#include "frontend/core/DatabaseList.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace quillon {
namespace {

using test::ScratchDir;

std::string Database(const std::string& first, const std::string& name, const std::string& origin) {
    return first + "\r\n" + name + "\r\n" + origin + "\r\n__START__\r\nCLASSNAME worldspawn\r\n]\r\n";
}

TEST(DatabaseList, ListsDatabasesWithTheirHeaderLinesSortedByName) {
    ScratchDir scratch;
    scratch.Write("quake2.db", Database("Quillon entity database", "Quake 2", "the game's source"));
    scratch.Write("CTF.db", Database("QUILLON", "Capture The Flag", "the CTF source"));
    scratch.Write("notes.db", "just some notes\r\nline 2\r\n");
    scratch.Write("readme.txt", Database("quillon", "not a database file", ""));
    // The magic word must start the first line, and may go on.
    scratch.Write("indented.db", Database(" quillon", "Indented", "x"));
    scratch.Write("longer.db", Database("QuillonDB v2", "Longer word", "y"));
    const std::string gameDir = scratch.path().string() + "/";

    const std::vector<EntityDatabaseEntry> list = BuildDatabaseList(gameDir);
    ASSERT_EQ(list.size(), 3U);
    EXPECT_EQ(list[0].fileName, "CTF.db");
    EXPECT_EQ(list[0].fullPath, gameDir + "CTF.db");
    EXPECT_EQ(list[0].displayName, "Capture The Flag");
    EXPECT_EQ(list[0].originText, "the CTF source");
    EXPECT_EQ(list[1].fileName, "longer.db");
    EXPECT_EQ(list[2].fileName, "quake2.db");
    EXPECT_EQ(list[2].displayName, "Quake 2");
}

TEST(DatabaseList, HoldsAtMostOneHundredDatabasesAndNoneFromAnEmptyOrMissingFolder) {
    ScratchDir scratch;
    EXPECT_TRUE(BuildDatabaseList(scratch.path().string() + "/").empty());
    EXPECT_TRUE(BuildDatabaseList(scratch.PathOf("missing") + "/").empty());
    for (int i = 0; i < 105; ++i) {
        scratch.Write("mod" + std::to_string(1000 + i) + ".db", Database("quillon", "Mod", "o"));
    }
    EXPECT_EQ(BuildDatabaseList(scratch.path().string() + "/").size(), MAX_DATABASE_ENTRIES);
}

TEST(SelectDatabase, ChoosesTheStoredNameInAnyCaseElseTheFirst) {
    const std::vector<EntityDatabaseEntry> list = {{"ctf.db", "/g/ctf.db", "CTF", ""},
                                                   {"quake2.db", "/g/quake2.db", "Quake 2", ""}};
    EXPECT_EQ(SelectDatabase(list, "QUAKE2.DB"), 1U);
    EXPECT_EQ(SelectDatabase(list, "gone.db"), 0U);
    EXPECT_EQ(SelectDatabase({list[1]}, "ctf.db"), 0U);
    EXPECT_FALSE(SelectDatabase({}, "quake2.db").has_value());
}

}  // namespace
}  // namespace quillon
