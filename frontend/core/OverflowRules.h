#pragma once
// The entity database's rules for one entity: which models, sounds and images it makes the game
// load, which entities it brings along, and which class it needs.

#include <cstdint>
#include <string_view>
#include <vector>

#include "entitydb/EntityClassTable.h"
#include "frontend/core/OverflowTypes.h"

namespace quillon {

/// Adds `name` to the `kind` list of every level that `mask` does not exclude, unless the list
/// holds it already (images compare without regard to case).
void AddResource(OverflowAnalysis& analysis, ResourceKind kind, std::int32_t mask, std::string_view name);

/// Adds `name` as whatever it names: ".md2" a model, ".wav" a sound, "pics/" ".pcx" an image
/// (menu pictures "pics/m_" excepted), a quoted name a sound; anything else is not loaded.
void CountName(OverflowAnalysis& analysis, std::int32_t mask, std::string_view name);

/// The first class of the table with that name, without regard to case.
const EntityClassDef* FindOverflowClass(const EntityClassTable& table, std::string_view name);
/// The lines of the class's block, read from the text of the file that defined it.
std::vector<std::string_view> ClassBlockLines(const EntityClassTable& table, const EntityClassDef& definition);

/// The rules applied while the map is read (all but LOAD) to the entity at `index` of the table.
/// Entities the rules spawn are appended to the table.
void ApplyEntityRules(OverflowAnalysis& analysis, std::size_t index, const std::vector<std::string_view>& blockLines);

/// The LOAD lines of the block for the entity at `index`, once every entity is known.
void ApplyLoadRules(OverflowAnalysis& analysis, std::size_t index, const std::vector<std::string_view>& blockLines);

}  // namespace quillon
