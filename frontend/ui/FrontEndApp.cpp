#include "frontend/ui/FrontEndApp.h"

#include <QApplication>
#include <QWidget>
#include <cstdlib>

#include "frontend/core/CommandLine.h"
#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/ProgramPaths.h"
#include "frontend/ui/AppIcon.h"
#include "frontend/ui/DialogServices.h"
#include "frontend/ui/MainDialog.h"
#include "frontend/ui/SingleInstance.h"
#include "platform/Platform.h"

namespace quillon {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

/// True while a window other than `leaving` is on screen (a report in the built-in viewer).
bool OtherWindowOpen(const QWidget* leaving) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (window != leaving && window->isVisible()) {
            return true;
        }
    }
    return false;
}

}  // namespace

StartMode DecideStart(const CommandLineOptions& options, SingleInstance& instance) {
    if (options.go) {
        return instance.RunningCopyAnswers() ? StartMode::RunBesideOther : StartMode::RunAndListen;
    }
    return instance.SignalRunningCopy() ? StartMode::HandOver : StartMode::RunAndListen;
}

bool DisplayAvailable() {
    const std::string platform = Environment("QT_QPA_PLATFORM");
    if (!platform.empty()) {
        return !StartsWith(platform, "offscreen") && !StartsWith(platform, "minimal");
    }
#if defined(__linux__) || defined(__unix__)
    return !Environment("DISPLAY").empty() || !Environment("WAYLAND_DISPLAY").empty();
#else
    return true;
#endif
}

int RunFrontEndWithDialogs(int& argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setWindowIcon(QuillonIcon());
    const std::vector<std::string> arguments(argv + 1, argv + argc);

    const ProgramPaths paths = ComputeProgramPaths(platform::OwnProgramPath());
    FrontEndSettings settings = LoadSettings(paths.settingsFile);
    const CommandLineOptions options = ApplyCommandLine(JoinArguments(arguments), settings.game);
    SingleInstance instance(SingleInstance::DefaultServerName());
    const StartMode start = DecideStart(options, instance);
    if (start == StartMode::HandOver) {
        return 0;
    }
    DesktopServices services;
    for (const std::string& error : options.syntaxErrors) {
        services.ShowMessage(nullptr, error, "Quillon", MessageIcon::Warning);
    }
    if (options.showUsage) {
        services.ShowMessage(nullptr, USAGE_TEXT, "Quillon", MessageIcon::Information);
        return 0;
    }

    // The main dialog is not modal: the built-in viewers beside it take input too.
    auto* dialog = new MainDialog(paths, settings, options.go, services);
    services.SetHelpBook(&dialog->Help());
    if (start == StartMode::RunAndListen) {
        instance.Listen();
    }
    QObject::connect(&instance, &SingleInstance::BringToFrontRequested, dialog, &MainDialog::BringToFront);
    QObject::connect(dialog, &QDialog::finished, dialog, [&] {
        services.SetHelpBook(nullptr);
        if (!options.fromCommandLine) {
            SaveSettings(settings, paths.settingsFile);
        }
        // Gone, it lets go of the presence lock; a report in the built-in viewer stays open, and the
        // program ends when that is closed.
        dialog->deleteLater();
        if (!OtherWindowOpen(dialog)) {
            QApplication::quit();
        }
    });
    dialog->show();
    QApplication::exec();
    return 0;
}

}  // namespace quillon
