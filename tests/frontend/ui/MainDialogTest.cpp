// The main dialog: its field checks, the settings it writes back, its pickers, and real runs.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <filesystem>

#include "UiFixture.h"
#include "UiTestMain.h"
#include "frontend/core/CommandLine.h"
#include "frontend/core/Version.h"
#include "frontend/ui/BusyIndicator.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/FrontEndApp.h"
#include "frontend/ui/MainDialog.h"
#include "frontend/ui/SingleInstance.h"
#include "frontend/ui/TextViewer.h"

namespace quillon::test {

namespace {

QLineEdit* Edit(const QWidget& dialog, int id) {
    return Control<QLineEdit>(&dialog, id);
}

void Click(const QWidget& dialog, int id) {
    QPushButton* button = Control<QPushButton>(&dialog, id);
    QVERIFY(button != nullptr);
    button->click();
}

}  // namespace

class MainDialogTest : public QObject {
    Q_OBJECT

private slots:
    void GoRefusesIncompleteFields_data();
    void GoRefusesIncompleteFields();
    void GoAsksBeforeReplacingReport();
    void GoWritesCompleteReportAndOpensIt();
    void GoFromCommandLineClosesAfterReport();
    void GoReportsMissingMapFile();
    void ControlsChangeSettingsAndAreWrittenBackOnExit();
    void DatabaseListFollowsDatabasesFound();
    void PickersUseTheirFiltersAndRememberFolders();
    void ListDialogsNeedMapAndDatabase();
    void HoldsPresenceLockWhileOpen();
    void PlusGoNeverHandsOverToARunningCopy();
    void WindowGrowsAndThePathsWithIt();
    void ViewerFindsJumpsAndServesEachFileOnce();
};

void MainDialogTest::GoRefusesIncompleteFields_data() {
    QTest::addColumn<bool>("withMap");
    QTest::addColumn<bool>("withReport");
    QTest::addColumn<bool>("withDatabases");
    QTest::addColumn<int>("show");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    QTest::newRow("no map") << false << true << true << 15 << "You must supply a map filename."
                            << MainDialog::ID_MAP_FILE;
    QTest::newRow("no report") << true << false << true << 15 << "You must supply an output filename."
                               << MainDialog::ID_OUTPUT_FILE;
    // Without databases the drop-down is disabled and cannot take the focus.
    QTest::newRow("no database") << true << true << false << 15 << "You must select an entity database." << 0;
    QTest::newRow("no level") << true << true << true << 0 << "You must select at least one output option." << 0;
}

void MainDialogTest::GoRefusesIncompleteFields() {
    QFETCH(bool, withMap);
    QFETCH(bool, withReport);
    QFETCH(bool, withDatabases);
    QFETCH(int, show);
    QFETCH(QString, message);
    QFETCH(int, focus);
    UiFixture fixture;
    if (!withDatabases) {
        std::filesystem::create_directory(fixture.scratch.PathOf("nodb"));
        fixture.paths.gameDir = fixture.scratch.PathOf("nodb") + "/";
    }
    fixture.settings.game.lastMapFile = withMap ? fixture.WriteSmallMap() : "";
    fixture.settings.game.lastOutputFile = withReport ? fixture.ReportPath() : "";
    fixture.settings.game.show = show;
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    dialog.Go();
    QCOMPARE(fixture.services.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(fixture.services.messages[0].text), message);
    QCOMPARE(fixture.services.messages[0].title, std::string("Quillon"));
    QVERIFY(!std::filesystem::exists(fixture.ReportPath()));
    QVERIFY(fixture.services.openedDocuments.empty());
    if (focus != 0) {
        QCOMPARE(ControlIdOf(dialog.focusWidget()), focus);
    }
}

void MainDialogTest::GoAsksBeforeReplacingReport() {
    UiFixture fixture;
    fixture.ChooseReportRun();
    const std::string report = fixture.scratch.Write("report.txt", "keep me");
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    fixture.services.yesNoAnswers = {false};
    dialog.Go();
    QCOMPARE(fixture.services.questions.size(), std::size_t{1});
    QCOMPARE(ReadFileBytes(report), std::string("keep me"));
    QVERIFY(fixture.services.openedDocuments.empty());

    // With AutoOverwrite the report is replaced without a question, and without a desktop
    // application for it the built-in viewer shows it.
    fixture.settings.game.autoOverwrite = 1;
    fixture.services.desktopOpensDocuments = false;
    dialog.Go();
    QCOMPARE(fixture.services.questions.size(), std::size_t{1});
    QVERIFY(ReadFileBytes(report).rfind("QUILLON ", 0) == 0);
    TextViewer* viewer = VisibleViewer();
    QVERIFY(viewer != nullptr);
    QCOMPARE(viewer->Source(), QString::fromStdString(report));
    QVERIFY(viewer->Text().startsWith(QStringLiteral("QUILLON ")));
    QCOMPARE(CloseViewers(), 1);
}

void MainDialogTest::GoWritesCompleteReportAndOpensIt() {
    UiFixture fixture;
    const std::string map = fixture.WriteSmallMap();
    // The name without its extension: the run completes it and the edit shows the full name.
    fixture.settings.game.lastMapFile = map.substr(0, map.size() - 4);
    fixture.settings.game.lastOutputFile = fixture.ReportPath();
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    dialog.show();
    dialog.Go();

    // The summary: the status line keeps its first line, the message has all of it.
    const std::string counts = "0 bsp errors, 0 runtime errors, 0 logic notes, 0 non-standard notes";
    QCOMPARE(fixture.services.MessageTexts(), std::vector<std::string>{counts + "\nReport: " + fixture.ReportPath()});
    QCOMPARE(Control<QLabel>(&dialog, ID_STATUS_LINE)->text(), QString::fromStdString(counts));
    const std::string report = ReadFileBytes(fixture.ReportPath());
    QVERIFY(report.rfind("QUILLON " + VersionString() + "\n", 0) == 0);
    QVERIFY(report.find("\nResults for " + map + " - ") != std::string::npos);
    QVERIFY(report.find("No errors found.") != std::string::npos);
    QVERIFY(report.find("MODEL, SOUND, AND IMAGE TOTALS") != std::string::npos);
    QVERIFY(report.find("item_health") != std::string::npos);
    QVERIFY(report.find("Total number of images") != std::string::npos);
    QCOMPARE(fixture.services.openedDocuments, std::vector<QString>{QString::fromStdString(fixture.ReportPath())});
    QCOMPARE(Edit(dialog, MainDialog::ID_MAP_FILE)->text(), QString::fromStdString(map));
    QVERIFY(Control<QPushButton>(&dialog, MainDialog::ID_GO)->isEnabled());
    QVERIFY(!Control<BusyIndicator>(&dialog, ID_BUSY_INDICATOR)->isVisible());
    QVERIFY(dialog.isVisible());
}

void MainDialogTest::GoFromCommandLineClosesAfterReport() {
    UiFixture fixture;
    fixture.ChooseReportRun();
    MainDialog dialog(fixture.paths, fixture.settings, true, fixture.services);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(std::filesystem::exists(fixture.ReportPath()));
    QCOMPARE(fixture.services.openedDocuments.size(), std::size_t{1});
}

void MainDialogTest::GoReportsMissingMapFile() {
    UiFixture fixture;
    fixture.settings.game.lastMapFile = fixture.scratch.PathOf("gone.map");
    fixture.settings.game.lastOutputFile = fixture.ReportPath();
    MainDialog dialog(fixture.paths, fixture.settings, true, fixture.services);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.Go();
    QCOMPARE(fixture.services.MessageTexts(),
             std::vector<std::string>{"Cannot find " + fixture.scratch.PathOf("gone.map") + "\n"});
    // A failed "+go" leaves the dialog open for the user to correct.
    QCOMPARE(finished.count(), 0);
    QVERIFY(fixture.services.openedDocuments.empty());
}

void MainDialogTest::ControlsChangeSettingsAndAreWrittenBackOnExit() {
    UiFixture fixture;
    fixture.settings.game.entityDB = "CTF.DB";
    fixture.settings.game.show = SHOW_NORMAL | SHOW_HARD | SHOW_DEATHMATCH;
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    auto* databases = Control<QComboBox>(&dialog, MainDialog::ID_DATABASE);
    QCOMPARE(databases->currentText(), QStringLiteral("Quake 2 Capture The Flag"));
    // The level boxes change the settings at once.
    QVERIFY(!Control<QCheckBox>(&dialog, MainDialog::ID_EASY)->isChecked());
    QVERIFY(Control<QCheckBox>(&dialog, MainDialog::ID_EASY + 3)->isChecked());
    Control<QCheckBox>(&dialog, MainDialog::ID_EASY)->click();
    QCOMPARE(fixture.settings.game.show, SHOW_EASY | SHOW_NORMAL | SHOW_HARD | SHOW_DEATHMATCH);
    Control<QCheckBox>(&dialog, MainDialog::ID_EASY + 3)->click();
    QCOMPARE(fixture.settings.game.show, SHOW_EASY | SHOW_NORMAL | SHOW_HARD);

    Edit(dialog, MainDialog::ID_MAP_FILE)->setText(QStringLiteral("maps/base1.map"));
    Edit(dialog, MainDialog::ID_OUTPUT_FILE)->setText(QStringLiteral("base1 report.txt"));
    Edit(dialog, MainDialog::ID_TEXTURE_DIR)->setText(QStringLiteral("/games/quake2/baseq2/textures"));
    Control<QCheckBox>(&dialog, MainDialog::ID_EASY + 2)->setChecked(false);
    Control<QCheckBox>(&dialog, MainDialog::ID_EASY + 3)->setChecked(true);
    Control<QCheckBox>(&dialog, MainDialog::ID_EASY + 4)->setChecked(true);
    databases->setCurrentIndex(databases->findText(QStringLiteral("Quake 2")));
    Click(dialog, MainDialog::ID_EXIT);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const GameSettings& game = fixture.settings.game;
    QCOMPARE(game.show, SHOW_EASY | SHOW_NORMAL | SHOW_DEATHMATCH | SHOW_CHEAT);
    QCOMPARE(game.lastMapFile, std::string("maps/base1.map"));
    QCOMPARE(game.lastOutputFile, std::string("base1 report.txt"));
    QCOMPARE(game.textureDir, std::string("/games/quake2/baseq2/textures"));
    QCOMPARE(game.entityDB, std::string("quake2.db"));
}

void MainDialogTest::DatabaseListFollowsDatabasesFound() {
    UiFixture fixture;
    fixture.settings.game.entityDB = "removed.db";
    {
        MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
        auto* databases = Control<QComboBox>(&dialog, MainDialog::ID_DATABASE);
        QCOMPARE(databases->count(), 2);
        QCOMPARE(databases->currentIndex(), 0);
        QVERIFY(databases->isEnabled());
        QVERIFY(Control<QLabel>(&dialog, MainDialog::ID_DATABASE_LABEL)->isEnabled());
    }
    const std::string gameDir = fixture.scratch.PathOf("Quake2");
    std::filesystem::create_directory(gameDir);
    std::filesystem::copy_file(fixture.paths.gameDir + "quake2.db", gameDir + "/quake2.db");
    fixture.paths.gameDir = gameDir + "/";
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    auto* databases = Control<QComboBox>(&dialog, MainDialog::ID_DATABASE);
    QCOMPARE(databases->count(), 1);
    QCOMPARE(databases->currentText(), QStringLiteral("Quake 2"));
    QVERIFY(!databases->isEnabled());
    QVERIFY(!Control<QLabel>(&dialog, MainDialog::ID_DATABASE_LABEL)->isEnabled());
}

void MainDialogTest::PickersUseTheirFiltersAndRememberFolders() {
    UiFixture fixture;
    fixture.settings.game.mapDir = "/work/maps/";
    fixture.settings.game.outputDir = "/work/reports/";
    fixture.settings.game.textureDir = "/games/quake2/baseq2/textures";
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    RecordingServices& services = fixture.services;

    services.fileAnswer = QStringLiteral("/home/me/maps/base1.map");
    Click(dialog, MainDialog::ID_MAP_BROWSE);
    const FileRequest& map = services.fileRequests.at(0);
    QVERIFY(map.mode == FileRequest::Mode::Open);
    QCOMPARE(map.title, QStringLiteral("Quake 2 Map File"));
    QCOMPARE(map.filters, QStringList{QStringLiteral("Quake 2 Map Files (*.map)")});
    QCOMPARE(map.defaultSuffix, QStringLiteral("map"));
    QCOMPARE(map.startDirectory, QStringLiteral("/work/maps/"));
    QCOMPARE(fixture.settings.game.lastMapFile, std::string("/home/me/maps/base1.map"));
    QCOMPARE(fixture.settings.game.mapDir, std::string("/home/me/maps/"));
    QCOMPARE(Edit(dialog, MainDialog::ID_MAP_FILE)->text(), QStringLiteral("/home/me/maps/base1.map"));

    services.fileAnswer = QStringLiteral("/home/me/out/base1.txt");
    Click(dialog, MainDialog::ID_OUTPUT_BROWSE);
    const FileRequest& report = services.fileRequests.at(1);
    QVERIFY(report.mode == FileRequest::Mode::Save);
    QCOMPARE(report.title, QStringLiteral("Quillon Output File"));
    QCOMPARE(report.filters.at(0), QStringLiteral("Text Files (*.txt)"));
    QCOMPARE(report.defaultSuffix, QStringLiteral("txt"));
    QCOMPARE(report.startDirectory, QStringLiteral("/work/reports/"));
    QCOMPARE(fixture.settings.game.lastOutputFile, std::string("/home/me/out/base1.txt"));
    QCOMPARE(fixture.settings.game.outputDir, std::string("/home/me/out/"));

    services.directoryAnswer = QStringLiteral("/opt/q2/baseq2/textures");
    Click(dialog, MainDialog::ID_TEXTURE_BROWSE);
    QCOMPARE(services.directoryStarts, std::vector<QString>{QStringLiteral("/games/quake2/baseq2/textures")});
    QCOMPARE(fixture.settings.game.textureDir, std::string("/opt/q2/baseq2/textures"));
    QCOMPARE(Edit(dialog, MainDialog::ID_TEXTURE_DIR)->text(), QStringLiteral("/opt/q2/baseq2/textures"));

    // Cancel changes nothing.
    services.fileAnswer.reset();
    Click(dialog, MainDialog::ID_MAP_BROWSE);
    QCOMPARE(fixture.settings.game.mapDir, std::string("/home/me/maps/"));
}

void MainDialogTest::ListDialogsNeedMapAndDatabase() {
    UiFixture fixture;
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    for (const int button : {MainDialog::ID_FIND_ENTITIES, MainDialog::ID_LIST_USED_FILES}) {
        fixture.services.messages.clear();
        dialog.setFocus();
        Click(dialog, button);
        QCOMPARE(fixture.services.MessageTexts(), std::vector<std::string>{"First select a map file."});
        QCOMPARE(ControlIdOf(dialog.focusWidget()), MainDialog::ID_MAP_FILE);
    }

    std::filesystem::create_directory(fixture.scratch.PathOf("nodb"));
    fixture.paths.gameDir = fixture.scratch.PathOf("nodb") + "/";
    fixture.settings.game.lastMapFile = fixture.WriteSmallMap();
    MainDialog empty(fixture.paths, fixture.settings, false, fixture.services);
    for (const int button : {MainDialog::ID_FIND_ENTITIES, MainDialog::ID_LIST_USED_FILES, MainDialog::ID_IGNORE}) {
        fixture.services.messages.clear();
        Click(empty, button);
        QCOMPARE(fixture.services.MessageTexts(), std::vector<std::string>{"You must select an entity database."});
    }
}

void MainDialogTest::HoldsPresenceLockWhileOpen() {
    UiFixture fixture;
    qunsetenv("QUILLON_STANDALONE");
    {
        MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
        QVERIFY(dialog.HoldsPresenceLock());
        QVERIFY(platform::FrontEndIsRunning());
    }
    // Closed, it lets go: the next front end gets the lock.
    const platform::FrontEndPresenceLock next;
    qputenv("QUILLON_STANDALONE", "1");
    QVERIFY(next.held());
}

void MainDialogTest::PlusGoNeverHandsOverToARunningCopy() {
    const QString name = QStringLiteral("quillon-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance running(name);
    QVERIFY(running.Listen());
    QSignalSpy toFront(&running, &SingleInstance::BringToFrontRequested);
    SingleInstance started(name);
    CommandLineOptions go;
    go.go = true;
    // A script's "+go" runs in its own process and leaves the running copy alone.
    QCOMPARE(DecideStart(go, started), StartMode::RunBesideOther);
    QCOMPARE(DecideStart(CommandLineOptions{}, started), StartMode::HandOver);
    QTRY_COMPARE(toFront.count(), 1);
}

void MainDialogTest::WindowGrowsAndThePathsWithIt() {
    UiFixture fixture;
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    dialog.show();
    const int width = Edit(dialog, MainDialog::ID_MAP_FILE)->width();
    dialog.resize(dialog.width() + 300, dialog.height() + 100);
    dialog.layout()->activate();
    QVERIFY(Edit(dialog, MainDialog::ID_MAP_FILE)->width() >= width + 250);
}

void MainDialogTest::ViewerFindsJumpsAndServesEachFileOnce() {
    ScratchDir scratch;
    const QString path = QString::fromStdString(scratch.Write("r.txt", "head\nneedle one\nmiddle\nneedle two\nlast"));
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
    QTest::keyClick(window, Qt::Key_F3);
    QCOMPARE(viewer->CursorLine(), 3);
    QTest::keyClick(window, Qt::Key_F3);  // round to the top again
    QCOMPARE(viewer->CursorLine(), 1);
    QTest::keyClick(window, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(viewer->CursorLine(), 3);
    QTest::keyClick(window, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(viewer->CursorLine(), 4);
    QTest::keyClick(window, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(viewer->CursorLine(), 0);

    // The same file shown again, as after a second run, reloads the window that shows it.
    scratch.Write("r.txt", "second run");
    QCOMPARE(TextViewer::ShowFile(path), viewer);
    QCOMPARE(viewer->Text(), QStringLiteral("second run"));
    QCOMPARE(CloseViewers(), 1);
}

QUILLON_UI_TEST(MainDialogTest);

}  // namespace quillon::test

#include "MainDialogTest.moc"
