// Find Entities and List Used Files: their checks, the settings they store, and real list runs.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>

#include "UiFixture.h"
#include "entitydb/EntityDatabase.h"
#include "frontend/ui/FindEntitiesDialog.h"

namespace quillon::test {

namespace {

using Dialog = FindEntitiesDialog;

/// A fixture whose main dialog has already chosen the small map.
struct ListFixture : UiFixture {
    ListFixture() { settings.game.lastMapFile = WriteSmallMap(); }
    std::unique_ptr<Dialog> Find() {
        EntityDatabaseEntry entry;
        entry.fileName = "quake2.db";
        entry.fullPath = BaseDatabase();
        return std::make_unique<Dialog>(nullptr, paths, settings, entry, services, nullptr);
    }
    std::unique_ptr<FileListDialog> Files() {
        return std::make_unique<FileListDialog>(nullptr, paths, settings, services, nullptr);
    }
};

}  // namespace

class FindEntitiesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void GoRefusesIncompleteFields() {
        // No output at all; a search for a targetname, then for a key or value, without its text.
        for (const int option : {0, 1, 2}) {
            ListFixture fixture;
            fixture.settings.findEnt.option = option;
            fixture.settings.findEnt.output = option == 0 ? "" : fixture.scratch.PathOf("ents.txt");
            const auto dialog = fixture.Find();
            dialog->Go();
            const std::string message =
                option == 0 ? "You must enter an output filename."
                            : "You must supply a character string to search for with this option.";
            QCOMPARE(fixture.services.messages, std::vector<std::string>{message});
            QCOMPARE(fixture.services.messageTitles[0], std::string("Quillon"));
            QCOMPARE(ControlIdOf(dialog->focusWidget()), option == 0 ? Dialog::ID_OUTPUT : Dialog::ID_MATCH);
            QVERIFY(fixture.services.openedDocuments.empty());
        }
    }

    void ChoicesAreStoredAtOnceAndMatchShowsOnlyForSearches() {
        ListFixture fixture;
        fixture.settings.findEnt.option = 2;
        fixture.settings.findEnt.sortBy = 1;
        fixture.settings.findEnt.matchCriteria = 2;
        fixture.settings.findEnt.className = "light";
        const auto dialog = fixture.Find();
        dialog->show();
        QVERIFY(Control<QRadioButton>(dialog.get(), Dialog::ID_FIND_KEY_VALUE)->isChecked());
        QVERIFY(Control<QRadioButton>(dialog.get(), Dialog::ID_SORT_CLASSNAME)->isChecked());
        QVERIFY(Control<QRadioButton>(dialog.get(), Dialog::ID_CONTAINS)->isChecked());
        auto* label = Control<QLabel>(dialog.get(), Dialog::ID_MATCH_LABEL);
        auto* match = Control<QLineEdit>(dialog.get(), Dialog::ID_MATCH);
        auto* criteria = Control<QWidget>(dialog.get(), Dialog::ID_CRITERIA_GROUP);
        QCOMPARE(label->text(), QStringLiteral("Key/Value:"));
        QCOMPARE(match->maxLength(), 63);
        Click(*dialog, Dialog::ID_FIND_TARGETNAME);
        Click(*dialog, Dialog::ID_SORT_TARGETNAME);
        Click(*dialog, Dialog::ID_STARTS_WITH);
        QCOMPARE(fixture.settings.findEnt.option, 1);
        QCOMPARE(fixture.settings.findEnt.sortBy, 2);
        QCOMPARE(fixture.settings.findEnt.matchCriteria, 1);
        QCOMPARE(label->text(), QStringLiteral("Targetname:"));
        QVERIFY(match->isVisible() && match->isEnabled() && criteria->isVisible());
        QVERIFY(Control<QWidget>(dialog.get(), Dialog::ID_WHOLE_WORD)->isVisible());
        Click(*dialog, Dialog::ID_FIND_ALL);
        Click(*dialog, Dialog::ID_SORT_INDEX);
        QCOMPARE(fixture.settings.findEnt.option, 0);
        QCOMPARE(fixture.settings.findEnt.sortBy, 0);
        QVERIFY(!match->isVisible() && !match->isEnabled() && !label->isVisible() && !criteria->isVisible());

        // The class list starts with all classes, whatever class was chosen last time.
        auto* classes = Control<QComboBox>(dialog.get(), Dialog::ID_CLASSNAME);
        EntityClassTable table;
        const std::string base = fixture.BaseDatabase();
        QVERIFY(LoadEntityDatabaseFiles(table, base, base, DatabaseReader::FrontEnd));
        QCOMPARE(classes->count(), static_cast<int>(table.classes.size()) + 1);
        QCOMPARE(classes->itemText(0), QStringLiteral("*** All ***"));
        QCOMPARE(classes->itemText(1), QString::fromStdString(table.classes[0].className));
        QCOMPARE(classes->currentIndex(), 0);
    }

    void BrowseOffersCsvForCsvNames() {
        ListFixture fixture;
        fixture.settings.findEnt.output = "/lists/ENTS.CSV";
        fixture.settings.game.outputDir = "/lists/";
        const auto dialog = fixture.Find();
        fixture.services.fileAnswer = QStringLiteral("/home/me/lists/doors.csv");
        Click(*dialog, Dialog::ID_BROWSE);
        QCOMPARE(Control<QLabel>(dialog.get(), Dialog::ID_MATCH_LABEL)->text(), QStringLiteral("Find &this:"));
        const FileRequest& request = fixture.services.fileRequests.at(0);
        QCOMPARE(request.title, QStringLiteral("Entity List"));
        QCOMPARE(request.filters.size(), 3);
        QCOMPARE(request.filters.at(1), QStringLiteral("Comma separated values (*.csv)"));
        QCOMPARE(request.selectedFilter, 1);
        QCOMPARE(request.defaultSuffix, QStringLiteral("csv"));
        QCOMPARE(request.startDirectory, QStringLiteral("/lists/"));
        QCOMPARE(fixture.settings.findEnt.output, std::string("/home/me/lists/doors.csv"));
        QCOMPARE(fixture.settings.game.outputDir, std::string("/home/me/lists/"));
        auto* edit = Control<QLineEdit>(dialog.get(), Dialog::ID_OUTPUT);
        QCOMPARE(edit->text(), QStringLiteral("/home/me/lists/doors.csv"));

        edit->setText(QStringLiteral("ents.txt"));
        Click(*dialog, Dialog::ID_BROWSE);
        QCOMPARE(fixture.services.fileRequests.at(1).selectedFilter, 0);
        QCOMPARE(fixture.services.fileRequests.at(1).defaultSuffix, QStringLiteral("txt"));
    }

    void GoWritesEntityListOrRemovesItWhenNothingMatches() {
        ListFixture fixture;
        const std::string output = fixture.scratch.PathOf("Lights.CSV");
        const auto dialog = fixture.Find();
        dialog->show();
        Control<QLineEdit>(dialog.get(), Dialog::ID_OUTPUT)->setText(QString::fromStdString(output));
        auto* classes = Control<QComboBox>(dialog.get(), Dialog::ID_CLASSNAME);
        classes->setCurrentIndex(classes->findText(QStringLiteral("light")));
        Click(*dialog, Dialog::ID_FIND_TARGETNAME);
        Control<QLineEdit>(dialog.get(), Dialog::ID_MATCH)->setText(QStringLiteral("lamp"));
        Click(*dialog, Dialog::ID_GO);

        QCOMPARE(fixture.services.messages, std::vector<std::string>{});
        QCOMPARE(fixture.settings.findEnt.output, output);
        QCOMPARE(fixture.settings.findEnt.className, std::string("light"));
        QCOMPARE(fixture.settings.findEnt.match, std::string("lamp"));
        const std::string list = ReadFileBytes(output);
        QVERIFY(list.find("lamp") != std::string::npos && list.find("info_player_start") == std::string::npos);
        QCOMPARE(fixture.services.openedDocuments, std::vector<QString>{QString::fromStdString(output)});
        QCOMPARE(fixture.settings.game.outputType, 0);
        QVERIFY(fixture.settings.findEnt.temp.empty());
        QVERIFY(Control<QPushButton>(dialog.get(), Dialog::ID_GO)->isEnabled());

        // A search that matches nothing removes the earlier list and says so.
        fixture.settings.game.autoOverwrite = 1;
        Click(*dialog, Dialog::ID_FIND_KEY_VALUE);
        Click(*dialog, Dialog::ID_STARTS_WITH);
        Control<QLineEdit>(dialog.get(), Dialog::ID_MATCH)->setText(QStringLiteral("zzz"));
        Click(*dialog, Dialog::ID_GO);
        QCOMPARE(fixture.services.messages,
                 std::vector<std::string>{"No matches on keys or values starting with zzz"});
        QCOMPARE(fixture.services.messageTitles[0], std::string("Quillon"));
        QVERIFY(!std::filesystem::exists(output));
        QCOMPARE(fixture.services.openedDocuments.size(), std::size_t{1});
        QCOMPARE(fixture.settings.game.outputType, 0);

        // Closing the dialog leaves report mode, whatever the last run left.
        fixture.settings.game.outputType = 1;
        Click(*dialog, ID_CANCEL);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(fixture.settings.game.outputType, 0);
    }

    void FileListNeedsOutputAndAsksBeforeReplacing() {
        ListFixture fixture;
        const auto dialog = fixture.Files();
        Click(*dialog, FileListDialog::ID_GO);
        QCOMPARE(fixture.services.messages, std::vector<std::string>{"You must enter an output filename."});
        QCOMPARE(ControlIdOf(dialog->focusWidget()), int(FileListDialog::ID_OUTPUT));

        const std::string output = fixture.scratch.Write("files.txt", "old");
        fixture.services.fileAnswer = QString::fromStdString(output);
        Click(*dialog, FileListDialog::ID_BROWSE);
        QCOMPARE(fixture.services.fileRequests.at(0).title, QStringLiteral("File List"));
        Click(*dialog, FileListDialog::ID_GO);
        // The entity list asks the same way, under its own title.
        fixture.settings.findEnt.output = output;
        fixture.Find()->Go();
        QCOMPARE(fixture.services.questions.size(), std::size_t{2});
        QCOMPARE(fixture.services.questions[0], output + "\nThis file already exists.\n\nReplace existing file?");
        QCOMPARE(fixture.services.questionTitles[0], std::string("File List"));
        QCOMPARE(fixture.services.questionTitles[1], std::string("Entity List"));
        QCOMPARE(ReadFileBytes(output), std::string("old"));
    }

    void FileListRunWritesListAndOpensIt() {
        ListFixture fixture;
        const std::string output = fixture.scratch.PathOf("files.txt");
        const auto dialog = fixture.Files();
        // A name typed without extension gets ".txt", as the report's does.
        auto* edit = Control<QLineEdit>(dialog.get(), FileListDialog::ID_OUTPUT);
        edit->setText(QString::fromStdString(fixture.scratch.PathOf("files")));
        Click(*dialog, FileListDialog::ID_GO);
        QCOMPARE(edit->text(), QString::fromStdString(output));
        QCOMPARE(fixture.services.messages, std::vector<std::string>{});
        QCOMPARE(fixture.settings.fileList.output, output);
        QVERIFY(ReadFileBytes(output).find("TARGET_SPEAKER/FUNC_TRAIN LOCATIONS") != std::string::npos);
        QCOMPARE(fixture.services.openedDocuments, std::vector<QString>{QString::fromStdString(output)});
        QCOMPARE(fixture.settings.game.outputType, 0);

        // A list with another extension opens in the built-in viewer.
        edit->setText(QString::fromStdString(fixture.scratch.PathOf("files.lst")));
        Click(*dialog, FileListDialog::ID_GO);
        QCOMPARE(fixture.services.openedDocuments.size(), std::size_t{1});
        QCOMPARE(CloseViewers(), 1);
    }
};

QUILLON_UI_TEST(FindEntitiesDialogTest);

}  // namespace quillon::test

#include "FindEntitiesDialogTest.moc"
