#include "checker/checks/CheckPasses.h"

#include "checker/checks/ClassRules.h"
#include "checker/checks/EntitySummary.h"
#include "checker/checks/LinkIndex.h"
#include "checker/checks/MapChecks.h"
#include "checker/checks/TargetLinks.h"
#include "checker/run/CheckerRun.h"

namespace quillon {

namespace {

int EntityCount(const CheckerRun& run) {
    return static_cast<int>(run.entities.size());
}

void CheckEntityMainPass(CheckerRun& run, int entityNumber) {
    const EntitySummary entity = SummarizeEntity(run, entityNumber, SummaryPass::MainPass);
    CheckInvalidClassname(run, entity);
    CountPlayerStarts(run, entity);
    CheckBrushModels(run, entity);
    CheckNeedsTargetname(run, entity);
    CheckNeedsTarget(run, entity);
    CheckTargetsItself(run, entity);
    CheckPickupInsideSolid(run, entity);
    CheckClassRules(run, entity);
}

void CheckEntitySecondPass(CheckerRun& run, int entityNumber) {
    const EntitySummary entity = SummarizeEntity(run, entityNumber, SummaryPass::SecondPass);
    CheckUnmatchedTargets(run, entity);
    CheckNegativeDamage(run, entity);
    CheckLoneTeam(run, entity);
    if (!CheckUnusedMarker(run, entity)) {
        return;
    }
    CheckCombinedSpawnflagsAndFaces(run, entity);
}

void CheckEntityThirdPass(CheckerRun& run, int entityNumber) {
    const EntitySummary entity = SummarizeEntity(run, entityNumber, SummaryPass::ThirdPass);
    CheckOtherInsideSolid(run, entity);
    CheckTrainNoise(run, entity);
}

/// Runtime Errors.
void RunFirstPass(CheckerRun& run) {
    CheckWorldspawnValues(run);
    CheckUnknownKeys(run);
    CheckEntityCountPerLevel(run);
    for (int e = 0; e < EntityCount(run); ++e) {
        CheckEntityMainPass(run, e);
    }
    CheckAnimatedTextures(run);
    CheckMissingPlayerStart(run);
}

/// Logic notes.
void RunSecondPass(CheckerRun& run) {
    CheckPlayerStartAmbiguities(run);
    CheckWorldspawnSoundsNotes(run);
    for (int e = 0; e < EntityCount(run); ++e) {
        CheckEntitySecondPass(run, e);
    }
    CheckInvalidSpawnflags(run);
}

/// Non-standard notes.
void RunThirdPass(CheckerRun& run) {
    for (int e = 0; e < EntityCount(run); ++e) {
        CheckEntityThirdPass(run, e);
    }
}

}  // namespace

void RunCheckPasses(CheckerRun& run) {
    // The checks only read the entities, so their names are gathered once for all three passes.
    BuildLinkIndex(run);
    RunFirstPass(run);
    RunSecondPass(run);
    RunThirdPass(run);
}

}  // namespace quillon
