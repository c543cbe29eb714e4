#pragma once
// The front end's settings as held in memory, and the one reader and writer of the settings file.
// The same writer produces the temporary settings file that each checker run reads.

#include <string>

namespace quillon {

inline constexpr const char* GAME_NAME = "Quake2";
inline constexpr int SHOW_EASY = 1;
inline constexpr int SHOW_NORMAL = 2;
inline constexpr int SHOW_HARD = 4;
inline constexpr int SHOW_DEATHMATCH = 8;
inline constexpr int SHOW_LEVELS = 15;
inline constexpr int SHOW_CHEAT = 16;

/// The settings of the section named after the game ("Quake2").
struct GameSettings {
    int show = SHOW_LEVELS;  ///< bits 1, 2, 4, 8: the levels shown; 16: the cheat option
    int autoOverwrite = 0;
    int dontAsk = 0;
    int findBadWals = 0;
    int fixTextures = 0;
    int outputType = 0;
    std::string lastMapFile;
    std::string lastOutputFile;
    std::string entityDB;
    std::string textureDir;
    std::string mapDir;
    std::string outputDir;
};

struct FindEntSettings {
    std::string output;
    std::string temp;  ///< written only: the file that stands in for the report during a list run
    std::string match;
    std::string className;
    int option = 0;
    int sortBy = 0;
    int matchCriteria = 0;
};

struct FileListSettings {
    std::string output;
    std::string temp;  ///< written only
};

struct FrontEndSettings {
    GameSettings game;
    int lastGame = 0;
    FindEntSettings findEnt;
    FileListSettings fileList;
};

/// Reads every key; absent keys and an absent file give the defaults. A stored `Show` of 0 reads
/// as 15, an empty `EntityDB` as "quake2.db", and a `LastMapFile` that cannot be opened is cleared.
FrontEndSettings LoadSettings(const std::string& iniPath);
/// Writes every key, game section first, in a fixed order; false when the file cannot be written.
/// When it returns, the file is complete on disk.
bool SaveSettings(const FrontEndSettings& settings, const std::string& iniPath);

/// "quake2.db": the base database's file name.
std::string BaseDatabaseName();

}  // namespace quillon
