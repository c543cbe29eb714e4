#pragma once
// Loading the entity databases for a run, and the checks' questions about an entity's class.

#include <string>

#include "checker/map/MapTypes.h"

namespace quillon {

struct CheckerRun;

/// The base database path (the checker's folder and "quake2.db") and the selected one (the
/// checker's folder and EntityDB); also sets the lower-cased selected path the checks test.
void SetDatabasePaths(CheckerRun& run);
/// Loads the base database and merges the selected one; false when a file cannot be read.
bool LoadEntityDatabases(CheckerRun& run);
/// Frees the two database texts once the checks are done.
void ReleaseDatabaseTexts(CheckerRun& run);

/// Index of the first class whose name matches without regard to case, or -1.
int FindClass(const CheckerRun& run, const std::string& className);
bool ClassExists(const CheckerRun& run, const std::string& className);
bool IsPickup(const CheckerRun& run, const std::string& className);
bool NeedsBrush(const CheckerRun& run, const MapEntity& entity);
/// dmInhibitIfNamed with a non-empty "targetname", else dmInhibit; false for an unknown class.
bool RemovedInDeathmatch(const CheckerRun& run, const MapEntity& entity);
/// The entity's absolute box (origin plus the class box); false when the class has no box.
bool AbsoluteBounds(const CheckerRun& run, const MapEntity& entity, Vec3& mins, Vec3& maxs);
/// The class's valid spawnflags; 3840 for an unknown class.
unsigned ValidSpawnflags(const CheckerRun& run, const MapEntity& entity);
/// The point messages use: the centre of the brushes' box for a brush class found above index 0,
/// the centre of the first brush of a func_areaportal, else the "origin" value.
Vec3 EntityLocation(const CheckerRun& run, int entityNumber);

}  // namespace quillon
