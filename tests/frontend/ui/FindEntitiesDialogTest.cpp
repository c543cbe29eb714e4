// Find Entities and List Used Files: their checks, the settings they store, and real list runs.
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>

#include "UiFixture.h"
#include "UiTestMain.h"
#include "entitydb/EntityDatabase.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/FindEntitiesDialog.h"

namespace quillon::test {

namespace {

using Dialog = FindEntitiesDialog;

EntityDatabaseEntry BaseDatabase(const UiFixture& fixture) {
    EntityDatabaseEntry entry;
    entry.fileName = "quake2.db";
    entry.fullPath = fixture.paths.gameDir + "quake2.db";
    return entry;
}

void Click(const QWidget& dialog, int id) {
    auto* button = Control<QAbstractButton>(&dialog, id);
    QVERIFY(button != nullptr);
    button->click();
}

/// A fixture whose main dialog has already chosen the small map.
struct ListFixture : UiFixture {
    ListFixture() { settings.game.lastMapFile = WriteSmallMap(); }
};

}  // namespace

class FindEntitiesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void GoRefusesIncompleteFields_data();
    void GoRefusesIncompleteFields();
    void GoAsksBeforeReplacingList();
    void RadioButtonsStoreTheirChoiceAtOnce();
    void MatchControlsShowOnlyForSearches();
    void ClassListStartsWithAll();
    void BrowseOffersCsvForCsvNames();
    void GoWritesEntityListAndOpensIt();
    void NoMatchRemovesListAndSaysSo();
    void ClosingLeavesReportMode();
    void FileListNeedsOutputAndAsksBeforeReplacing();
    void FileListRunWritesListAndOpensIt();
    void ListWithOtherExtensionOpensInViewer();
};

void FindEntitiesDialogTest::GoRefusesIncompleteFields_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    QTest::newRow("no output") << "" << 0 << "You must enter an output filename." << int(Dialog::ID_OUTPUT);
    QTest::newRow("targetname without text")
        << "ents.txt" << 1 << "You must supply a character string to search for with this option."
        << int(Dialog::ID_MATCH);
    QTest::newRow("key/value without text")
        << "ents.txt" << 2 << "You must supply a character string to search for with this option."
        << int(Dialog::ID_MATCH);
}

void FindEntitiesDialogTest::GoRefusesIncompleteFields() {
    QFETCH(QString, output);
    QFETCH(int, option);
    QFETCH(QString, message);
    QFETCH(int, focus);
    ListFixture fixture;
    fixture.settings.findEnt.option = option;
    fixture.settings.findEnt.output = output.isEmpty() ? "" : fixture.scratch.PathOf(output.toStdString());
    Dialog dialog(nullptr, fixture.paths, fixture.settings, BaseDatabase(fixture), fixture.services, nullptr);
    dialog.Go();
    QCOMPARE(fixture.services.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(fixture.services.messages[0].text), message);
    QCOMPARE(fixture.services.messages[0].title, std::string("Quillon"));
    QCOMPARE(ControlIdOf(dialog.focusWidget()), focus);
    QVERIFY(fixture.services.openedDocuments.empty());
}

void FindEntitiesDialogTest::GoAsksBeforeReplacingList() {
    ListFixture fixture;
    const std::string output = fixture.scratch.Write("ents.txt", "old list");
    fixture.settings.findEnt.output = output;
    Dialog dialog(nullptr, fixture.paths, fixture.settings, BaseDatabase(fixture), fixture.services, nullptr);
    dialog.Go();
    QCOMPARE(fixture.services.questions.size(), std::size_t{1});
    QCOMPARE(fixture.services.questions[0].text, output + "\nThis file already exists.\n\nReplace existing file?");
    QCOMPARE(fixture.services.questions[0].title, std::string("Entity List"));
    QCOMPARE(ReadFileBytes(output), std::string("old list"));
}

void FindEntitiesDialogTest::RadioButtonsStoreTheirChoiceAtOnce() {
    ListFixture fixture;
    fixture.settings.findEnt.option = 2;
    fixture.settings.findEnt.sortBy = 1;
    fixture.settings.findEnt.matchCriteria = 2;
    Dialog dialog(nullptr, fixture.paths, fixture.settings, BaseDatabase(fixture), fixture.services, nullptr);
    QVERIFY(Control<QRadioButton>(&dialog, Dialog::ID_FIND_KEY_VALUE)->isChecked());
    QVERIFY(Control<QRadioButton>(&dialog, Dialog::ID_SORT_CLASSNAME)->isChecked());
    QVERIFY(Control<QRadioButton>(&dialog, Dialog::ID_CONTAINS)->isChecked());
    Click(dialog, Dialog::ID_FIND_TARGETNAME);
    Click(dialog, Dialog::ID_SORT_TARGETNAME);
    Click(dialog, Dialog::ID_STARTS_WITH);
    QCOMPARE(fixture.settings.findEnt.option, 1);
    QCOMPARE(fixture.settings.findEnt.sortBy, 2);
    QCOMPARE(fixture.settings.findEnt.matchCriteria, 1);
    Click(dialog, Dialog::ID_FIND_ALL);
    Click(dialog, Dialog::ID_SORT_INDEX);
    QCOMPARE(fixture.settings.findEnt.option, 0);
    QCOMPARE(fixture.settings.findEnt.sortBy, 0);
}

void FindEntitiesDialogTest::MatchControlsShowOnlyForSearches() {
    ListFixture fixture;
    Dialog dialog(nullptr, fixture.paths, fixture.settings, BaseDatabase(fixture), fixture.services, nullptr);
    dialog.show();
    auto* label = Control<QLabel>(&dialog, Dialog::ID_MATCH_LABEL);
    auto* match = Control<QLineEdit>(&dialog, Dialog::ID_MATCH);
    auto* criteria = Control<QWidget>(&dialog, Dialog::ID_CRITERIA_GROUP);
    QCOMPARE(label->text(), QStringLiteral("Find &this:"));
    QVERIFY(!match->isVisible() && !label->isVisible() && !criteria->isVisible());
    Click(dialog, Dialog::ID_FIND_TARGETNAME);
    QCOMPARE(label->text(), QStringLiteral("Targetname:"));
    QVERIFY(match->isVisible() && match->isEnabled() && criteria->isVisible());
    QVERIFY(Control<QWidget>(&dialog, Dialog::ID_WHOLE_WORD)->isVisible());
    Click(dialog, Dialog::ID_FIND_KEY_VALUE);
    QCOMPARE(label->text(), QStringLiteral("Key/Value:"));
    Click(dialog, Dialog::ID_FIND_ALL);
    QVERIFY(!match->isVisible() && !match->isEnabled() && !criteria->isVisible());
    QCOMPARE(match->maxLength(), 63);
}

void FindEntitiesDialogTest::ClassListStartsWithAll() {
    ListFixture fixture;
    fixture.settings.findEnt.className = "light";
    Dialog dialog(nullptr, fixture.paths, fixture.settings, BaseDatabase(fixture), fixture.services, nullptr);
    auto* classes = Control<QComboBox>(&dialog, Dialog::ID_CLASSNAME);
    EntityClassTable table;
    QVERIFY(LoadEntityDatabaseFiles(table, fixture.paths.gameDir + "quake2.db", fixture.paths.gameDir + "quake2.db",
                                    DatabaseReader::FrontEnd));
    QCOMPARE(classes->count(), static_cast<int>(table.classes.size()) + 1);
    QCOMPARE(classes->itemText(0), QStringLiteral("*** All ***"));
    QCOMPARE(classes->itemText(1), QString::fromStdString(table.classes[0].className));
    QCOMPARE(classes->currentIndex(), 0);
}

void FindEntitiesDialogTest::BrowseOffersCsvForCsvNames() {
    ListFixture fixture;
    fixture.settings.findEnt.output = "/lists/ENTS.CSV";
    fixture.settings.game.outputDir = "/lists/";
    Dialog dialog(nullptr, fixture.paths, fixture.settings, BaseDatabase(fixture), fixture.services, nullptr);
    fixture.services.fileAnswer = QStringLiteral("/home/me/lists/doors.csv");
    Click(dialog, Dialog::ID_BROWSE);
    const FileRequest& request = fixture.services.fileRequests.at(0);
    QCOMPARE(request.title, QStringLiteral("Entity List"));
    QCOMPARE(request.filters.size(), 3);
    QCOMPARE(request.filters.at(1), QStringLiteral("Comma separated values (*.csv)"));
    QCOMPARE(request.selectedFilter, 1);
    QCOMPARE(request.defaultSuffix, QStringLiteral("csv"));
    QCOMPARE(request.startDirectory, QStringLiteral("/lists/"));
    QCOMPARE(fixture.settings.findEnt.output, std::string("/home/me/lists/doors.csv"));
    QCOMPARE(fixture.settings.game.outputDir, std::string("/home/me/lists/"));
    QCOMPARE(Control<QLineEdit>(&dialog, Dialog::ID_OUTPUT)->text(), QStringLiteral("/home/me/lists/doors.csv"));

    Control<QLineEdit>(&dialog, Dialog::ID_OUTPUT)->setText(QStringLiteral("ents.txt"));
    Click(dialog, Dialog::ID_BROWSE);
    QCOMPARE(fixture.services.fileRequests.at(1).selectedFilter, 0);
    QCOMPARE(fixture.services.fileRequests.at(1).defaultSuffix, QStringLiteral("txt"));
}

void FindEntitiesDialogTest::GoWritesEntityListAndOpensIt() {
    ListFixture fixture;
    const std::string output = fixture.scratch.PathOf("Lights.CSV");
    Dialog dialog(nullptr, fixture.paths, fixture.settings, BaseDatabase(fixture), fixture.services, nullptr);
    Control<QLineEdit>(&dialog, Dialog::ID_OUTPUT)->setText(QString::fromStdString(output));
    auto* classes = Control<QComboBox>(&dialog, Dialog::ID_CLASSNAME);
    classes->setCurrentIndex(classes->findText(QStringLiteral("light")));
    Click(dialog, Dialog::ID_FIND_TARGETNAME);
    Control<QLineEdit>(&dialog, Dialog::ID_MATCH)->setText(QStringLiteral("lamp"));
    Click(dialog, Dialog::ID_GO);

    QCOMPARE(fixture.services.MessageTexts(), std::vector<std::string>{});
    QCOMPARE(fixture.settings.findEnt.output, output);
    QCOMPARE(fixture.settings.findEnt.className, std::string("light"));
    QCOMPARE(fixture.settings.findEnt.match, std::string("lamp"));
    const std::string list = ReadFileBytes(output);
    QVERIFY(list.find("lamp") != std::string::npos);
    QVERIFY(list.find("info_player_start") == std::string::npos);
    QCOMPARE(fixture.services.openedDocuments, std::vector<QString>{QString::fromStdString(output)});
    QCOMPARE(fixture.settings.game.outputType, 0);
    QVERIFY(fixture.settings.findEnt.temp.empty());
    QVERIFY(Control<QPushButton>(&dialog, Dialog::ID_GO)->isEnabled());
}

void FindEntitiesDialogTest::NoMatchRemovesListAndSaysSo() {
    ListFixture fixture;
    const std::string output = fixture.scratch.Write("ents.txt", "an earlier list");
    fixture.settings.game.autoOverwrite = 1;
    fixture.settings.findEnt.output = output;
    fixture.settings.findEnt.option = 2;
    fixture.settings.findEnt.matchCriteria = 1;
    fixture.settings.findEnt.match = "zzz";
    Dialog dialog(nullptr, fixture.paths, fixture.settings, BaseDatabase(fixture), fixture.services, nullptr);
    dialog.Go();
    QCOMPARE(fixture.services.MessageTexts(),
             std::vector<std::string>{"No matches on keys or values starting with zzz"});
    QCOMPARE(fixture.services.messages[0].title, std::string("Quillon"));
    QVERIFY(!std::filesystem::exists(output));
    QVERIFY(fixture.services.openedDocuments.empty());
    QCOMPARE(fixture.settings.game.outputType, 0);
}

void FindEntitiesDialogTest::ClosingLeavesReportMode() {
    ListFixture fixture;
    fixture.settings.game.outputType = 1;
    Dialog dialog(nullptr, fixture.paths, fixture.settings, BaseDatabase(fixture), fixture.services, nullptr);
    dialog.show();
    Click(dialog, ID_CANCEL);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(fixture.settings.game.outputType, 0);
}

void FindEntitiesDialogTest::FileListNeedsOutputAndAsksBeforeReplacing() {
    ListFixture fixture;
    FileListDialog dialog(nullptr, fixture.paths, fixture.settings, fixture.services, nullptr);
    Click(dialog, FileListDialog::ID_GO);
    QCOMPARE(fixture.services.MessageTexts(), std::vector<std::string>{"You must enter an output filename."});
    QCOMPARE(ControlIdOf(dialog.focusWidget()), int(FileListDialog::ID_OUTPUT));

    const std::string output = fixture.scratch.Write("files.txt", "old");
    fixture.services.fileAnswer = QString::fromStdString(output);
    Click(dialog, FileListDialog::ID_BROWSE);
    QCOMPARE(fixture.services.fileRequests.at(0).title, QStringLiteral("File List"));
    Click(dialog, FileListDialog::ID_GO);
    QCOMPARE(fixture.services.questions.size(), std::size_t{1});
    QCOMPARE(fixture.services.questions[0].title, std::string("File List"));
    QCOMPARE(ReadFileBytes(output), std::string("old"));
}

void FindEntitiesDialogTest::FileListRunWritesListAndOpensIt() {
    ListFixture fixture;
    const std::string output = fixture.scratch.PathOf("files.txt");
    FileListDialog dialog(nullptr, fixture.paths, fixture.settings, fixture.services, nullptr);
    // A name typed without extension gets ".txt", as the report's does.
    Control<QLineEdit>(&dialog, FileListDialog::ID_OUTPUT)->setText(QString::fromStdString(fixture.scratch.PathOf("files")));
    Click(dialog, FileListDialog::ID_GO);
    QCOMPARE(Control<QLineEdit>(&dialog, FileListDialog::ID_OUTPUT)->text(), QString::fromStdString(output));
    QCOMPARE(fixture.services.MessageTexts(), std::vector<std::string>{});
    QCOMPARE(fixture.settings.fileList.output, output);
    QVERIFY(ReadFileBytes(output).find("TARGET_SPEAKER/FUNC_TRAIN LOCATIONS") != std::string::npos);
    QCOMPARE(fixture.services.openedDocuments, std::vector<QString>{QString::fromStdString(output)});
    QCOMPARE(fixture.settings.game.outputType, 0);
}

void FindEntitiesDialogTest::ListWithOtherExtensionOpensInViewer() {
    ListFixture fixture;
    const std::string output = fixture.scratch.PathOf("files.lst");
    fixture.settings.fileList.output = output;
    FileListDialog dialog(nullptr, fixture.paths, fixture.settings, fixture.services, nullptr);
    Click(dialog, FileListDialog::ID_GO);
    QVERIFY(fixture.services.openedDocuments.empty());
    QCOMPARE(CloseViewers(), 1);
}

QUILLON_UI_TEST(FindEntitiesDialogTest);

}  // namespace quillon::test

#include "FindEntitiesDialogTest.moc"
