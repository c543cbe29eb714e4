#pragma once
// Which skill levels and game modes an entity exists in, and in which of them a link finds no target.

#include <cstdint>
#include <functional>
#include <string_view>

#include "checker/run/CheckerSettings.h"

namespace quillon {

struct CheckerRun;
struct EntitySummary;

/// Levels as the spawnflag bits SKILL_EASY ... SKILL_DEATHMATCH; a set spawnflag bit means "not in".
using SkillMask = std::uint32_t;

/// The levels the user chose to check.
SkillMask ShowMask(const CheckerRun& run);

enum class DeathmatchRule { Off, On };

/// The shown levels in which the entity exists; with the deathmatch rule an entity whose class the
/// game removes in deathmatch does not exist there.
SkillMask PresentLevels(const CheckerRun& run, const EntitySummary& entity, DeathmatchRule rule);

/// What a level-aware target search looks for.
struct TargetSearch {
    std::string_view name;              ///< the "targetname" wanted
    SkillMask sourceMask = 0;           ///< the levels to cover
    std::string_view onlyClass;         ///< empty: a candidate of any class will do
    DeathmatchRule candidates = DeathmatchRule::Off;  ///< a candidate removed in deathmatch covers it
};

inline TargetSearch SearchFor(std::string_view name, SkillMask sourceMask) {
    TargetSearch search;
    search.name = name;
    search.sourceMask = sourceMask;
    return search;
}

/// Called for every candidate the search reaches, before it covers its levels.
using CandidateVisitor = std::function<void(int entityNumber)>;

/// The levels of `search.sourceMask` in which no entity other than `source` named `search.name`
/// exists. The scan stops as soon as every level is covered, so later candidates are not reached.
SkillMask MissingLevels(const CheckerRun& run, int source, const TargetSearch& search,
                        const CandidateVisitor& visit = {});

}  // namespace quillon
