// The fixture of the dialog tests, and the test program's main.
#include "UiFixture.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace quillon::test {

std::map<std::string, TestFactory>& UiTestRegistry() {
    static std::map<std::string, TestFactory> registry;
    return registry;
}

const char* const SMALL_MAP =
    "// Entities only: nothing for the checker to object to.\n"
    "{\n\"classname\" \"worldspawn\"\n\"message\" \"Test room\"\n\"sounds\" \"5\"\n\"nextmap\" \"base2\"\n}\n"
    "{\n\"classname\" \"info_player_start\"\n\"origin\" \"0 0 24\"\n}\n"
    "{\n\"classname\" \"light\"\n\"origin\" \"0 0 96\"\n\"targetname\" \"lamp\"\n}\n"
    "{\n\"classname\" \"item_health\"\n\"origin\" \"32 0 24\"\n\"spawnflags\" \"2048\"\n}\n";

// The built program folder, so that the real checker and databases serve the runs.
UiFixture::UiFixture() : paths(ComputeProgramPaths(QUILLON_BIN_DIR "/Quillon")) {
    paths.settingsFile = scratch.PathOf("quillon.ini");
    settings.game.entityDB = BaseDatabaseName();
    settings.game.textureDir = scratch.PathOf("quake2/baseq2/textures");
}

std::string UiFixture::WriteSmallMap(const std::string& name) const {
    return scratch.Write(name, SMALL_MAP);
}

void UiFixture::WithoutDatabases() {
    std::filesystem::create_directory(scratch.PathOf("nodb"));
    paths.gameDir = scratch.PathOf("nodb") + "/";
}

void Click(const QWidget& dialog, int id) {
    auto* button = Control<QAbstractButton>(&dialog, id);
    QVERIFY(button != nullptr);
    button->click();
}

TextViewer* VisibleViewer() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* viewer = qobject_cast<TextViewer*>(window); viewer != nullptr && viewer->isVisible()) {
            return viewer;
        }
    }
    return nullptr;
}

int CloseViewers() {
    int closed = 0;
    while (TextViewer* viewer = VisibleViewer()) {
        viewer->close();
        ++closed;
    }
    QApplication::processEvents();
    return closed;
}

}  // namespace quillon::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The checker runs beside these tests without a front end's lock of its own.
    qputenv("QUILLON_STANDALONE", "1");
    // The dialogs' presence lock lives in a runtime folder of these tests alone, so that other
    // test programs running at the same time neither see it nor take it away.
    const QTemporaryDir runtimeDir;
    if (runtimeDir.isValid()) {
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    QApplication application(argc, argv);
    // The first argument, when it names a class, runs that class alone; the rest go to QTest.
    const auto& registry = quillon::test::UiTestRegistry();
    const bool one = argc > 1 && registry.count(argv[1]) != 0;
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + (one ? 2 : 1), argv + argc);
    int failures = 0;
    for (const auto& [name, factory] : registry) {
        if (!one || name == argv[1]) {
            failures += QTest::qExec(factory().get(), static_cast<int>(arguments.size()), arguments.data());
        }
    }
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
