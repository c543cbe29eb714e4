#include "entitydb/EntityDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace quillon {
namespace {

/// A database whose free text, from line 4, is `freeText`.
std::string Database(const std::string& blocks, const std::string& magic = "quillon",
                     const std::string& freeText = "free text\r\n") {
    return magic + "\r\nTest database\r\nby nobody\r\n" + freeText + "__START__\r\n" + blocks;
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

/// A database with one class whose free text, from line 4, is `freeText`.
std::string Declaring(const std::string& freeText, const std::string& afterStart = "") {
    return Database(afterStart + Block("worldspawn"), "quillon", freeText);
}

TEST(Declarations, AreReadFromTheFreeTextAndMalformedLinesAreNamed) {
    const GameLimits DEFAULTS{1024, 256, 256, 256};
    struct {
        const char* freeText;
        GameLimits limits;
        std::vector<std::string> keys;
        const char* problem;  ///< "" when the text is well formed
    } const cases[] = {
        {"Prose mentions GAME_LIMIT edicts 8192 and GAME_KEYS a b.\r\n", DEFAULTS, {}, ""},
        {"GAME_KEYS shadowlightradius Shadowlightstyle\r\nGAME_KEYS SHADOWLIGHTRADIUS\tgoals\r\n",
         DEFAULTS, {"shadowlightradius", "Shadowlightstyle", "goals"}, ""},
        {"GAME_LIMIT edicts 8192\r\nGAME_LIMIT MODELS 8192\nGAME_LIMIT sounds 2048\r\n"
         "GAME_LIMIT images 512\r\nGAME_LIMIT images 600\r\n",
         {8192, 8192, 2048, 600}, {}, ""},
        {"game_limit edicts 8192\r\n GAME_LIMIT edicts 8192\r\nGAME_LIMITS edicts 8192\r\n", DEFAULTS, {}, ""},
        {"GAME_LIMIT edicts lots\r\nGAME_LIMIT sounds 2048\r\n", {1024, 256, 2048, 256}, {},
         "line 4: the edicts limit must be a whole number from 1 to 65536, not \"lots\"; it stays 1024"},
        {"\r\nGAME_LIMIT models 0\r\n", DEFAULTS, {},
         "line 5: the models limit must be a whole number from 1 to 65536, not \"0\"; it stays 256"},
        {"GAME_LIMIT sounds 65537\r\n", DEFAULTS, {},
         "line 4: the sounds limit must be a whole number from 1 to 65536, not \"65537\"; it stays 256"},
        {"GAME_LIMIT images\r\n", DEFAULTS, {},
         "line 4: the images limit must be a whole number from 1 to 65536, not nothing; it stays 256"},
        {"GAME_LIMIT brushes 9000\r\n", DEFAULTS, {},
         "line 4: GAME_LIMIT names \"brushes\", not edicts, models, sounds or images; the line is skipped"},
        {"GAME_LIMIT\r\n", DEFAULTS, {},
         "line 4: GAME_LIMIT names nothing, not edicts, models, sounds or images; the line is skipped"},
        {"GAME_LIMIT images 512 pics\r\n", {1024, 256, 256, 512}, {},
         "line 4: the words after the images limit are ignored"},
        {"GAME_KEYS\r\nGAME_KEYS spawngroup\r\n", DEFAULTS, {"spawngroup"}, "line 4: GAME_KEYS names no key"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.freeText);
        EntityClassTable table;
        ASSERT_EQ(LoadEntityClasses(table, Declaring(c.freeText), true, DatabaseReader::Checker), 1);
        EXPECT_EQ(table.game.limits.edicts, c.limits.edicts);
        EXPECT_EQ(table.game.limits.models, c.limits.models);
        EXPECT_EQ(table.game.limits.sounds, c.limits.sounds);
        EXPECT_EQ(table.game.limits.images, c.limits.images);
        EXPECT_EQ(table.game.keys, c.keys);
        EXPECT_EQ(table.problems, *c.problem == '\0' ? std::vector<std::string>{} : std::vector<std::string>{c.problem});
    }
}

TEST(Declarations, AreNotReadFromTheHeaderLinesOrAfterTheStartMarker) {
    EntityClassTable table;
    const std::string text = "quillon\r\nGAME_KEYS name\r\nGAME_LIMIT edicts 2\r\n__START__\r\nGAME_KEYS late\r\n"
                             "CLASSNAME worldspawn\r\nGAME_LIMIT sounds 9\r\n]\r\n";
    ASSERT_EQ(LoadEntityClasses(table, text, true, DatabaseReader::Checker), 1);
    EXPECT_TRUE(table.game.keys.empty());
    EXPECT_EQ(table.game.limits.edicts, 1024);
    EXPECT_EQ(table.game.limits.sounds, 256);
    EXPECT_TRUE(table.problems.empty());
}

TEST(Declarations, OfTheSelectedDatabaseAddToTheBaseUnlessItStandsAlone) {
    EntityClassTable table;
    const std::string base = Declaring("GAME_KEYS wf_class\r\nGAME_LIMIT edicts 2048\r\nGAME_LIMIT sounds 300\r\n");
    ASSERT_EQ(LoadEntityClasses(table, base, true, DatabaseReader::FrontEnd), 1);
    const std::string merged = Declaring("GAME_KEYS goals\r\nGAME_LIMIT edicts 8192\r\n");
    LoadEntityClasses(table, merged, false, DatabaseReader::FrontEnd);
    EXPECT_EQ(table.game.keys, (std::vector<std::string>{"wf_class", "goals"}));
    EXPECT_EQ(table.game.limits.edicts, 8192);
    EXPECT_EQ(table.game.limits.sounds, 300);
    const std::string alone = Declaring("GAME_KEYS goals\r\n", "__NOPARENT__\r\n");
    LoadEntityClasses(table, base, true, DatabaseReader::FrontEnd);
    LoadEntityClasses(table, alone, false, DatabaseReader::FrontEnd);
    EXPECT_EQ(table.game.keys, (std::vector<std::string>{"goals"}));
    EXPECT_EQ(table.game.limits.edicts, 1024);
    EXPECT_EQ(table.game.limits.sounds, 256);
}

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

TEST(LoadEntityDatabaseFiles, LoadsTheSameFileOnceWhateverItsCaseAndFailsWhenOneIsMissing) {
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
    // A missing file fails the load.
    EXPECT_FALSE(LoadEntityDatabaseFiles(table, base, dir.PathOf("missing.db"), DatabaseReader::Checker));
    EXPECT_TRUE(table.classes.empty());
    EXPECT_FALSE(LoadEntityDatabaseFiles(table, dir.PathOf("missing.db"), base, DatabaseReader::Checker));
    EXPECT_FALSE(LoadEntityDatabaseFiles(table, dir.path().string(), base, DatabaseReader::Checker));
}

TEST(ReadDatabaseHeader, TakesDisplayNameAndOriginFromLinesTwoAndThreeAfterTheMagicWord) {
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
    // The first line must begin with the magic word.
    EXPECT_FALSE(ReadDatabaseHeader(dir.Write("a.db", " quillon\r\nName\r\n")).has_value());
    EXPECT_FALSE(ReadDatabaseHeader(dir.Write("b.db", "// quillon\r\nName\r\n")).has_value());
    EXPECT_FALSE(ReadDatabaseHeader(dir.Write("c.db", "")).has_value());
    EXPECT_FALSE(ReadDatabaseHeader(dir.PathOf("missing.db")).has_value());
}

TEST(UnclosedBlock, IsNamedUntilAWellFormedBaseIsLoaded) {
    EntityClassTable table;
    LoadEntityClasses(table, Database("CLASSNAME func_wall\r\nIS_SOLID 1\r\n"), true, DatabaseReader::FrontEnd);
    ASSERT_EQ(table.problems.size(), 1u);
    EXPECT_EQ(table.problems[0],
              "the block of class \"func_wall\" has no closing \"]\" line; it ends where the next block begins");
    LoadEntityClasses(table, Database(Block("a")), true, DatabaseReader::FrontEnd);
    EXPECT_TRUE(table.problems.empty());
}

}  // namespace
}  // namespace quillon
