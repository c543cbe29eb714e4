#pragma once
// Building the analysis's entity table from the map and the class table, step by step.

#include <string>
#include <string_view>
#include <vector>

#include "entitydb/EntityClassTable.h"
#include "frontend/core/OverflowTypes.h"
#include "frontend/core/UserInteraction.h"

namespace quillon {

struct OverflowOptions {
    std::vector<std::string> ignoreList;  ///< class names, compared exactly
    bool cheat = false;                   ///< add every droppable pickup where the map lacks it
};

/// The whole table: brush models, the map's entities with their rules, the cheat pickups, the
/// needed classes, sorted by class name. `ui` (may be null) gets the status texts and progress.
void BuildOverflowTable(OverflowAnalysis& analysis, std::string_view mapText, const EntityClassTable& table,
                        const OverflowOptions& options, UserInteraction* ui);

/// The names of all pickup classes of the table.
void CollectPickupClasses(OverflowAnalysis& analysis, const EntityClassTable& table);
/// For each pickup class not ignored, one more entity present in every level that no entity of
/// that class reaches.
void AddCheatPickups(OverflowAnalysis& analysis, const std::vector<std::string>& ignoreList);
/// One entity, present everywhere, of each class that an entity needs and nothing else provides.
void AddNeededClasses(OverflowAnalysis& analysis);
/// By class name without regard to case; equal names keep their order.
void SortEntityTable(OverflowAnalysis& analysis);

/// The LOAD rules of every entity that is not ignored and whose class is known.
void ApplyAllLoadRules(OverflowAnalysis& analysis, const EntityClassTable& table, UserInteraction* ui);

}  // namespace quillon
