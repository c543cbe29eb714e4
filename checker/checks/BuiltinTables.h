#pragma once
// The checker's own knowledge beside the entity database: the game's entity fields, and the
// classes that do nothing without a "target" or a "targetname".

#include <cstdint>
#include <string>

#include "checker/map/MapTypes.h"

namespace quillon {

struct CheckerRun;

/// True when the game reads `key` (any case) from a map. Keys that begin with "_" belong to the
/// compile tools; the caller skips them.
bool IsKnownEntityKey(const CheckerRun& run, const std::string& key);

/// True when an entity of the class does nothing without a "target".
bool ClassNeedsTarget(const CheckerRun& run, const std::string& lowerClassName);

/// True when an entity of the class with these spawnflags and health does nothing unless
/// something targets it.
bool ClassNeedsTargetname(const CheckerRun& run, const std::string& lowerClassName, std::uint32_t spawnflags,
                          int health);
/// The same, reading "spawnflags" and "health" from the entity.
bool ClassNeedsTargetname(const CheckerRun& run, const MapEntity& entity, const std::string& lowerClassName);

}  // namespace quillon
