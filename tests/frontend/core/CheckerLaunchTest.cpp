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

}  // namespace
}  // namespace quillon
