#pragma once
// "Ignore Entities": moves entity classes between the database's classes and the Ignore list, to
// see what leaving them out does to the totals. OK keeps the new list; Cancel drops the changes.

#include <QDialog>
#include <string>
#include <vector>

#include "frontend/ui/DialogServices.h"

class QListWidget;

namespace quillon {

class HelpBook;

class IgnoreDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ID_ENTITIES = 1017;
    static constexpr int ID_IGNORE = 1018;
    static constexpr int ID_ADD = 1019;
    static constexpr int ID_REMOVE = 1020;
    static constexpr int MAX_IGNORED_CLASSES = 128;

    IgnoreDialog(QWidget* parent, std::vector<std::string>& ignoreList, DialogServices& services, HelpBook* help);

    /// Fills the lists from the databases; false, after the "File not found" message, when they
    /// cannot be read.
    bool Load(const std::string& baseDatabase, const std::string& selectedDatabase);

    void accept() override;

    /// "&Add ->": beeps instead when nothing is selected or the Ignore list is full.
    void Add();
    /// "<- &Remove": beeps instead when nothing is selected.
    void Remove();

private:
    std::vector<std::string>& ignoreList;
    DialogServices& services;
    QListWidget* entities = nullptr;
    QListWidget* ignored = nullptr;
};

}  // namespace quillon
