#include <utility>

#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon::platform {

namespace {

constexpr const char* DEFAULT_BASE_GAME_DIR = "/usr/share/games/quake2/baseq2/";
constexpr const char* DEFAULT_TEXTURE_DIR = "/usr/share/games/quake2/baseq2/textures";
constexpr const char* GAME_COMPONENT = "quake2";

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

/// True when path[start, end) is `word` in any case.
bool IsComponent(const std::string& path, std::size_t start, std::size_t end, const std::string& word) {
    return EqualsIgnoringCase(std::string_view(path).substr(start, end - start), word);
}

/// The end of the first path component named "quake2" (any case), or npos.
std::size_t EndOfGameComponent(const std::string& path) {
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) {
            ++end;
        }
        if (IsComponent(path, start, end, GAME_COMPONENT)) {
            return end;
        }
        start = end + 1;
    }
    return std::string::npos;
}

/// The folder holding the texture folder, with its separator, when that folder is named "baseq2"
/// (any case), as in an install whose game folder has another name; else nothing.
std::string Baseq2ParentOf(const std::string& textureDir) {
    const std::size_t nameStart = textureDir.find_last_of("/\\");
    if (nameStart == std::string::npos || nameStart == 0) {
        return "";
    }
    std::size_t parentStart = textureDir.find_last_of("/\\", nameStart - 1);
    parentStart = parentStart == std::string::npos ? 0 : parentStart + 1;
    if (!IsComponent(textureDir, parentStart, nameStart, "baseq2")) {
        return "";
    }
    return textureDir.substr(0, nameStart + 1);
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
    if (end != std::string::npos) {
        directories.baseGameDir = textureDirSetting.substr(0, end) + "/baseq2/";
    } else if (std::string parent = Baseq2ParentOf(directories.textureDir); !parent.empty()) {
        directories.baseGameDir = std::move(parent);
    } else {
        directories.baseGameDir = DEFAULT_BASE_GAME_DIR;
    }
    return directories;
}

}  // namespace quillon::platform
