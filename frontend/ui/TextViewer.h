#pragma once
// The built-in read-only viewers, used when the desktop has no application for a report, a list or
// the manual: a plain-text window in a fixed-pitch font, and a help browser that follows anchors.
// Both find text (Ctrl+F, then Enter or F3; Shift+F3 backwards) and jump to the top or the end
// (Ctrl+Home, Ctrl+End). One window serves each file: showing the file again reloads it there.

#include <QDialog>
#include <QUrl>
#include <string>

#include "frontend/ui/DialogServices.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTextBrowser;

namespace quillon {

class TextViewer : public QDialog {
    Q_OBJECT

public:
    /// A window of its own (no parent), deleted when closed, so it outlives the dialog that opened it.
    /// The window already showing `path` is reloaded and raised instead of opening a second one.
    static TextViewer* ShowFile(const QString& path);
    static TextViewer* ShowHelp(const QUrl& url);

    QString Text() const;
    /// The file or page shown.
    QString Source() const { return source; }
    /// The text selected by the last find, or the cursor's line position for a jump.
    QString SelectedText() const;
    /// The block (line) number the cursor stands in.
    int CursorLine() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TextViewer(const QString& title);
    void AddFindBar();
    void Load();
    void Find(bool backward);
    void JumpTo(bool end);

    QPlainTextEdit* plainText = nullptr;
    QTextBrowser* browser = nullptr;
    QLineEdit* findEdit = nullptr;
    QLabel* findStatus = nullptr;
    QString source;
};

/// Shows a result file: with the desktop's application when `tryDesktop` and the desktop has one,
/// else in the built-in viewer, which it returns (nullptr when the desktop took the file).
TextViewer* ShowResultFile(DialogServices& services, const std::string& path, bool tryDesktop);

}  // namespace quillon
