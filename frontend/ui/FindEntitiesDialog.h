#pragma once
// "Find Entities": lists the entities of a class, or those whose targetname or keys and values
// match a text, into a text or CSV file. The radio buttons store their choice at once.

#include <array>

#include "frontend/core/DatabaseList.h"
#include "frontend/ui/ListDialog.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;

namespace quillon {

class HelpBook;

class FindEntitiesDialog : public ListDialog {
    Q_OBJECT

public:
    static constexpr int ID_OUTPUT = 1300;
    static constexpr int ID_BROWSE = 1301;
    static constexpr int ID_FIND_ALL = 1302;
    static constexpr int ID_FIND_TARGETNAME = 1303;
    static constexpr int ID_FIND_KEY_VALUE = 1304;
    static constexpr int ID_SORT_INDEX = 1305;
    static constexpr int ID_SORT_CLASSNAME = 1306;
    static constexpr int ID_SORT_TARGETNAME = 1307;
    static constexpr int ID_CRITERIA_GROUP = 1308;
    static constexpr int ID_WHOLE_WORD = 1309;
    static constexpr int ID_STARTS_WITH = 1310;
    static constexpr int ID_CONTAINS = 1311;
    static constexpr int ID_MATCH = 1312;
    static constexpr int ID_CLASSNAME = 1313;
    static constexpr int ID_GO = 1314;
    static constexpr int ID_MATCH_LABEL = 1316;
    static constexpr int MAX_MATCH_LENGTH = 63;

    /// `gameDir` holds the base database; `database` is the one selected in the main dialog.
    FindEntitiesDialog(QWidget* parent, const ProgramPaths& paths, FrontEndSettings& settings,
                       const EntityDatabaseEntry& database, DialogServices& services, HelpBook* help);

protected:
    ListCheck ReadFields() override;
    void FocusField(ListField field) override;

private:
    void FillClassList(const ProgramPaths& programPaths, const EntityDatabaseEntry& database);
    QButtonGroup* RadioGroup(QGroupBox* box, const std::array<const char*, 3>& labels, int firstId, int checked);
    /// Shows the match text and criteria only when targetnames or keys and values are searched.
    void ShowMatchControls();

    QComboBox* classList = nullptr;
    QLabel* matchLabel = nullptr;
    QLineEdit* matchEdit = nullptr;
    QGroupBox* criteria = nullptr;
};

/// "List Used Files": lists the textures and sounds the map uses and where each one is found.
class FileListDialog : public ListDialog {
    Q_OBJECT

public:
    static constexpr int ID_OUTPUT = 1317;
    static constexpr int ID_BROWSE = 1318;
    static constexpr int ID_GO = 1319;

    FileListDialog(QWidget* parent, const ProgramPaths& paths, FrontEndSettings& settings, DialogServices& services,
                   HelpBook* help);

protected:
    ListCheck ReadFields() override;
};

}  // namespace quillon
