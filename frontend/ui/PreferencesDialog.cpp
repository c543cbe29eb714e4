#include "frontend/ui/PreferencesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/ui/ContextHelp.h"
#include "frontend/ui/DialogSupport.h"

namespace quillon {

PreferencesDialog::PreferencesDialog(QWidget* parent, GameSettings& gameSettings, HelpBook* help)
    : QDialog(parent), game(gameSettings), fixTexturesAtOpening(gameSettings.fixTextures) {
    setWindowTitle(QStringLiteral("Quillon Preferences"));
    setWindowModality(Qt::WindowModal);
    autoOverwrite =
        WithId(new QCheckBox(QStringLiteral("&Overwrite output files w/o warning"), this), ID_AUTO_OVERWRITE);
    auto* findBadWals = WithId(new QCheckBox(QStringLiteral("Report unextracted textures"), this), ID_FIND_BAD_WALS);
    auto* fixTextures =
        WithId(new QCheckBox(QStringLiteral("Make textures lowercase (modifies map file)"), this), ID_FIX_TEXTURES);
    autoOverwrite->setChecked(game.autoOverwrite != 0);
    findBadWals->setChecked(game.findBadWals != 0);
    fixTextures->setChecked(game.fixTextures != 0);
    connect(findBadWals, &QCheckBox::toggled, this, [this](bool on) { game.findBadWals = on ? 1 : 0; });
    connect(fixTextures, &QCheckBox::toggled, this, [this](bool on) { game.fixTextures = on ? 1 : 0; });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    WithId(buttons->button(QDialogButtonBox::Ok), ID_OK);
    PlainButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(autoOverwrite);
    layout->addWidget(findBadWals);
    layout->addWidget(fixTextures);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    AddContextHelp(this, {ID_AUTO_OVERWRITE, ID_FIND_BAD_WALS, ID_FIX_TEXTURES, ID_OK}, help);
}

void PreferencesDialog::done(int result) {
    game.autoOverwrite = autoOverwrite->isChecked() ? 1 : 0;
    // A new lowercase choice deserves the uppercase warning again.
    if (game.fixTextures != fixTexturesAtOpening) {
        game.dontAsk = 0;
    }
    QDialog::done(result);
}

}  // namespace quillon
