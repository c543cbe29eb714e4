#pragma once
// "About": the program's title and version, its description and credits, the disclaimer, and
// "&Updates", which opens the product's web page.

#include <QDialog>

#include "frontend/ui/DialogServices.h"

namespace quillon {

class HelpBook;

/// The product's web page, opened by "&Updates".
extern const char* const PRODUCT_WEB_PAGE;

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ID_ICON = 1100;
    static constexpr int ID_TITLE = 1101;
    static constexpr int ID_DESCRIPTION = 1102;
    static constexpr int ID_DISCLAIMER = 1104;
    static constexpr int ID_UPDATES = 1109;

    AboutDialog(QWidget* parent, const QString& windowTitle, DialogServices& services, HelpBook* help);

protected:
    void showEvent(QShowEvent* event) override;
    /// A double click with Ctrl and Shift held plays the little sound.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    DialogServices& services;
};

}  // namespace quillon
