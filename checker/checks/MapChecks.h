#pragma once
// The map-wide checks and the spawnflag, face and placement checks, called by the check passes
// at their fixed places.

#include "checker/checks/EntitySummary.h"

namespace quillon {

struct CheckerRun;

// Pass 1 (Runtime Errors)
void CheckWorldspawnValues(CheckerRun& run);                        // "message", "sounds" below 0, "nextmap"
void CheckUnknownKeys(CheckerRun& run);                             // "is not a field"
void CheckEntityCountPerLevel(CheckerRun& run);                     // against 1024
void CountPlayerStarts(CheckerRun& run, const EntitySummary& entity);  // main entity pass
void CheckPickupInsideSolid(CheckerRun& run, const EntitySummary& entity);  // ammo_, item_, key_, monster_, weapon_
void CheckAnimatedTextures(CheckerRun& run);
void CheckMissingPlayerStart(CheckerRun& run);

// Pass 2 (logic notes)
void CheckPlayerStartAmbiguities(CheckerRun& run);  // several unnamed or named starts; entity count near 1024
void CheckWorldspawnSoundsNotes(CheckerRun& run);
void CheckCombinedSpawnflagsAndFaces(CheckerRun& run, const EntitySummary& entity);  // second entity pass
void CheckInvalidSpawnflags(CheckerRun& run);

// Pass 3 (non-standard notes)
void CheckOtherInsideSolid(CheckerRun& run, const EntitySummary& entity);

}  // namespace quillon
