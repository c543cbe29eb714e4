#include "UiFixture.h"

namespace quillon::test {

const char* const SMALL_MAP =
    "// Entities only: nothing for the checker to object to.\n"
    "{\n"
    "\"classname\" \"worldspawn\"\n"
    "\"message\" \"Test room\"\n"
    "\"sounds\" \"5\"\n"
    "\"nextmap\" \"base2\"\n"
    "}\n"
    "{\n"
    "\"classname\" \"info_player_start\"\n"
    "\"origin\" \"0 0 24\"\n"
    "}\n"
    "{\n"
    "\"classname\" \"light\"\n"
    "\"origin\" \"0 0 96\"\n"
    "\"targetname\" \"lamp\"\n"
    "}\n"
    "{\n"
    "\"classname\" \"item_health\"\n"
    "\"origin\" \"32 0 24\"\n"
    "\"spawnflags\" \"2048\"\n"
    "}\n";

UiFixture::UiFixture() : paths(BuiltPaths()) {
    paths.settingsFile = scratch.PathOf("quillon.ini");
    settings.game.entityDB = BaseDatabaseName();
    settings.game.textureDir = scratch.PathOf("quake2/baseq2/textures");
}

ProgramPaths UiFixture::BuiltPaths() {
    ProgramPaths built;
    built.programDir = std::string(QUILLON_BIN_DIR) + "/";
    built.gameDir = built.programDir + GAME_NAME + "/";
    built.checkerPath = built.gameDir + "quillon2";
    return built;
}

std::string UiFixture::WriteSmallMap(const std::string& name) const {
    return scratch.Write(name, SMALL_MAP);
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
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<TextViewer*>(window) != nullptr && window->isVisible()) {
            window->close();
            ++closed;
        }
    }
    QApplication::processEvents();
    return closed;
}

}  // namespace quillon::test
