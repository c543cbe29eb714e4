// The main dialog's controls and their places.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "frontend/core/CheckerLaunch.h"
#include "frontend/ui/BusyIndicator.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/MainDialog.h"

namespace quillon {

namespace {

constexpr int PATH_EDIT_WIDTH = 340;
constexpr std::array<const char*, MainDialog::SHOW_BOX_COUNT> SHOW_BOX_LABELS = {
    "Easy", "Normal", "Hard", "Deathmatch", "Use cheats (stress test)"};

/// One line of the files tab: a label with its mnemonic, the edit and, when named, a picker button.
QLineEdit* AddPathRow(QGridLayout* grid, int row, const char* label, int editId, const char* button, int buttonId,
                      QPushButton** picker) {
    QWidget* parent = grid->parentWidget();
    auto* edit = WithId(new QLineEdit(parent), editId);
    edit->setMinimumWidth(PATH_EDIT_WIDTH);
    auto* text = new QLabel(QString::fromUtf8(label), parent);
    text->setBuddy(edit);
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    *picker = WithId(new QPushButton(QString::fromUtf8(button), parent), buttonId);
    grid->addWidget(*picker, row, 2);
    return edit;
}

QPushButton* Button(QWidget* parent, const char* text, int id) {
    auto* button = WithId(new QPushButton(QString::fromUtf8(text), parent), id);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

void MainDialog::BuildControls() {
    tabs = WithId(new QTabWidget(this), ID_TABS);
    tabs->addTab(BuildFilesTab(), QString::fromUtf8(GAME_NAME));

    // The busy indicator and status line sit under the tab.
    auto* busy = new BusyIndicator(this);
    auto* status = WithId(new QLabel(this), ID_STATUS_LINE);
    status->setMinimumWidth(status->fontMetrics().horizontalAdvance(
        QString::fromStdString(CheckerStatusText(static_cast<int>(OutputType::OutputReport)))));
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(busy);
    statusRow->addWidget(status, 1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(tabs, 0, 0);
    layout->addLayout(BuildButtonColumn(), 0, 1);
    layout->addLayout(statusRow, 1, 0, 1, 2);
    // The window can be made larger, so long paths can be read: the path edits take the width.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 1);
    setSizeGripEnabled(true);
    std::vector<QWidget*> controls{tabs};
    for (const int id : {ID_GO, ID_ABOUT, ID_HELP, ID_EXIT}) {
        controls.push_back(FindControl(this, id));
    }
    interaction = std::make_unique<WidgetInteraction>(*this, std::move(controls), *busy, *status, services);
}

QWidget* MainDialog::BuildFilesTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    QPushButton* mapBrowse = nullptr;
    QPushButton* outputBrowse = nullptr;
    QPushButton* textureBrowse = nullptr;
    mapEdit = AddPathRow(grid, 0, "&Map file:", ID_MAP_FILE, "&Browse", ID_MAP_BROWSE, &mapBrowse);
    outputEdit = AddPathRow(grid, 1, "Output &file:", ID_OUTPUT_FILE, "B&rowse", ID_OUTPUT_BROWSE, &outputBrowse);
    databaseList = WithId(new QComboBox(page), ID_DATABASE);
    databaseLabel = WithId(new QLabel(QStringLiteral("Entity &database:"), page), ID_DATABASE_LABEL);
    databaseLabel->setBuddy(databaseList);
    grid->addWidget(databaseLabel, 2, 0);
    grid->addWidget(databaseList, 2, 1);
    textureEdit = AddPathRow(grid, 3, "&Texture directory:", ID_TEXTURE_DIR, "Bro&wse", ID_TEXTURE_BROWSE,
                             &textureBrowse);
    connect(mapBrowse, &QPushButton::clicked, this, &MainDialog::BrowseMapFile);
    connect(outputBrowse, &QPushButton::clicked, this, &MainDialog::BrowseOutputFile);
    connect(textureBrowse, &QPushButton::clicked, this, &MainDialog::BrowseTextureDirectory);

    auto* options = new QGroupBox(QStringLiteral("&Output options"), page);
    auto* optionsGrid = new QGridLayout(options);
    for (int box = 0; box < SHOW_BOX_COUNT; ++box) {
        auto* check = WithId(new QCheckBox(QString::fromUtf8(SHOW_BOX_LABELS[static_cast<std::size_t>(box)]), options),
                             ID_EASY + box);
        showBoxes[static_cast<std::size_t>(box)] = check;
        const int bit = 1 << box;
        // A box changes Show at once, so a dialog opened next already sees it.
        connect(check, &QCheckBox::toggled, this, [this, bit](bool on) {
            settings.game.show = on ? (settings.game.show | bit) : (settings.game.show & ~bit);
        });
        if (box < 4) {
            optionsGrid->addWidget(check, 0, box);
        } else {
            optionsGrid->addWidget(check, 1, 0, 1, 4);
        }
    }
    grid->addWidget(options, 4, 0, 1, 3);

    auto* tools = new QHBoxLayout;
    const std::array<std::pair<const char*, int>, 4> toolButtons = {{{"&Ignore...", ID_IGNORE},
                                                                    {"&Preferences...", ID_PREFERENCES},
                                                                    {"Find &entities...", ID_FIND_ENTITIES},
                                                                    {"&List used files...", ID_LIST_USED_FILES}}};
    for (const auto& [text, id] : toolButtons) {
        tools->addWidget(Button(page, text, id));
    }
    tools->addStretch();
    grid->addLayout(tools, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);
    connect(Control<QPushButton>(page, ID_IGNORE), &QPushButton::clicked, this, &MainDialog::OpenIgnore);
    connect(Control<QPushButton>(page, ID_PREFERENCES), &QPushButton::clicked, this, &MainDialog::OpenPreferences);
    connect(Control<QPushButton>(page, ID_FIND_ENTITIES), &QPushButton::clicked, this,
            &MainDialog::OpenFindEntities);
    connect(Control<QPushButton>(page, ID_LIST_USED_FILES), &QPushButton::clicked, this,
            &MainDialog::OpenListUsedFiles);
    return page;
}

QLayout* MainDialog::BuildButtonColumn() {
    auto* column = new QVBoxLayout;
    auto* go = WithId(new QPushButton(QStringLiteral("&Go"), this), ID_GO);
    go->setDefault(true);
    QPushButton* about = Button(this, "&About...", ID_ABOUT);
    QPushButton* helpButton = Button(this, "&Help", ID_HELP);
    QPushButton* exit = Button(this, "E&xit", ID_EXIT);
    column->addSpacing(tabs->tabBar()->sizeHint().height());
    column->addWidget(go);
    column->addWidget(about);
    column->addWidget(helpButton);
    column->addStretch();
    column->addWidget(exit);
    connect(exit, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(go, &QPushButton::clicked, this, &MainDialog::Go);
    connect(about, &QPushButton::clicked, this, &MainDialog::OpenAbout);
    connect(helpButton, &QPushButton::clicked, this, [this] { help.OpenContents(); });
    return column;
}

}  // namespace quillon
