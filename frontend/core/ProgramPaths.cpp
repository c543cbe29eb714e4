#include "frontend/core/ProgramPaths.h"

#include <cstdlib>
#include <filesystem>

#include "frontend/core/FrontEndSettings.h"
#include "platform/Platform.h"

namespace quillon {

namespace {

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string WithSeparator(std::string directory) {
    if (!directory.empty() && directory.back() != '/') {
        directory += '/';
    }
    return directory;
}

}  // namespace

std::string SettingsFileLocation(const std::string& programDir, const std::string& xdgConfigHome,
                                 const std::string& home) {
    const std::string portable = programDir + "quillon.ini";
    std::error_code error;
    if (std::filesystem::is_regular_file(portable, error)) {
        return portable;
    }
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base directory rules say.
    if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/') {
        return WithSeparator(xdgConfigHome) + "quillon/quillon.ini";
    }
    if (!home.empty()) {
        return WithSeparator(home) + ".config/quillon/quillon.ini";
    }
    return portable;
}

ProgramPaths ComputeProgramPaths(const std::string& ownProgramPath) {
    const platform::PathParts parts = platform::SplitPath(ownProgramPath);
    ProgramPaths paths;
    paths.programDir = WithSeparator(parts.drive + parts.directory);
    if (paths.programDir.empty()) {
        paths.programDir = "./";
    }
    paths.gameDir = paths.programDir + GAME_NAME + "/";
    paths.checkerPath = paths.gameDir + "quillon2";
    paths.settingsFile =
        SettingsFileLocation(paths.programDir, EnvironmentValue("XDG_CONFIG_HOME"), EnvironmentValue("HOME"));
    return paths;
}

}  // namespace quillon
