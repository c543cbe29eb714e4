#include "frontend/ui/DialogSupport.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QScreen>

namespace quillon {

int ControlIdOf(const QObject* object) {
    if (object == nullptr) {
        return 0;
    }
    return object->property(CONTROL_ID_PROPERTY).toInt();
}

QWidget* FindControl(const QWidget* root, int id) {
    if (root == nullptr) {
        return nullptr;
    }
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (ControlIdOf(child) == id) {
            return child;
        }
    }
    return nullptr;
}

QPoint CentredPosition(const QSize& screen, const QSize& window) {
    int x = (screen.width() - window.width()) / 2 + 4;
    x -= ((x % 8) + 8) % 8;
    const int y = (screen.height() - window.height()) / 2;
    return {x, y};
}

void CentreOnScreen(QWidget* window) {
    window->adjustSize();
    QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    window->move(area.topLeft() + CentredPosition(area.size(), window->frameGeometry().size()));
}

void PlainButtons(QDialogButtonBox* buttons) {
    for (QAbstractButton* button : buttons->buttons()) {
        button->setIcon(QIcon());
    }
}

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

std::string FromQt(const QString& text) {
    return text.toStdString();
}

}  // namespace quillon
