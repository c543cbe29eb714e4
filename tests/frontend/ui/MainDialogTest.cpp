// The main dialog: its field checks, the settings it writes back, its pickers, and real runs.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <cstdlib>
#include <filesystem>

#include "UiFixture.h"
#include "frontend/core/CommandLine.h"
#include "frontend/core/Version.h"
#include "frontend/ui/BusyIndicator.h"
#include "frontend/ui/FrontEndApp.h"
#include "frontend/ui/SingleInstance.h"

namespace quillon::test {

namespace {

QLineEdit* Edit(const QWidget& dialog, int id) {
    return Control<QLineEdit>(&dialog, id);
}

}  // namespace

class MainDialogTest : public QObject {
    Q_OBJECT

private slots:
    void GoAndListsRefuseIncompleteFields() {
        // The order of the checks and their messages are the core's; the dialog shows them and puts
        // the focus on the field.
        UiFixture fixture;
        const auto dialog = fixture.Main();
        for (const int button : {MainDialog::ID_GO, MainDialog::ID_FIND_ENTITIES, MainDialog::ID_LIST_USED_FILES}) {
            dialog->setFocus();
            Click(*dialog, button);
            QCOMPARE(ControlIdOf(dialog->focusWidget()), MainDialog::ID_MAP_FILE);
        }
        Edit(*dialog, MainDialog::ID_MAP_FILE)->setText(QString::fromStdString(fixture.WriteSmallMap()));
        dialog->Go();
        QCOMPARE(ControlIdOf(dialog->focusWidget()), MainDialog::ID_OUTPUT_FILE);
        QCOMPARE(fixture.services.messages,
                 (std::vector<std::string>{"You must supply a map filename.", "First select a map file.",
                                           "First select a map file.", "You must supply an output filename."}));
        QCOMPARE(fixture.services.messageTitles[0], std::string("Quillon"));
        QVERIFY(fixture.services.questions.empty() && fixture.services.openedDocuments.empty());

        fixture.services.messages.clear();
        fixture.WithoutDatabases();
        fixture.settings.game.lastMapFile = fixture.WriteSmallMap();
        const auto empty = fixture.Main();
        for (const int button : {MainDialog::ID_FIND_ENTITIES, MainDialog::ID_LIST_USED_FILES, MainDialog::ID_IGNORE}) {
            Click(*empty, button);
        }
        QCOMPARE(fixture.services.messages, std::vector<std::string>(3, "You must select an entity database."));
    }

    void GoWritesCompleteReportAndOpensIt() {
        UiFixture fixture;
        const std::string map = fixture.WriteSmallMap();
        // The name without its extension: the run completes it and the edit shows the full name.
        fixture.settings.game.lastMapFile = map.substr(0, map.size() - 4);
        fixture.settings.game.lastOutputFile = fixture.ReportPath();
        const std::string report = fixture.scratch.Write("report.txt", "keep me");
        const auto dialog = fixture.Main();
        dialog->show();
        // A report already there is kept unless the user agrees to replace it.
        dialog->Go();
        QCOMPARE(fixture.services.questions.size(), std::size_t{1});
        QCOMPARE(ReadFileBytes(report), std::string("keep me"));
        QVERIFY(fixture.services.messages.empty() && fixture.services.openedDocuments.empty());

        // With AutoOverwrite the report is replaced without a question, and without a desktop
        // application for it the built-in viewer shows it.
        fixture.settings.game.autoOverwrite = 1;
        fixture.services.desktopOpensDocuments = false;
        dialog->Go();
        QCOMPARE(fixture.services.questions.size(), std::size_t{1});
        // The summary: the status line keeps its first line, the message has all of it.
        const std::string counts = "0 bsp errors, 0 runtime errors, 0 logic notes, 0 non-standard notes";
        QCOMPARE(fixture.services.messages, std::vector<std::string>{counts + "\nReport: " + report});
        QCOMPARE(Control<QLabel>(dialog.get(), ID_STATUS_LINE)->text(), QString::fromStdString(counts));
        const std::string text = ReadFileBytes(report);
        QVERIFY(text.rfind("QUILLON " + VersionString() + "\n", 0) == 0);
        QVERIFY(text.find("\nResults for " + map + " - ") != std::string::npos);
        QCOMPARE(fixture.services.openedDocuments, std::vector<QString>{QString::fromStdString(report)});
        TextViewer* viewer = VisibleViewer();
        QVERIFY(viewer != nullptr);
        QCOMPARE(viewer->Source(), QString::fromStdString(report));
        QVERIFY(viewer->Text().startsWith(QStringLiteral("QUILLON ")));
        QCOMPARE(CloseViewers(), 1);
        QCOMPARE(Edit(*dialog, MainDialog::ID_MAP_FILE)->text(), QString::fromStdString(map));
        QVERIFY(Control<QPushButton>(dialog.get(), MainDialog::ID_GO)->isEnabled());
        QVERIFY(!Control<BusyIndicator>(dialog.get(), ID_BUSY_INDICATOR)->isVisible());

        // The window grows, and the path edits with it.
        const int width = Edit(*dialog, MainDialog::ID_MAP_FILE)->width();
        dialog->resize(dialog->width() + 300, dialog->height() + 100);
        dialog->layout()->activate();
        QVERIFY(Edit(*dialog, MainDialog::ID_MAP_FILE)->width() >= width + 250);
    }

    void GoFromCommandLineClosesOnlyAfterAReport() {
        UiFixture fixture;
        fixture.settings.game.lastMapFile = fixture.scratch.PathOf("gone.map");
        fixture.settings.game.lastOutputFile = fixture.ReportPath();
        {
            const auto dialog = fixture.Main(true);
            QSignalSpy finished(dialog.get(), &QDialog::finished);
            dialog->Go();
            QCOMPARE(fixture.services.messages,
                     std::vector<std::string>{"Cannot find " + fixture.scratch.PathOf("gone.map") + "\n"});
            // A failed "+go" leaves the dialog open for the user to correct.
            QCOMPARE(finished.count(), 0);
            QVERIFY(fixture.services.openedDocuments.empty());
        }
        fixture.ChooseReportRun();
        const auto dialog = fixture.Main(true);
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        dialog->show();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(std::filesystem::exists(fixture.ReportPath()));
        QCOMPARE(fixture.services.openedDocuments.size(), std::size_t{1});
    }

    void ControlsChangeSettingsAndAreWrittenBackOnExit() {
        UiFixture fixture;
        fixture.settings.game.entityDB = "CTF.DB";
        fixture.settings.game.show = SHOW_NORMAL | SHOW_HARD | SHOW_DEATHMATCH;
        const auto dialog = fixture.Main();
        auto* databases = Control<QComboBox>(dialog.get(), MainDialog::ID_DATABASE);
        QCOMPARE(databases->currentText(), QStringLiteral("Quake 2 Capture The Flag"));
        // The level boxes change the settings at once.
        QVERIFY(!Control<QCheckBox>(dialog.get(), MainDialog::ID_EASY)->isChecked());
        Click(*dialog, MainDialog::ID_EASY);
        QCOMPARE(fixture.settings.game.show, SHOW_EASY | SHOW_NORMAL | SHOW_HARD | SHOW_DEATHMATCH);
        Click(*dialog, MainDialog::ID_EASY + 3);
        QCOMPARE(fixture.settings.game.show, SHOW_EASY | SHOW_NORMAL | SHOW_HARD);

        Edit(*dialog, MainDialog::ID_MAP_FILE)->setText(QStringLiteral("maps/base1.map"));
        Edit(*dialog, MainDialog::ID_OUTPUT_FILE)->setText(QStringLiteral("base1 report.txt"));
        Edit(*dialog, MainDialog::ID_TEXTURE_DIR)->setText(QStringLiteral("/games/quake2/baseq2/textures"));
        Control<QCheckBox>(dialog.get(), MainDialog::ID_EASY + 2)->setChecked(false);
        Control<QCheckBox>(dialog.get(), MainDialog::ID_EASY + 4)->setChecked(true);
        databases->setCurrentIndex(databases->findText(QStringLiteral("Quake 2")));
        Click(*dialog, MainDialog::ID_EXIT);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const GameSettings& game = fixture.settings.game;
        QCOMPARE(game.show, SHOW_EASY | SHOW_NORMAL | SHOW_CHEAT);
        QCOMPARE(game.lastMapFile, std::string("maps/base1.map"));
        QCOMPARE(game.lastOutputFile, std::string("base1 report.txt"));
        QCOMPARE(game.textureDir, std::string("/games/quake2/baseq2/textures"));
        QCOMPARE(game.entityDB, std::string("quake2.db"));
    }

    void DatabaseListFollowsDatabasesFound() {
        UiFixture fixture;
        fixture.settings.game.entityDB = "removed.db";
        const std::string gameDir = fixture.scratch.PathOf("Quake2");
        std::filesystem::create_directory(gameDir);
        std::filesystem::copy_file(fixture.BaseDatabase(), gameDir + "/quake2.db");
        for (const bool both : {true, false}) {
            fixture.paths.gameDir = both ? fixture.paths.gameDir : gameDir + "/";
            const auto dialog = fixture.Main();
            // A setting naming a database no longer there falls back to the first; with one database
            // only, there is nothing to choose.
            auto* databases = Control<QComboBox>(dialog.get(), MainDialog::ID_DATABASE);
            QCOMPARE(databases->count(), both ? 2 : 1);
            QCOMPARE(databases->currentIndex(), 0);
            QCOMPARE(databases->currentText(), QString::fromLatin1(both ? "Quake 2 Capture The Flag" : "Quake 2"));
            QCOMPARE(databases->isEnabled(), both);
            QCOMPARE(Control<QLabel>(dialog.get(), MainDialog::ID_DATABASE_LABEL)->isEnabled(), both);
        }
    }

    void PickersUseTheirFiltersAndRememberFolders() {
        UiFixture fixture;
        fixture.settings.game.mapDir = "/work/maps/";
        fixture.settings.game.outputDir = "/work/reports/";
        fixture.settings.game.textureDir = "/games/quake2/baseq2/textures";
        const auto dialog = fixture.Main();
        RecordingServices& services = fixture.services;

        services.fileAnswer = QStringLiteral("/home/me/maps/base1.map");
        Click(*dialog, MainDialog::ID_MAP_BROWSE);
        const FileRequest& map = services.fileRequests.at(0);
        QVERIFY(map.mode == FileRequest::Mode::Open);
        QCOMPARE(map.title, QStringLiteral("Quake 2 Map File"));
        QCOMPARE(map.filters, QStringList{QStringLiteral("Quake 2 Map Files (*.map)")});
        QCOMPARE(map.defaultSuffix, QStringLiteral("map"));
        QCOMPARE(map.startDirectory, QStringLiteral("/work/maps/"));
        QCOMPARE(fixture.settings.game.mapDir, std::string("/home/me/maps/"));
        QCOMPARE(Edit(*dialog, MainDialog::ID_MAP_FILE)->text(), QStringLiteral("/home/me/maps/base1.map"));

        services.fileAnswer = QStringLiteral("/home/me/out/base1.txt");
        Click(*dialog, MainDialog::ID_OUTPUT_BROWSE);
        const FileRequest& report = services.fileRequests.at(1);
        QVERIFY(report.mode == FileRequest::Mode::Save);
        QCOMPARE(report.title, QStringLiteral("Quillon Output File"));
        QCOMPARE(report.filters.at(0), QStringLiteral("Text Files (*.txt)"));
        QCOMPARE(report.defaultSuffix, QStringLiteral("txt"));
        QCOMPARE(report.startDirectory, QStringLiteral("/work/reports/"));
        QCOMPARE(fixture.settings.game.lastOutputFile, std::string("/home/me/out/base1.txt"));
        QCOMPARE(fixture.settings.game.outputDir, std::string("/home/me/out/"));

        services.directoryAnswer = QStringLiteral("/opt/q2/baseq2/textures");
        Click(*dialog, MainDialog::ID_TEXTURE_BROWSE);
        QCOMPARE(services.directoryStarts, std::vector<QString>{QStringLiteral("/games/quake2/baseq2/textures")});
        QCOMPARE(Edit(*dialog, MainDialog::ID_TEXTURE_DIR)->text(), QStringLiteral("/opt/q2/baseq2/textures"));

        // Cancel changes nothing.
        services.fileAnswer.reset();
        Click(*dialog, MainDialog::ID_MAP_BROWSE);
        QCOMPARE(fixture.settings.game.mapDir, std::string("/home/me/maps/"));
    }

    void HoldsPresenceLockWhileOpen() {
        UiFixture fixture;
        qunsetenv("QUILLON_STANDALONE");
        {
            const auto dialog = fixture.Main();
            QVERIFY(dialog->HoldsPresenceLock());
            QVERIFY(platform::FrontEndIsRunning());
        }
        // Closed, it lets go: the next front end gets the lock.
        const platform::FrontEndPresenceLock next;
        qputenv("QUILLON_STANDALONE", "1");
        QVERIFY(next.held());
    }

    void SecondStartHandsOverButPlusGoNever() {
        const QString name = QStringLiteral("quillon-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance started(name);
        QVERIFY(!started.SignalRunningCopy());
        SingleInstance running(name);
        QVERIFY(running.Listen());
        QSignalSpy toFront(&running, &SingleInstance::BringToFrontRequested);
        CommandLineOptions go;
        go.go = true;
        // A script's "+go" runs in its own process and leaves the running copy alone.
        QCOMPARE(DecideStart(go, started), StartMode::RunBesideOther);
        QCOMPARE(DecideStart(CommandLineOptions{}, started), StartMode::HandOver);
        QTRY_COMPARE(toFront.count(), 1);
    }

    void ViewerFindsJumpsAndServesEachFileOnce() {
        ScratchDir scratch;
        const std::string text = "head\nneedle one\nmiddle\nneedle two\nlast";
        const QString path = QString::fromStdString(scratch.Write("r.txt", text));
        TextViewer* viewer = TextViewer::ShowFile(path);
        viewer->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        // Keys go to the window, as the desktop delivers them, so the window's shortcuts see them.
        QWindow* window = viewer->windowHandle();
        QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
        QWidget* find = QApplication::focusWidget();
        QVERIFY(find != nullptr && find->objectName() == QStringLiteral("find"));
        QTest::keyClicks(find, QStringLiteral("needle"));
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(viewer->SelectedText(), QStringLiteral("needle"));
        QCOMPARE(viewer->CursorLine(), 1);
        // Find again, round to the top, backwards, then the ends of the text.
        const std::pair<QKeyCombination, int> steps[] = {{Qt::Key_F3, 3},
                                                         {Qt::Key_F3, 1},
                                                         {Qt::ShiftModifier | Qt::Key_F3, 3},
                                                         {Qt::ControlModifier | Qt::Key_End, 4},
                                                         {Qt::ControlModifier | Qt::Key_Home, 0}};
        for (const auto& [key, line] : steps) {
            QTest::keyClick(window, key.key(), key.keyboardModifiers());
            QCOMPARE(viewer->CursorLine(), line);
        }

        // The same file shown again, as after a second run, reloads the window that shows it.
        scratch.Write("r.txt", "second run");
        QCOMPARE(TextViewer::ShowFile(path), viewer);
        QCOMPARE(viewer->Text(), QStringLiteral("second run"));
        QCOMPARE(CloseViewers(), 1);
    }

    // The questions a report run asks through the main dialog: the uppercase texture offer and the
    // all-textures-missing question, with real checker runs on whole-run cases' maps. What the answers
    // do to the settings and the run is the core's, tested there; here the dialog's wiring.
    void GoQuestions_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("uppercase offer accepted") << "textures-uppercase-animated-exit2";
        QTest::newRow("all textures missing, abort") << "textures-all-missing-exit3";
    }

    void GoQuestions() {
        QFETCH(QString, name);
        UiFixture fixture;
        // The case's map in the scratch folder, and its setup run there (textures, paks) with the
        // golden runner's helpers.
        const std::filesystem::path golden = std::filesystem::path(QUILLON_SOURCE_DIR) / "tests/golden";
        const std::filesystem::path source = golden / name.toStdString();
        const std::string map = fixture.scratch.PathOf("test.map");
        std::filesystem::copy_file(source / "test.map", map);
        const std::string setup = "cd '" + fixture.scratch.path().string() + "' && bash -c \". '" +
                                  (golden / "lib/game-files.sh").string() + "' && . '" +
                                  (source / "setup.sh").string() + "'\"";
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

QUILLON_UI_TEST(MainDialogTest);

}  // namespace quillon::test

#include "MainDialogTest.moc"
