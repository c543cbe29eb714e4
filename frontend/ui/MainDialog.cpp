#include "frontend/ui/MainDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include "frontend/core/RunAnalysis.h"
#include "frontend/core/Version.h"
#include "frontend/ui/AboutDialog.h"
#include "frontend/ui/AppIcon.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/FindEntitiesDialog.h"
#include "frontend/ui/IgnoreDialog.h"
#include "frontend/ui/ListRun.h"
#include "frontend/ui/PreferencesDialog.h"
#include "frontend/ui/TextViewer.h"

namespace quillon {

namespace {

constexpr const char* TITLE = "Quillon";

void FocusAndSelect(QLineEdit* edit) {
    edit->setFocus();
    edit->selectAll();
}

}  // namespace

MainDialog::MainDialog(const ProgramPaths& programPaths, FrontEndSettings& frontEndSettings, bool goAtStart,
                       DialogServices& dialogServices)
    : QDialog(nullptr), paths(programPaths), settings(frontEndSettings), services(dialogServices),
      help(QString::fromStdString(programPaths.programDir + "manual.html"), dialogServices), goPending(goAtStart) {
    setWindowTitle(ToQt(WindowTitle(VersionString())));
    setWindowIcon(QuillonIcon());
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    BuildControls();
    settings.lastGame = 0;
    tabs->setCurrentIndex(settings.lastGame);
    // The controls are read before another game's tab takes over, and filled for it afterwards.
    connect(tabs, &QTabWidget::tabBarClicked, this, [this](int) { ReadControls(); });
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        settings.lastGame = index;
        FillControls();
    });
    FillControls();
    new ContextHelp(this,
                    {ID_MAP_FILE, ID_MAP_BROWSE, ID_OUTPUT_FILE, ID_OUTPUT_BROWSE, ID_EASY, ID_EASY + 1, ID_EASY + 2,
                     ID_EASY + 3, ID_EASY + 4, ID_GO, ID_EXIT, ID_HELP, ID_ABOUT, ID_IGNORE, ID_PREFERENCES,
                     ID_DATABASE, ID_TEXTURE_DIR, ID_TEXTURE_BROWSE, ID_FIND_ENTITIES, ID_LIST_USED_FILES},
                    help);
    if (goPending) {
        QTimer::singleShot(0, this, &MainDialog::Go);
    }
}

MainDialog::~MainDialog() = default;

void MainDialog::FillControls() {
    databaseList->clear();
    databases = BuildDatabaseList(paths.gameDir);
    for (std::size_t index = 0; index < databases.size(); ++index) {
        databaseList->addItem(ToQt(databases[index].displayName), QVariant::fromValue(index));
    }
    const std::optional<std::size_t> selected =
        databases.size() < 2 ? (databases.empty() ? std::nullopt : std::optional<std::size_t>(0))
                             : SelectDatabase(databases, settings.game.entityDB);
    databaseList->setCurrentIndex(selected ? static_cast<int>(*selected) : -1);
    const bool choice = databases.size() >= 2;
    databaseList->setEnabled(choice);
    databaseLabel->setEnabled(choice);

    const int show = settings.game.show;
    for (int box = 0; box < SHOW_BOX_COUNT; ++box) {
        showBoxes[static_cast<std::size_t>(box)]->setChecked((show & (1 << box)) != 0);
    }
    settings.game.show = show;
    mapEdit->setText(ToQt(settings.game.lastMapFile));
    outputEdit->setText(ToQt(settings.game.lastOutputFile));
    textureEdit->setText(ToQt(settings.game.textureDir));
}

void MainDialog::ReadControls() {
    GameSettings& game = settings.game;
    int show = 0;
    for (int box = 0; box < SHOW_BOX_COUNT; ++box) {
        if (showBoxes[static_cast<std::size_t>(box)]->isChecked()) {
            show |= 1 << box;
        }
    }
    game.show = show;
    game.lastMapFile = FromQt(mapEdit->text());
    game.lastOutputFile = FromQt(outputEdit->text());
    game.textureDir = FromQt(textureEdit->text());
    const std::optional<std::size_t> selected = SelectedDatabase();
    game.entityDB = selected ? databases[*selected].fileName : std::string();
}

std::optional<std::size_t> MainDialog::SelectedDatabase() const {
    const QVariant item = databaseList->currentData();
    if (!item.isValid()) {
        return std::nullopt;
    }
    const auto index = item.value<std::size_t>();
    return index < databases.size() ? std::optional<std::size_t>(index) : std::nullopt;
}

void MainDialog::FocusField(GoField field) {
    switch (field) {
    case GoField::MapFile:
        FocusAndSelect(mapEdit);
        break;
    case GoField::OutputFile:
        FocusAndSelect(outputEdit);
        break;
    case GoField::Database:
        databaseList->setFocus();
        break;
    case GoField::TextureDirectory:
        FocusAndSelect(textureEdit);
        break;
    case GoField::None:
        break;
    }
}

void MainDialog::Go() {
    if (interaction->Running()) {
        return;
    }
    const bool closeAfterwards = goPending;
    goPending = false;
    ReadControls();
    GoRequest request;
    request.paths = paths;
    request.databases = databases;
    request.selectedDatabase = SelectedDatabase();
    request.ignoreList = ignoreList;
    CheckerLaunch launch;
    launch.checkerPath = paths.checkerPath;
    launch.tempDirectory = platform::TempDirectory();
    const GoResult result = RunGo(request, settings, *interaction, launch);
    interaction->EndRun();
    // The run may have completed the map's name with ".map".
    mapEdit->setText(ToQt(settings.game.lastMapFile));
    FocusField(result.focus);
    if (result.outcome != GoOutcome::ReportWritten) {
        return;
    }
    // What the run found, where the user looks first: the status line keeps the headline.
    const std::vector<std::string> summary = SummaryLines(result.summary);
    std::string message;
    for (const std::string& line : summary) {
        message += (message.empty() ? "" : "\n") + line;
    }
    interaction->SetStatus(summary.front());
    const bool warn = result.criticalError || !result.summary.overflowWarnings.empty();
    interaction->ShowMessage(message, "Quillon", warn ? MessageIcon::Warning : MessageIcon::Information);
    ShowResultFile(services, settings.game.lastOutputFile, true);
    if (closeAfterwards) {
        done(QDialog::Accepted);
    }
}

void MainDialog::BrowseMapFile() {
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    request.title = QStringLiteral("Quake 2 Map File");
    request.filters = {QStringLiteral("Quake 2 Map Files (*.map)")};
    request.defaultSuffix = QStringLiteral("map");
    request.startDirectory = ToQt(settings.game.mapDir);
    if (const std::optional<QString> chosen = services.PickFile(this, request)) {
        settings.game.lastMapFile = FromQt(*chosen);
        settings.game.mapDir = DirectoryOf(settings.game.lastMapFile);
        mapEdit->setText(*chosen);
    }
}

void MainDialog::BrowseOutputFile() {
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = QStringLiteral("Quillon Output File");
    request.filters = {QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")};
    request.defaultSuffix = QStringLiteral("txt");
    request.startDirectory = ToQt(settings.game.outputDir);
    if (const std::optional<QString> chosen = services.PickFile(this, request)) {
        settings.game.lastOutputFile = FromQt(*chosen);
        settings.game.outputDir = DirectoryOf(settings.game.lastOutputFile);
        outputEdit->setText(*chosen);
    }
}

void MainDialog::BrowseTextureDirectory() {
    const QString start = textureEdit->text().isEmpty() ? ToQt(settings.game.textureDir) : textureEdit->text();
    const QString title = QStringLiteral("Texture Directory");
    if (const std::optional<QString> chosen = services.PickDirectory(this, title, start)) {
        settings.game.textureDir = FromQt(*chosen);
        textureEdit->setText(*chosen);
    }
}

void MainDialog::OpenIgnore() {
    ReadControls();
    const std::optional<std::size_t> selected = SelectedDatabase();
    if (!selected) {
        services.ShowMessage(this, "You must select an entity database.", TITLE, MessageIcon::Warning);
        databaseList->setFocus();
        return;
    }
    IgnoreDialog dialog(this, ignoreList, services, &help);
    if (dialog.Load(paths.gameDir + BaseDatabaseName(), databases[*selected].fullPath)) {
        dialog.exec();
    }
}

void MainDialog::OpenPreferences() {
    PreferencesDialog dialog(this, settings.game, &help);
    dialog.exec();
}

bool MainDialog::ReadyForList() {
    ReadControls();
    if (settings.game.lastMapFile.empty()) {
        services.ShowMessage(this, "First select a map file.", TITLE, MessageIcon::Warning);
        FocusAndSelect(mapEdit);
        return false;
    }
    if (!SelectedDatabase()) {
        services.ShowMessage(this, "You must select an entity database.", TITLE, MessageIcon::Warning);
        databaseList->setFocus();
        return false;
    }
    return true;
}

void MainDialog::OpenFindEntities() {
    if (ReadyForList()) {
        FindEntitiesDialog dialog(this, paths, settings, databases[*SelectedDatabase()], services, &help);
        dialog.exec();
    }
}

void MainDialog::OpenListUsedFiles() {
    if (ReadyForList()) {
        FileListDialog dialog(this, paths, settings, services, &help);
        dialog.exec();
    }
}

void MainDialog::OpenAbout() {
    AboutDialog dialog(this, windowTitle(), services, &help);
    dialog.exec();
}

void MainDialog::BringToFront() {
    QWidget* front = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget() : this;
    if (isMinimized()) {
        showNormal();
    }
    front->raise();
    front->activateWindow();
}

void MainDialog::done(int result) {
    if (interaction->Running()) {
        return;
    }
    help.CloseViewer();
    ReadControls();
    QDialog::done(result);
}

void MainDialog::closeEvent(QCloseEvent* event) {
    if (interaction->Running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace quillon
