#pragma once
// "Quillon Preferences": overwrite without warning, report unextracted textures, make textures
// lowercase. The texture boxes change the settings at once; however the dialog closes, the
// overwrite box is stored, and a changed lowercase choice makes the uppercase warning ask again.

#include <QDialog>

#include "frontend/core/FrontEndSettings.h"

class QCheckBox;

namespace quillon {

class HelpBook;

class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ID_AUTO_OVERWRITE = 1200;
    static constexpr int ID_FIND_BAD_WALS = 1023;
    static constexpr int ID_FIX_TEXTURES = 1024;

    PreferencesDialog(QWidget* parent, GameSettings& game, HelpBook* help);

    void done(int result) override;

private:
    GameSettings& game;
    int fixTexturesAtOpening;
    QCheckBox* autoOverwrite = nullptr;
};

}  // namespace quillon
