#include "frontend/core/CommandLine.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

GameSettings Stored() {
    GameSettings game;
    game.show = 15;
    game.findBadWals = 1;
    game.fixTextures = 1;
    game.lastMapFile = "/maps/old.map";
    game.lastOutputFile = "/maps/old.txt";
    return game;
}

TEST(CommandLine, DeathmatchWithMapNameSelectsOnlyDeathmatchAndAddsTheExtension) {
    GameSettings game = Stored();
    const CommandLineOptions options = ApplyCommandLine("-dm +read mapname", game);
    EXPECT_TRUE(options.fromCommandLine);
    EXPECT_EQ(game.show, 8);
    EXPECT_EQ(game.findBadWals, 0);
    EXPECT_EQ(game.fixTextures, 0);
    EXPECT_EQ(game.lastMapFile, "mapname.map");
    EXPECT_EQ(game.lastOutputFile, "/maps/old.txt");
}

TEST(CommandLine, QuotedReportNameWithBlankGetsTxtAppended) {
    GameSettings game = Stored();
    const CommandLineOptions options = ApplyCommandLine("+write \"my report\" +go", game);
    EXPECT_EQ(game.lastOutputFile, "my report.txt");
    EXPECT_TRUE(options.go);
    EXPECT_TRUE(options.syntaxErrors.empty());
}

TEST(CommandLine, QuotedNameWithoutClosingMarkIsASyntaxErrorAndClearsTheName) {
    GameSettings game = Stored();
    const CommandLineOptions options = ApplyCommandLine("+write \"my report -dm", game);
    ASSERT_EQ(options.syntaxErrors.size(), 1U);
    EXPECT_EQ(options.syntaxErrors[0], "Syntax error: No matching double-quotation mark");
    EXPECT_EQ(game.lastOutputFile, "");
    EXPECT_EQ(game.show, 15) << "the unfinished name is no option text";
}

TEST(CommandLine, QuestionMarkAnywhereAsksForTheUsage) {
    GameSettings game = Stored();
    EXPECT_TRUE(ApplyCommandLine("-dm ? +go", game).showUsage);
    EXPECT_TRUE(ApplyCommandLine("-easy?", game).showUsage);
    EXPECT_FALSE(ApplyCommandLine("-easy", game).showUsage);
}

TEST(CommandLine, CheatAloneKeepsTheStoredLevels) {
    GameSettings game = Stored();
    game.show = SHOW_EASY | SHOW_HARD;
    ApplyCommandLine("-cheat", game);
    EXPECT_EQ(game.show, SHOW_EASY | SHOW_HARD | SHOW_CHEAT);
    EXPECT_EQ(game.findBadWals, 0);
}

TEST(CommandLine, EmptyCommandLineChangesNothing) {
    GameSettings game = Stored();
    const CommandLineOptions options = ApplyCommandLine("  ", game);
    EXPECT_FALSE(options.fromCommandLine);
    EXPECT_EQ(game.show, 15);
    EXPECT_EQ(game.findBadWals, 1);
    EXPECT_EQ(game.lastMapFile, "/maps/old.map");
}

TEST(CommandLine, TextureOptionsWithoutLevelsKeepTheStoredOnes) {
    GameSettings game = Stored();
    game.findBadWals = 0;
    const CommandLineOptions options = ApplyCommandLine("-tex", game);
    EXPECT_EQ(game.findBadWals, 1);
    EXPECT_EQ(game.fixTextures, 1);
    EXPECT_FALSE(options.lowerCase);
}

TEST(CommandLine, LevelOptionsWithTextureOptionsTurnOnOnlyThoseGiven) {
    GameSettings game = Stored();
    const CommandLineOptions options = ApplyCommandLine("-sp -locase", game);
    EXPECT_EQ(game.show, SHOW_EASY | SHOW_NORMAL | SHOW_HARD);
    EXPECT_EQ(game.findBadWals, 0);
    EXPECT_EQ(game.fixTextures, 1);
    EXPECT_TRUE(options.lowerCase);
}

struct LevelCase {
    const char* commandLine;
    int show;
};

class CommandLineLevels : public testing::TestWithParam<LevelCase> {};

TEST_P(CommandLineLevels, SetsTheLevelBits) {
    GameSettings game = Stored();
    ApplyCommandLine(GetParam().commandLine, game);
    EXPECT_EQ(game.show, GetParam().show);
}

INSTANTIATE_TEST_SUITE_P(Options, CommandLineLevels,
                         testing::Values(LevelCase{"-easy", 1}, LevelCase{"-normal", 2}, LevelCase{"-hard", 4},
                                         LevelCase{"-sp", 7}, LevelCase{"-dm", 8}, LevelCase{"-hard -easy", 5},
                                         LevelCase{"-DM -Cheat", 24}, LevelCase{"+go -normal -dm", 10}));

TEST(CommandLine, FileNamesKeepTheirCaseAndAreNoOptions) {
    GameSettings game = Stored();
    ApplyCommandLine("+READ Maps/My-DM-Easy +write Reports/Base1.TXT", game);
    EXPECT_EQ(game.lastMapFile, "Maps/My-DM-Easy.map");
    EXPECT_EQ(game.lastOutputFile, "Reports/Base1.TXT");
    EXPECT_EQ(game.show, 15);
    EXPECT_EQ(game.findBadWals, 1);
}

TEST(CommandLine, ExtensionsAreJudgedByTheFileNameAlone) {
    GameSettings game = Stored();
    ApplyCommandLine("+read base1.MAP +write ../out/report", game);
    EXPECT_EQ(game.lastMapFile, "base1.MAP");
    EXPECT_EQ(game.lastOutputFile, "../out/report.txt");
    ApplyCommandLine("+write report.log", game);
    EXPECT_EQ(game.lastOutputFile, "report.log");
}

TEST(CommandLine, YesIsAWordOfItsOwn) {
    GameSettings game = Stored();
    EXPECT_TRUE(ApplyCommandLine("+go -y", game).assumeYes);
    EXPECT_FALSE(ApplyCommandLine("+go -yes", game).assumeYes);
    EXPECT_FALSE(ApplyCommandLine("+read my -y.map", game).assumeYes);
}

TEST(JoinArguments, QuotesArgumentsWithBlanks) {
    EXPECT_EQ(JoinArguments({"-dm", "+write", "my report", "+go"}), "-dm +write \"my report\" +go");
    EXPECT_EQ(JoinArguments({"+write", "\"my report"}), "+write \"my report");
    GameSettings game = Stored();
    ApplyCommandLine(JoinArguments({"+read", "my maps/e1m1", "+go"}), game);
    EXPECT_EQ(game.lastMapFile, "my maps/e1m1.map");
}

}  // namespace
}  // namespace quillon
