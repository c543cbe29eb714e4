#pragma once
// The main dialog: the map, the report file, the entity database, the texture directory and the
// levels to report on; Go runs the index-overflow analysis with the checker and opens the report.
// While it exists it holds the presence lock that the checker looks for.

#include <QDialog>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frontend/core/DatabaseList.h"
#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/ProgramPaths.h"
#include "frontend/core/RunValidation.h"
#include "frontend/ui/ContextHelp.h"
#include "frontend/ui/DialogServices.h"
#include "frontend/ui/WidgetInteraction.h"
#include "platform/Platform.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace quillon {

class MainDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ID_MAP_FILE = 1000;
    static constexpr int ID_MAP_BROWSE = 1001;
    static constexpr int ID_OUTPUT_FILE = 1002;
    static constexpr int ID_OUTPUT_BROWSE = 1003;
    static constexpr int ID_EASY = 1005;  ///< 1005 to 1009: the five Show check boxes
    static constexpr int ID_GO = 1010;
    static constexpr int ID_EXIT = 1011;
    static constexpr int ID_HELP = 1012;
    static constexpr int ID_ABOUT = 1015;
    static constexpr int ID_IGNORE = 1016;
    static constexpr int ID_PREFERENCES = 1022;
    static constexpr int ID_DATABASE = 1026;
    static constexpr int ID_TEXTURE_DIR = 1027;
    static constexpr int ID_TEXTURE_BROWSE = 1028;
    static constexpr int ID_FIND_ENTITIES = 1029;
    static constexpr int ID_TABS = 1030;
    static constexpr int ID_DATABASE_LABEL = 1031;
    static constexpr int ID_LIST_USED_FILES = 1032;
    static constexpr int SHOW_BOX_COUNT = 5;

    /// `goAtStart`: "+go" was given; Go runs once the dialog is up, and a written report closes it.
    MainDialog(const ProgramPaths& paths, FrontEndSettings& settings, bool goAtStart, DialogServices& services);
    ~MainDialog() override;

    /// Sets every control from the settings and lists the databases of the game directory.
    void FillControls();
    /// Copies the controls back into the settings.
    void ReadControls();

    void Go();
    void BrowseMapFile();
    void BrowseOutputFile();
    void BrowseTextureDirectory();
    void OpenIgnore();
    void OpenPreferences();
    void OpenFindEntities();
    void OpenListUsedFiles();
    void OpenAbout();
    /// A second start of the program asked for this window (or its open dialog) to come forward.
    void BringToFront();

    const std::vector<std::string>& IgnoreList() const { return ignoreList; }
    std::vector<std::string>& IgnoreList() { return ignoreList; }
    HelpBook& Help() { return help; }
    bool HoldsPresenceLock() const { return presence.held(); }

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildFilesTab();
    QLayout* BuildButtonColumn();
    std::optional<std::size_t> SelectedDatabase() const;
    void FocusField(GoField field);
    /// Find entities and List used files need a map file and a database.
    bool ReadyForList();

    const ProgramPaths& paths;
    FrontEndSettings& settings;
    DialogServices& services;
    HelpBook help;
    platform::FrontEndPresenceLock presence;
    bool goPending;
    std::vector<EntityDatabaseEntry> databases;
    std::vector<std::string> ignoreList;

    QTabWidget* tabs = nullptr;
    QLineEdit* mapEdit = nullptr;
    QLineEdit* outputEdit = nullptr;
    QLineEdit* textureEdit = nullptr;
    QComboBox* databaseList = nullptr;
    QLabel* databaseLabel = nullptr;
    std::array<QCheckBox*, SHOW_BOX_COUNT> showBoxes{};
    std::unique_ptr<WidgetInteraction> interaction;
};

}  // namespace quillon
