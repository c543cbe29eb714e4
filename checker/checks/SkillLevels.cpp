#include "checker/checks/SkillLevels.h"

#include "checker/checks/EntitySummary.h"
#include "checker/checks/LinkIndex.h"
#include "checker/run/CheckerRun.h"

namespace quillon {

SkillMask ShowMask(const CheckerRun& run) {
    return run.derived.showMask & SKILL_ALL;
}

SkillMask PresentLevels(const CheckerRun& run, const EntitySummary& entity, DeathmatchRule rule) {
    SkillMask absent = entity.spawnflags;
    if (rule == DeathmatchRule::On && NamesOf(run, entity.entityNumber).removedInDeathmatch) {
        absent |= SKILL_DEATHMATCH;
    }
    return ShowMask(run) & ~absent;
}

SkillMask MissingLevels(const CheckerRun& run, int source, const TargetSearch& search,
                        const CandidateVisitor& visit) {
    SkillMask missing = search.sourceMask;
    for (const int candidate : EntitiesWithTargetname(run, search.name)) {
        if (candidate == source) {
            continue;
        }
        const EntityNames& names = NamesOf(run, candidate);
        if (!search.onlyClass.empty() && names.classLower != search.onlyClass) {
            continue;
        }
        if (visit) {
            visit(candidate);
        }
        if (search.candidates == DeathmatchRule::On && names.removedInDeathmatch) {
            missing &= ~static_cast<SkillMask>(SKILL_DEATHMATCH);
        }
        // Every level the candidate exists in is covered.
        missing &= names.spawnflags & ShowMask(run);
        if (missing == 0) {
            break;
        }
    }
    return missing;
}

}  // namespace quillon
