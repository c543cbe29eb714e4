#include "frontend/ui/AboutDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "frontend/ui/AppIcon.h"
#include "frontend/ui/ContextHelp.h"
#include "frontend/ui/DialogSupport.h"

namespace quillon {

const char* const UPDATES_SECTION = "updates";

namespace {

constexpr int ABOUT_ICON_SIZE = 48;
constexpr int TEXT_WIDTH = 380;

constexpr const char* DESCRIPTION =
    "Quake 2 Map Diagnostics\n\n"
    "Finds what stops the map compiler, crashes the game or quietly breaks a level's logic, "
    "and counts the models, sounds and images each skill level makes the game load.\n\n"
    "Written by the Quillon developers, with thanks to the level designers who sent in "
    "their broken maps.";

constexpr const char* DISCLAIMER =
    "DISCLAIMER: The authors make no warranties regarding this computer program. Users assume "
    "responsibility for the results achieved for computer program use and should verify applicability "
    "and accuracy.";

QLabel* Text(QWidget* parent, const QString& text, int id) {
    auto* label = WithId(new QLabel(text, parent), id);
    label->setWordWrap(true);
    label->setFixedWidth(TEXT_WIDTH);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent, const QString& windowTitle, DialogServices& dialogServices,
                         HelpBook* help)
    : QDialog(parent), services(dialogServices) {
    setWindowTitle(windowTitle);
    setWindowModality(Qt::WindowModal);
    auto* icon = WithId(new QLabel(this), ID_ICON);
    icon->setPixmap(QuillonIcon().pixmap(ABOUT_ICON_SIZE, ABOUT_ICON_SIZE));
    icon->setAlignment(Qt::AlignTop);
    QLabel* title = Text(this, QStringLiteral("About ") + windowTitle, ID_TITLE);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    QLabel* description = Text(this, QString::fromUtf8(DESCRIPTION), ID_DESCRIPTION);
    QLabel* disclaimer = Text(this, QString::fromUtf8(DISCLAIMER), ID_DISCLAIMER);
    QFont small = disclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    disclaimer->setFont(small);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = WithId(buttons->button(QDialogButtonBox::Ok), ID_OK);
    ok->setDefault(true);
    QPushButton* updates =
        WithId(buttons->addButton(QStringLiteral("&Updates"), QDialogButtonBox::ActionRole), ID_UPDATES);
    PlainButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (help != nullptr) {
        connect(updates, &QPushButton::clicked, this,
                [help] { help->OpenSection(QString::fromUtf8(UPDATES_SECTION)); });
    } else {
        updates->setEnabled(false);
        updates->hide();
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1);
    layout->addWidget(title, 0, 1);
    layout->addWidget(description, 1, 1);
    layout->addWidget(disclaimer, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setHorizontalSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    AddContextHelp(this, {ID_OK, ID_UPDATES}, help);
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

void AboutDialog::mouseDoubleClickEvent(QMouseEvent* event) {
    const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;
    if (event->button() == Qt::LeftButton && (event->modifiers() & both) == both) {
        services.Beep();
        return;
    }
    QDialog::mouseDoubleClickEvent(event);
}

}  // namespace quillon
