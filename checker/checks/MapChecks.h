#pragma once
// The map-wide checks and the spawnflag, face and placement checks, called by the check passes
// at their fixed places.

#include <array>
#include <string>

#include "checker/checks/CheckState.h"
#include "checker/checks/EntitySummary.h"

namespace quillon {

struct CheckerRun;

// Pass 1 (Runtime Errors)
void CheckWorldspawnValues(CheckerRun& run);                        // "message", "sounds" below 0, "nextmap"
void CheckUnknownKeys(CheckerRun& run);                             // "is not a field"
void CheckEntityCountPerLevel(CheckerRun& run);                     // against the edict limit
void CountPlayerStarts(CheckerRun& run, const EntitySummary& entity);  // main entity pass
void CheckPickupInsideSolid(CheckerRun& run, const EntitySummary& entity);  // ammo_, item_, key_, monster_, weapon_
void CheckAnimatedTextures(CheckerRun& run);
void CheckMissingPlayerStart(CheckerRun& run);

// Pass 2 (logic notes)
void CheckPlayerStartAmbiguities(CheckerRun& run);  // several unnamed or named starts; entity count near the limit
void CheckWorldspawnSoundsNotes(CheckerRun& run);
void CheckCombinedSpawnflagsAndFaces(CheckerRun& run, const EntitySummary& entity);  // second entity pass
void CheckInvalidSpawnflags(CheckerRun& run);

// Pass 3 (non-standard notes)
void CheckOtherInsideSolid(CheckerRun& run, const EntitySummary& entity);

// The steps the calls above are made of.

/// Entities the game spawns at startup in EASY, NORMAL, HARD and DEATHMATCH, trigger fields included.
std::array<int, LEVEL_COUNT> CountStartupEntities(const CheckerRun& run);
/// The note for a level within 24 entities of the edict limit; reads the counts of CheckEntityCountPerLevel.
void CheckEntityCountNearLimit(CheckerRun& run);
/// Position, colour, axis and loop spawnflags that exclude each other.
void CheckCombinedSpawnflags(CheckerRun& run, const EntitySummary& entity);
/// See-through faces on moving brush entities, 0-intensity light faces and sky faces without SKY.
void CheckFaces(CheckerRun& run, const EntitySummary& entity);
/// The lower-cased class name begins with "ammo_", "item_", "key_", "monster_" or "weapon_".
bool IsPickupOrMonsterClass(const std::string& lowerClassName);
/// The class name as written contains one of those five texts anywhere, case mattering.
bool MentionsPickupOrMonster(const std::string& className);

}  // namespace quillon
