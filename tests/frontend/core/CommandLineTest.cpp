// The settings of the front end: stored, changed by the command line, and the headless answers.

#include "frontend/core/CommandLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/HeadlessRun.h"
#include "frontend/core/ProgramPaths.h"
#include "frontend/core/Version.h"
#include "support/TestSupport.h"

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

/// A stream that keeps what a headless interaction printed.
class PrintedMessages {
public:
    std::FILE* Stream() { return file.get(); }
    std::string Text() {
        std::fflush(file.get());
        std::rewind(file.get());
        std::string text;
        for (int c = std::fgetc(file.get()); c != EOF; c = std::fgetc(file.get())) {
            text += static_cast<char>(c);
        }
        return text;
    }

private:
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{std::tmpfile(), &std::fclose};
};

// Messages, statuses and the replies to the report and texture-directory questions are headless
// cases (missing-map-after-yes, existing-report-kept, all-textures-missing-continues).
TEST(HeadlessInteraction, SafeAnswersAreNoUnlessTheCommandLineSaidYes) {
    PrintedMessages printed;
    EXPECT_FALSE(HeadlessInteraction(printed.Stream(), false, false).AskUppercaseFix(false, {"e1u1/Anim1"}).convert);
    HeadlessInteraction told(printed.Stream(), true, true);
    EXPECT_FALSE(told.AskYesNo(QuestionKind::AbortForTextureDirectory, "all missing", "Quillon"))
        << "a run is never aborted without a person to re-enter the directory";
    const UppercaseFixAnswer answer = told.AskUppercaseFix(true, {"e1u1/Anim1", "e2/Fan1"});
    EXPECT_TRUE(answer.convert);
    EXPECT_TRUE(answer.dontAskAgain);
    const std::string text = printed.Text();
    EXPECT_NE(text.find("Quillon: Found uppercase animated texture name(s)."), std::string::npos);
    EXPECT_NE(text.find("\nQuillon: Uppercase animated textures in the map file: e1u1/Anim1, e2/Fan1\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 21), "Quillon: Answer: Yes\n");
}

// Help, version and unknown options are headless cases (help-among-options, version, ...-unknown).
TEST(AnswerCommandLineAtOnce, LeavesARunOrTheUsageToTheProgramProper) {
    // "?" belongs to the program proper, which shows the usage where it can.
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"?", "-bogus"}, {"-sp", "-y", "+read", "my maps/e1", "+write", "r", "+go"},
          {"/maps/My Level.map"}}) {
        PrintedMessages out;
        PrintedMessages errors;
        EXPECT_EQ(AnswerCommandLineAtOnce(arguments, out.Stream(), errors.Stream()), std::nullopt) << arguments[0];
        EXPECT_EQ(out.Text() + errors.Text(), "");
    }
}

using test::ReadFileBytes;
using test::ScratchDir;

FrontEndSettings EveryKeySet(const std::string& existingMap) {
    FrontEndSettings settings;
    settings.game.show = 0x1d;
    settings.game.autoOverwrite = 1;
    settings.game.dontAsk = 1;
    settings.game.findBadWals = 1;
    settings.game.fixTextures = 1;
    settings.game.outputType = 2;
    settings.game.lastMapFile = existingMap;
    settings.game.lastOutputFile = "/home/maps/Report One.txt";
    settings.game.entityDB = "ctf.db";
    settings.game.textureDir = "/games/Quake2/baseq2/textures/";
    settings.game.mapDir = "/home/maps/";
    settings.game.outputDir = "/home/reports/";
    settings.findEnt.output = "/home/list.csv";
    settings.findEnt.match = "door";
    settings.findEnt.className = "All";
    settings.findEnt.option = 2;
    settings.findEnt.sortBy = 1;
    settings.findEnt.matchCriteria = 2;
    settings.fileList.output = "/home/files.txt";
    return settings;
}

auto EveryKey(const FrontEndSettings& s) {
    const GameSettings& g = s.game;
    return std::tie(g.show, g.autoOverwrite, g.dontAsk, g.findBadWals, g.fixTextures, g.outputType, g.lastMapFile,
                    g.lastOutputFile, g.entityDB, g.textureDir, g.mapDir, g.outputDir, s.findEnt.output, s.findEnt.match,
                    s.findEnt.className, s.findEnt.option, s.findEnt.sortBy, s.findEnt.matchCriteria, s.fileList.output);
}

TEST(FrontEndSettings, EveryKeySurvivesSaveAndLoadIntoANewFolder) {
    ScratchDir scratch;
    const std::string map = scratch.Write("My Map.map", "{\n}\n");
    const std::string ini = scratch.PathOf("config/quillon/quillon.ini");
    FrontEndSettings saved = EveryKeySet(map);
    saved.findEnt.temp = "/tmp/MAPabc";
    ASSERT_TRUE(SaveSettings(saved, ini));
    EXPECT_EQ(EveryKey(LoadSettings(ini)), EveryKey(saved));
    const std::string text = ReadFileBytes(ini);
    for (const char* line : {"Show=0x001d\n", "OutputType=0x0002\n", "LastGame=0x0000\n", "Temp=/tmp/MAPabc\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    }
    // The game's section comes first, then the global ones.
    EXPECT_LT(text.find("[Quake2]"), text.find("[Options]"));
    EXPECT_LT(text.find("[Options]"), text.find("[FindEnt]"));
    EXPECT_LT(text.find("[FindEnt]"), text.find("[FileList]"));
}

TEST(FrontEndSettings, AbsentOrUnusableValuesTakeTheirDefaults) {
    ScratchDir scratch;
    const FrontEndSettings absent = LoadSettings(scratch.PathOf("missing.ini"));
    EXPECT_EQ(absent.game.show, 15);
    EXPECT_EQ(absent.game.autoOverwrite + absent.game.fixTextures + absent.findEnt.option, 0);
    EXPECT_EQ(absent.game.entityDB, "quake2.db");
    EXPECT_TRUE(absent.game.lastMapFile.empty());
    // A zero Show, an empty database, a map that cannot be opened, texts past their capacity.
    const FrontEndSettings loaded = LoadSettings(scratch.Write(
        "quillon.ini", "[quake2]\nShow=0x0000\nEntityDB=\nlastmapfile=" + scratch.PathOf("gone.map") +
                           "\nLastOutputFile=r.txt\nTextureDir=" + std::string(300, 't') +
                           "\n[Options]\nLastGame=0x0003\n[FindEnt]\nMatch=" + std::string(70, 'm') + "\n"));
    EXPECT_EQ(loaded.game.show, 15);
    EXPECT_EQ(loaded.game.entityDB, "quake2.db");
    EXPECT_EQ(loaded.lastGame, 0);
    EXPECT_TRUE(loaded.game.lastMapFile.empty());
    EXPECT_EQ(loaded.game.lastOutputFile, "r.txt");
    EXPECT_EQ(loaded.game.textureDir, std::string(259, 't'));
    EXPECT_EQ(loaded.findEnt.match, std::string(63, 'm'));
}

TEST(SettingsFileLocation, BesideAPortableProgramElseTheUsersConfigurationFolder) {
    ScratchDir scratch;
    const std::string programDir = scratch.path().string() + "/";
    EXPECT_EQ(SettingsFileLocation(programDir, "/xdg/", "/home/u"), "/xdg/quillon/quillon.ini");
    EXPECT_EQ(SettingsFileLocation(programDir, "", "/home/u"), "/home/u/.config/quillon/quillon.ini");
    EXPECT_EQ(SettingsFileLocation(programDir, "relative/xdg", "/home/u"), "/home/u/.config/quillon/quillon.ini");
    scratch.Write("quillon.ini", "[Quake2]\n");
    EXPECT_EQ(SettingsFileLocation(programDir, "/xdg", "/home/u"), programDir + "quillon.ini");
}

TEST(FormatVersion, ShowsOnlyTheNumbersThatAreSet) {
    EXPECT_EQ(FormatVersion({0x00010001, 0, true}), "1.1 beta");
    EXPECT_EQ(FormatVersion({0x00010001, 0, false}), "1.1");
    EXPECT_EQ(FormatVersion({0x00020003, 0x00040000, false}), "2.3.4");
    EXPECT_EQ(FormatVersion({0x00020003, 0x00040005, true}), "2.3.4.5 beta");
    EXPECT_EQ(FormatVersion({0x00020003, 0x00000005, false}), "2.3.0.5");
}

TEST(Version, ThisBuildIsOnePointOneBeta) {
    EXPECT_EQ(VersionString(), "1.1 beta");
    EXPECT_EQ(WindowTitle(VersionString()), "Quillon v1.1 beta");
    EXPECT_EQ(WindowTitle(""), "Quillon");
}

}  // namespace
}  // namespace quillon
