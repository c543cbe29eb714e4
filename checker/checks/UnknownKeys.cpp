#include "checker/checks/MapChecks.h"

namespace quillon {

// Temporary until the map-wide, spawnflag, face and placement checks land.
void CheckWorldspawnValues(CheckerRun&) {}
void CheckUnknownKeys(CheckerRun&) {}
void CheckEntityCountPerLevel(CheckerRun&) {}
void CountPlayerStarts(CheckerRun&, const EntitySummary&) {}
void CheckPickupInsideSolid(CheckerRun&, const EntitySummary&) {}
void CheckAnimatedTextures(CheckerRun&) {}
void CheckMissingPlayerStart(CheckerRun&) {}
void CheckPlayerStartAmbiguities(CheckerRun&) {}
void CheckWorldspawnSoundsNotes(CheckerRun&) {}
void CheckCombinedSpawnflagsAndFaces(CheckerRun&, const EntitySummary&) {}
void CheckInvalidSpawnflags(CheckerRun&) {}
void CheckOtherInsideSolid(CheckerRun&, const EntitySummary&) {}

}  // namespace quillon
