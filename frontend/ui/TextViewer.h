#pragma once
// The built-in read-only viewers, used when the desktop has no application for a report, a list or
// the manual: a plain-text window in a fixed-pitch font, and a help browser that follows anchors.

#include <QDialog>
#include <QUrl>
#include <string>

#include "frontend/ui/DialogServices.h"

class QPlainTextEdit;
class QTextBrowser;

namespace quillon {

class TextViewer : public QDialog {
    Q_OBJECT

public:
    /// A window of its own (no parent), deleted when closed, so it outlives the dialog that opened it.
    static TextViewer* ShowFile(const QString& path);
    static TextViewer* ShowHelp(const QUrl& url);

    QString Text() const;
    /// The file or page shown.
    QString Source() const { return source; }

private:
    explicit TextViewer(const QString& title);
    QPlainTextEdit* plainText = nullptr;
    QTextBrowser* browser = nullptr;
    QString source;
};

/// Shows a result file: with the desktop's application when `tryDesktop` and the desktop has one,
/// else in the built-in viewer, which it returns (nullptr when the desktop took the file).
TextViewer* ShowResultFile(DialogServices& services, const std::string& path, bool tryDesktop);

}  // namespace quillon
