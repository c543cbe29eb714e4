#include "frontend/ui/IgnoreDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <set>

#include "entitydb/EntityDatabase.h"
#include "frontend/ui/ContextHelp.h"
#include "frontend/ui/DialogSupport.h"

namespace quillon {

namespace {

constexpr const char* EXPLANATION =
    "This feature allows you to see the effect of removing one or more entity types on total models, "
    "images, and sounds.";
constexpr int LIST_WIDTH = 200;
constexpr int LIST_HEIGHT = 260;

/// Both lists stay sorted without regard to case, as class names are compared.
void InsertSorted(QListWidget* list, const QString& name) {
    int row = 0;
    while (row < list->count() && QString::compare(list->item(row)->text(), name, Qt::CaseInsensitive) < 0) {
        ++row;
    }
    list->insertItem(row, name);
}

/// Moves the selected entry of `from` into `to` and selects the entry that took its place.
void MoveSelected(QListWidget* from, QListWidget* to) {
    const int row = from->currentRow();
    QListWidgetItem* item = from->takeItem(row);
    InsertSorted(to, item->text());
    delete item;
    if (from->count() > 0) {
        from->setCurrentRow(std::min(row, from->count() - 1));
    }
}

QListWidget* SortedList(QWidget* parent, int id) {
    auto* list = WithId(new QListWidget(parent), id);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(LIST_WIDTH, LIST_HEIGHT);
    return list;
}

bool HasSelection(const QListWidget* list) {
    return list->currentItem() != nullptr && list->currentItem()->isSelected();
}

}  // namespace

IgnoreDialog::IgnoreDialog(QWidget* parent, std::vector<std::string>& list, DialogServices& dialogServices,
                           HelpBook* help)
    : QDialog(parent), ignoreList(list), services(dialogServices) {
    setWindowTitle(QStringLiteral("Ignore Entities"));
    setWindowModality(Qt::WindowModal);
    auto* explanation = new QLabel(QString::fromUtf8(EXPLANATION), this);
    explanation->setWordWrap(true);
    entities = SortedList(this, ID_ENTITIES);
    ignored = SortedList(this, ID_IGNORE);
    auto* entitiesLabel = new QLabel(QStringLiteral("&Entities"), this);
    entitiesLabel->setBuddy(entities);
    auto* ignoredLabel = new QLabel(QStringLiteral("&Ignore"), this);
    ignoredLabel->setBuddy(ignored);
    auto* add = WithId(new QPushButton(QStringLiteral("&Add ->"), this), ID_ADD);
    auto* remove = WithId(new QPushButton(QStringLiteral("<- &Remove"), this), ID_REMOVE);
    connect(add, &QPushButton::clicked, this, &IgnoreDialog::Add);
    connect(remove, &QPushButton::clicked, this, &IgnoreDialog::Remove);
    connect(entities, &QListWidget::itemDoubleClicked, this, &IgnoreDialog::Add);
    connect(ignored, &QListWidget::itemDoubleClicked, this, &IgnoreDialog::Remove);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    WithId(buttons->button(QDialogButtonBox::Ok), ID_OK);
    WithId(buttons->button(QDialogButtonBox::Cancel), ID_CANCEL);
    PlainButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &IgnoreDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &IgnoreDialog::reject);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(add);
    moves->addWidget(remove);
    moves->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(explanation, 0, 0, 1, 3);
    layout->addWidget(entitiesLabel, 1, 0);
    layout->addWidget(ignoredLabel, 1, 2);
    layout->addWidget(entities, 2, 0);
    layout->addLayout(moves, 2, 1);
    layout->addWidget(ignored, 2, 2);
    layout->addWidget(buttons, 3, 0, 1, 3);
    AddContextHelp(this, {ID_ENTITIES, ID_IGNORE, ID_ADD, ID_REMOVE, ID_OK, ID_CANCEL}, help);
}

bool IgnoreDialog::Load(const std::string& baseDatabase, const std::string& selectedDatabase) {
    EntityClassTable table;
    if (!LoadEntityDatabaseFiles(table, baseDatabase, selectedDatabase, DatabaseReader::FrontEnd)) {
        services.ShowMessage(this, selectedDatabase, "File not found", MessageIcon::Warning);
        return false;
    }
    const std::set<std::string> alreadyIgnored(ignoreList.begin(), ignoreList.end());
    std::set<std::string> listed;
    for (const EntityClassDef& entityClass : table.classes) {
        const std::string& name = entityClass.className;
        if (!name.empty() && alreadyIgnored.count(name) == 0 && listed.insert(name).second) {
            InsertSorted(entities, ToQt(name));
        }
    }
    for (const std::string& name : ignoreList) {
        InsertSorted(ignored, ToQt(name));
    }
    return true;
}

void IgnoreDialog::Add() {
    if (!HasSelection(entities) || ignored->count() >= MAX_IGNORED_CLASSES) {
        services.Beep();
        return;
    }
    MoveSelected(entities, ignored);
}

void IgnoreDialog::Remove() {
    if (!HasSelection(ignored)) {
        services.Beep();
        return;
    }
    MoveSelected(ignored, entities);
}

void IgnoreDialog::accept() {
    ignoreList.clear();
    for (int row = 0; row < ignored->count(); ++row) {
        ignoreList.push_back(FromQt(ignored->item(row)->text()));
    }
    QDialog::accept();
}

}  // namespace quillon
