// The questions a report run asks through the main dialog: the uppercase texture offer and the
// all-textures-missing question, with real checker runs on whole-run cases' maps. What the answers
// do to the settings and the run is the core's, tested there; here the dialog's wiring.
#include <QtTest>
#include <cstdlib>
#include <filesystem>

#include "UiFixture.h"

namespace quillon::test {

class GoQuestionsTest : public QObject {
    Q_OBJECT

private slots:
    void Questions_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("uppercase offer accepted") << "textures-uppercase-animated-exit2";
        QTest::newRow("all textures missing, abort") << "textures-all-missing-exit3";
    }

    void Questions() {
        QFETCH(QString, name);
        UiFixture fixture;
        // The case's map in the scratch folder, and its setup run there (textures, paks) with the
        // golden runner's helpers.
        const std::filesystem::path golden = std::filesystem::path(QUILLON_SOURCE_DIR) / "tests/golden";
        const std::filesystem::path source = golden / name.toStdString();
        const std::string map = fixture.scratch.PathOf("test.map");
        std::filesystem::copy_file(source / "test.map", map);
        const std::string setup = "cd '" + fixture.scratch.path().string() + "' && GOLDEN_LIB='" +
                                  (golden / "lib").string() + "' bash '" + (source / "setup.sh").string() + "'";
        QVERIFY(!std::filesystem::exists(source / "setup.sh") || std::system(setup.c_str()) == 0);
        fixture.settings.game.lastMapFile = map;
        fixture.settings.game.lastOutputFile = fixture.ReportPath();
        fixture.settings.game.findBadWals = 1;
        fixture.services.yesNoAnswers = {true};
        const std::string before = ReadFileBytes(map);
        const auto dialog = fixture.Main();
        dialog->Go();
        if (name.contains(QStringLiteral("uppercase"))) {
            // Declined, the map is left as it was; accepted, the next run rewrites it.
            QCOMPARE(fixture.services.uppercaseOffers, 1);
            QCOMPARE(fixture.services.uppercaseNames, std::vector<std::string>{"e1u1/Anim1"});
            QCOMPARE(ReadFileBytes(map), before);
            fixture.settings.game.autoOverwrite = 1;
            fixture.services.uppercaseAnswer = {true, true};
            dialog->Go();
            QCOMPARE(fixture.services.uppercaseOffers, 2);
            const std::string text = ReadFileBytes(map);
            QVERIFY(text.find("e1u1/anim1") != std::string::npos && text.find("e1u1/Anim1") == std::string::npos);
            QVERIFY(ReadFileBytes(fixture.ReportPath()).find("converted\n      to lowercase") != std::string::npos);
            QCOMPARE(fixture.services.openedDocuments.size(), std::size_t{2});
        } else {
            // Yes stops the run and puts the focus on the texture folder.
            QCOMPARE(fixture.services.questions.size(), std::size_t{1});
            QVERIFY(fixture.services.openedDocuments.empty());
            QCOMPARE(ControlIdOf(dialog->focusWidget()), MainDialog::ID_TEXTURE_DIR);
        }
    }
};

QUILLON_UI_TEST(GoQuestionsTest);

}  // namespace quillon::test

#include "GoQuestionsTest.moc"
