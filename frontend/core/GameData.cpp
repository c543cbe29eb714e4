#include "frontend/core/GameData.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "platform/Platform.h"

namespace quillon {

namespace {

constexpr int MAX_PAK_FILES = 10;

bool IsDirectory(const std::string& path) {
    std::error_code error;
    const std::optional<std::string> found = platform::FindFileIgnoringCase(path);
    return found && std::filesystem::is_directory(*found, error);
}

bool HasGameData(const std::string& baseGameDir, const std::string& textureDir) {
    for (int number = 0; number < MAX_PAK_FILES; ++number) {
        if (platform::FindFileIgnoringCase(baseGameDir + "pak" + std::to_string(number) + ".pak")) {
            return true;
        }
    }
    return IsDirectory(textureDir);
}

/// The library folders a Steam install lists besides its own, from the "path" lines of its
/// steamapps/libraryfolders.vdf.
std::vector<std::string> SteamLibraries(const std::string& steamRoot) {
    std::vector<std::string> libraries{steamRoot};
    std::ifstream list(steamRoot + "/steamapps/libraryfolders.vdf");
    std::string line;
    while (std::getline(list, line)) {
        const std::size_t key = line.find("\"path\"");
        if (key == std::string::npos) {
            continue;
        }
        const std::size_t open = line.find('"', key + 6);
        const std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
        if (close != std::string::npos && close > open + 1) {
            libraries.push_back(line.substr(open + 1, close - open - 1));
        }
    }
    return libraries;
}

}  // namespace

std::string UserHomeDir() {
    const char* home = std::getenv("HOME");
    return home != nullptr ? home : "";
}

std::vector<std::string> UsualGameFolders(const std::string& homeDir) {
    std::vector<std::string> folders{platform::DeriveGameDirectories("").baseGameDir};
    if (homeDir.empty()) {
        return folders;
    }
    folders.push_back(homeDir + "/.yq2/baseq2/");
    for (const char* root : {"/.steam/steam", "/.steam/root", "/.steam/debian-installation", "/.local/share/Steam"}) {
        for (const std::string& library : SteamLibraries(homeDir + root)) {
            folders.push_back(library + "/steamapps/common/Quake 2/baseq2/");
            folders.push_back(library + "/steamapps/common/Quake 2/rerelease/baseq2/");
        }
    }
    return folders;
}

GameData LocateGameData(const std::string& textureDirSetting, const std::string& homeDir) {
    if (textureDirSetting.empty()) {
        for (const std::string& folder : UsualGameFolders(homeDir)) {
            if (HasGameData(folder, folder + "textures")) {
                return {folder + "textures", folder, true};
            }
        }
    }
    const platform::GameDirectories directories = platform::DeriveGameDirectories(textureDirSetting);
    return {textureDirSetting.empty() ? directories.textureDir : textureDirSetting, directories.baseGameDir,
            HasGameData(directories.baseGameDir, directories.textureDir)};
}

}  // namespace quillon
