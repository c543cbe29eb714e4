#include "frontend/ui/ContextHelp.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

#include "frontend/ui/DialogSupport.h"

namespace quillon {

HelpBook::HelpBook(QString manual, DialogServices& dialogServices)
    : manualPath(std::move(manual)), services(dialogServices) {}

QUrl HelpBook::TopicUrl(int topic) const {
    QUrl url = QUrl::fromLocalFile(manualPath);
    if (topic != 0) {
        url.setFragment(QString::number(topic));
    }
    return url;
}

void HelpBook::OpenContents() {
    Open(TopicUrl(0));
}

void HelpBook::OpenTopic(int topic) {
    Open(TopicUrl(topic));
}

void HelpBook::OpenSection(const QString& name) {
    QUrl url = QUrl::fromLocalFile(manualPath);
    url.setFragment(name);
    Open(url);
}

void HelpBook::CloseViewer() {
    if (viewer) {
        viewer->close();
    }
}

void HelpBook::Open(const QUrl& url) {
    if (services.OpenUrl(url)) {
        return;
    }
    if (viewer) {
        viewer->close();
    }
    viewer = TextViewer::ShowHelp(url);
}

ContextHelp::ContextHelp(QWidget* helpedDialog, std::set<int> helpTopics, HelpBook& helpBook)
    : QObject(helpedDialog), dialog(helpedDialog), topics(std::move(helpTopics)), book(helpBook) {
    auto* f1 = new QShortcut(QKeySequence::HelpContents, dialog);
    connect(f1, &QShortcut::activated, this, [this] {
        if (const int topic = TopicFor(dialog->focusWidget())) {
            book.OpenTopic(topic);
        }
    });
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        if (topics.count(ControlIdOf(child)) != 0) {
            child->installEventFilter(this);
        }
    }
}

int ContextHelp::TopicFor(const QWidget* widget) const {
    for (const QWidget* at = widget; at != nullptr; at = at->parentWidget()) {
        const int id = ControlIdOf(at);
        if (topics.count(id) != 0) {
            return id;
        }
        if (at == dialog) {
            break;
        }
    }
    return 0;
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        auto* control = qobject_cast<QWidget*>(watched);
        ShowMenu(control, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ContextHelp::ShowMenu(QWidget* control, const QPoint& globalPosition) {
    // An edit keeps its own menu (cut, copy, paste); the help entry is added at its end.
    auto* edit = qobject_cast<QLineEdit*>(control);
    QMenu* menu = edit != nullptr ? edit->createStandardContextMenu() : new QMenu(control);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (edit != nullptr) {
        menu->addSeparator();
    }
    const int topic = ControlIdOf(control);
    menu->addAction(QStringLiteral("&What's This?"), this, [this, topic] { book.OpenTopic(topic); });
    menu->popup(globalPosition);
}

void AddContextHelp(QWidget* dialog, std::set<int> topics, HelpBook* book) {
    if (book != nullptr) {
        new ContextHelp(dialog, std::move(topics), *book);
    }
}

}  // namespace quillon
