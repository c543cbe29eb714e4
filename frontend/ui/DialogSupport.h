#pragma once
// What every dialog shares: control identifiers kept as a widget property, the lookup of a control
// by identifier, and the centring of the classic dialogs.

#include <QPoint>
#include <QSize>
#include <QWidget>
#include <string>

class QDialogButtonBox;

namespace quillon {

/// The property that carries a control's identifier; help topics and tests find controls by it.
inline constexpr const char* CONTROL_ID_PROPERTY = "controlId";

inline constexpr int ID_OK = 1;
inline constexpr int ID_CANCEL = 2;
inline constexpr int ID_YES = 6;
inline constexpr int ID_NO = 7;
inline constexpr int ID_BUSY_INDICATOR = 1013;
inline constexpr int ID_STATUS_LINE = 1014;

/// Gives `widget` its identifier and returns it, so a control is made and named in one line.
template <typename T>
T* WithId(T* widget, int id) {
    widget->setProperty(CONTROL_ID_PROPERTY, id);
    return widget;
}

/// The identifier of `object`, or 0 when it has none.
int ControlIdOf(const QObject* object);

/// The control of `root` (or one of its descendants) with the identifier `id`, or nullptr.
QWidget* FindControl(const QWidget* root, int id);

template <typename T>
T* Control(const QWidget* root, int id) {
    return qobject_cast<T*>(FindControl(root, id));
}

/// Where the classic dialogs put themselves: horizontally centred and rounded down to a multiple
/// of 8, vertically centred.
QPoint CentredPosition(const QSize& screen, const QSize& window);

/// Moves `window` to the centre of its screen.
void CentreOnScreen(QWidget* window);

/// Takes the icons off a button box's standard buttons, so they match the buttons of our own.
void PlainButtons(QDialogButtonBox* buttons);

QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

}  // namespace quillon
