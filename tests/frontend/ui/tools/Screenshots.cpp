// Saves a picture of every dialog, filled as a user would see it, for the documentation:
//   xvfb-run -s "-screen 0 1280x1024x24" build/tests/frontend/ui/quillon_ui_screenshots docs/screenshots
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QThread>
#include <cstdio>
#include <memory>

#include "frontend/core/ProgramPaths.h"
#include "frontend/ui/AboutDialog.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/FindEntitiesDialog.h"
#include "frontend/ui/IgnoreDialog.h"
#include "frontend/ui/MainDialog.h"
#include "frontend/ui/PreferencesDialog.h"
#include "frontend/ui/UppercaseFixDialog.h"

namespace quillon {

namespace {

/// Shows `window`, lets it settle and saves it as `folder`/`name`.png; false when that failed.
bool Save(QWidget& window, const QString& folder, const char* name) {
    window.show();
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

int TakeAll(const QString& folder) {
    DesktopServices services;
    const ProgramPaths paths = ComputeProgramPaths(QUILLON_BIN_DIR "/Quillon");
    FrontEndSettings settings;
    settings.game.lastMapFile = "/home/mapper/maps/base1.map";
    settings.game.lastOutputFile = "/home/mapper/reports/base1.txt";
    settings.game.textureDir = "/usr/share/games/quake2/baseq2/textures";
    settings.game.entityDB = "quake2.db";
    settings.game.show = SHOW_LEVELS;
    settings.findEnt.output = "/home/mapper/reports/doors.csv";
    settings.findEnt.option = 1;
    settings.findEnt.matchCriteria = 1;
    settings.findEnt.match = "door";
    settings.fileList.output = "/home/mapper/reports/base1-files.txt";
    MainDialog main(paths, settings, false, services);
    int failures = Save(main, folder, "main") ? 0 : 1;
    main.show();

    EntityDatabaseEntry database;
    database.fileName = "quake2.db";
    database.fullPath = paths.gameDir + "quake2.db";
    HelpBook* help = &main.Help();
    main.IgnoreList() = {"misc_explobox", "monster_tank"};
    auto ignore = std::make_unique<IgnoreDialog>(&main, main.IgnoreList(), services, help);
    ignore->Load(database.fullPath, database.fullPath);
    Control<QListWidget>(ignore.get(), IgnoreDialog::ID_ENTITIES)->setCurrentRow(3);
    const std::pair<const char*, std::unique_ptr<QDialog>> dialogs[] = {
        {"about", std::make_unique<AboutDialog>(&main, main.windowTitle(), services, help)},
        {"find-entities", std::make_unique<FindEntitiesDialog>(&main, paths, settings, database, services, help)},
        {"list-used-files", std::make_unique<FileListDialog>(&main, paths, settings, services, help)},
        {"preferences", std::make_unique<PreferencesDialog>(&main, settings.game, help)},
        {"uppercase-warning", std::make_unique<UppercaseFixDialog>(&main, false, help)},
        {"ignore-entities", std::move(ignore)}};
    for (const auto& [name, dialog] : dialogs) {
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
