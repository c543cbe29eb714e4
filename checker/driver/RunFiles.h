#pragma once
// The files around a run: no output may be a file the run reads, and the front end may ask for a
// summary of the run in a file of its own.

#include <optional>
#include <string>

namespace quillon {

struct CheckerRun;

/// Why the run's outputs cannot be written: one of them is the map, an included file, a database or
/// the settings file `settingsPath`, or a folder. Nothing when all is well.
std::optional<std::string> OutputClash(const CheckerRun& run, const std::string& settingsPath);

/// Writes the counts of the report's sections, the missing textures and the critical error (empty
/// when there was none) to the `SummaryFile` of the settings, when one is named.
void WriteRunSummary(const CheckerRun& run, const std::string& criticalError);

}  // namespace quillon
