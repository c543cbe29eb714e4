// A run from the front end: the checker's launch, the analysis around it, and Go with its checks.

#include "frontend/core/RunAnalysis.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/core/CheckerLaunch.h"
#include "frontend/core/DatabaseList.h"
#include "frontend/core/OutputGuard.h"
#include "frontend/core/OverflowFixture.h"
#include "frontend/core/UserInteraction.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

using test::MapEntity;
using test::ReadFileBytes;
using test::ScratchDir;

/// A stand-in for the dialogs: records what a run shows and answers from a script.
class RecordingInteraction : public UserInteraction {
public:
    struct Shown {
        std::string text;
        std::string title;
    };

    std::vector<Shown> messages;
    std::vector<Shown> questions;
    std::vector<QuestionKind> questionKinds;
    std::vector<std::string> statuses;
    int uppercaseOffers = 0;
    std::vector<std::string> uppercaseNames;  ///< named by the last offer
    int progressSteps = 0;

    std::deque<bool> yesNoAnswers;  ///< taken in order; No when empty
    UppercaseFixAnswer uppercaseAnswer;

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon) override {
        messages.push_back({text, title});
    }
    bool AskYesNo(QuestionKind kind, const std::string& text, const std::string& title) override {
        questions.push_back({text, title});
        questionKinds.push_back(kind);
        if (yesNoAnswers.empty()) {
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    UppercaseFixAnswer AskUppercaseFix(bool, const std::vector<std::string>& names) override {
        ++uppercaseOffers;
        uppercaseNames = names;
        return uppercaseAnswer;
    }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void AdvanceBusyIndicator() override { ++progressSteps; }
};

/// A folder with a stand-in checker that keeps a copy of the settings it was given.
class StandInChecker {
public:
    explicit StandInChecker(const std::string& body) {
        std::filesystem::create_directories(scratch.path() / "tmp");
        const std::string script = "#!/bin/sh\ncp \"$1\" \"" + scratch.PathOf("seen.ini") + "\"\necho \"$1\" > \"" +
                                   scratch.PathOf("seen-path") + "\"\n" + body + "\n";
        launch.checkerPath = scratch.Write("Quake2/quillon2", script);
        ::chmod(launch.checkerPath.c_str(), 0755);
        launch.tempDirectory = scratch.PathOf("tmp") + "/";
    }

    std::string SeenSettings() const { return ReadFileBytes(scratch.PathOf("seen.ini")); }
    std::string SeenPath() const {
        std::string path = ReadFileBytes(scratch.PathOf("seen-path"));
        return path.substr(0, path.find('\n'));
    }
    bool TempFolderIsEmpty() const { return std::filesystem::is_empty(scratch.path() / "tmp"); }

    ScratchDir scratch;
    CheckerLaunch launch;
};

TEST(LaunchChecker, PassesATemporaryMapSettingsFileAndDeletesItAfterwards) {
    StandInChecker checker("sleep 1\nexit 1");
    FrontEndSettings settings;
    settings.game.lastMapFile = "/maps/base1.map";
    settings.game.textureDir = "/games/quake2/baseq2/textures";
    RecordingInteraction ui;

    EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::Continue);
    const std::string seenPath = checker.SeenPath();
    EXPECT_EQ(seenPath.rfind(checker.launch.tempDirectory + "MAP", 0), 0U) << seenPath;
    EXPECT_FALSE(std::filesystem::exists(seenPath));
    EXPECT_TRUE(checker.TempFolderIsEmpty());
    const std::string seen = checker.SeenSettings();
    EXPECT_NE(seen.find("LastMapFile=/maps/base1.map"), std::string::npos) << seen;
    EXPECT_NE(seen.find("TextureDir=/games/quake2/baseq2/textures"), std::string::npos);
    EXPECT_NE(seen.find("OutputType=0x0000"), std::string::npos);
    ASSERT_EQ(ui.statuses.size(), 2U);
    EXPECT_EQ(ui.statuses[0], "Performing qbsp3 and game diagnostics");
    EXPECT_EQ(ui.statuses[1], "");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(checker.launch.checkerFailed);
    EXPECT_GE(ui.progressSteps, 1) << "the busy indicator moves while the checker runs";
}

TEST(LaunchChecker, CheckerThatCannotStartIsReportedWithTheSystemsReasonAndStops) {
    StandInChecker checker("exit 1");
    std::filesystem::remove(checker.launch.checkerPath);
    // A missing program, and a path through a file: the spawn's own reason (ENOTDIR) wins.
    for (const auto& [path, code] : {std::pair{checker.launch.checkerPath, 2},
                                     std::pair{checker.scratch.Write("file", "") + "/quillon2", 20}}) {
        checker.launch.checkerPath = path;
        FrontEndSettings settings;
        RecordingInteraction ui;
        EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::Stop);
        ASSERT_EQ(ui.messages.size(), 1U);
        const std::string& text = ui.messages[0].text;
        EXPECT_EQ(text.rfind(path + " " + checker.launch.tempDirectory + "MAP", 0), 0U) << text;
        EXPECT_TRUE(text.ends_with(" failed with an error code=" + std::to_string(code))) << text;
        EXPECT_EQ(ui.messages[0].title, "Quillon");
        EXPECT_TRUE(checker.TempFolderIsEmpty());
        EXPECT_TRUE(checker.launch.checkerFailed);
    }
}

/// A map with an uppercase animated texture of its own and the report the checker wrote for it,
/// which also lists a name from an animation chain.
FrontEndSettings UppercaseRun(const StandInChecker& checker, const std::string& mapTexture = "e1u1/Anim1") {
    FrontEndSettings settings;
    settings.game.lastMapFile = checker.scratch.Write(
        "m.map", "{\n\"classname\" \"worldspawn\"\n{\n( 0 0 1 ) ( 0 0 0 ) ( 0 1 0 ) " + mapTexture + " 0 0 0 1 1\n}\n}\n");
    settings.game.lastOutputFile = checker.scratch.Write(
        "r.txt", "\nFound uppercase animated texture name(s).\nThis will cause a crash\n\te1u1/Anim1\n\n"
                 "entity 0: x\n\te1u1/ANIM2\n");
    return settings;
}

TEST(LaunchChecker, AcceptedUppercaseOfferNamesTheMapsTexturesAndRunsAgainOnce) {
    for (const bool dontAsk : {false, true}) {
        StandInChecker checker("exit 2");
        FrontEndSettings settings = UppercaseRun(checker);
        RecordingInteraction ui;
        ui.uppercaseAnswer = {true, dontAsk};
        EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::RunAgain);
        EXPECT_EQ(ui.uppercaseNames, std::vector<std::string>{"e1u1/Anim1"});
        EXPECT_NE(checker.SeenSettings().find("FixTextures=0x0000"), std::string::npos);
        // The rewrite left an uppercase name the map cannot change: the run goes on without asking
        // again. "Don't ask" keeps lower-casing on for later runs.
        EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::Continue);
        EXPECT_EQ(ui.uppercaseOffers, 1);
        EXPECT_NE(checker.SeenSettings().find("FixTextures=0x0001"), std::string::npos);
        EXPECT_EQ(settings.game.fixTextures, dontAsk ? 1 : 0);
        EXPECT_EQ(settings.game.dontAsk, dontAsk ? 1 : 0);
    }
}

TEST(LaunchChecker, NoUppercaseOfferWhenNoRewriteOfTheMapCanChangeAName) {
    StandInChecker checker("exit 2");
    // The map names only the lower-case first frame, or only the uppercase name as part of another.
    for (const std::string mapTexture : {"e1u1/anim1", "e1u1/Anim1x", "ANIM2"}) {
        FrontEndSettings settings = UppercaseRun(checker, mapTexture);
        RecordingInteraction ui;
        ui.uppercaseAnswer = {true, false};
        EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::Continue) << mapTexture;
        EXPECT_EQ(ui.uppercaseOffers, 0) << mapTexture;
    }
}

TEST(LaunchChecker, ListRunUsesATemporaryFileInPlaceOfTheReport) {
    StandInChecker checker("exit 1");
    FrontEndSettings settings;
    RecordingInteraction ui;
    EXPECT_EQ(RunListLaunch(checker.launch, settings, ui, OutputType::OutputEntityList), LaunchResult::Continue);
    const std::string seen = checker.SeenSettings();
    EXPECT_NE(seen.find("OutputType=0x0001"), std::string::npos) << seen;
    EXPECT_NE(seen.find("Temp=" + checker.launch.tempDirectory + "MAP"), std::string::npos) << seen;
    EXPECT_EQ(ui.statuses.front(), "Building entity list");
}

TEST(LaunchChecker, ExitCodesGiveTheirResultAndMessage) {
    struct {
        int outputType;
        int exitCode;
        bool answerYes;
        LaunchResult expected;
        const char* message;  ///< the start of the one message shown, or empty for none
    } const cases[] = {
        {0, 1, false, LaunchResult::Continue, ""},
        {0, 0, false, LaunchResult::Continue, ""},
        {0, 255, false, LaunchResult::Continue, ""},
        {0, 3, false, LaunchResult::Continue, ""},
        {0, 3, true, LaunchResult::Abort, ""},
        {1, 1, false, LaunchResult::Continue, ""},
        {1, 4, false, LaunchResult::Stop, "No matches on targetname door"},
        {1, 0, false, LaunchResult::Stop,
         "A critical error occurred while examining the map file, and the entity list could not be generated. "
         "Generate a normal Quillon report and correct the errors reported."},
        {1, 255, false, LaunchResult::Continue, ""},
        {2, 1, false, LaunchResult::Continue, ""},
        {2, 0, false, LaunchResult::Stop,
         "A critical error occurred while examining the map file, and the file list could not be generated. "
         "Generate a normal Quillon report and correct the errors reported."}};
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.outputType) + ", exit " + std::to_string(c.exitCode) +
                     (c.answerYes ? ", Yes" : ""));
        StandInChecker checker("exit " + std::to_string(c.exitCode));
        FrontEndSettings settings;
        settings.game.outputType = c.outputType;
        settings.findEnt.option = 1;
        settings.findEnt.match = "door";
        settings.findEnt.output = checker.scratch.Write("list.csv", "old list");
        RecordingInteraction ui;
        ui.yesNoAnswers = {c.answerYes};

        EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), c.expected);
        ASSERT_EQ(ui.messages.size(), *c.message == '\0' ? 0U : 1U);
        if (*c.message != '\0') {
            EXPECT_EQ(ui.messages[0].text.rfind(c.message, 0), 0U) << ui.messages[0].text;
            EXPECT_EQ(ui.messages[0].title, "Quillon");
        }
        // Only "all textures missing" asks whether to stop for the texture directory.
        ASSERT_EQ(ui.questions.size(), c.exitCode == 3 ? 1U : 0U);
        if (c.exitCode == 3) {
            EXPECT_EQ(ui.questionKinds[0], QuestionKind::AbortForTextureDirectory);
            EXPECT_EQ(ui.questions[0].title, "Quillon");
            EXPECT_EQ(ui.questions[0].text.rfind("NOTE: Quillon has found that ALL textures specified in the map are", 0),
                      0U);
        }
        EXPECT_EQ(std::filesystem::exists(settings.findEnt.output), c.exitCode != 4);
        EXPECT_EQ(checker.launch.checkerFailed, c.exitCode == 255) << "-1: the checker wrote nothing";
    }
}

/// However the checker ends (a crash, a kill, a stray code, a checker that tampered with its
/// files), the run's temporary files are removed, and only a clean end lets a list be opened.
TEST(LaunchChecker, FaultsLeaveNoTemporaryFileAndStopAListRun) {
    struct {
        const char* ending;  ///< the last lines of the stand-in checker
        bool failed;         ///< the front end sees the run as failed
    } const cases[] = {{"exit 1", false},         {"kill -SEGV $$", true}, {"kill -ABRT $$", true},
                       {"kill -TERM $$", true},   {"kill -KILL $$", true}, {"exit 9", true},
                       {"rm -f \"$1\"\nexit 1", false}, {"chmod 000 \"$1\"\nkill -SEGV $$", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        // The stand-in writes into the list run's stand-in report, when there is one.
        StandInChecker checker(std::string("temp=$(sed -n 's/^Temp=//p' \"$1\" | head -n 1)\n"
                                           "[ -n \"$temp\" ] && printf 'partial output' > \"$temp\"\n") +
                               c.ending);
        FrontEndSettings settings;
        RecordingInteraction ui;
        EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::Continue);
        EXPECT_TRUE(checker.TempFolderIsEmpty());
        EXPECT_EQ(checker.launch.checkerFailed, c.failed);
        ASSERT_EQ(ui.messages.size(), c.failed ? 1U : 0U);
        if (c.failed) {
            EXPECT_NE(ui.messages[0].text.find(checker.launch.checkerPath + " ended abnormally (exit code="),
                      std::string::npos)
                << ui.messages[0].text;
        }
        for (const OutputType mode : {OutputType::OutputEntityList, OutputType::OutputFileList}) {
            EXPECT_EQ(RunListLaunch(checker.launch, settings, ui, mode),
                      c.failed ? LaunchResult::Stop : LaunchResult::Continue);
            EXPECT_TRUE(checker.TempFolderIsEmpty());
            EXPECT_TRUE(settings.findEnt.temp.empty());
            EXPECT_TRUE(settings.fileList.temp.empty());
            EXPECT_EQ(settings.game.outputType, 0);
        }
    }
}

TEST(NoMatchText, NamesWhatWasSearched) {
    struct {
        int option;
        int criteria;
        const char* text;
    } const cases[] = {{1, 0, "No matches on targetname t1"},
                       {1, 1, "No matches on targetnames starting with t1"},
                       {1, 2, "No matches on targetnames containing t1"},
                       {2, 0, "No matches on keys or value for t1"},
                       {2, 1, "No matches on keys or values starting with t1"},
                       {2, 2, "No matches on keys or values containing t1"},
                       {0, 2, "This error should not happen. It indicates the map contains NO entities."}};
    for (const auto& c : cases) {
        FindEntSettings findEnt;
        findEnt.option = c.option;
        findEnt.matchCriteria = c.criteria;
        findEnt.match = "t1";
        EXPECT_EQ(NoMatchText(findEnt), c.text);
    }
}

const char* const DATABASE_BLOCKS = "CLASSNAME worldspawn\nIS_SOLID 1\n]\nCLASSNAME monster_soldier\nLOAD models/soldier.md2\n]\n";

/// An installed front end in a scratch folder: databases, a map and settings for a report run.
class AnalysisRun : public testing::Test {
protected:
    AnalysisRun() {
        paths.programDir = scratch.path().string() + "/";
        paths.gameDir = paths.programDir + "Quake2/";
        paths.checkerPath = paths.gameDir + "quillon2";
        context.gameDir = paths.gameDir;
        context.database = {"quake2.db", scratch.Write("Quake2/quake2.db", test::DatabaseText(DATABASE_BLOCKS)),
                            "Test database", "the tests"};
        context.version = "1.1 beta";
        context.clock = [] { return std::time_t{0}; };
        settings.game.lastMapFile = scratch.Write(
            "maps/base1.map", MapEntity({{"classname", "worldspawn"}}, 1) + MapEntity({{"classname", "monster_soldier"}}));
        settings.game.lastOutputFile = scratch.PathOf("report.txt");
        settings.game.textureDir = "/games/quake2/baseq2/textures";
    }

    /// A checker step that appends one line to the report and answers from `results`.
    CheckerStep Checker(std::vector<LaunchResult> results) {
        return [this, results](FrontEndSettings& runSettings) {
            std::FILE* report = std::fopen(runSettings.game.lastOutputFile.c_str(), "ab");
            std::fprintf(report, "checker run %d\n", ++checkerRuns);
            std::fclose(report);
            return results.at(static_cast<std::size_t>(checkerRuns - 1));
        };
    }

    std::string Report() const { return ReadFileBytes(settings.game.lastOutputFile); }

    ScratchDir scratch;
    ProgramPaths paths;
    AnalysisContext context;
    FrontEndSettings settings;
    RecordingInteraction ui;
    int checkerRuns = 0;
};

TEST_F(AnalysisRun, StatusesAndAClassTableDumpWrittenOnlyIntoAnExistingFolder) {
    context.dumpPath = scratch.PathOf("output/db.txt");
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Continue})), AnalysisResult::Done);
    EXPECT_FALSE(std::filesystem::exists(context.dumpPath));
    // The report itself is a headless case (report-with-checker); the statuses are shown by the dialogs only.
    EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Counting brush models", "Building entity table",
                                                     "Building models, sounds, and images lists."}));
    std::filesystem::create_directory(scratch.PathOf("output"));
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Continue, LaunchResult::Continue})),
              AnalysisResult::Done);
    EXPECT_EQ(ReadFileBytes(context.dumpPath).rfind("   classname: worldspawn\n      offset: ", 0), 0U);
}

TEST_F(AnalysisRun, WithoutATextureFolderTheGameIsLookedForWhereUsersKeepIt) {
    settings.game.textureDir.clear();
    context.homeDir = scratch.PathOf("home");
    const std::string steam = context.homeDir + "/.local/share/Steam/steamapps/common/Quake 2/";
    scratch.Write("home/.local/share/Steam/steamapps/common/Quake 2/rerelease/baseq2/pak0.pak", "");
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Continue})), AnalysisResult::Done);
    EXPECT_NE(Report().find("Assumed texture directory: " + steam + "rerelease/baseq2/textures/\n"
                            "Game folder: " + steam + "rerelease/baseq2/\nchecker run 1\n"),
              std::string::npos)
        << Report();
    // A classic install in the same library comes first; a settings folder without data is skipped.
    scratch.Write("home/.local/share/Steam/steamapps/common/Quake 2/baseq2/textures/e1u1/a.wal", "");
    scratch.Write("home/.yq2/baseq2/config.cfg", "");
    EXPECT_EQ(LocateGameData("", context.homeDir).textureDir, steam + "baseq2/textures");
}

TEST_F(AnalysisRun, RunAgainWritesAFreshHeadBeforeEachCheckerRun) {
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::RunAgain, LaunchResult::Continue})),
              AnalysisResult::Done);
    const std::string report = Report();
    EXPECT_EQ(report.find("checker run 1"), std::string::npos);
    EXPECT_NE(report.find("findings may be wrong.\nchecker run 2\n"), std::string::npos);
    EXPECT_EQ(report.find("QUILLON 1.1", 1), std::string::npos);
}

TEST_F(AnalysisRun, AbortKeepsThePreviousReportButAStoppedCheckerGetsTheTotals) {
    scratch.Write("report.txt", "old report\n");
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Abort})), AnalysisResult::Aborted);
    EXPECT_EQ(Report(), "old report\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 3) << "no draft is left";
    EXPECT_FALSE(AnalysisFailureText(AnalysisResult::Aborted, context, settings.game).has_value());
    checkerRuns = 0;
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Stop})), AnalysisResult::Done);
    EXPECT_NE(Report().find("TOTALS"), std::string::npos);
}

class GoRun : public AnalysisRun {
protected:
    GoRun() {
        request.paths = paths;
        request.databases = {context.database};
        request.selectedDatabase = 0;
        launch.checkerPath = paths.checkerPath;
        launch.tempDirectory = scratch.path().string() + "/";
    }

    /// Runs Go and expects it to stop with the one message `text` (the checker never ran) and no report.
    void ExpectStopped(GoOutcome outcome, GoField focus, const std::string& text) {
        ui.messages.clear();
        const GoResult go = RunGo(request, settings, ui, launch);
        EXPECT_EQ(go.outcome, outcome) << text;
        EXPECT_EQ(go.focus, focus) << text;
        ASSERT_EQ(ui.messages.size(), 1U) << text;
        EXPECT_EQ(ui.messages[0].text, text);
        EXPECT_EQ(ui.messages[0].title, "Quillon");
        EXPECT_FALSE(std::filesystem::exists(settings.game.lastOutputFile)) << text;
    }

    GoRequest request;
    CheckerLaunch launch;
};

TEST_F(GoRun, IncompleteFieldsAreRefusedInOrder) {
    const GameSettings complete = settings.game;
    settings.game.show = 0;
    request.selectedDatabase.reset();
    settings.game.lastOutputFile.clear();
    settings.game.lastMapFile.clear();
    ExpectStopped(GoOutcome::NotStarted, GoField::MapFile, "You must supply a map filename.");
    settings.game.lastMapFile = complete.lastMapFile;
    ExpectStopped(GoOutcome::NotStarted, GoField::OutputFile, "You must supply an output filename.");
    settings.game.lastOutputFile = complete.lastOutputFile;
    ExpectStopped(GoOutcome::NotStarted, GoField::Database, "You must select an entity database.");
    request.selectedDatabase = 0;
    ExpectStopped(GoOutcome::NotStarted, GoField::None, "You must select at least one output option.");
}

// A missing map, an unwritable report and a damaged database are headless cases; a database that
// went missing after the list was built is not.
TEST_F(GoRun, DatabaseThatWentMissingFailsBeforeTheChecker) {
    request.databases[0] = {"mod.db", paths.gameDir + "mod.db", "Mod", "the mod"};
    ExpectStopped(GoOutcome::Failed, GoField::None, "Cannot find entity database " + paths.gameDir + "mod.db\n");
}

TEST_F(GoRun, ExistingReportIsReplacedOnlyWhenTheUserAgrees) {
    scratch.Write("report.txt", "old report");
    const GoResult go = RunGo(request, settings, ui, launch);
    EXPECT_EQ(go.outcome, GoOutcome::NotStarted);
    ASSERT_EQ(ui.questions.size(), 1U);
    EXPECT_EQ(ui.questions[0].text, settings.game.lastOutputFile + "\nThis file already exists.\n\nReplace existing file?");
    EXPECT_EQ(ui.questions[0].title, "Quillon Output File");
    EXPECT_EQ(ui.questionKinds[0], QuestionKind::ReplaceOutputFile);
    EXPECT_EQ(Report(), "old report");
}

TEST_F(GoRun, MissingCheckerStillGivesTheTotals) {
    // The message itself is checked with the launch (CheckerLaunchTest).
    const GoResult go = RunGo(request, settings, ui, launch);
    EXPECT_EQ(go.outcome, GoOutcome::ReportWritten);
    EXPECT_TRUE(go.checkerFailed);
    EXPECT_EQ(ui.messages.size(), 1U);
    EXPECT_NE(Report().find("TOTALS"), std::string::npos);
}

TEST_F(GoRun, AbortForTheTextureDirectoryFocusesIt) {
    scratch.Write("Quake2/quillon2", "#!/bin/sh\nexit 3\n");
    ::chmod(paths.checkerPath.c_str(), 0755);
    ui.yesNoAnswers = {true};
    const GoResult go = RunGo(request, settings, ui, launch);
    EXPECT_EQ(go.outcome, GoOutcome::Aborted);
    EXPECT_EQ(go.focus, GoField::TextureDirectory);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text, "The run was aborted. " + settings.game.lastOutputFile + " was not written.");
}

std::string Database(const std::string& first, const std::string& name, const std::string& origin) {
    return first + "\r\n" + name + "\r\n" + origin + "\r\n__START__\r\nCLASSNAME worldspawn\r\n]\r\n";
}

TEST(DatabaseList, ListsDatabasesWithTheirHeaderLinesSortedByName) {
    ScratchDir scratch;
    scratch.Write("quake2.db", Database("Quillon entity database", "Quake 2", "the game's source"));
    scratch.Write("CTF.db", Database("QUILLON", "Capture The Flag", "the CTF source"));
    scratch.Write("notes.db", "just some notes\r\nline 2\r\n");
    scratch.Write("readme.txt", Database("quillon", "not a database file", ""));
    // The magic word must start the first line, and may go on.
    scratch.Write("indented.db", Database(" quillon", "Indented", "x"));
    scratch.Write("longer.db", Database("QuillonDB v2", "Longer word", "y"));
    const std::string gameDir = scratch.path().string() + "/";

    const std::vector<EntityDatabaseEntry> list = BuildDatabaseList(gameDir);
    ASSERT_EQ(list.size(), 3U);
    EXPECT_EQ(list[0].fileName, "CTF.db");
    EXPECT_EQ(list[0].fullPath, gameDir + "CTF.db");
    EXPECT_EQ(list[0].displayName, "Capture The Flag");
    EXPECT_EQ(list[0].originText, "the CTF source");
    EXPECT_EQ(list[1].fileName, "longer.db");
    EXPECT_EQ(list[2].fileName, "quake2.db");
    EXPECT_EQ(list[2].displayName, "Quake 2");
}

TEST(DatabaseList, HoldsAtMostOneHundredDatabasesAndNoneFromAnEmptyOrMissingFolder) {
    ScratchDir scratch;
    EXPECT_TRUE(BuildDatabaseList(scratch.path().string() + "/").empty());
    EXPECT_TRUE(BuildDatabaseList(scratch.PathOf("missing") + "/").empty());
    for (int i = 0; i < 105; ++i) {
        scratch.Write("mod" + std::to_string(1000 + i) + ".db", Database("quillon", "Mod", "o"));
    }
    EXPECT_EQ(BuildDatabaseList(scratch.path().string() + "/").size(), MAX_DATABASE_ENTRIES);
}

TEST(SelectDatabase, ChoosesTheStoredNameInAnyCaseElseTheFirst) {
    const std::vector<EntityDatabaseEntry> list = {{"ctf.db", "/g/ctf.db", "CTF", ""},
                                                   {"quake2.db", "/g/quake2.db", "Quake 2", ""}};
    EXPECT_EQ(SelectDatabase(list, "QUAKE2.DB"), 1U);
    EXPECT_EQ(SelectDatabase(list, "gone.db"), 0U);
    EXPECT_EQ(SelectDatabase({list[1]}, "ctf.db"), 0U);
    EXPECT_FALSE(SelectDatabase({}, "quake2.db").has_value());
}

TEST(OutputGuard, RefusesEveryFileTheRunReads) {
    const test::ScratchDir scratch;
    namespace fs = std::filesystem;
    ProgramPaths paths;
    paths.gameDir = scratch.path().string() + "/Quake2/";
    paths.settingsFile = scratch.Write("quillon.ini", "[Quake2]\n");
    scratch.Write("Quake2/quake2.db", "base");
    const std::string database = scratch.Write("Quake2/mod.db", "mod");
    const std::string map = scratch.Write("maps/v.map", "$include \"" + scratch.PathOf("maps/inc.map") + "\"\n{\n}\n");
    scratch.Write("maps/inc.map", "// included\n");
    fs::create_symlink(map, scratch.PathOf("link.txt"));
    fs::create_hard_link(map, scratch.PathOf("hard.txt"));
    // On a file system that ignores case, "V.MAP" is the map itself and must be refused too.
    const char* otherCase = fs::exists(scratch.PathOf("maps/V.MAP")) ? "the map file" : nullptr;

    const std::pair<const char*, const char*> rows[] = {  // output, the role named in the refusal (null: accepted)
        {"maps/v.map", "the map file"},       {"maps/./../maps/v.map", "the map file"},
        {"link.txt", "the map file"},         {"hard.txt", "the map file"},
        {"maps/V.MAP", otherCase},            {"maps/inc.map", "the included file"},
        {"Quake2/quake2.db", "the entity database"}, {"Quake2/mod.db", "the entity database"},
        {"quillon.ini", "the settings file"}, {"maps", "a folder"},
        {"report.txt", nullptr}};
    for (const auto& [relative, refusedAs] : rows) {
        const std::string output = scratch.PathOf(relative);
        const std::optional<std::string> refusal = OutputRefusal(output, RunInputs(paths, map, database));
        ASSERT_EQ(refusal.has_value(), refusedAs != nullptr) << relative << ": " << refusal.value_or("");
        if (refusedAs != nullptr) {
            EXPECT_EQ(refusal->rfind("Cannot write " + output + ": it is " + refusedAs, 0), 0U) << *refusal;
        }
    }
}

}  // namespace
}  // namespace quillon
