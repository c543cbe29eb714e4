#pragma once
// What Find Entities and List Used Files share: the output edit and its picker, Go, the busy
// indicator and status line, and a run of the checker in a list mode whose result is opened at
// the end. The dialog stays open for further runs; closing it leaves OutputType at 0.

#include <QDialog>
#include <memory>

#include "frontend/core/CheckerLaunch.h"
#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/OutputGuard.h"
#include "frontend/core/ProgramPaths.h"
#include "frontend/ui/DialogServices.h"
#include "frontend/ui/ListRun.h"
#include "frontend/ui/WidgetInteraction.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace quillon {

struct ListDialogSetup {
    OutputType mode = OutputType::OutputEntityList;
    QString windowTitle;
    QString pickerTitle;
    int outputId = 0;
    int browseId = 0;
    int goId = 0;
};

class ListDialog : public QDialog {
    Q_OBJECT

public:
    ListDialog(QWidget* parent, const ListDialogSetup& setup, const ProgramPaths& paths, FrontEndSettings& settings,
               DialogServices& services);
    ~ListDialog() override;

    void done(int result) override;
    void reject() override;

    /// Runs the list with the dialog's fields, as the Go button does.
    void Go();
    void BrowseOutput();

protected:
    void closeEvent(QCloseEvent* event) override;

    /// Copies the dialog's fields into the settings and checks them.
    virtual ListCheck ReadFields() = 0;
    virtual void FocusField(ListField field);
    /// The setting that names the output file.
    std::string& OutputSetting();
    /// Messages and questions of the dialog's checks.
    UserInteraction& Interaction() { return *interaction; }
    /// The files a list run reads, none of which its output may be.
    std::vector<RunInput> ListInputs() const;
    /// Where a dialog adds its own controls, between the output line and the buttons.
    QVBoxLayout* Body() const { return body; }

    FrontEndSettings& settings;
    DialogServices& services;
    QLineEdit* outputEdit = nullptr;

private:
    ListDialogSetup setup;
    const ProgramPaths& paths;
    QVBoxLayout* body = nullptr;
    std::unique_ptr<WidgetInteraction> interaction;
};

}  // namespace quillon
