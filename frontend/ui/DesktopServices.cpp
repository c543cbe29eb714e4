#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include "frontend/ui/DialogServices.h"
#include "frontend/ui/UppercaseFixDialog.h"

namespace quillon {

namespace {

constexpr int DESKTOP_QUERY_MILLISECONDS = 3000;

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        break;
    }
    return QMessageBox::Warning;
}

/// The offscreen and minimal platforms have no desktop to hand a document to.
bool HasDesktop() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

/// True when the desktop names an application for `mimeType`, or cannot be asked.
bool HasDefaultApplication(const QString& mimeType) {
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) {
        return true;
    }
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!process.waitForFinished(DESKTOP_QUERY_MILLISECONDS)) {
        process.kill();
        process.waitForFinished();
        return true;
    }
    return !process.readAllStandardOutput().trimmed().isEmpty();
}

/// Whether opening `url` would reach an application rather than fail silently or show an error
/// dialog of the desktop's own.
bool CanOpen(const QUrl& url) {
    if (!HasDesktop()) {
        return false;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        return false;
    }
    const QString mimeType = url.isLocalFile()
                                 ? QMimeDatabase().mimeTypeForFile(url.toLocalFile()).name()
                                 : QStringLiteral("x-scheme-handler/") + url.scheme();
    return HasDefaultApplication(mimeType);
#else
    Q_UNUSED(url);
    return true;
#endif
}

}  // namespace

void DesktopServices::ShowMessage(QWidget* parent, const std::string& text, const std::string& title,
                                  MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

bool DesktopServices::AskYesNo(QWidget* parent, QuestionKind kind, const std::string& text,
                               const std::string& title) {
    const QMessageBox::Icon icon =
        kind == QuestionKind::AbortForTextureDirectory ? QMessageBox::Question : QMessageBox::Warning;
    QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

UppercaseFixAnswer DesktopServices::AskUppercaseFix(QWidget* parent, bool dontAsk,
                                                    const std::vector<std::string>& names) {
    UppercaseFixDialog dialog(parent, dontAsk, help, names);
    const bool convert = dialog.exec() == UppercaseFixDialog::ConvertResult;
    return {convert, dialog.DontAskAgain()};
}

std::optional<QString> DesktopServices::PickFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title, request.startDirectory);
    const bool save = request.mode == FileRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Go asks before an existing output file is replaced; the picker does not ask twice.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size()) {
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Choosing "Comma separated values" makes a name typed without extension a ".csv" file.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const bool csv = filter.contains(QLatin1String("*.csv"));
        const bool text = filter.contains(QLatin1String("*.txt"));
        if (csv || text) {
            dialog.setDefaultSuffix(csv ? QStringLiteral("csv") : QStringLiteral("txt"));
        }
    });
    if (!request.startFile.isEmpty()) {
        dialog.selectFile(request.startFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> DesktopServices::PickDirectory(QWidget* parent, const QString& title, const QString& start) {
    const QString directory = QFileDialog::getExistingDirectory(parent, title, start);
    if (directory.isEmpty()) {
        return std::nullopt;
    }
    return directory;
}

bool DesktopServices::OpenDocument(const QString& path) {
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    return CanOpen(url) && QDesktopServices::openUrl(url);
}

bool DesktopServices::OpenUrl(const QUrl& url) {
    return CanOpen(url) && QDesktopServices::openUrl(url);
}

void DesktopServices::Beep() {
    QApplication::beep();
}

}  // namespace quillon
