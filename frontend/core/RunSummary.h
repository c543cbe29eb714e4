#pragma once
// The few lines that end every report run: the critical error, the counts of the report's
// sections, the index-overflow warnings, the missing textures and where the report is. The
// checker hands its part over in a summary file; the report itself stays as it is.

#include <optional>
#include <string>
#include <vector>

namespace quillon {

/// What the checker says about its part of the report.
struct CheckerSummary {
    std::string criticalError;  ///< the first line of the critical error; empty when there was none
    int bspErrors = 0;
    int runtimeErrors = 0;
    int logicNotes = 0;
    int nonStandardNotes = 0;
    int missingTextures = 0;
    int unextractedTextures = 0;
    std::vector<std::string> missing;  ///< the missing textures' names
};

/// The summary file the checker wrote; nothing when it wrote none.
std::optional<CheckerSummary> ReadCheckerSummary(const std::string& path);

/// The "WARNING: Too many ..." lines of the totals section, blanks closed up.
std::vector<std::string> OverflowWarnings(const std::string& sectionsText);

struct RunSummary {
    std::string reportPath;
    bool texturesChecked = false;           ///< FindBadWals was on
    std::optional<CheckerSummary> checker;  ///< empty when the checker gave none
    std::vector<std::string> overflowWarnings;
};

/// The summary's lines, the most important first.
std::vector<std::string> SummaryLines(const RunSummary& summary);

}  // namespace quillon
