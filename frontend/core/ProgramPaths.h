#pragma once
// Where the front end finds its checker, its databases and its settings file.

#include <string>

namespace quillon {

struct ProgramPaths {
    std::string programDir;    ///< the front end's directory, ending in "/"
    std::string gameDir;       ///< programDir + "Quake2/": the checker and the "*.db" files
    std::string checkerPath;   ///< gameDir + "quillon2"
    std::string settingsFile;  ///< see SettingsFileLocation
};

/// The paths of a front end whose program file is `ownProgramPath`, with the settings file found
/// from the environment of this process.
ProgramPaths ComputeProgramPaths(const std::string& ownProgramPath);

/// "quillon.ini" in the program directory when one is there (a portable install); else
/// `xdgConfigHome`/quillon/quillon.ini when that is an absolute path; else
/// `home`/.config/quillon/quillon.ini; with neither, the program directory's file.
std::string SettingsFileLocation(const std::string& programDir, const std::string& xdgConfigHome,
                                 const std::string& home);

}  // namespace quillon
