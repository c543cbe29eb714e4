#pragma once
// What particular entity classes need: the checks before the link checks, the class rules of the
// main pass, and the func_train noise note of the third pass.

namespace quillon {

struct CheckerRun;
struct EntitySummary;

/// A class the databases do not define.
void CheckInvalidClassname(CheckerRun& run, const EntitySummary& entity);
/// A brush class without brushes or "model"; a target_spawner that would spawn a brush class.
void CheckBrushModels(CheckerRun& run, const EntitySummary& entity);
/// Every class rule that applies to the entity, in the order of the rule table.
void CheckClassRules(CheckerRun& run, const EntitySummary& entity);
/// A func_train with a "noise": where the sound will come from.
void CheckTrainNoise(CheckerRun& run, const EntitySummary& entity);

}  // namespace quillon
