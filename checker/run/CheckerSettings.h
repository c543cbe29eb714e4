#pragma once
// The settings of one checker run, read from the settings file named on the command line.

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillon {

enum class OutputMode : int {
    OutputReport = 0,
    OutputEntityList = 1,
    OutputFileList = 2,
};

enum ExitCode : int {
    ExitBadInvocation = -1,
    ExitCriticalError = 0,
    ExitCompleted = 1,
    ExitUppercaseTextures = 2,
    ExitAllTexturesMissing = 3,
    ExitNoEntityMatch = 4,
};

/// Skill levels and game modes as spawnflag bits; a set bit means "not in" that level.
enum SkillBits : std::uint32_t {
    SKILL_EASY = 256,
    SKILL_NORMAL = 512,
    SKILL_HARD = 1024,
    SKILL_DEATHMATCH = 2048,
    SKILL_ALL = 3840,
};

struct CheckerSettings {
    // [Quake2]
    std::string lastMapFile;
    std::string lastOutputFile;
    std::string entityDB;
    std::string textureDir;
    int show = 15;
    int findBadWals = 0;
    int fixTextures = 0;
    int outputType = 0;
    std::string summaryFile;  ///< where the front end wants the run's summary; empty: nowhere
    // [FindEnt]
    std::string findEntOutput;
    std::string findEntTemp;
    std::string findEntMatch;
    std::string findEntClassName;
    int findEntOption = 0;
    int findEntSortBy = 0;
    int findEntMatchCriteria = 0;
    // [FileList]
    std::string fileListOutput;
    std::string fileListTemp;
};

/// What the run derives from its settings at start-up.
struct DerivedSettings {
    std::string reportPath;     ///< LastOutputFile, or the mode's Temp file
    bool fixTextures = false;   ///< FixTextures, in report mode only
    std::uint32_t showMask = 0; ///< the SkillMask of the levels the user selected
    std::string textureDir;
    std::string baseGameDir;
    std::string baseDatabasePath;
    std::string selectedDatabasePath;
};

inline constexpr std::size_t MAX_SETTING_PATH = 259;
inline constexpr std::size_t MAX_SETTING_DATABASE = 255;
inline constexpr std::size_t MAX_SETTING_SEARCH = 63;

/// Reads every key the checker uses from the settings file; absent keys keep their defaults.
CheckerSettings ReadCheckerSettings(const std::string& iniPath);
/// What the run derives from its settings; the database paths are set when the databases load.
DerivedSettings DeriveSettings(const CheckerSettings& settings);
/// The run mode of an OutputType; a value other than 0, 1 and 2 runs a report.
OutputMode ModeOfOutputType(int outputType);

}  // namespace quillon
