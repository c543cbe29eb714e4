#include "frontend/core/CheckerLaunch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "frontend/core/RecordingInteraction.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

using test::ReadFileBytes;
using test::RecordingInteraction;
using test::ScratchDir;

/// A folder with a stand-in checker that keeps a copy of the settings it was given.
class StandInChecker {
public:
    explicit StandInChecker(const std::string& body) {
        std::filesystem::create_directories(scratch.path() / "tmp");
        const std::string script = "#!/bin/sh\ncp \"$1\" \"" + scratch.PathOf("seen.ini") + "\"\n" + body + "\n";
        launch.checkerPath = scratch.Write("Quake2/quillon2", script);
        ::chmod(launch.checkerPath.c_str(), 0755);
        launch.tempDirectory = scratch.PathOf("tmp") + "/";
    }

    std::string SeenSettings() const { return ReadFileBytes(scratch.PathOf("seen.ini")); }
    bool TempFolderIsEmpty() const { return std::filesystem::is_empty(scratch.path() / "tmp"); }

    ScratchDir scratch;
    CheckerLaunch launch;
};

TEST(LaunchChecker, ShowsItsStatusAndMovesTheBusyIndicatorWhileTheCheckerRuns) {
    StandInChecker checker("sleep 1\nexit 1");
    FrontEndSettings settings;
    RecordingInteraction ui;
    // The settings the checker reads and the removal of their file are seen in every headless run.
    EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::Continue);
    ASSERT_EQ(ui.statuses.size(), 2U);
    EXPECT_EQ(ui.statuses[0], "Performing qbsp3 and game diagnostics");
    EXPECT_EQ(ui.statuses[1], "");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(checker.launch.checkerFailed);
    EXPECT_GE(ui.progressSteps, 1) << "the busy indicator moves while the checker runs";
}

TEST(LaunchChecker, UppercaseOfferRunsAgainWithLowerCasingForThatRunOnlyOrForGood) {
    StandInChecker checker("exit 2");
    FrontEndSettings settings;
    RecordingInteraction ui;
    ui.uppercaseAnswer = {true, false};
    EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::RunAgain);
    EXPECT_EQ(ui.uppercaseOffers, 1);
    EXPECT_NE(checker.SeenSettings().find("FixTextures=0x0000"), std::string::npos);

    ui.uppercaseAnswer = {false, false};
    EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::Continue);
    EXPECT_NE(checker.SeenSettings().find("FixTextures=0x0001"), std::string::npos);
    EXPECT_EQ(settings.game.fixTextures, 0);
    EXPECT_EQ(settings.game.dontAsk, 0);

    ui.uppercaseAnswer = {true, true};
    EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::RunAgain);
    EXPECT_EQ(settings.game.fixTextures, 1);
    EXPECT_EQ(settings.game.dontAsk, 1);
    EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), LaunchResult::Continue);
    EXPECT_EQ(ui.uppercaseOffers, 3) << "not asked again";
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

struct ExitCase {
    int outputType;
    int exitCode;
    bool answerYes;
    LaunchResult expected;
    const char* message;  ///< the start of the one message shown, or empty for none
};

void PrintTo(const ExitCase& c, std::ostream* out) {
    *out << "mode " << c.outputType << ", exit " << c.exitCode << (c.answerYes ? ", Yes" : "");
}

class LaunchExitCodes : public testing::TestWithParam<ExitCase> {};

TEST_P(LaunchExitCodes, GiveTheirResultAndMessage) {
    const ExitCase& c = GetParam();
    StandInChecker checker("exit " + std::to_string(c.exitCode));
    FrontEndSettings settings;
    settings.game.outputType = c.outputType;
    settings.findEnt.option = 1;
    settings.findEnt.match = "door";
    settings.findEnt.output = checker.scratch.Write("list.csv", "old list");
    RecordingInteraction ui;
    ui.yesNoAnswers = {c.answerYes};

    EXPECT_EQ(LaunchChecker(checker.launch, settings, ui), c.expected);
    if (*c.message == '\0') {
        EXPECT_TRUE(ui.messages.empty());
    } else {
        ASSERT_EQ(ui.messages.size(), 1U);
        EXPECT_EQ(ui.messages[0].text.rfind(c.message, 0), 0U) << ui.messages[0].text;
        EXPECT_EQ(ui.messages[0].title, "Quillon");
    }
    // Only "all textures missing" asks whether to stop for the texture directory.
    ASSERT_EQ(ui.questions.size(), c.exitCode == 3 ? 1U : 0U);
    if (c.exitCode == 3) {
        EXPECT_EQ(ui.questionKinds[0], QuestionKind::AbortForTextureDirectory);
        EXPECT_EQ(ui.questions[0].title, "Quillon");
        EXPECT_EQ(ui.questions[0].text.rfind("NOTE: Quillon has found that ALL textures specified in the map are", 0), 0U);
    }
    EXPECT_EQ(std::filesystem::exists(settings.findEnt.output), c.exitCode != 4);
    EXPECT_EQ(checker.launch.checkerFailed, c.exitCode == 255) << "-1: the checker wrote nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, LaunchExitCodes,
    testing::Values(ExitCase{0, 1, false, LaunchResult::Continue, ""},
                    ExitCase{0, 0, false, LaunchResult::Continue, ""},
                    ExitCase{0, 255, false, LaunchResult::Continue, ""},
                    ExitCase{0, 3, false, LaunchResult::Continue, ""},
                    ExitCase{0, 3, true, LaunchResult::Abort, ""},
                    ExitCase{1, 1, false, LaunchResult::Continue, ""},
                    ExitCase{1, 4, false, LaunchResult::Stop, "No matches on targetname door"},
                    ExitCase{1, 0, false, LaunchResult::Stop,
                             "A critical error occurred while examining the map file, and the entity list could not "
                             "be generated. Generate a normal Quillon report and correct the errors reported."},
                    ExitCase{1, 255, false, LaunchResult::Continue, ""},
                    ExitCase{2, 1, false, LaunchResult::Continue, ""},
                    ExitCase{2, 0, false, LaunchResult::Stop,
                             "A critical error occurred while examining the map file, and the file list could not be "
                             "generated. Generate a normal Quillon report and correct the errors reported."}));

struct FaultCase {
    const char* name;
    const char* ending;  ///< the last lines of the stand-in checker
    bool failed;         ///< the front end sees the run as failed
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

/// However the checker ends (a crash, a kill, a stray code, a checker that tampered with its
/// files), the run's temporary files are removed, and only a clean end lets a list be opened.
class LaunchFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(LaunchFaults, LeaveNoTemporaryFileAndStopAListRun) {
    const FaultCase& c = GetParam();
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
    const LaunchResult listResult = c.failed ? LaunchResult::Stop : LaunchResult::Continue;
    for (const OutputType mode : {OutputType::OutputEntityList, OutputType::OutputFileList}) {
        EXPECT_EQ(RunListLaunch(checker.launch, settings, ui, mode), listResult);
        EXPECT_TRUE(checker.TempFolderIsEmpty());
        EXPECT_TRUE(settings.findEnt.temp.empty());
        EXPECT_TRUE(settings.fileList.temp.empty());
        EXPECT_EQ(settings.game.outputType, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, LaunchFaults,
    testing::Values(FaultCase{"Completes", "exit 1", false},
                    FaultCase{"Crashes", "kill -SEGV $$", true},
                    FaultCase{"Aborts", "kill -ABRT $$", true},
                    FaultCase{"IsTerminated", "kill -TERM $$", true},
                    FaultCase{"IsKilled", "kill -KILL $$", true},
                    FaultCase{"ExitsWithAStrayCode", "exit 9", true},
                    FaultCase{"RemovesItsSettingsFile", "rm -f \"$1\"\nexit 1", false},
                    FaultCase{"LocksItsSettingsFileThenCrashes", "chmod 000 \"$1\"\nkill -SEGV $$", true}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct NoMatchCase {
    int option;
    int criteria;
    const char* text;
};

void PrintTo(const NoMatchCase& c, std::ostream* out) {
    *out << "option " << c.option << ", criteria " << c.criteria;
}

class NoMatchTexts : public testing::TestWithParam<NoMatchCase> {};

TEST_P(NoMatchTexts, NameWhatWasSearched) {
    FindEntSettings findEnt;
    findEnt.option = GetParam().option;
    findEnt.matchCriteria = GetParam().criteria;
    findEnt.match = "t1";
    EXPECT_EQ(NoMatchText(findEnt), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    OptionsAndCriteria, NoMatchTexts,
    testing::Values(NoMatchCase{1, 0, "No matches on targetname t1"},
                    NoMatchCase{1, 1, "No matches on targetnames starting with t1"},
                    NoMatchCase{1, 2, "No matches on targetnames containing t1"},
                    NoMatchCase{2, 0, "No matches on keys or value for t1"},
                    NoMatchCase{2, 1, "No matches on keys or values starting with t1"},
                    NoMatchCase{2, 2, "No matches on keys or values containing t1"},
                    NoMatchCase{0, 2, "This error should not happen. It indicates the map contains NO entities."}));

}  // namespace
}  // namespace quillon
