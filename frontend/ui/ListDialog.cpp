#include "frontend/ui/ListDialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/ui/BusyIndicator.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/TextViewer.h"
#include "platform/Platform.h"

namespace quillon {

namespace {

constexpr int OUTPUT_EDIT_WIDTH = 300;

QStringList OutputFilters() {
    return {QStringLiteral("Text Files (*.txt)"), QStringLiteral("Comma separated values (*.csv)"),
            QStringLiteral("All Files (*)")};
}

}  // namespace

ListDialog::ListDialog(QWidget* parent, const ListDialogSetup& dialogSetup, const ProgramPaths& programPaths,
                       FrontEndSettings& frontEndSettings, DialogServices& dialogServices)
    : QDialog(parent), settings(frontEndSettings), services(dialogServices), setup(dialogSetup),
      paths(programPaths) {
    setWindowTitle(setup.windowTitle);
    // Modal over the main dialog only: a list shown in the built-in viewer stays usable.
    setWindowModality(Qt::WindowModal);
    auto* controls = new QWidget(this);
    outputEdit = WithId(new QLineEdit(ToQt(OutputSetting()), controls), setup.outputId);
    outputEdit->setMinimumWidth(OUTPUT_EDIT_WIDTH);
    auto* outputLabel = new QLabel(QStringLiteral("&Output to:"), controls);
    outputLabel->setBuddy(outputEdit);
    auto* browse = WithId(new QPushButton(QStringLiteral("&Browse"), controls), setup.browseId);
    connect(browse, &QPushButton::clicked, this, &ListDialog::BrowseOutput);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* go = WithId(buttons->addButton(QStringLiteral("&Go"), QDialogButtonBox::AcceptRole), setup.goId);
    go->setDefault(true);
    WithId(buttons->addButton(QDialogButtonBox::Close), ID_CANCEL);
    PlainButtons(buttons);
    connect(go, &QPushButton::clicked, this, &ListDialog::Go);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(outputLabel);
    outputRow->addWidget(outputEdit, 1);
    outputRow->addWidget(browse);
    body = new QVBoxLayout;
    auto* controlsLayout = new QVBoxLayout(controls);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    controlsLayout->addLayout(outputRow);
    controlsLayout->addLayout(body);

    // The busy indicator and status line share the last line with the buttons.
    auto* busy = new BusyIndicator(this);
    auto* status = WithId(new QLabel(this), ID_STATUS_LINE);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(busy);
    bottomRow->addWidget(status, 1);
    bottomRow->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(controls);
    layout->addLayout(bottomRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    interaction = std::make_unique<WidgetInteraction>(*this, std::vector<QWidget*>{controls, buttons}, *busy, *status,
                                                      services);
}

ListDialog::~ListDialog() = default;

std::string& ListDialog::OutputSetting() {
    return setup.mode == OutputType::OutputEntityList ? settings.findEnt.output : settings.fileList.output;
}

void ListDialog::FocusField(ListField field) {
    if (field == ListField::Output) {
        outputEdit->setFocus();
        outputEdit->selectAll();
    }
}

void ListDialog::BrowseOutput() {
    const std::string current = FromQt(outputEdit->text());
    const bool csv = NamesCsvFile(current);
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = setup.pickerTitle;
    request.filters = OutputFilters();
    request.selectedFilter = csv ? 1 : 0;
    request.defaultSuffix = csv ? QStringLiteral("csv") : QStringLiteral("txt");
    request.startDirectory = ToQt(settings.game.outputDir);
    request.startFile = ToQt(platform::SplitPath(current).name + platform::SplitPath(current).extension);
    if (const std::optional<QString> chosen = services.PickFile(this, request)) {
        outputEdit->setText(*chosen);
        OutputSetting() = FromQt(*chosen);
        settings.game.outputDir = DirectoryOf(FromQt(*chosen));
    }
}

std::vector<RunInput> ListDialog::ListInputs() const {
    return RunInputs(paths, settings.game.lastMapFile, paths.gameDir + settings.game.entityDB);
}

void ListDialog::Go() {
    if (interaction->Running()) {
        return;
    }
    const ListCheck check = ReadFields();
    if (!check.proceed) {
        FocusField(check.focus);
        return;
    }
    CheckerLaunch launch;
    launch.checkerPath = paths.checkerPath;
    launch.tempDirectory = platform::TempDirectory();
    interaction->BeginRun();
    const LaunchResult result = RunListLaunch(launch, settings, *interaction, setup.mode);
    interaction->EndRun();
    if (result != LaunchResult::Stop) {
        ShowResultFile(services, OutputSetting(), OpensWithDesktop(OutputSetting()));
    }
}

void ListDialog::done(int result) {
    settings.game.outputType = static_cast<int>(OutputType::OutputReport);
    QDialog::done(result);
}

void ListDialog::reject() {
    // The checker's run finishes first; the dialog cannot go away under it.
    if (!interaction->Running()) {
        QDialog::reject();
    }
}

void ListDialog::closeEvent(QCloseEvent* event) {
    if (interaction->Running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace quillon
