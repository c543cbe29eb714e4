#pragma once
// "WARNING": the offer to lower-case the map's texture names after the checker found uppercase
// animated textures. Yes ends it with ConvertResult, No or closing with 0; the check box
// "Don't ask me again." is read in every case.

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;

namespace quillon {

class HelpBook;

class UppercaseFixDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ConvertResult = 1;
    static constexpr int ID_DONT_ASK = 1025;

    UppercaseFixDialog(QWidget* parent, bool dontAsk, HelpBook* help, const std::vector<std::string>& names = {});

    bool DontAskAgain() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* dontAskBox = nullptr;
};

}  // namespace quillon
