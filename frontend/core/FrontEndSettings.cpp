#include "frontend/core/FrontEndSettings.h"

#include <cstdio>
#include <filesystem>

#include "platform/Platform.h"

namespace quillon {

namespace {

constexpr std::size_t MAX_PATH_TEXT = 259;
constexpr std::size_t MAX_MATCH_TEXT = 63;
constexpr const char* OPTIONS_SECTION = "Options";
constexpr const char* FIND_ENT_SECTION = "FindEnt";
constexpr const char* FILE_LIST_SECTION = "FileList";

bool CanOpenForReading(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

void LoadGameSection(const std::string& iniPath, GameSettings& game) {
    using platform::GetProfileInt;
    using platform::GetProfileString;
    game.show = GetProfileInt(iniPath, GAME_NAME, "Show", SHOW_LEVELS);
    if (game.show == 0) {
        game.show = SHOW_LEVELS;
    }
    game.autoOverwrite = GetProfileInt(iniPath, GAME_NAME, "AutoOverwrite", 0);
    game.dontAsk = GetProfileInt(iniPath, GAME_NAME, "DontAsk", 0);
    game.findBadWals = GetProfileInt(iniPath, GAME_NAME, "FindBadWals", 0);
    game.fixTextures = GetProfileInt(iniPath, GAME_NAME, "FixTextures", 0);
    game.outputType = GetProfileInt(iniPath, GAME_NAME, "OutputType", 0);
    game.lastMapFile = GetProfileString(iniPath, GAME_NAME, "LastMapFile", "", MAX_PATH_TEXT);
    // A map that has gone away since the last run is not offered again.
    if (!game.lastMapFile.empty() && !CanOpenForReading(game.lastMapFile)) {
        game.lastMapFile.clear();
    }
    game.lastOutputFile = GetProfileString(iniPath, GAME_NAME, "LastOutputFile", "", MAX_PATH_TEXT);
    game.entityDB = GetProfileString(iniPath, GAME_NAME, "EntityDB", "", MAX_PATH_TEXT);
    if (game.entityDB.empty()) {
        game.entityDB = BaseDatabaseName();
    }
    game.textureDir = GetProfileString(iniPath, GAME_NAME, "TextureDir", "", MAX_PATH_TEXT);
    game.mapDir = GetProfileString(iniPath, GAME_NAME, "MapDir", "", MAX_PATH_TEXT);
    game.outputDir = GetProfileString(iniPath, GAME_NAME, "OutputDir", "", MAX_PATH_TEXT);
}

bool SaveGameSection(const std::string& iniPath, const GameSettings& game) {
    using platform::WriteProfileInt;
    using platform::WriteProfileString;
    bool written = WriteProfileInt(iniPath, GAME_NAME, "Show", game.show);
    written &= WriteProfileInt(iniPath, GAME_NAME, "AutoOverwrite", game.autoOverwrite);
    written &= WriteProfileInt(iniPath, GAME_NAME, "DontAsk", game.dontAsk);
    written &= WriteProfileInt(iniPath, GAME_NAME, "FindBadWals", game.findBadWals);
    written &= WriteProfileInt(iniPath, GAME_NAME, "FixTextures", game.fixTextures);
    written &= WriteProfileInt(iniPath, GAME_NAME, "OutputType", game.outputType);
    written &= WriteProfileString(iniPath, GAME_NAME, "LastMapFile", game.lastMapFile);
    written &= WriteProfileString(iniPath, GAME_NAME, "LastOutputFile", game.lastOutputFile);
    written &= WriteProfileString(iniPath, GAME_NAME, "EntityDB", game.entityDB);
    written &= WriteProfileString(iniPath, GAME_NAME, "TextureDir", game.textureDir);
    written &= WriteProfileString(iniPath, GAME_NAME, "MapDir", game.mapDir);
    written &= WriteProfileString(iniPath, GAME_NAME, "OutputDir", game.outputDir);
    return written;
}

bool SaveListSections(const std::string& iniPath, const FindEntSettings& findEnt, const FileListSettings& fileList) {
    using platform::WriteProfileInt;
    using platform::WriteProfileString;
    bool written = WriteProfileString(iniPath, FIND_ENT_SECTION, "Output", findEnt.output);
    written &= WriteProfileString(iniPath, FIND_ENT_SECTION, "Temp", findEnt.temp);
    written &= WriteProfileString(iniPath, FIND_ENT_SECTION, "Match", findEnt.match);
    written &= WriteProfileString(iniPath, FIND_ENT_SECTION, "ClassName", findEnt.className);
    written &= WriteProfileInt(iniPath, FIND_ENT_SECTION, "Option", findEnt.option);
    written &= WriteProfileInt(iniPath, FIND_ENT_SECTION, "SortBy", findEnt.sortBy);
    written &= WriteProfileInt(iniPath, FIND_ENT_SECTION, "MatchCriteria", findEnt.matchCriteria);
    written &= WriteProfileString(iniPath, FILE_LIST_SECTION, "Output", fileList.output);
    written &= WriteProfileString(iniPath, FILE_LIST_SECTION, "Temp", fileList.temp);
    return written;
}

}  // namespace

std::string BaseDatabaseName() {
    return "quake2.db";
}

FrontEndSettings LoadSettings(const std::string& iniPath) {
    using platform::GetProfileInt;
    using platform::GetProfileString;
    FrontEndSettings settings;
    LoadGameSection(iniPath, settings.game);
    // One game is served; whatever index was stored, it is this one.
    settings.lastGame = 0;
    FindEntSettings& findEnt = settings.findEnt;
    findEnt.output = GetProfileString(iniPath, FIND_ENT_SECTION, "Output", "", MAX_PATH_TEXT);
    findEnt.match = GetProfileString(iniPath, FIND_ENT_SECTION, "Match", "", MAX_MATCH_TEXT);
    findEnt.className = GetProfileString(iniPath, FIND_ENT_SECTION, "ClassName", "", MAX_MATCH_TEXT);
    findEnt.option = GetProfileInt(iniPath, FIND_ENT_SECTION, "Option", 0);
    findEnt.sortBy = GetProfileInt(iniPath, FIND_ENT_SECTION, "SortBy", 0);
    findEnt.matchCriteria = GetProfileInt(iniPath, FIND_ENT_SECTION, "MatchCriteria", 0);
    settings.fileList.output = GetProfileString(iniPath, FILE_LIST_SECTION, "Output", "", MAX_PATH_TEXT);
    return settings;
}

bool SaveSettings(const FrontEndSettings& settings, const std::string& iniPath) {
    // The per-user settings folder may not exist yet on a first run.
    const std::filesystem::path folder = std::filesystem::path(iniPath).parent_path();
    std::error_code ignored;
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, ignored);
    }
    bool written = SaveGameSection(iniPath, settings.game);
    written &= platform::WriteProfileInt(iniPath, OPTIONS_SECTION, "LastGame", settings.lastGame);
    written &= SaveListSections(iniPath, settings.findEnt, settings.fileList);
    return written;
}

}  // namespace quillon
