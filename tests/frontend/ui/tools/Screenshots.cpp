// Saves a picture of every dialog, filled as a user would see it, for the documentation:
//   xvfb-run -s "-screen 0 1280x1024x24" build/tests/frontend/ui/quillon_ui_screenshots docs/screenshots
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QThread>
#include <cstdio>
#include <functional>
#include <memory>

#include "frontend/core/Version.h"
#include "frontend/ui/AboutDialog.h"
#include "frontend/ui/BusyIndicator.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/FindEntitiesDialog.h"
#include "frontend/ui/IgnoreDialog.h"
#include "frontend/ui/MainDialog.h"
#include "frontend/ui/PreferencesDialog.h"
#include "frontend/ui/UppercaseFixDialog.h"

namespace quillon {

namespace {

bool Save(QWidget& window, const QString& folder, const char* name) {
    window.show();
    QApplication::processEvents();
    for (int step = 0; step < 20; ++step) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    const QString path = folder + "/" + name + ".png";
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    window.hide();
    return saved;
}

FrontEndSettings SampleSettings() {
    FrontEndSettings settings;
    GameSettings& game = settings.game;
    game.lastMapFile = "/home/mapper/maps/base1.map";
    game.lastOutputFile = "/home/mapper/reports/base1.txt";
    game.textureDir = "/usr/share/games/quake2/baseq2/textures";
    game.entityDB = "quake2.db";
    game.show = SHOW_LEVELS;
    settings.findEnt.output = "/home/mapper/reports/doors.csv";
    settings.findEnt.option = 1;
    settings.findEnt.matchCriteria = 1;
    settings.findEnt.match = "door";
    settings.fileList.output = "/home/mapper/reports/base1-files.txt";
    return settings;
}

ProgramPaths BuiltPaths() {
    ProgramPaths paths;
    paths.programDir = std::string(QUILLON_BIN_DIR) + "/";
    paths.gameDir = paths.programDir + GAME_NAME + "/";
    paths.checkerPath = paths.gameDir + "quillon2";
    return paths;
}

int TakeAll(const QString& folder) {
    DesktopServices services;
    const ProgramPaths paths = BuiltPaths();
    FrontEndSettings settings = SampleSettings();
    MainDialog main(paths, settings, false, services);
    int failures = Save(main, folder, "main") ? 0 : 1;
    main.show();

    EntityDatabaseEntry database;
    database.fileName = "quake2.db";
    database.fullPath = paths.gameDir + "quake2.db";
    std::vector<std::pair<const char*, std::function<std::unique_ptr<QDialog>()>>> dialogs = {
        {"about", [&] { return std::make_unique<AboutDialog>(&main, main.windowTitle(), services, &main.Help()); }},
        {"find-entities",
         [&] {
             return std::make_unique<FindEntitiesDialog>(&main, paths, settings, database, services, &main.Help());
         }},
        {"list-used-files",
         [&] { return std::make_unique<FileListDialog>(&main, paths, settings, services, &main.Help()); }},
        {"preferences", [&] { return std::make_unique<PreferencesDialog>(&main, settings.game, &main.Help()); }},
        {"uppercase-warning", [&] { return std::make_unique<UppercaseFixDialog>(&main, false, &main.Help()); }},
        {"ignore-entities",
         [&] {
             main.IgnoreList() = {"misc_explobox", "monster_tank"};
             auto dialog = std::make_unique<IgnoreDialog>(&main, main.IgnoreList(), services, &main.Help());
             dialog->Load(database.fullPath, database.fullPath);
             Control<QListWidget>(dialog.get(), IgnoreDialog::ID_ENTITIES)->setCurrentRow(3);
             return std::unique_ptr<QDialog>(std::move(dialog));
         }},
    };
    for (auto& [name, make] : dialogs) {
        const std::unique_ptr<QDialog> dialog = make();
        failures += Save(*dialog, folder, name) ? 0 : 1;
    }
    return failures;
}

}  // namespace

}  // namespace quillon

int main(int argc, char** argv) {
    qputenv("QUILLON_STANDALONE", "1");
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    return quillon::TakeAll(folder) == 0 ? 0 : 1;
}
