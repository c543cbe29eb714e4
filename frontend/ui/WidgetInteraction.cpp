#include "frontend/ui/WidgetInteraction.h"

#include <QCoreApplication>

namespace quillon {

namespace {

/// The window is repainted while the checker runs; input is held off by the disabled controls.
void KeepWindowAlive() {
    QCoreApplication::processEvents();
}

}  // namespace

WidgetInteraction::WidgetInteraction(QWidget& dialogWindow, std::vector<QWidget*> dialogControls,
                                     BusyIndicator& busyIndicator, QLabel& statusLine, DialogServices& dialogServices)
    : window(dialogWindow), controls(std::move(dialogControls)), busy(busyIndicator), status(statusLine),
      services(dialogServices) {}

void WidgetInteraction::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    services.ShowMessage(&window, text, title, icon);
}

bool WidgetInteraction::AskYesNo(QuestionKind kind, const std::string& text, const std::string& title) {
    return services.AskYesNo(&window, kind, text, title);
}

UppercaseFixAnswer WidgetInteraction::AskUppercaseFix(bool dontAsk, const std::vector<std::string>& names) {
    return services.AskUppercaseFix(&window, dontAsk, names);
}

void WidgetInteraction::SetStatus(const std::string& text) {
    status.setText(QString::fromStdString(text));
    status.repaint();
    KeepWindowAlive();
}

void WidgetInteraction::AdvanceBusyIndicator() {
    if (!running) {
        BeginRun();
        return;
    }
    busy.Advance();
    KeepWindowAlive();
}

void WidgetInteraction::BeginRun() {
    running = true;
    for (QWidget* control : controls) {
        control->setEnabled(false);
    }
    busy.Start();
    KeepWindowAlive();
}

void WidgetInteraction::EndRun() {
    if (!running) {
        return;
    }
    running = false;
    busy.Stop();
    for (QWidget* control : controls) {
        control->setEnabled(true);
    }
    status.clear();
    window.activateWindow();
}

}  // namespace quillon
