#include "frontend/core/RunAnalysis.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
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

TEST_F(AnalysisRun, ReportIsHeadThenCheckerThenTotals) {
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Continue})), AnalysisResult::Done);
    const std::string report = Report();
    const std::string head = "QUILLON 1.1 beta\n";
    EXPECT_EQ(report.rfind(head, 0), 0U);
    const std::size_t results = report.find("\nResults for " + settings.game.lastMapFile + " - ");
    const std::size_t database = report.find("\nEntity database: " + context.database.fullPath + " from the tests\n"
                                             "Texture directory: /games/quake2/baseq2/textures\nchecker run 1\n"
                                             "\n================== MODEL, SOUND, AND IMAGE TOTALS");
    EXPECT_NE(results, std::string::npos) << report;
    EXPECT_NE(database, std::string::npos) << report;
    EXPECT_NE(report.find("\nModels       3\t     3\t     3\t     3\t\n"), std::string::npos) << report;
    EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Counting brush models", "Building entity table",
                                                     "Building models, sounds, and images lists."}));
}

TEST_F(AnalysisRun, ClassTableDumpIsWrittenOnlyIntoAnExistingFolder) {
    context.dumpPath = scratch.PathOf("output/db.txt");
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Continue})), AnalysisResult::Done);
    EXPECT_FALSE(std::filesystem::exists(context.dumpPath));
    std::filesystem::create_directory(scratch.PathOf("output"));
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Continue, LaunchResult::Continue})),
              AnalysisResult::Done);
    EXPECT_EQ(ReadFileBytes(context.dumpPath).rfind("   classname: worldspawn\n      offset: ", 0), 0U);
}

TEST_F(AnalysisRun, MapNameWithoutExtensionGetsIt) {
    settings.game.lastMapFile = scratch.PathOf("maps/base1");
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Continue})), AnalysisResult::Done);
    EXPECT_EQ(settings.game.lastMapFile, scratch.PathOf("maps/base1.map"));
}

TEST_F(AnalysisRun, DotsInFolderNamesDoNotCountAsTheExtension) {
    scratch.Write("my.maps/base1.map", MapEntity({{"classname", "worldspawn"}}));
    settings.game.lastMapFile = scratch.PathOf("my.maps/base1");
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Continue})), AnalysisResult::Done);
    EXPECT_EQ(settings.game.lastMapFile, scratch.PathOf("my.maps/base1.map"));
}

TEST_F(AnalysisRun, RunAgainWritesAFreshHeadBeforeEachCheckerRun) {
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::RunAgain, LaunchResult::Continue})),
              AnalysisResult::Done);
    const std::string report = Report();
    EXPECT_EQ(report.find("checker run 1"), std::string::npos);
    EXPECT_NE(report.find("Texture directory: /games/quake2/baseq2/textures\nchecker run 2\n"), std::string::npos);
    EXPECT_EQ(report.find("QUILLON 1.1", 1), std::string::npos);
}

TEST_F(AnalysisRun, AbortLeavesTheTotalsOut) {
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Abort})), AnalysisResult::Aborted);
    EXPECT_EQ(Report().find("TOTALS"), std::string::npos);
    EXPECT_FALSE(AnalysisFailureText(AnalysisResult::Aborted, context, settings.game).has_value());
}

TEST_F(AnalysisRun, CheckerThatStoppedStillGetsTheTotals) {
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Stop})), AnalysisResult::Done);
    EXPECT_NE(Report().find("TOTALS"), std::string::npos);
}

TEST_F(AnalysisRun, MissingMapWritesNothing) {
    settings.game.lastMapFile = scratch.PathOf("maps/gone.map");
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({})), AnalysisResult::MapNotReadable);
    EXPECT_EQ(checkerRuns, 0);
    EXPECT_FALSE(std::filesystem::exists(settings.game.lastOutputFile));
    EXPECT_EQ(AnalysisFailureText(AnalysisResult::MapNotReadable, context, settings.game),
              "Cannot find " + settings.game.lastMapFile + "\n");
}

TEST_F(AnalysisRun, MissingDatabaseWritesNothing) {
    context.database.fileName = "mod.db";
    context.database.fullPath = paths.gameDir + "mod.db";
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({})), AnalysisResult::DatabaseNotReadable);
    EXPECT_FALSE(std::filesystem::exists(settings.game.lastOutputFile));
    EXPECT_EQ(AnalysisFailureText(AnalysisResult::DatabaseNotReadable, context, settings.game),
              "Cannot find entity database " + paths.gameDir + "mod.db\n");
}

TEST_F(AnalysisRun, DatabaseWithoutClassesIsInvalid) {
    scratch.Write("Quake2/quake2.db", "not a database\r\n__START__\r\nCLASSNAME worldspawn\r\n]\r\n");
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({})), AnalysisResult::EmptyClassTable);
    EXPECT_FALSE(std::filesystem::exists(settings.game.lastOutputFile));
    EXPECT_EQ(AnalysisFailureText(AnalysisResult::EmptyClassTable, context, settings.game),
              "Invalid entity database " + context.database.fullPath + "\n");
}

TEST_F(AnalysisRun, ReportThatCannotBeCreatedStopsBeforeTheChecker) {
    settings.game.lastOutputFile = scratch.PathOf("no/such/folder/report.txt");
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({})), AnalysisResult::ReportNotWritable);
    EXPECT_EQ(checkerRuns, 0);
}

TEST_F(AnalysisRun, SelectedDatabaseIsMergedOverTheBaseOne) {
    context.database = {"mod.db",
                        scratch.Write("Quake2/mod.db", test::DatabaseText("CLASSNAME monster_soldier\nLOAD models/mod.md2\n]\n")),
                        "Mod", "the mod"};
    EXPECT_EQ(RunAnalysis(context, settings, ui, Checker({LaunchResult::Continue})), AnalysisResult::Done);
    const std::string report = Report();
    EXPECT_NE(report.find("models/mod.md2"), std::string::npos);
    EXPECT_EQ(report.find("models/soldier.md2"), std::string::npos);
    EXPECT_NE(report.find("Total number of brush models = 1\n"), std::string::npos) << "worldspawn from the base";
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

    GoRequest request;
    CheckerLaunch launch;
};

TEST_F(GoRun, EmptyMapNameIsRefused) {
    settings.game.lastMapFile.clear();
    const GoResult go = RunGo(request, settings, ui, launch);
    EXPECT_EQ(go.outcome, GoOutcome::NotStarted);
    EXPECT_EQ(go.focus, GoField::MapFile);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text, "You must supply a map filename.");
    EXPECT_EQ(ui.messages[0].title, "Quillon");
}

TEST_F(GoRun, EmptyReportNameIsRefused) {
    settings.game.lastOutputFile.clear();
    const GoResult go = RunGo(request, settings, ui, launch);
    EXPECT_EQ(go.focus, GoField::OutputFile);
    EXPECT_EQ(ui.messages.at(0).text, "You must supply an output filename.");
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

TEST_F(GoRun, AutoOverwriteReplacesWithoutAsking) {
    InstallChecker("exit 1");
    scratch.Write("report.txt", "old report");
    settings.game.autoOverwrite = 1;
    EXPECT_EQ(RunGo(request, settings, ui, launch).outcome, GoOutcome::ReportWritten);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(Report().rfind("QUILLON", 0), 0U);
}

TEST_F(GoRun, DatabaseAndOptionsMustBeChosen) {
    request.selectedDatabase.reset();
    EXPECT_EQ(RunGo(request, settings, ui, launch).focus, GoField::Database);
    EXPECT_EQ(ui.messages.at(0).text, "You must select an entity database.");
    request.selectedDatabase = 0;
    settings.game.show = 0;
    EXPECT_EQ(RunGo(request, settings, ui, launch).outcome, GoOutcome::NotStarted);
    EXPECT_EQ(ui.messages.at(1).text, "You must select at least one output option.");
}

TEST_F(GoRun, MissingCheckerStillGivesTheTotals) {
    const GoResult go = RunGo(request, settings, ui, launch);
    EXPECT_EQ(go.outcome, GoOutcome::ReportWritten);
    EXPECT_TRUE(go.checkerFailed);
    EXPECT_NE(ui.messages.at(0).text.find("failed with an error code="), std::string::npos);
    EXPECT_NE(Report().find("TOTALS"), std::string::npos);
}

TEST_F(GoRun, AbortForTheTextureDirectoryFocusesIt) {
    InstallChecker("exit 3");
    ui.yesNoAnswers = {true};
    const GoResult go = RunGo(request, settings, ui, launch);
    EXPECT_EQ(go.outcome, GoOutcome::Aborted);
    EXPECT_EQ(go.focus, GoField::TextureDirectory);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GoRun, ReportRunStartsTheCheckerInReportModeWhateverWasStored) {
    // A settings file edited by hand, or left by a list run, may still name a list mode.
    InstallChecker("grep -i '^OutputType=' \"$1\" > " + scratch.PathOf("mode.txt") + "\nexit 1");
    settings.game.outputType = static_cast<int>(OutputType::OutputEntityList);
    EXPECT_EQ(RunGo(request, settings, ui, launch).outcome, GoOutcome::ReportWritten);
    EXPECT_EQ(ReadFileBytes(scratch.PathOf("mode.txt")), "OutputType=0x0000\n");
    EXPECT_NE(std::find(ui.statuses.begin(), ui.statuses.end(), "Performing qbsp3 and game diagnostics"),
              ui.statuses.end());
    EXPECT_EQ(settings.game.outputType, static_cast<int>(OutputType::OutputReport));
}

TEST_F(GoRun, FailedAnalysisShowsItsMessage) {
    settings.game.lastMapFile = scratch.PathOf("gone.map");
    const GoResult go = RunGo(request, settings, ui, launch);
    EXPECT_EQ(go.outcome, GoOutcome::Failed);
    EXPECT_EQ(ui.messages.at(0).text, "Cannot find " + scratch.PathOf("gone.map") + "\n");
}

}  // namespace
}  // namespace quillon
