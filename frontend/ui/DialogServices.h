#pragma once
// What the dialogs ask of the desktop: message boxes, questions, file pickers, opening documents
// and links, and the system beep. The program uses DesktopServices; tests record the calls and
// answer from a script, so no message box ever blocks a test.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <string>

#include "frontend/core/UserInteraction.h"

class QWidget;

namespace quillon {

class HelpBook;

struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    QStringList filters;     ///< "Text Files (*.txt)", ...
    int selectedFilter = 0;  ///< index into `filters`
    QString defaultSuffix;   ///< appended when the name typed has none
    QString startDirectory;
    QString startFile;  ///< preset name, may be empty
};

class DialogServices {
public:
    virtual ~DialogServices() = default;
    virtual void ShowMessage(QWidget* parent, const std::string& text, const std::string& title, MessageIcon icon) = 0;
    /// True for Yes.
    virtual bool AskYesNo(QWidget* parent, QuestionKind kind, const std::string& text, const std::string& title) = 0;
    /// The uppercase-texture warning.
    virtual UppercaseFixAnswer AskUppercaseFix(QWidget* parent, bool dontAsk, const std::vector<std::string>& names) = 0;
    /// The chosen file, or nothing on Cancel.
    virtual std::optional<QString> PickFile(QWidget* parent, const FileRequest& request) = 0;
    /// The chosen directory, or nothing on Cancel.
    virtual std::optional<QString> PickDirectory(QWidget* parent, const QString& title, const QString& start) = 0;
    /// Opens a file with the desktop's default application; false when none would take it.
    virtual bool OpenDocument(const QString& path) = 0;
    /// Opens a link (web page, help topic) with the desktop's default application; false on failure.
    virtual bool OpenUrl(const QUrl& url) = 0;
    virtual void Beep() = 0;
};

/// The real desktop: QMessageBox, QFileDialog, QDesktopServices and QApplication::beep.
class DesktopServices : public DialogServices {
public:
    void ShowMessage(QWidget* parent, const std::string& text, const std::string& title, MessageIcon icon) override;
    bool AskYesNo(QWidget* parent, QuestionKind kind, const std::string& text, const std::string& title) override;
    UppercaseFixAnswer AskUppercaseFix(QWidget* parent, bool dontAsk, const std::vector<std::string>& names) override;
    std::optional<QString> PickFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> PickDirectory(QWidget* parent, const QString& title, const QString& start) override;
    bool OpenDocument(const QString& path) override;
    bool OpenUrl(const QUrl& url) override;
    void Beep() override;

    /// The manual that the dialogs opened here offer as context help.
    void SetHelpBook(HelpBook* book) { help = book; }

private:
    HelpBook* help = nullptr;
};

}  // namespace quillon
