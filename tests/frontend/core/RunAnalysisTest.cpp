#include "frontend/core/RunAnalysis.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "frontend/core/OverflowFixture.h"
#include "frontend/core/RecordingInteraction.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

using test::MapEntity;
using test::ReadFileBytes;
using test::RecordingInteraction;
using test::ScratchDir;

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

    void InstallChecker(const std::string& body) {
        scratch.Write("Quake2/quillon2", "#!/bin/sh\n" + body + "\n");
        ::chmod(paths.checkerPath.c_str(), 0755);
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
    InstallChecker("exit 3");
    ui.yesNoAnswers = {true};
    const GoResult go = RunGo(request, settings, ui, launch);
    EXPECT_EQ(go.outcome, GoOutcome::Aborted);
    EXPECT_EQ(go.focus, GoField::TextureDirectory);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text, "The run was aborted. " + settings.game.lastOutputFile + " was not written.");
}

}  // namespace
}  // namespace quillon
