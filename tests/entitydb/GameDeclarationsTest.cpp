#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entitydb/EntityDatabase.h"

namespace quillon {
namespace {

/// A database whose free text, from line 4, is `freeText`, with one class after the start marker.
std::string Database(const std::string& freeText, const std::string& afterStart = "") {
    return "quillon\r\nTest database\r\nby nobody\r\n" + freeText + "__START__\r\n" + afterStart +
           "CLASSNAME worldspawn\r\n]\r\n";
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
        ASSERT_EQ(LoadEntityClasses(table, Database(c.freeText), true, DatabaseReader::Checker), 1);
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
    const std::string base = Database("GAME_KEYS wf_class\r\nGAME_LIMIT edicts 2048\r\nGAME_LIMIT sounds 300\r\n");
    ASSERT_EQ(LoadEntityClasses(table, base, true, DatabaseReader::FrontEnd), 1);
    const std::string merged = Database("GAME_KEYS goals\r\nGAME_LIMIT edicts 8192\r\n");
    LoadEntityClasses(table, merged, false, DatabaseReader::FrontEnd);
    EXPECT_EQ(table.game.keys, (std::vector<std::string>{"wf_class", "goals"}));
    EXPECT_EQ(table.game.limits.edicts, 8192);
    EXPECT_EQ(table.game.limits.sounds, 300);
    const std::string alone = Database("GAME_KEYS goals\r\n", "__NOPARENT__\r\n");
    LoadEntityClasses(table, base, true, DatabaseReader::FrontEnd);
    LoadEntityClasses(table, alone, false, DatabaseReader::FrontEnd);
    EXPECT_EQ(table.game.keys, (std::vector<std::string>{"goals"}));
    EXPECT_EQ(table.game.limits.edicts, 1024);
    EXPECT_EQ(table.game.limits.sounds, 256);
}

}  // namespace
}  // namespace quillon
