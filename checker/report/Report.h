#pragma once
// The report stream, its four section banners and the printers every check shares.

#include <cstdint>
#include <string>
#include <string_view>

#include "checker/map/MapTypes.h"
#include "checker/report/Format.h"

namespace quillon {

struct CheckerRun;

/// Writes formatted text to the run's report stream.
void ReportPrint(CheckerRun& run, const char* format, ...) QUILLON_PRINTF(2, 3);
/// Writes text as it is to the run's report stream.
void ReportWrite(CheckerRun& run, std::string_view text);

void BeginBspErrors(CheckerRun& run);
void BeginRuntimeErrors(CheckerRun& run);
void BeginLogicNotes(CheckerRun& run);
void BeginNonStandardNotes(CheckerRun& run);

/// One line per level bit of `mask`: EASY, NORMAL, HARD, DEATHMATCH.
void PrintSkillLevels(CheckerRun& run, std::uint32_t mask);
void PrintEntityLocation(CheckerRun& run, int entityNumber);
void PrintBrushBounds(CheckerRun& run, int brushIndex);
/// The text followed by dots, cut to exactly `width` characters (at most 63 dots are added).
std::string PadField(int width, const std::string& text);

void RecordProblemBrush(CheckerRun& run, int entityNumber, int brushNumber);
/// The map's path with its extension replaced by ".lin".
std::string LineFilePath(const std::string& mapPath);
/// Writes the boxes of the recorded brushes beside the map; nothing when none was recorded.
void WriteLineFile(CheckerRun& run);

}  // namespace quillon
