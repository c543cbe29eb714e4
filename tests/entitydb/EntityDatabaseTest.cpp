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

const EntityClassDef* Find(const EntityClassTable& table, const std::string& name) {
    for (const EntityClassDef& record : table.classes) {
        if (record.className == name) {
            return &record;
        }
    }
    return nullptr;
}

TEST(LoadEntityClasses, ReadsEveryAttributeOfABlock) {
    const std::string text = Database(Block("func_door", "IS_SOLID 1\r\nSPAWNFLAGS 1 \"start open\"\r\n") +
                                      Block("item_armor -16 -16 -16 16 16 32",
                                            "IS_PICKUP 1\r\nDM_INHIBIT 1\r\nSP_INHIBIT 1\r\nNO_INHIBIT 1\r\n"));
    const EntityClassTable table = LoadOne(text);
    ASSERT_EQ(table.classes.size(), 2u);
    const EntityClassDef& door = table.classes[0];
    EXPECT_EQ(door.className, "func_door");
    EXPECT_TRUE(door.needsBrush);
    EXPECT_FALSE(door.hasBounds);
    EXPECT_EQ(door.validSpawnflags, 0x0F01u);
    EXPECT_EQ(text.compare(static_cast<std::size_t>(door.definitionOffset), 9, "CLASSNAME"), 0);
    const EntityClassDef& armor = table.classes[1];
    EXPECT_TRUE(armor.isPickup && armor.dmInhibit && armor.spInhibit && armor.noInhibit);
    EXPECT_FALSE(armor.needsBrush || armor.fromSelectedDatabase || armor.dmInhibitIfNamed);
    EXPECT_TRUE(armor.hasBounds);
    EXPECT_EQ(armor.mins, (std::array<float, 3>{-16, -16, -16}));
    EXPECT_EQ(armor.maxs, (std::array<float, 3>{16, 16, 32}));
    EXPECT_EQ(text.compare(static_cast<std::size_t>(armor.definitionOffset), 20, "CLASSNAME item_armor"), 0);
}

class BoxNumbers : public testing::TestWithParam<int> {};

TEST_P(BoxNumbers, BoundsOnlyWithAllSixNumbers) {
    const char* numbers[] = {"-8", "-8.5", "0", "8", "8.5", "24"};
    std::string header = "target_thing";
    for (int i = 0; i < GetParam(); ++i) {
        header += std::string(" ") + numbers[i];
    }
    const EntityClassTable table = LoadOne(Database(Block(header, "IS_SOLID 0\r\n")));
    ASSERT_EQ(table.classes.size(), 1u);
    const EntityClassDef& record = table.classes[0];
    EXPECT_EQ(record.className, "target_thing");
    EXPECT_EQ(record.hasBounds, GetParam() == 6);
    const std::array<float, 3> expectedMins = GetParam() == 6 ? std::array<float, 3>{-8, -8.5f, 0}
                                                              : std::array<float, 3>{};
    EXPECT_EQ(record.mins, expectedMins);
    if (GetParam() < 6) {
        EXPECT_EQ(record.maxs, (std::array<float, 3>{}));
    }
}
INSTANTIATE_TEST_SUITE_P(ZeroToSix, BoxNumbers, testing::Range(0, 7));

struct KeywordCase {
    const char* line;
    bool needsBrush;
    bool isPickup;
    bool dmInhibit;
    bool dmInhibitIfNamed;
    bool spInhibit;
    bool noInhibit;
    std::uint32_t validSpawnflags;
};

void PrintTo(const KeywordCase& c, std::ostream* out) {
    *out << '"' << c.line << '"';
}

class KeywordLines : public testing::TestWithParam<KeywordCase> {};

TEST_P(KeywordLines, FollowTheirCaseAndWholeWordRules) {
    const KeywordCase& c = GetParam();
    const EntityClassTable table = LoadOne(Database(Block("thing", std::string(c.line) + "\r\n")));
    ASSERT_EQ(table.classes.size(), 1u);
    const EntityClassDef& r = table.classes[0];
    EXPECT_EQ(r.needsBrush, c.needsBrush);
    EXPECT_EQ(r.isPickup, c.isPickup);
    EXPECT_EQ(r.dmInhibit, c.dmInhibit);
    EXPECT_EQ(r.dmInhibitIfNamed, c.dmInhibitIfNamed);
    EXPECT_EQ(r.spInhibit, c.spInhibit);
    EXPECT_EQ(r.noInhibit, c.noInhibit);
    EXPECT_EQ(r.validSpawnflags, c.validSpawnflags);
}

INSTANTIATE_TEST_SUITE_P(
    Attributes, KeywordLines,
    testing::Values(KeywordCase{"IS_SOLID 1", true, false, false, false, false, false, 3840},
                    KeywordCase{"is_solid 1", false, false, false, false, false, false, 3840},
                    KeywordCase{"IS_PICKUP 1", false, true, false, false, false, false, 3840},
                    KeywordCase{"Is_Pickup 1", false, false, false, false, false, false, 3840},
                    KeywordCase{"dm_inhibit 1", false, false, true, false, false, false, 3840},
                    KeywordCase{"dm_inhibit_named 1", false, false, false, true, false, false, 3840},
                    KeywordCase{"Sp_Inhibit 1", false, false, false, false, true, false, 3840},
                    KeywordCase{"no_inhibit 7", false, false, false, false, false, true, 3840},
                    KeywordCase{"spawnflags 4 \"x\"", false, false, false, false, false, false, 3844},
                    KeywordCase{"IS_SOLID 0", false, false, false, false, false, false, 3840},
                    KeywordCase{"IS_SOLID", false, false, false, false, false, false, 3840},
                    KeywordCase{"IS_SOLID x", false, false, false, false, false, false, 3840},
                    KeywordCase{"SPAWNFLAGS", false, false, false, false, false, false, 3840},
                    KeywordCase{" IS_SOLID 1", false, false, false, false, false, false, 3840},
                    KeywordCase{"\tSPAWNFLAGS 1", false, false, false, false, false, false, 3840},
                    KeywordCase{"IS_SOLID1", false, false, false, false, false, false, 3840},
                    KeywordCase{"SPAWN 1", false, false, false, false, false, false, 3840},
                    KeywordCase{"SPAWNOBJ 1 thing", false, false, false, false, false, false, 3840},
                    KeywordCase{"SPAWNFLAGSX 1", false, false, false, false, false, false, 3840},
                    KeywordCase{"DM_INHIBITED 1", false, false, false, false, false, false, 3840},
                    KeywordCase{"SF_AND 1 models/a.md2", false, false, false, false, false, false, 3840}));

TEST(LoadEntityClasses, FlagsAreNeverClearedAndSpawnflagsAccumulate) {
    const EntityClassTable table = LoadOne(Database(Block(
        "thing", "IS_SOLID 1\r\nIS_SOLID 0\r\nSPAWNFLAGS 1 \"a\"\r\nspawnflags 6 \"b\"\r\nSPAWNFLAGS 256 \"c\"\r\n")));
    ASSERT_EQ(table.classes.size(), 1u);
    EXPECT_TRUE(table.classes[0].needsBrush);
    EXPECT_EQ(table.classes[0].validSpawnflags, 0x0F07u);
}

TEST(LoadEntityClasses, DmInhibitNamedIsHonouredByTheCheckerOnly) {
    const std::string text = Database(Block("monster_x", "DM_INHIBIT_NAMED 1\r\n"));
    EXPECT_TRUE(LoadOne(text, DatabaseReader::Checker).classes.at(0).dmInhibitIfNamed);
    const EntityClassDef frontEnd = LoadOne(text, DatabaseReader::FrontEnd).classes.at(0);
    EXPECT_FALSE(frontEnd.dmInhibitIfNamed);
    EXPECT_FALSE(frontEnd.dmInhibit);
}

TEST(LoadEntityClasses, RefusesAWrongMagicWordAndEmptiesTheTable) {
    EntityClassTable table = LoadOne(Database(Block("a") + Block("b")));
    ASSERT_EQ(table.classes.size(), 2u);
    EXPECT_EQ(LoadEntityClasses(table, Database(Block("c"), "quillo"), false, DatabaseReader::Checker), 0);
    EXPECT_TRUE(table.classes.empty());
    EXPECT_EQ(LoadEntityClasses(table, Database(Block("c"), "quake"), true, DatabaseReader::Checker), 0);
    EXPECT_TRUE(table.classes.empty());
}

TEST(LoadEntityClasses, ComparesOnlyTheMagicWordsLength) {
    EXPECT_EQ(LoadOne(Database(Block("a"), "QUILLONDB")).classes.size(), 1u);
    EXPECT_EQ(LoadOne(Database(Block("a"), "\r\n  QuIlLoN")).classes.size(), 1u);
    EXPECT_EQ(LoadOne(Database(Block("a"), "quill on")).classes.size(), 0u);
}

TEST(LoadEntityClasses, YieldsNothingWithoutTheStartMarker) {
    const std::string text = "quillon\r\nname\r\norigin\r\n" + Block("a");
    EntityClassTable table = LoadOne(Database(Block("b")));
    EXPECT_EQ(LoadEntityClasses(table, text, false, DatabaseReader::Checker), 0);
    EXPECT_TRUE(table.classes.empty());
}

TEST(LoadEntityClasses, IgnoresClassnameInTheFreeText) {
    const std::string text = "quillon\r\nname\r\norigin\r\nCLASSNAME early\r\n]\r\n__START__\r\n" + Block("late");
    const EntityClassTable table = LoadOne(text);
    ASSERT_EQ(table.classes.size(), 1u);
    EXPECT_EQ(table.classes[0].className, "late");
}

TEST(LoadEntityClasses, ReadsLineFeedOnlyFilesAlike) {
    std::string crlf = Database(Block("light 0 0 0 8 8 8", "SPAWNFLAGS 1 \"start off\"\r\nDM_INHIBIT 1\r\n") +
                                Block("func_wall", "IS_SOLID 1\r\n"));
    std::string lf = crlf;
    for (std::size_t at = lf.find("\r\n"); at != std::string::npos; at = lf.find("\r\n", at)) {
        lf.erase(at, 1);
    }
    const EntityClassTable a = LoadOne(crlf);
    const EntityClassTable b = LoadOne(lf);
    ASSERT_EQ(a.classes.size(), 2u);
    ASSERT_EQ(b.classes.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(a.classes[i].className, b.classes[i].className);
        EXPECT_EQ(a.classes[i].hasBounds, b.classes[i].hasBounds);
        EXPECT_EQ(a.classes[i].validSpawnflags, b.classes[i].validSpawnflags);
        EXPECT_EQ(a.classes[i].needsBrush, b.classes[i].needsBrush);
        EXPECT_EQ(a.classes[i].dmInhibit, b.classes[i].dmInhibit);
        EXPECT_EQ(lf.compare(static_cast<std::size_t>(b.classes[i].definitionOffset), 9, "CLASSNAME"), 0);
    }
}

TEST(LoadEntityClasses, EndsAnUnclosedBlockAtTheEndOfTheText) {
    const EntityClassTable noLineEnd = LoadOne(Database("CLASSNAME a 1 2 3 4 5 6\r\nIS_SOLID 1"));
    ASSERT_EQ(noLineEnd.classes.size(), 1u);
    EXPECT_TRUE(noLineEnd.classes[0].needsBrush);
    EXPECT_TRUE(noLineEnd.classes[0].hasBounds);
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

class Merge : public testing::Test {
protected:
    void SetUp() override {
        base = Database(Block("worldspawn", "NO_INHIBIT 1\r\n") + Block("func_door", "IS_SOLID 1\r\n") +
                        Block("light 0 0 0 8 8 8", "SPAWNFLAGS 1 \"start off\"\r\n"));
        ASSERT_EQ(LoadEntityClasses(table, base, true, DatabaseReader::Checker), 3);
    }
    int MergeText(const std::string& blocks) {
        selected = Database(blocks);
        return LoadEntityClasses(table, selected, false, DatabaseReader::Checker);
    }
    EntityClassTable table;
    std::string base;
    std::string selected;
};

TEST_F(Merge, ReplacesKnownClassesAndAppendsNewOnes) {
    EXPECT_EQ(MergeText(Block("LIGHT 0 0 0 4 4 4", "SPAWNFLAGS 2 \"other\"\r\n") + Block("item_flag", "IS_PICKUP 1\r\n")),
              4);
    const EntityClassDef* world = Find(table, "worldspawn");
    ASSERT_NE(world, nullptr);
    EXPECT_FALSE(world->fromSelectedDatabase);
    EXPECT_EQ(base.compare(static_cast<std::size_t>(world->definitionOffset), 20, "CLASSNAME worldspawn"), 0);
    // The replacement takes the place of the base record and none of its facts.
    const EntityClassDef& light = table.classes[2];
    EXPECT_EQ(light.className, "LIGHT");
    EXPECT_TRUE(light.fromSelectedDatabase);
    EXPECT_EQ(light.validSpawnflags, 0x0F02u);
    EXPECT_EQ(light.maxs, (std::array<float, 3>{4, 4, 4}));
    EXPECT_EQ(selected.compare(static_cast<std::size_t>(light.definitionOffset), 15, "CLASSNAME LIGHT"), 0);
    const EntityClassDef& flag = table.classes[3];
    EXPECT_EQ(flag.className, "item_flag");
    EXPECT_TRUE(flag.fromSelectedDatabase && flag.isPickup);
}

TEST_F(Merge, RemoveLeavesAnAllZeroRecordInPlace) {
    EXPECT_EQ(MergeText(Block("Func_Door", "REMOVE 1\r\n")), 3);
    const EntityClassDef& removed = table.classes[1];
    EXPECT_TRUE(removed.className.empty());
    EXPECT_FALSE(removed.needsBrush || removed.fromSelectedDatabase);
    EXPECT_EQ(removed.validSpawnflags, 0u);
    EXPECT_EQ(removed.definitionOffset, 0);
    EXPECT_EQ(Find(table, "func_door"), nullptr);
}

TEST_F(Merge, RemoveOfAnUnknownClassDefinesIt) {
    EXPECT_EQ(MergeText(Block("monster_new 1 2 3 4 5 6", "remove 1\r\nIS_SOLID 1\r\n")), 4);
    const EntityClassDef* added = Find(table, "monster_new");
    ASSERT_NE(added, nullptr);
    EXPECT_TRUE(added->fromSelectedDatabase && added->needsBrush && added->hasBounds);
}

TEST_F(Merge, RemoveWithZeroIsAReplacement) {
    EXPECT_EQ(MergeText(Block("func_door", "REMOVE 0\r\n")), 3);
    ASSERT_NE(Find(table, "func_door"), nullptr);
    EXPECT_FALSE(Find(table, "func_door")->needsBrush);
}

TEST_F(Merge, LaterBlocksSeeEarlierBlocksOfTheSameFile) {
    EXPECT_EQ(MergeText(Block("misc_new") + Block("MISC_NEW", "IS_SOLID 1\r\n") + Block("misc_gone") +
                        Block("misc_gone", "REMOVE 1\r\n")),
              5);
    const EntityClassDef* replaced = Find(table, "MISC_NEW");
    ASSERT_NE(replaced, nullptr);
    EXPECT_TRUE(replaced->needsBrush);
    EXPECT_EQ(Find(table, "misc_new"), nullptr);
    EXPECT_EQ(Find(table, "misc_gone"), nullptr);
    EXPECT_TRUE(table.classes[4].className.empty());
}

TEST_F(Merge, NoParentStartsFromAnEmptyTable) {
    EXPECT_EQ(MergeText("__NOPARENT__\r\n" + Block("light", "IS_SOLID 1\r\n") + Block("func_door", "REMOVE 1\r\n")), 2);
    EXPECT_EQ(table.classes[0].className, "light");
    EXPECT_TRUE(table.classes[0].fromSelectedDatabase);
    EXPECT_EQ(table.classes[1].className, "func_door");
    EXPECT_EQ(Find(table, "worldspawn"), nullptr);
}

TEST_F(Merge, NoParentBeforeTheStartMarkerCountsForNothing) {
    selected = "quillon\r\nname\r\n__NOPARENT__ is mentioned here\r\n__START__\r\n" + Block("item_new");
    EXPECT_EQ(LoadEntityClasses(table, selected, false, DatabaseReader::Checker), 4);
}

TEST(LoadEntityClasses, RemoveAndNoParentInTheFileLoadedFirstChangeNothing) {
    const EntityClassTable table = LoadOne(Database("__NOPARENT__\r\n" + Block("a", "REMOVE 1\r\nIS_SOLID 1\r\n") +
                                                    Block("a", "REMOVE 1\r\n")));
    ASSERT_EQ(table.classes.size(), 2u);
    EXPECT_EQ(table.classes[0].className, "a");
    EXPECT_TRUE(table.classes[0].needsBrush);
    EXPECT_EQ(table.classes[1].className, "a");
}

}  // namespace
}  // namespace quillon
