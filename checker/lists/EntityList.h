#pragma once
// The find-entities listing (entity list mode).

namespace quillon {

struct CheckerRun;

/// Writes the entity list file and counts the matches into run.counters.matchCount.
void WriteEntityList(CheckerRun& run);

}  // namespace quillon
