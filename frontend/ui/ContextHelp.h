#pragma once
// Help for the dialogs. The manual "manual.html" lies beside the program with one anchor per help
// topic; a control's topic is its identifier. F1 and a control's context menu open the topic.

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <set>

#include "frontend/ui/DialogServices.h"
#include "frontend/ui/TextViewer.h"

class QWidget;

namespace quillon {

/// Opens the manual with the desktop's browser, or in the built-in viewer when there is none.
class HelpBook {
public:
    HelpBook(QString manualPath, DialogServices& services);

    void OpenContents();
    void OpenTopic(int topic);
    /// Opens the manual at the section with the anchor `name`.
    void OpenSection(const QString& name);
    /// Closes the built-in viewer, when it is open.
    void CloseViewer();

    /// The manual's address, at `topic` when it is not 0.
    QUrl TopicUrl(int topic) const;

private:
    void Open(const QUrl& url);
    QString manualPath;
    DialogServices& services;
    QPointer<TextViewer> viewer;
};

/// Context help of one dialog: the controls whose identifiers are in `topics` answer F1 and the
/// context menu with their help topic. Created after the dialog's controls.
class ContextHelp : public QObject {
    Q_OBJECT

public:
    ContextHelp(QWidget* dialog, std::set<int> topics, HelpBook& book);

    /// The topic of `widget`: its own identifier or that of the nearest enclosing control with a
    /// topic; 0 when there is none.
    int TopicFor(const QWidget* widget) const;
    const std::set<int>& Topics() const { return topics; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMenu(QWidget* control, const QPoint& globalPosition);
    QWidget* dialog;
    std::set<int> topics;
    HelpBook& book;
};

/// Context help for `dialog` when there is a manual to open.
void AddContextHelp(QWidget* dialog, std::set<int> topics, HelpBook* book);

}  // namespace quillon
