#pragma once
// The find-entities listing (entity list mode).

#include <string>

#include "checker/run/CheckerSettings.h"
#include "checker/map/MapTypes.h"

namespace quillon {

struct CheckerRun;

/// Writes the entity list file and counts the matches into run.counters.matchCount.
void WriteEntityList(CheckerRun& run);

/// The search of the FindEnt settings, with its texts lower-cased once.
struct EntityListSearch {
    std::string match;      ///< lower-cased
    std::string className;  ///< lower-cased class filter
    bool allClasses = false;
    int criteria = 0;  ///< 1 starts with, 2 contains, else the whole text

    /// Compares `text` in lower case with the search text under the criteria.
    bool Matches(const std::string& text) const;
    /// The class filter: "all" in any case, else the classname without regard to case.
    bool Admits(const MapEntity& entity) const;
    /// The first pair, in the entity's own order (last read first), whose key or value matches.
    const EntityPair* FirstMatchingPair(const MapEntity& entity) const;
};

EntityListSearch MakeEntityListSearch(const CheckerSettings& settings);

/// A CSV field: quoted, inner quotes doubled, when it holds a comma, a quote or a line end.
std::string QuoteCsvField(const std::string& text);

/// Orders the entity table by classname (1) or targetname (2) without regard to case, keeping
/// file order among equals; any other value leaves it as it is.
void SortEntityList(CheckerRun& run, int sortBy);

}  // namespace quillon
