#include <cctype>

#include "platform/Platform.h"

namespace quillon::platform {

namespace {

constexpr const char* DEFAULT_BASE_GAME_DIR = "/usr/share/games/quake2/baseq2/";
constexpr const char* DEFAULT_TEXTURE_DIR = "/usr/share/games/quake2/baseq2/textures";
constexpr const char* GAME_COMPONENT = "quake2";

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool IsGameComponent(const std::string& path, std::size_t start, std::size_t end) {
    const std::string word = GAME_COMPONENT;
    if (end - start != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(path[start + i])) != word[i]) {
            return false;
        }
    }
    return true;
}

/// The end of the first path component named "quake2" (any case), or npos.
std::size_t EndOfGameComponent(const std::string& path) {
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) {
            ++end;
        }
        if (IsGameComponent(path, start, end)) {
            return end;
        }
        start = end + 1;
    }
    return std::string::npos;
}

}  // namespace

GameDirectories DeriveGameDirectories(const std::string& textureDirSetting) {
    if (textureDirSetting.empty()) {
        return {DEFAULT_TEXTURE_DIR, DEFAULT_BASE_GAME_DIR};
    }
    GameDirectories directories;
    directories.textureDir = textureDirSetting;
    if (IsSeparator(directories.textureDir.back())) {
        directories.textureDir.pop_back();
    }
    const std::size_t end = EndOfGameComponent(textureDirSetting);
    directories.baseGameDir =
        end == std::string::npos ? DEFAULT_BASE_GAME_DIR : textureDirSetting.substr(0, end) + "/baseq2/";
    return directories;
}

}  // namespace quillon::platform
