#include <gtest/gtest.h>

#include <string>

#include "entitydb/DatabaseText.h"
#include "entitydb/EntityDatabase.h"

namespace quillon {
namespace {

// A database whose first block lacks its "]" line.
const std::string UNCLOSED =
    "quillon\r\nTest\r\nnobody\r\n__START__\r\n"
    "CLASSNAME func_wall\r\nIS_SOLID 1\r\n"
    "CLASSNAME item_health -16 -16 -16 16 16 16\r\nIS_PICKUP 1\r\n]\r\n"
    "CLASSNAME light\r\n";

TEST(UnclosedBlock, EndsWhereTheNextBlockBeginsAndIsNamed) {
    EntityClassTable table;
    ASSERT_EQ(LoadEntityClasses(table, UNCLOSED, true, DatabaseReader::Checker), 3);
    EXPECT_EQ(table.classes[0].className, "func_wall");
    EXPECT_TRUE(table.classes[0].needsBrush);
    EXPECT_FALSE(table.classes[0].isPickup);
    EXPECT_EQ(table.classes[1].className, "item_health");
    EXPECT_TRUE(table.classes[1].isPickup && table.classes[1].hasBounds);
    EXPECT_FALSE(table.classes[1].needsBrush);
    EXPECT_EQ(table.classes[2].className, "light");
    ASSERT_EQ(table.problems.size(), 2u);
    EXPECT_EQ(table.problems[0],
              "the block of class \"func_wall\" has no closing \"]\" line; it ends where the next block begins");
    EXPECT_NE(table.problems[1].find("\"light\""), std::string::npos);
}

TEST(UnclosedBlock, ProblemsOfAMergedDatabaseFollowThoseOfTheBase) {
    EntityClassTable table;
    LoadEntityClasses(table, UNCLOSED, true, DatabaseReader::FrontEnd);
    LoadEntityClasses(table, "quillon\r\nMod\r\nnobody\r\n__START__\r\nCLASSNAME mod_thing\r\n", false,
                      DatabaseReader::FrontEnd);
    ASSERT_EQ(table.problems.size(), 3u);
    EXPECT_NE(table.problems[2].find("\"mod_thing\""), std::string::npos);
    LoadEntityClasses(table, "quillon\r\nGood\r\nnobody\r\n__START__\r\nCLASSNAME a\r\n]\r\n", true,
                      DatabaseReader::FrontEnd);
    EXPECT_TRUE(table.problems.empty());
}

TEST(UnclosedBlock, RulesOfABlockStopAtTheNextBlock) {
    const std::string text = "CLASSNAME a\nLOAD models/a.md2\nCLASSNAME b\nLOAD models/b.md2\n]\n";
    const std::vector<std::string_view> lines = BlockLines(text, 0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "LOAD models/a.md2");
    // Only a CLASSNAME keyword at the start of a line opens a block.
    const std::string indented = "CLASSNAME a\n CLASSNAME b\nLOAD x\n]\n";
    EXPECT_EQ(BlockLines(indented, 0).size(), 2u);
}

}  // namespace
}  // namespace quillon
