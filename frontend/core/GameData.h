#pragma once
// Where a run finds the game's data: the texture folder and the game folder with the pak files.
// With no texture folder set, the places where players usually keep the game are tried in turn.

#include <string>
#include <vector>

namespace quillon {

struct GameData {
    std::string textureDir;   ///< the setting, or the texture folder of the usual place chosen
    std::string baseGameDir;  ///< the game folder, with its separator
    bool found = false;       ///< the game folder has pak files, or the texture folder exists
};

/// The user's home folder ($HOME); empty when unset.
std::string UserHomeDir();

/// The game folders ("…/baseq2/") where players usually keep the game, in the order they are tried:
/// the system's, Yamagi's, then each Steam library's classic and re-release layouts.
std::vector<std::string> UsualGameFolders(const std::string& homeDir);

/// The game data for a texture folder setting. An empty setting takes the first usual game folder
/// that has data (its "textures" folder becomes the run's texture folder), else the system's default.
GameData LocateGameData(const std::string& textureDirSetting, const std::string& homeDir);

}  // namespace quillon
