// Rules of monsters, path_corner and point_combat.

#include <algorithm>
#include <array>

#include "checker/checks/ClassRuleSteps.h"
#include "checker/checks/EntitySummary.h"
#include "checker/checks/LinkIndex.h"
#include "checker/checks/MapCheckSupport.h"
#include "checker/checks/SkillLevels.h"
#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/map/MapEntities.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

constexpr std::uint32_t PATH_TELEPORT = 1;

void CheckMonsterItem(CheckerRun& run, const EntitySummary& monster) {
    if (monster.item.empty()) {
        return;
    }
    if (!IsPickup(run, monster.item)) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: %s at ( %s ) has bad item (%s)\n", monster.entityNumber,
                    monster.classname.c_str(), monster.originText.c_str(), monster.item.c_str());
    }
    if (SameName(monster.item, "weapon_blaster")) {
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: %s at ( %s ) has item weapon_blaster.\n"
                    "Although this will not cause startup errors, it WILL cause\n"
                    "a game-crashing PF_SetModel:NULL error when the %s dies.\n",
                    monster.entityNumber, monster.classname.c_str(), monster.originText.c_str(),
                    monster.classname.c_str());
    }
}

void CheckMonsterCombattarget(CheckerRun& run, const EntitySummary& monster) {
    // The monster itself counts: a monster may name itself as its combat point.
    for (const int other : EntitiesWithTargetname(run, monster.combattarget)) {
        const EntityNames& names = NamesOf(run, other);
        if (names.classLower == "point_combat") {
            continue;
        }
        const PrintedPoint where = Printed(names.location);
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: %s at ( %s ) has a bad combattarget %s :\n%s at ( %g %g %g)\n"
                    "Combattarget must be a point_combat.\n",
                    monster.entityNumber, monster.classname.c_str(), monster.originText.c_str(),
                    monster.combattarget.c_str(), names.classname.c_str(), where.x, where.y, where.z);
    }
}

/// A target shared by a point_combat and something else, or a plain target beside a combattarget.
bool HasMixedTargets(const CheckerRun& run, const EntitySummary& monster) {
    bool combattarget = !monster.combattarget.empty();
    bool otherClass = false;
    for (const int other : EntitiesWithTargetname(run, monster.target)) {
        if (NamesOf(run, other).classLower == "point_combat") {
            combattarget = true;  // the game takes the target as the combat point
        } else {
            otherClass = true;
        }
    }
    return otherClass && combattarget;
}

void CheckMonsterTarget(CheckerRun& run, const EntitySummary& monster) {
    if (monster.target.empty()) {
        return;
    }
    if (EntitiesWithTargetname(run, monster.target).empty()) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: %s can't find target %s at ( %s )\n", monster.entityNumber,
                    monster.classname.c_str(), monster.target.c_str(), monster.originText.c_str());
    }
    if (HasMixedTargets(run, monster)) {
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: %s at ( %s ) has target with mixed types.\n"
                    "This error occurs if 1) monster has a target that is NOT a\n"
                    "point_combat and also has a combattarget, or 2) monster has\n"
                    "a target that IS a point_combat AND a target that is NOT a\n"
                    "point_combat.\n",
                    monster.entityNumber, monster.classname.c_str(), monster.originText.c_str());
    }
}

void PrintWrongTargetClass(CheckerRun& run, const EntitySummary& entity, const EntityNames& other) {
    const PrintedPoint origin = Printed(entity.originPoint);
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nentity %i: %s should only target another %s\n targetname:%s\n     target:%s (is a %s)\n"
                "     origin:%g, %g, %g\n",
                entity.entityNumber, entity.classname.c_str(), entity.classname.c_str(), entity.targetname.c_str(),
                entity.target.c_str(), other.classname.c_str(), origin.x, origin.y, origin.z);
}

void PrintTeleportChain(CheckerRun& run, const EntitySummary& entity, int other) {
    const MapEntity& next = run.entities[static_cast<std::size_t>(other)];
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nentity %i and %i: connected teleport path_corners\npath_corner %s at ( %s )\n"
                "path_corner %s at ( %s )\n",
                entity.entityNumber, other, entity.targetname.c_str(), entity.originText.c_str(),
                ValueOfKey(next, "targetname").c_str(), ValueOfKey(next, "origin").c_str());
}

/// Per skill level, how many entities that exist there name the point by "target" or "combattarget".
std::array<int, 3> CountPointUses(const CheckerRun& run, const std::string& name) {
    const LinkIndex& links = run.checks.links;
    EntityNumberList users = EntitiesNamed(links.byTarget, name);
    const EntityNumberList& byCombat = EntitiesNamed(links.byCombattarget, name);
    users.insert(users.end(), byCombat.begin(), byCombat.end());
    std::sort(users.begin(), users.end());
    users.erase(std::unique(users.begin(), users.end()), users.end());
    constexpr std::array<std::uint32_t, 3> SKILLS = {SKILL_EASY, SKILL_NORMAL, SKILL_HARD};
    std::array<int, 3> uses{};
    for (const int user : users) {
        for (std::size_t level = 0; level < SKILLS.size(); ++level) {
            if ((NamesOf(run, user).spawnflags & SKILLS[level]) == 0) {
                ++uses[level];
            }
        }
    }
    return uses;
}

void PrintTargetNotFound(CheckerRun& run, const EntitySummary& entity, SkillMask missing) {
    BeginRuntimeErrors(run);
    ReportPrint(run, "\nentity %i: %s %s at ( %s ) target %s not found\nin these skill levels/game modes:\n",
                entity.entityNumber, entity.classname.c_str(), entity.targetname.c_str(), entity.originText.c_str(),
                entity.target.c_str());
    PrintSkillLevels(run, missing);
}

}  // namespace

void CheckMonster(CheckerRun& run, const EntitySummary& entity) {
    CheckMonsterItem(run, entity);
    if (!entity.combattarget.empty()) {
        CheckMonsterCombattarget(run, entity);
    }
    CheckMonsterTarget(run, entity);
}

void CheckPathTargetClasses(CheckerRun& run, const EntitySummary& entity) {
    // One walk over the other entities of that name: the class rule, then the teleport chain.
    const bool teleport = entity.classname == "path_corner" && (entity.spawnflags & PATH_TELEPORT) != 0;
    for (const int other : EntitiesWithTargetname(run, entity.target)) {
        if (other == entity.entityNumber) {
            continue;
        }
        const EntityNames& names = NamesOf(run, other);
        if (names.classLower != entity.classname) {
            PrintWrongTargetClass(run, entity, names);
        } else if (teleport && (names.spawnflags & PATH_TELEPORT) != 0) {
            PrintTeleportChain(run, entity, other);
        }
    }
}

void CheckPathCorner(CheckerRun& run, const EntitySummary& entity) {
    if (!entity.target.empty()) {
        const SkillMask missing = MissingTargetLevels(run, entity);
        if (missing != 0) {
            PrintTargetNotFound(run, entity, missing);
        }
    }
    const double wait = FloatOfKey(run, entity.entityNumber, "wait");
    if ((entity.spawnflags & PATH_TELEPORT) != 0 && wait != 0) {
        const PrintedPoint origin = Printed(entity.originPoint);
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: path_corner has the teleport spawnflag and a\n"
                    "non-zero wait value. The wait value will be ignored.\n targetname:%s\n"
                    "     origin:%g, %g, %g\n       wait:%s\n",
                    entity.entityNumber, entity.targetname.c_str(), origin.x, origin.y, origin.z,
                    ValueOfKey(run.entities[static_cast<std::size_t>(entity.entityNumber)], "wait").c_str());
    }
}

void CheckPointCombat(CheckerRun& run, const EntitySummary& entity) {
    if (!entity.targetname.empty()) {
        const std::array<int, 3> uses = CountPointUses(run, entity.targetname);
        if (uses[0] > 1 || uses[1] > 1 || uses[2] > 1) {
            const PrintedPoint origin = Printed(entity.originPoint);
            BeginRuntimeErrors(run);
            ReportPrint(run,
                        "\nentity %i: point_combat can only be used one time.\n targetname:%s\n"
                        "     origin:%g, %g, %g\nis targeted %d times in Easy\n            %d times in Normal\n"
                        "            %d times in Hard\n",
                        entity.entityNumber, entity.targetname.c_str(), origin.x, origin.y, origin.z, uses[0],
                        uses[1], uses[2]);
        }
    }
    if (!entity.target.empty()) {
        TargetSearch search = SearchFor(entity.target, PresentLevels(run, entity, DeathmatchRule::Off));
        search.onlyClass = "point_combat";
        const SkillMask missing = MissingLevels(run, entity.entityNumber, search);
        if (missing != 0) {
            PrintTargetNotFound(run, entity, missing);
        }
    }
}

}  // namespace quillon
