#pragma once
// One run of the checker: a temporary settings file, the child process polled every 200 ms, and
// what its exit code means in each run mode.

#include <optional>
#include <string>
#include <vector>

#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/RunSummary.h"
#include "frontend/core/GameData.h"
#include "frontend/core/UserInteraction.h"

namespace quillon {

/// The checker's exit codes, as its documentation names them.
enum class CheckerExit : int {
    ExitBadInvocation = -1,
    ExitCriticalError = 0,
    ExitCompleted = 1,
    ExitUppercaseTextures = 2,
    ExitAllTexturesMissing = 3,
    ExitNoEntityMatch = 4,
};

enum class OutputType : int { OutputReport = 0, OutputEntityList = 1, OutputFileList = 2 };

/// What the caller does next.
enum class LaunchResult : int { Stop = 0, Continue = 1, RunAgain = 2, Abort = 3 };

inline constexpr int CHECKER_POLL_MILLISECONDS = 200;

struct CheckerLaunch {
    std::string checkerPath;
    std::string tempDirectory;
    /// Where the usual game folders are looked for when no texture folder is set.
    std::string homeDir = UserHomeDir();
    /// Set when the uppercase offer was accepted: the next run lower-cases the map's textures.
    bool fixTexturesForNextRun = false;
    /// The uppercase offer was made in this run; it is never made twice.
    bool uppercaseOffered = false;
    /// The last run could not be started, refused its settings (-1) or ended abnormally; its
    /// output is missing or partial.
    bool checkerFailed = false;
    /// The last report run stopped at a critical error.
    bool criticalError = false;
    /// What the last report run's checker said about its part; empty when it said nothing.
    std::optional<CheckerSummary> summary;
};

/// Runs the checker once with `settings` and acts on its exit code.
LaunchResult LaunchChecker(CheckerLaunch& launch, FrontEndSettings& settings, UserInteraction& ui);

/// The messages, questions and result for a finished checker. `exitCode` is the process's status:
/// 0 to 4, or 255 for the checker's -1; anything else (a crash, a kill) is an abnormal end.
LaunchResult HandleCheckerExit(int exitCode, CheckerLaunch& launch, FrontEndSettings& settings, UserInteraction& ui);

/// A list run for the Find Entities (OutputEntityList) or List Used Files (OutputFileList) dialog:
/// the mode's `Temp` file takes the report's place for the run and is deleted afterwards;
/// `OutputType` is 0 again when it returns.
LaunchResult RunListLaunch(CheckerLaunch& launch, FrontEndSettings& settings, UserInteraction& ui, OutputType mode);

/// The uppercase animated texture names that the checker listed in `reportText` and that stand in
/// `mapText` itself, so that rewriting the map lower-cases them. Names from a texture's animation
/// chain or from an included file are not in the map's own text, and no rewrite changes them.
std::vector<std::string> UppercaseNamesInMap(const std::string& mapText, const std::string& reportText);

/// The status line while the checker runs in `outputType`.
std::string CheckerStatusText(int outputType);
/// The "No matches ..." text for an entity list without a match.
std::string NoMatchText(const FindEntSettings& findEnt);

}  // namespace quillon
