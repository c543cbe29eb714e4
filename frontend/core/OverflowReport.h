#pragma once
// The analysis's parts of the report: the head written before the checker runs, and the totals,
// entity list, detailed lists and ignored entities appended after it.

#include <ctime>
#include <string>
#include <vector>

#include "frontend/core/OverflowTypes.h"

namespace quillon {

extern const char* const CREDIT_LINE;

struct ReportHead {
    std::string version;
    std::string mapPath;
    std::string date;  ///< MM/DD/YY
    std::string time;  ///< HH:MM:SS
    std::string databasePath;
    std::string databaseOrigin;
    std::string textureDir;  ///< the setting; empty means the assumed default
    std::string assumedTextureDir;  ///< the texture folder used when the setting is empty
    std::string gameFolder;         ///< where the pak files are looked for
    bool gameDataFound = true;      ///< pak files or a texture folder were there
};

std::string FormatReportHead(const ReportHead& head);
/// The local date as MM/DD/YY and time as HH:MM:SS.
std::string FormatReportDate(std::time_t when);
std::string FormatReportTime(std::time_t when);

struct SectionOptions {
    int show = 0;  ///< bits 1, 2, 4, 8 select the level columns; 16 the cheat option
    std::string databasePath;
    std::vector<std::string> ignoreList;
};

/// The sections appended after the checker's part, for a table sorted by class name.
std::string FormatOverflowSections(const OverflowAnalysis& analysis, const SectionOptions& options);

/// `text` followed by dots, cut at `width` characters.
std::string DotFilled(const std::string& text, std::size_t width);

}  // namespace quillon
