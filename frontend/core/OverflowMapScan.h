#pragma once
// The analysis's own two readings of the map, line by line: the brush models, then the entities.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "entitydb/EntityClassTable.h"
#include "frontend/core/OverflowTypes.h"

namespace quillon {

/// Entities whose class is known, needs a brush and is not on the Ignore list (exact names).
int CountBrushModels(std::string_view mapText, const EntityClassTable& table, const std::vector<std::string>& ignoreList);

/// One line of an entity: a known key sets its field, any other quoted key and value becomes a
/// further key; lines without a key and a value add nothing.
void ReadEntityLine(OverflowEntity& entity, std::string_view line);

/// Reads every entity of the map into the table: inhibit flags applied, ignored classes marked,
/// unknown classes and "func_group" left out, and the rules of each class applied (all but LOAD).
/// `progress` is called every 20 entities.
void ReadOverflowEntities(OverflowAnalysis& analysis, std::string_view mapText, const EntityClassTable& table,
                          const std::vector<std::string>& ignoreList, const std::function<void()>& progress);

}  // namespace quillon
