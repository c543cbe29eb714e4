#include "frontend/ui/UppercaseFixDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "frontend/core/UserInteraction.h"
#include "frontend/ui/ContextHelp.h"
#include "frontend/ui/DialogSupport.h"

namespace quillon {

UppercaseFixDialog::UppercaseFixDialog(QWidget* parent, bool dontAsk, HelpBook* help,
                                       const std::vector<std::string>& names)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("WARNING"));
    setWindowModality(Qt::WindowModal);
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(QString::fromUtf8(UPPERCASE_FIX_TEXT), this);
    text->setWordWrap(true);
    text->setMinimumWidth(360);
    auto* named = new QLabel(QString::fromStdString(UppercaseNamesLine(names)), this);
    named->setObjectName(QStringLiteral("textureNames"));
    named->setWordWrap(true);
    named->setTextInteractionFlags(Qt::TextSelectableByMouse);
    named->setVisible(!names.empty());
    dontAskBox = WithId(new QCheckBox(QStringLiteral("&Don't ask me again."), this), ID_DONT_ASK);
    dontAskBox->setChecked(dontAsk);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* yes = WithId(buttons->addButton(QStringLiteral("&Yes"), QDialogButtonBox::YesRole), ID_YES);
    QPushButton* no = WithId(buttons->addButton(QStringLiteral("&No"), QDialogButtonBox::NoRole), ID_NO);
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, [this] { done(ConvertResult); });
    connect(no, &QPushButton::clicked, this, [this] { done(0); });

    auto* message = new QHBoxLayout;
    message->addWidget(icon);
    message->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addWidget(named);
    layout->addWidget(dontAskBox);
    layout->addWidget(buttons);
    AddContextHelp(this, {ID_DONT_ASK, ID_YES, ID_NO}, help);
}

bool UppercaseFixDialog::DontAskAgain() const {
    return dontAskBox->isChecked();
}

void UppercaseFixDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

}  // namespace quillon
