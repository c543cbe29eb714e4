#pragma once
// "About": the program's title and version, its description and credits, the disclaimer, and
// "&Updates", which opens the manual where it tells how Quillon is installed and updated.

#include <QDialog>

#include "frontend/ui/DialogServices.h"

namespace quillon {

class HelpBook;

/// The manual's section opened by "&Updates".
extern const char* const UPDATES_SECTION;

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ID_ICON = 1100;
    static constexpr int ID_TITLE = 1101;
    static constexpr int ID_DESCRIPTION = 1102;
    static constexpr int ID_DISCLAIMER = 1104;
    static constexpr int ID_UPDATES = 1109;

    /// Without `help` there is no manual to open, and "&Updates" is hidden.
    AboutDialog(QWidget* parent, const QString& windowTitle, DialogServices& services, HelpBook* help);

protected:
    void showEvent(QShowEvent* event) override;
    /// A double click with Ctrl and Shift held plays the little sound.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    DialogServices& services;
};

}  // namespace quillon
