#include "frontend/core/CommandLine.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

/// Stored settings whose every value a command line could change: easy, hard and deathmatch.
GameSettings Stored() {
    GameSettings game;
    game.show = SHOW_EASY | SHOW_HARD | SHOW_DEATHMATCH;
    game.findBadWals = 1;
    game.fixTextures = 1;
    game.lastMapFile = "/maps/old.map";
    game.lastOutputFile = "/maps/old.txt";
    return game;
}

CommandLineOptions Options(const std::string& commandLine) {
    GameSettings game = Stored();
    return ApplyCommandLine(commandLine, game);
}

TEST(CommandLine, ChangesTheStoredSettings) {
    const char* const OLD_MAP = "/maps/old.map";
    const char* const OLD_REPORT = "/maps/old.txt";
    struct {
        std::string commandLine;
        int show;
        int findBadWals;
        int fixTextures;
        const char* map;
        const char* report;
    } const cases[] = {
        {"  ", 13, 1, 1, OLD_MAP, OLD_REPORT},
        {"-dm +read mapname", 8, 0, 0, "mapname.map", OLD_REPORT},
        {"+write \"my report\" +go", 13, 1, 1, OLD_MAP, "my report.txt"},
        // The unfinished name is no option text: "-dm" inside it selects nothing.
        {"+write \"my report -dm", 13, 1, 1, OLD_MAP, ""},
        // "-cheat" alone keeps the stored levels; "-tex" alone the stored texture options.
        {"-cheat", 13 | SHOW_CHEAT, 0, 0, OLD_MAP, OLD_REPORT},
        {"-tex", 13, 1, 1, OLD_MAP, OLD_REPORT},
        {"-dm -tex", 8, 1, 0, OLD_MAP, OLD_REPORT},
        {"-sp -locase", 7, 0, 1, OLD_MAP, OLD_REPORT},
        {"-easy", 1, 0, 0, OLD_MAP, OLD_REPORT},
        {"-normal", 2, 0, 0, OLD_MAP, OLD_REPORT},
        {"-hard", 4, 0, 0, OLD_MAP, OLD_REPORT},
        {"-hard -easy", 5, 0, 0, OLD_MAP, OLD_REPORT},
        {"-DM -Cheat", 24, 0, 0, OLD_MAP, OLD_REPORT},
        {"+go -normal -dm", 10, 0, 0, OLD_MAP, OLD_REPORT},
        // File names keep their case and are no options; extensions are judged by the name alone.
        {"+READ Maps/My-DM-Easy +write Reports/Base1.TXT", 13, 1, 1, "Maps/My-DM-Easy.map", "Reports/Base1.TXT"},
        {"+read base1.MAP +write ../out/report", 13, 1, 1, "base1.MAP", "../out/report.txt"},
        {"+write report.log", 13, 1, 1, OLD_MAP, "report.log"},
        // A file manager opens a map with its name alone.
        {JoinArguments({"/maps/My Level"}), 13, 1, 1, "/maps/My Level.map", OLD_REPORT},
        {"stray +read e1m1", 13, 1, 1, "e1m1.map", OLD_REPORT},
        {JoinArguments({"+read", "my maps/e1m1", "+go"}), 13, 1, 1, "my maps/e1m1.map", OLD_REPORT}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        GameSettings game = Stored();
        ApplyCommandLine(c.commandLine, game);
        EXPECT_EQ(game.show, c.show);
        EXPECT_EQ(game.findBadWals, c.findBadWals);
        EXPECT_EQ(game.fixTextures, c.fixTextures);
        EXPECT_EQ(game.lastMapFile, c.map);
        EXPECT_EQ(game.lastOutputFile, c.report);
    }
}

TEST(CommandLine, OptionsOfTheRun) {
    EXPECT_FALSE(Options("  ").fromCommandLine);
    EXPECT_TRUE(Options("-dm").fromCommandLine);
    EXPECT_TRUE(Options("+write \"my report\" +go").go);
    EXPECT_TRUE(Options("+write \"my report\" +go").syntaxErrors.empty());
    EXPECT_EQ(Options("+write \"my report -dm").syntaxErrors,
              std::vector<std::string>{"Syntax error: No matching double-quotation mark"});
    EXPECT_TRUE(Options("-sp -locase").lowerCase);
    EXPECT_FALSE(Options("-tex").lowerCase);
    // A question mark anywhere asks for the usage.
    EXPECT_TRUE(Options("-dm ? +go").showUsage);
    EXPECT_TRUE(Options("-easy?").showUsage);
    EXPECT_FALSE(Options("-easy").showUsage);
    // "-y" is a word of its own.
    EXPECT_TRUE(Options("+go -y").assumeYes);
    EXPECT_FALSE(Options("+go -yes").assumeYes);
    EXPECT_FALSE(Options("+read my -y.map").assumeYes);
    EXPECT_TRUE(Options("-h").showHelp);
    EXPECT_TRUE(Options("+go --HELP").showHelp);
    EXPECT_FALSE(Options("-hard").showHelp);
    EXPECT_TRUE(Options("--version").showVersion);
    // Every word is an option or the one map file; file names after "+read" and "+write" are no words.
    EXPECT_TRUE(Options("-sp -dm -easy -normal -hard -cheat -tex -locase -y +read -x.map +write -z +go").unknownOptions.empty());
    EXPECT_EQ(Options("-dm -easyx +go -y -").unknownOptions, (std::vector<std::string>{"-easyx", "-"}));
    EXPECT_EQ(Options("stray +read e1m1").unknownOptions, std::vector<std::string>{"stray"});
}

TEST(JoinArguments, QuotesArgumentsWithBlanks) {
    EXPECT_EQ(JoinArguments({"-dm", "+write", "my report", "+go"}), "-dm +write \"my report\" +go");
    EXPECT_EQ(JoinArguments({"+write", "\"my report"}), "+write \"my report");
}

}  // namespace
}  // namespace quillon
