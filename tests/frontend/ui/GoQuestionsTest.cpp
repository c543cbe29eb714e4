// The questions a report run asks through the main dialog: the uppercase texture offer and the
// all-textures-missing question, with real checker runs on maps made for them.
#include <QLineEdit>
#include <QtTest>
#include <cstdlib>
#include <filesystem>

#include "UiFixture.h"
#include "UiTestMain.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/MainDialog.h"

namespace quillon::test {

namespace {

/// Copies a whole-run case's map into the scratch folder and runs its setup there (textures, paks).
std::string PrepareCase(UiFixture& fixture, const std::string& name) {
    const std::filesystem::path source = std::filesystem::path(QUILLON_SOURCE_DIR) / "tests/golden" / name;
    const std::string map = fixture.scratch.PathOf("test.map");
    std::filesystem::copy_file(source / "test.map", map);
    if (std::filesystem::exists(source / "setup.sh")) {
        // The cases' setup scripts share the golden runner's helpers.
        const std::string command = "cd '" + fixture.scratch.path().string() + "' && GOLDEN_LIB='" +
                                    (source.parent_path() / "lib").string() + "' bash '" +
                                    (source / "setup.sh").string() + "'";
        if (std::system(command.c_str()) != 0) {
            return {};
        }
    }
    fixture.settings.game.lastMapFile = map;
    fixture.settings.game.lastOutputFile = fixture.scratch.PathOf("report.txt");
    fixture.settings.game.textureDir = fixture.scratch.PathOf("quake2/baseq2/textures");
    fixture.settings.game.findBadWals = 1;
    return map;
}

}  // namespace

class GoQuestionsTest : public QObject {
    Q_OBJECT

private slots:
    void UppercaseOfferConvertsMapOnlyWhenAcceptedAndRemembersChoice();
    void AllTexturesMissingLetsUserAbort();
};

void GoQuestionsTest::UppercaseOfferConvertsMapOnlyWhenAcceptedAndRemembersChoice() {
    UiFixture fixture;
    const std::string map = PrepareCase(fixture, "textures-uppercase-animated-exit2");
    QVERIFY(!map.empty());
    const std::string before = ReadFileBytes(map);
    fixture.services.uppercaseAnswer = {false, false};
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    dialog.Go();
    QCOMPARE(fixture.services.uppercaseOffers, 1);
    QCOMPARE(fixture.services.uppercaseNames, std::vector<std::string>{"e1u1/Anim1"});
    QCOMPARE(fixture.settings.game.dontAsk, 0);
    QCOMPARE(fixture.settings.game.fixTextures, 0);
    QCOMPARE(ReadFileBytes(map), before);
    QCOMPARE(fixture.services.openedDocuments.size(), std::size_t{1});

    fixture.settings.game.autoOverwrite = 1;
    fixture.services.uppercaseAnswer = {true, true};
    dialog.Go();
    QCOMPARE(fixture.services.uppercaseOffers, 2);
    QCOMPARE(fixture.settings.game.dontAsk, 1);
    QCOMPARE(fixture.settings.game.fixTextures, 1);
    const std::string text = ReadFileBytes(map);
    QVERIFY(text.find("e1u1/anim1") != std::string::npos);
    QVERIFY(text.find("e1u1/Anim1") == std::string::npos);
    QVERIFY(ReadFileBytes(fixture.settings.game.lastOutputFile).find("converted\n      to lowercase") !=
            std::string::npos);
    QCOMPARE(fixture.services.openedDocuments.size(), std::size_t{2});

    // Asked once: the next run does not ask again.
    dialog.Go();
    QCOMPARE(fixture.services.uppercaseOffers, 2);
}

void GoQuestionsTest::AllTexturesMissingLetsUserAbort() {
    UiFixture fixture;
    QVERIFY(!PrepareCase(fixture, "textures-all-missing-exit3").empty());
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    fixture.services.yesNoAnswers = {true};
    dialog.Go();
    QCOMPARE(fixture.services.questions.size(), std::size_t{1});
    QVERIFY(fixture.services.openedDocuments.empty());
    QCOMPARE(ControlIdOf(dialog.focusWidget()), MainDialog::ID_TEXTURE_DIR);

    // No goes on with a report full of texture errors.
    fixture.settings.game.autoOverwrite = 1;
    fixture.services.yesNoAnswers = {false};
    dialog.Go();
    QCOMPARE(fixture.services.questions.size(), std::size_t{2});
    QCOMPARE(fixture.services.openedDocuments.size(), std::size_t{1});
    const std::string report = ReadFileBytes(fixture.settings.game.lastOutputFile);
    QVERIFY(report.find("Missing Textures") != std::string::npos);
    QVERIFY(report.find("MODEL, SOUND, AND IMAGE TOTALS") != std::string::npos);
}

QUILLON_UI_TEST(GoQuestionsTest);

}  // namespace quillon::test

#include "GoQuestionsTest.moc"
