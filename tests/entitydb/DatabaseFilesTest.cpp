#include "entitydb/EntityDatabase.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TestSupport.h"

namespace quillon {
namespace {

const std::string BASE =
    "quillon\r\nQuake 2\r\nthe game\r\n__START__\r\n"
    "CLASSNAME worldspawn\r\nNO_INHIBIT 1\r\n]\r\n"
    "CLASSNAME func_door\r\nIS_SOLID 1\r\n]\r\n";
const std::string MOD =
    "quillon\r\nA mod\r\nits author\r\n__START__\r\n"
    "CLASSNAME func_door\r\nREMOVE 1\r\n]\r\n"
    "CLASSNAME item_flag -15 -15 -15 15 15 15\r\nIS_PICKUP 1\r\nSPAWNFLAGS 1 \"x\"\r\n]\r\n";

TEST(LoadEntityDatabaseFiles, MergesTheSelectedDatabaseOverTheBase) {
    test::ScratchDir dir;
    const std::string base = dir.Write("quake2.db", BASE);
    const std::string mod = dir.Write("Mod.db", MOD);
    EntityClassTable table;
    ASSERT_TRUE(LoadEntityDatabaseFiles(table, base, mod, DatabaseReader::Checker));
    ASSERT_EQ(table.classes.size(), 3u);
    EXPECT_TRUE(table.classes[1].className.empty());
    EXPECT_EQ(table.baseText, BASE);
    EXPECT_EQ(table.selectedText, MOD);
    EXPECT_NE(table.selectedPath.find("/mod.db"), std::string::npos);
    const EntityClassDef& flag = table.classes[2];
    EXPECT_EQ(MOD.compare(static_cast<std::size_t>(flag.definitionOffset), 19, "CLASSNAME item_flag"), 0);
}

TEST(LoadEntityDatabaseFiles, LoadsTheSameFileOnceWhateverItsCase) {
    test::ScratchDir dir;
    const std::string base = dir.Write("quake2.db", BASE);
    std::string upper = base;
    upper.replace(upper.size() - 9, 9, "QUAKE2.DB");
    test::WriteFileBytes(upper, MOD);  // never read: the names are the same without regard to case
    EntityClassTable table;
    ASSERT_TRUE(LoadEntityDatabaseFiles(table, upper, base, DatabaseReader::Checker));
    ASSERT_EQ(table.classes.size(), 2u);
    EXPECT_FALSE(table.classes[1].fromSelectedDatabase);
    EXPECT_TRUE(table.classes[1].needsBrush);
    EXPECT_TRUE(table.selectedText.empty());
}

TEST(LoadEntityDatabaseFiles, FailsWhenAFileIsMissing) {
    test::ScratchDir dir;
    const std::string base = dir.Write("quake2.db", BASE);
    EntityClassTable table;
    EXPECT_FALSE(LoadEntityDatabaseFiles(table, base, dir.PathOf("missing.db"), DatabaseReader::Checker));
    EXPECT_TRUE(table.classes.empty());
    EXPECT_FALSE(LoadEntityDatabaseFiles(table, dir.PathOf("missing.db"), base, DatabaseReader::Checker));
    EXPECT_FALSE(LoadEntityDatabaseFiles(table, dir.path().string(), base, DatabaseReader::Checker));
}

TEST(ReadDatabaseHeader, TakesDisplayNameAndOriginFromLinesTwoAndThree) {
    test::ScratchDir dir;
    const std::string longName(200, 'n');
    const auto header = ReadDatabaseHeader(dir.Write("a.db", "QuillonDB v1\r\n" + longName + "\r\nby us\r\n__START__\r\n"));
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->displayName, std::string(127, 'n'));
    EXPECT_EQ(header->origin, "by us");
    const auto lf = ReadDatabaseHeader(dir.Write("b.db", "quillon\nName\nOrigin"));
    ASSERT_TRUE(lf.has_value());
    EXPECT_EQ(lf->displayName, "Name");
    EXPECT_EQ(lf->origin, "Origin");
}

TEST(ReadDatabaseHeader, RefusesFilesWhoseFirstLineDoesNotBeginWithTheMagicWord) {
    test::ScratchDir dir;
    EXPECT_FALSE(ReadDatabaseHeader(dir.Write("a.db", " quillon\r\nName\r\n")).has_value());
    EXPECT_FALSE(ReadDatabaseHeader(dir.Write("b.db", "// quillon\r\nName\r\n")).has_value());
    EXPECT_FALSE(ReadDatabaseHeader(dir.Write("c.db", "")).has_value());
    EXPECT_FALSE(ReadDatabaseHeader(dir.PathOf("missing.db")).has_value());
}

}  // namespace
}  // namespace quillon
