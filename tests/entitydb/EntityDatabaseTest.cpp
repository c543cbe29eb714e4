#include "entitydb/EntityDatabase.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

std::string Database(const std::string& blocks, const std::string& magic = "quillon") {
    return magic + "\r\nTest database\r\nby nobody\r\nfree text\r\n__START__\r\n" + blocks;
}

std::string Block(const std::string& header, const std::string& lines = "") {
    return "CLASSNAME " + header + "\r\n" + lines + "]\r\n";
}

EntityClassTable LoadOne(const std::string& text, DatabaseReader reader = DatabaseReader::Checker) {
    EntityClassTable table;
    LoadEntityClasses(table, text, true, reader);
    return table;
}

TEST(LoadEntityClasses, BoundsOnlyWithAllSixNumbers) {
    const char* numbers[] = {"-8", "-8.5", "0", "8", "8.5", "24"};
    for (int count = 0; count <= 6; ++count) {
        std::string header = "target_thing";
        for (int i = 0; i < count; ++i) {
            header += std::string(" ") + numbers[i];
        }
        const EntityClassTable table = LoadOne(Database(Block(header, "IS_SOLID 0\r\n")));
        ASSERT_EQ(table.classes.size(), 1u);
        const EntityClassDef& record = table.classes[0];
        EXPECT_EQ(record.className, "target_thing");
        EXPECT_EQ(record.hasBounds, count == 6) << header;
        const bool box = count == 6;
        EXPECT_EQ(record.mins, (box ? std::array<float, 3>{-8, -8.5f, 0} : std::array<float, 3>{})) << header;
        EXPECT_EQ(record.maxs, (box ? std::array<float, 3>{8, 8.5f, 24} : std::array<float, 3>{})) << header;
    }
}

TEST(LoadEntityClasses, DmInhibitNamedIsHonouredByTheCheckerOnly) {
    const std::string text = Database(Block("monster_x", "dm_inhibit_named 1\r\n"));
    EXPECT_TRUE(LoadOne(text, DatabaseReader::Checker).classes.at(0).dmInhibitIfNamed);
    const EntityClassDef frontEnd = LoadOne(text, DatabaseReader::FrontEnd).classes.at(0);
    EXPECT_FALSE(frontEnd.dmInhibitIfNamed);
    EXPECT_FALSE(frontEnd.dmInhibit);
}

TEST(LoadEntityClasses, RefusesAWrongMagicWordOrAMissingStartMarkerAndEmptiesTheTable) {
    for (const std::string& bad : {Database(Block("c"), "quillo"), Database(Block("c"), "quake"),
                                   Database(Block("c"), "quill on"), "quillon\r\nname\r\norigin\r\n" + Block("a")}) {
        for (const bool loadedFirst : {true, false}) {
            EntityClassTable table = LoadOne(Database(Block("a") + Block("b")));
            ASSERT_EQ(table.classes.size(), 2u);
            EXPECT_EQ(LoadEntityClasses(table, bad, loadedFirst, DatabaseReader::Checker), 0) << bad;
            EXPECT_TRUE(table.classes.empty()) << bad;
        }
    }
    // Only the magic word's length is compared, after the line ends and blanks before it.
    EXPECT_EQ(LoadOne(Database(Block("a"), "QUILLONDB")).classes.size(), 1u);
    EXPECT_EQ(LoadOne(Database(Block("a"), "\r\n  QuIlLoN")).classes.size(), 1u);
}

TEST(LoadEntityClasses, EndsABlockWhoseHeaderHasNoLineEndAtTheEndOfTheText) {
    const EntityClassTable headerOnly = LoadOne(Database("CLASSNAME b -1 -1 -1 1 1 1"));
    ASSERT_EQ(headerOnly.classes.size(), 1u);
    EXPECT_EQ(headerOnly.classes[0].maxs, (std::array<float, 3>{1, 1, 1}));
}

TEST(LoadEntityClasses, StopsAtFiveHundredTwelveRecords) {
    std::string blocks;
    for (int i = 0; i < 600; ++i) {
        blocks += Block("class" + std::to_string(i));
    }
    const EntityClassTable table = LoadOne(Database(blocks));
    ASSERT_EQ(table.classes.size(), 512u);
    EXPECT_EQ(table.classes.back().className, "class511");
}

TEST(LoadEntityClasses, NoParentInTheMergedFileStartsFromAnEmptyTable) {
    EntityClassTable table = LoadOne(Database(Block("worldspawn") + Block("func_door", "IS_SOLID 1\r\n")));
    const std::string selected =
        Database("__NOPARENT__\r\n" + Block("light", "IS_SOLID 1\r\n") + Block("func_door", "REMOVE 1\r\n"));
    EXPECT_EQ(LoadEntityClasses(table, selected, false, DatabaseReader::Checker), 2);
    EXPECT_EQ(table.classes[0].className, "light");
    EXPECT_TRUE(table.classes[0].fromSelectedDatabase && table.classes[0].needsBrush);
    EXPECT_EQ(table.classes[1].className, "func_door");
    EXPECT_FALSE(table.classes[1].needsBrush);
}

}  // namespace
}  // namespace quillon
