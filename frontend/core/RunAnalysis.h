#pragma once
// A report run: the index-overflow analysis around one or more checker runs, and Go, which
// validates the fields first and turns the result into its message.

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frontend/core/CheckerLaunch.h"
#include "frontend/core/DatabaseList.h"
#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/ProgramPaths.h"
#include "frontend/core/RunSummary.h"
#include "frontend/core/RunValidation.h"
#include "frontend/core/UserInteraction.h"

namespace quillon {

enum class AnalysisResult : int {
    Done = 0,
    Aborted = -1,              ///< the user chose to re-enter the texture directory
    MapNotReadable = -2,
    DatabaseNotReadable = -3,
    EmptyClassTable = -4,
    ReportNotWritable = -5,    ///< the report file cannot be created or extended
};

struct AnalysisContext {
    std::string gameDir;                  ///< holds the base database "quake2.db"
    EntityDatabaseEntry database;         ///< the selected database
    std::vector<std::string> ignoreList;  ///< the Ignore list, exact class names
    std::string version;                  ///< for the report's first line
    std::string dumpPath;                 ///< where the class table dump goes; empty: nowhere
    std::string homeDir = UserHomeDir();  ///< where the usual game folders are looked for
    std::function<std::time_t()> clock;   ///< the report's date and time; the system clock when empty
};

/// What a run learnt besides its result.
struct AnalysisOutput {
    std::string writeError;                     ///< the system's reason when the report cannot be written
    std::vector<std::string> overflowWarnings;  ///< the "WARNING: Too many ..." lines
};

/// Runs the checker once with the settings given and says what to do next.
using CheckerStep = std::function<LaunchResult(FrontEndSettings&)>;

/// Reads the map and database, writes the report head, has `runChecker` append its part (again
/// while it answers RunAgain), then appends the totals and lists. A `LastMapFile` without ".map"
/// gets it appended. The report is built in a temporary file beside `LastOutputFile`, which the
/// checker sees as its report, and replaces the previous report only when it is complete: an
/// aborted or failed run leaves that as it was.
AnalysisResult RunAnalysis(const AnalysisContext& context, FrontEndSettings& settings, UserInteraction& ui,
                           const CheckerStep& runChecker, AnalysisOutput* output = nullptr);

/// The message for a failed analysis; nothing for Done and Aborted. `writeError` is the system's
/// reason for ReportNotWritable.
std::optional<std::string> AnalysisFailureText(AnalysisResult result, const AnalysisContext& context,
                                               const GameSettings& game, const std::string& writeError = {});

enum class GoOutcome {
    NotStarted,     ///< a field check failed or the user declined
    Failed,         ///< the analysis failed; its message was shown
    Aborted,        ///< the user aborted to fix the texture directory
    ReportWritten,  ///< the report is complete: open it
};

struct GoResult {
    GoOutcome outcome = GoOutcome::NotStarted;
    GoField focus = GoField::None;
    bool checkerFailed = false;  ///< the checker did not start or ended abnormally
    bool criticalError = false;  ///< the checker stopped at a critical error; the report says which
    RunSummary summary;          ///< for a written report
};

struct GoRequest {
    ProgramPaths paths;
    std::vector<EntityDatabaseEntry> databases;
    std::optional<std::size_t> selectedDatabase;
    std::vector<std::string> ignoreList;
};

/// Go: the field checks, the analysis with the checker, and the message for its result.
GoResult RunGo(const GoRequest& request, FrontEndSettings& settings, UserInteraction& ui, CheckerLaunch& launch);

}  // namespace quillon
