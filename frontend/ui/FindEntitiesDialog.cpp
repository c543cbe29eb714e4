#include "frontend/ui/FindEntitiesDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "entitydb/EntityDatabase.h"
#include "frontend/ui/ContextHelp.h"
#include "frontend/ui/DialogSupport.h"

namespace quillon {

namespace {

constexpr const char* ALL_CLASSES_ITEM = "*** All ***";

ListDialogSetup FindEntitiesSetup() {
    ListDialogSetup setup;
    setup.mode = OutputType::OutputEntityList;
    setup.windowTitle = QStringLiteral("Find Entities");
    setup.pickerTitle = QStringLiteral("Entity List");
    setup.outputId = FindEntitiesDialog::ID_OUTPUT;
    setup.browseId = FindEntitiesDialog::ID_BROWSE;
    setup.goId = FindEntitiesDialog::ID_GO;
    return setup;
}

ListDialogSetup FileListSetup() {
    ListDialogSetup setup;
    setup.mode = OutputType::OutputFileList;
    setup.windowTitle = QStringLiteral("List Used Files");
    setup.pickerTitle = QStringLiteral("File List");
    setup.outputId = FileListDialog::ID_OUTPUT;
    setup.browseId = FileListDialog::ID_BROWSE;
    setup.goId = FileListDialog::ID_GO;
    return setup;
}

}  // namespace

FindEntitiesDialog::FindEntitiesDialog(QWidget* parent, const ProgramPaths& programPaths, FrontEndSettings& frontEnd,
                                       const EntityDatabaseEntry& database, DialogServices& dialogServices,
                                       HelpBook* help)
    : ListDialog(parent, FindEntitiesSetup(), programPaths, frontEnd, dialogServices) {
    FindEntSettings& findEnt = settings.findEnt;
    QWidget* controls = outputEdit->parentWidget();
    classList = WithId(new QComboBox(controls), ID_CLASSNAME);
    auto* classLabel = new QLabel(QStringLiteral("Classname:"), controls);
    classLabel->setBuddy(classList);
    FillClassList(programPaths, database);

    auto* find = new QGroupBox(QStringLiteral("&Find:"), controls);
    QButtonGroup* findGroup = RadioGroup(find, {"All", "Targetname", "Key/Value"}, ID_FIND_ALL, findEnt.option);
    connect(findGroup, &QButtonGroup::idClicked, this, [this](int id) {
        settings.findEnt.option = id - ID_FIND_ALL;
        ShowMatchControls();
    });
    auto* sort = new QGroupBox(QStringLiteral("&Sort by:"), controls);
    QButtonGroup* sortGroup =
        RadioGroup(sort, {"Index", "Classname", "Targetname"}, ID_SORT_INDEX, findEnt.sortBy);
    connect(sortGroup, &QButtonGroup::idClicked, this,
            [this](int id) { settings.findEnt.sortBy = id - ID_SORT_INDEX; });

    matchEdit = WithId(new QLineEdit(ToQt(findEnt.match), controls), ID_MATCH);
    matchEdit->setMaxLength(MAX_MATCH_LENGTH);
    matchLabel = WithId(new QLabel(QStringLiteral("Find &this:"), controls), ID_MATCH_LABEL);
    matchLabel->setBuddy(matchEdit);
    criteria = WithId(new QGroupBox(QStringLiteral("Match &criteria:"), controls), ID_CRITERIA_GROUP);
    QButtonGroup* criteriaGroup = RadioGroup(criteria, {"Whole word", "Starts with", "Contains"}, ID_WHOLE_WORD,
                                             findEnt.matchCriteria);
    connect(criteriaGroup, &QButtonGroup::idClicked, this,
            [this](int id) { settings.findEnt.matchCriteria = id - ID_WHOLE_WORD; });

    auto* classRow = new QHBoxLayout;
    classRow->addWidget(classLabel);
    classRow->addWidget(classList, 1);
    auto* groups = new QHBoxLayout;
    groups->addWidget(find);
    groups->addWidget(sort);
    auto* matchRow = new QHBoxLayout;
    matchRow->addWidget(matchLabel);
    matchRow->addWidget(matchEdit, 1);
    Body()->addLayout(classRow);
    Body()->addLayout(groups);
    Body()->addLayout(matchRow);
    Body()->addWidget(criteria);
    ShowMatchControls();
    // The match text follows the choice of what to find, so Tab leads straight to it.
    QWidget::setTabOrder(Control<QWidget>(this, ID_FIND_KEY_VALUE), matchEdit);
    QWidget::setTabOrder(matchEdit, Control<QWidget>(this, ID_WHOLE_WORD));
    QWidget::setTabOrder(Control<QWidget>(this, ID_CONTAINS), Control<QWidget>(this, ID_SORT_INDEX));
    AddContextHelp(this,
                   {ID_OUTPUT, ID_BROWSE, ID_FIND_ALL, ID_FIND_TARGETNAME, ID_FIND_KEY_VALUE, ID_SORT_INDEX,
                    ID_SORT_CLASSNAME, ID_SORT_TARGETNAME, ID_CRITERIA_GROUP, ID_WHOLE_WORD, ID_STARTS_WITH,
                    ID_CONTAINS, ID_MATCH, ID_CLASSNAME, ID_GO, ID_MATCH_LABEL},
                   help);
}

void FindEntitiesDialog::FillClassList(const ProgramPaths& programPaths, const EntityDatabaseEntry& database) {
    classList->addItem(QString::fromUtf8(ALL_CLASSES_ITEM));
    EntityClassTable table;
    // A database that cannot be read leaves only "*** All ***"; the run then reports the problem.
    LoadEntityDatabaseFiles(table, programPaths.gameDir + BaseDatabaseName(), database.fullPath,
                            DatabaseReader::FrontEnd);
    for (const EntityClassDef& entityClass : table.classes) {
        if (!entityClass.className.empty()) {
            classList->addItem(ToQt(entityClass.className));
        }
    }
    classList->setCurrentIndex(0);
}

QButtonGroup* FindEntitiesDialog::RadioGroup(QGroupBox* box, const std::array<const char*, 3>& labels, int firstId,
                                             int checked) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int index = 0; index < 3; ++index) {
        auto* radio = WithId(new QRadioButton(QString::fromUtf8(labels[static_cast<std::size_t>(index)]), box),
                             firstId + index);
        group->addButton(radio, firstId + index);
        layout->addWidget(radio);
        // A stored value outside the three choices shows the first.
        radio->setChecked(index == checked || (index == 0 && (checked < 0 || checked > 2)));
    }
    return group;
}

void FindEntitiesDialog::ShowMatchControls() {
    const int option = settings.findEnt.option;
    const bool matching = option == 1 || option == 2;
    if (matching) {
        matchLabel->setText(option == 1 ? QStringLiteral("Targetname:") : QStringLiteral("Key/Value:"));
    }
    for (QWidget* widget : {static_cast<QWidget*>(matchLabel), static_cast<QWidget*>(matchEdit),
                            static_cast<QWidget*>(criteria)}) {
        widget->setEnabled(matching);
        widget->setVisible(matching);
    }
    adjustSize();
}

ListCheck FindEntitiesDialog::ReadFields() {
    FindEntSettings& findEnt = settings.findEnt;
    findEnt.output = WithTextExtension(FromQt(outputEdit->text()));
    outputEdit->setText(ToQt(findEnt.output));
    findEnt.className = classList->currentIndex() <= 0 ? "All" : FromQt(classList->currentText());
    if (findEnt.option == 1 || findEnt.option == 2) {
        findEnt.match = FromQt(matchEdit->text());
    }
    return ValidateFindEntities(settings, ListInputs(), Interaction());
}

void FindEntitiesDialog::FocusField(ListField field) {
    if (field == ListField::Match) {
        matchEdit->setFocus();
        matchEdit->selectAll();
        return;
    }
    ListDialog::FocusField(field);
}

FileListDialog::FileListDialog(QWidget* parent, const ProgramPaths& programPaths, FrontEndSettings& frontEnd,
                               DialogServices& dialogServices, HelpBook* help)
    : ListDialog(parent, FileListSetup(), programPaths, frontEnd, dialogServices) {
    AddContextHelp(this, {ID_OUTPUT, ID_BROWSE, ID_GO}, help);
}

ListCheck FileListDialog::ReadFields() {
    settings.fileList.output = WithTextExtension(FromQt(outputEdit->text()));
    outputEdit->setText(ToQt(settings.fileList.output));
    return ValidateFileList(settings, ListInputs(), Interaction());
}

}  // namespace quillon
