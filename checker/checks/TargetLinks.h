#pragma once
// The link checks every class shares: names a class needs, links to itself, links that find no
// target in some level, and named entities nothing uses.

namespace quillon {

struct CheckerRun;
struct EntitySummary;

// Main pass (Runtime Errors)
void CheckNeedsTargetname(CheckerRun& run, const EntitySummary& entity);
void CheckNeedsTarget(CheckerRun& run, const EntitySummary& entity);
void CheckTargetsItself(CheckerRun& run, const EntitySummary& entity);

// Second pass (logic notes)
void CheckUnmatchedTargets(CheckerRun& run, const EntitySummary& entity);
void CheckNegativeDamage(CheckerRun& run, const EntitySummary& entity);
void CheckLoneTeam(CheckerRun& run, const EntitySummary& entity);
/// The notes on named info_null, info_notnull, path_corner and point_combat that nothing uses.
/// False for an unnamed info_null or info_notnull, which gets no further checks in this pass.
bool CheckUnusedMarker(CheckerRun& run, const EntitySummary& entity);

}  // namespace quillon
