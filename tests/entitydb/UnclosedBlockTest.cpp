#include <gtest/gtest.h>

#include <string>

#include "entitydb/DatabaseText.h"
#include "entitydb/EntityDatabase.h"

namespace quillon {
namespace {

TEST(UnclosedBlock, IsNamedUntilAWellFormedBaseIsLoaded) {
    EntityClassTable table;
    LoadEntityClasses(table, "quillon\r\nTest\r\nnobody\r\n__START__\r\nCLASSNAME func_wall\r\nIS_SOLID 1\r\n", true,
                      DatabaseReader::FrontEnd);
    ASSERT_EQ(table.problems.size(), 1u);
    EXPECT_EQ(table.problems[0],
              "the block of class \"func_wall\" has no closing \"]\" line; it ends where the next block begins");
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
