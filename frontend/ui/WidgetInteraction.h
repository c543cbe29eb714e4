#pragma once
// A run's questions and progress, shown by one dialog: messages and questions go through the
// dialog services with the dialog as parent; the status line and busy indicator are the dialog's
// own. The first progress step starts the run: the dialog's controls are disabled and the
// indicator shows its first frame until EndRun.

#include <QLabel>
#include <QWidget>
#include <vector>

#include "frontend/core/UserInteraction.h"
#include "frontend/ui/BusyIndicator.h"
#include "frontend/ui/DialogServices.h"

namespace quillon {

class WidgetInteraction : public UserInteraction {
public:
    /// `controls` are disabled during a run; `window` stays enabled so that messages can be answered.
    WidgetInteraction(QWidget& window, std::vector<QWidget*> controls, BusyIndicator& busy, QLabel& status,
                      DialogServices& services);

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool AskYesNo(QuestionKind kind, const std::string& text, const std::string& title) override;
    UppercaseFixAnswer AskUppercaseFix(bool dontAsk, const std::vector<std::string>& names) override;
    void SetStatus(const std::string& text) override;
    void AdvanceBusyIndicator() override;

    void BeginRun();
    /// Hides the indicator, enables the controls and clears the status line.
    void EndRun();
    bool Running() const { return running; }

private:
    QWidget& window;
    std::vector<QWidget*> controls;
    BusyIndicator& busy;
    QLabel& status;
    DialogServices& services;
    bool running = false;
};

}  // namespace quillon
