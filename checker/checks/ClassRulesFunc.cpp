// Rules of the func_ classes, misc_teleporter and light.

#include <algorithm>

#include "checker/checks/ClassRuleSteps.h"
#include "checker/checks/EntitySummary.h"
#include "checker/checks/LinkIndex.h"
#include "checker/checks/SkillLevels.h"
#include "checker/run/CheckerRun.h"
#include "checker/map/MapEntities.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

const MapEntity& EntityOf(const CheckerRun& run, const EntitySummary& entity) {
    return run.entities[static_cast<std::size_t>(entity.entityNumber)];
}

/// A trigger that names the killbox by only one of "target" and "pathtarget".
bool TargetsKillboxHalfway(const EntityNames& other, const std::string& name) {
    return (other.target == name) != (other.pathtarget == name);
}

void PrintKillboxTrigger(CheckerRun& run, const EntitySummary& killbox, int trigger) {
    const EntityNames& other = NamesOf(run, trigger);
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nentity %i:func_killbox must be targeted by both\na \"target\" and \"pathtarget\" key.\n"
                "func_killbox:\n  targetname:%s\n",
                killbox.entityNumber, killbox.targetname.c_str());
    PrintEntityLocation(run, killbox.entityNumber);
    ReportPrint(run, "trigger:\n   classname:%s\n  targetname:%s\n", other.classname.c_str(),
                ValueOfKey(run.entities[static_cast<std::size_t>(trigger)], "targetname").c_str());
    PrintEntityLocation(run, trigger);
}

void PrintTeleporterWrongClass(CheckerRun& run, const EntitySummary& teleporter, int other) {
    const PrintedPoint where = Printed(OriginOf(run, other));
    const PrintedPoint origin = Printed(teleporter.originPoint);
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nentity %i: misc_teleporter target %s \n(%s at ( %g %g %g )) is not a misc_teleporter_dest.\n"
                "     origin:( %g %g %g )\n",
                teleporter.entityNumber, teleporter.target.c_str(), NamesOf(run, other).classname.c_str(), where.x,
                where.y, where.z, origin.x, origin.y, origin.z);
}

}  // namespace

void CheckClockCount(CheckerRun& run, const EntitySummary& entity) {
    if (IntegerOfKey(EntityOf(run, entity), "count") <= 0) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: func_clock with no count at ( %s )\n", entity.entityNumber,
                    entity.originText.c_str());
    }
}

void CheckOriginBrush(CheckerRun& run, const EntitySummary& entity) {
    // Loading the map gives a brush entity with an origin brush its "origin" value.
    if (entity.originText.empty()) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: %s requires an origin brush, but has none.\n  targetname:%s\n",
                    entity.entityNumber, entity.classname.c_str(), entity.targetname.c_str());
        PrintEntityLocation(run, entity.entityNumber);
    }
}

void CheckDoorDistance(CheckerRun& run, const EntitySummary& entity) {
    if (IntegerOfKey(EntityOf(run, entity), "distance") == 0) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: func_door_rotating with no distance set.\n  targetname:%s\n",
                    entity.entityNumber, entity.targetname.c_str());
        PrintEntityLocation(run, entity.entityNumber);
    }
}

void CheckKillboxTriggers(CheckerRun& run, const EntitySummary& entity) {
    if (entity.targetname.empty()) {
        return;
    }
    const LinkIndex& links = run.checks.links;
    const std::string& name = NamesOf(run, entity.entityNumber).targetname;
    // Every entity that names the killbox by "target" or by "pathtarget", each once, in map order.
    EntityNumberList users = EntitiesNamed(links.byTarget, name);
    const EntityNumberList& byPath = EntitiesNamed(links.byPathtarget, name);
    users.insert(users.end(), byPath.begin(), byPath.end());
    std::sort(users.begin(), users.end());
    users.erase(std::unique(users.begin(), users.end()), users.end());
    for (const int user : users) {
        if (user != entity.entityNumber && TargetsKillboxHalfway(NamesOf(run, user), name)) {
            PrintKillboxTrigger(run, entity, user);
        }
    }
}

void CheckTimerRandom(CheckerRun& run, const EntitySummary& entity) {
    const double random = FloatOfKey(run, entity.entityNumber, "random");
    const double wait = FloatOfKey(run, entity.entityNumber, "wait");
    if (random > 0 && !(random < wait)) {
        const MapEntity& timer = EntityOf(run, entity);
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: func_timer at ( %s ) has random >= wait.\nrandom = %s\n  wait = %s\n",
                    entity.entityNumber, entity.originText.c_str(), ValueOfKey(timer, "random").c_str(),
                    ValueOfKey(timer, "wait").c_str());
    }
}

void CheckTrainTarget(CheckerRun& run, const EntitySummary& entity) {
    const PrintedPoint origin = Printed(entity.originPoint);
    if (entity.target.empty()) {
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: func_train without a target.\nfunc_trains must target a path_corner\n"
                    " targetname:%s\n     origin:( %g %g %g )\n",
                    entity.entityNumber, entity.targetname.c_str(), origin.x, origin.y, origin.z);
        return;
    }
    const SkillMask missing = MissingTargetLevels(run, entity);
    if (missing != 0) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: train_find: target %s not found\nin these skill levels/game modes:\n",
                    entity.entityNumber, entity.target.c_str());
        PrintSkillLevels(run, missing);
        ReportPrint(run, "  classname:%s\n targetname:%s\n     target:%s\n     origin:( %g %g %g )\n",
                    entity.classname.c_str(), entity.targetname.c_str(), entity.target.c_str(), origin.x, origin.y,
                    origin.z);
    }
}

void CheckWallStartOn(CheckerRun& run, const EntitySummary& entity) {
    constexpr std::uint32_t TOGGLE = 2;
    constexpr std::uint32_t START_ON = 4;
    if ((entity.spawnflags & (TOGGLE | START_ON)) == START_ON) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: func_wall START_ON without TOGGLE\n  targetname:%s\n", entity.entityNumber,
                    entity.targetname.c_str());
        PrintEntityLocation(run, entity.entityNumber);
    }
}

void CheckTeleporterTarget(CheckerRun& run, const EntitySummary& entity) {
    const PrintedPoint origin = Printed(entity.originPoint);
    if (entity.target.empty()) {
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: misc_teleporter without a target\n"
                    "This misc_teleporter will not appear in the game.\n     origin:( %g %g %g )\n",
                    entity.entityNumber, origin.x, origin.y, origin.z);
        return;
    }
    // Only the candidates the search reaches are looked at: it stops once every level is covered.
    const TargetSearch search = SearchFor(entity.target, PresentLevels(run, entity, DeathmatchRule::Off));
    const SkillMask missing = MissingLevels(run, entity.entityNumber, search, [&run, &entity](int candidate) {
        if (NamesOf(run, candidate).classLower != "misc_teleporter_dest") {
            PrintTeleporterWrongClass(run, entity, candidate);
        }
    });
    if (missing != 0) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: misc_teleporter target %s not found\nin these skill levels/game modes:\n",
                    entity.entityNumber, entity.target.c_str());
        PrintSkillLevels(run, missing);
        ReportPrint(run, "     target:%s\n     origin:( %g %g %g )\n", entity.target.c_str(), origin.x, origin.y,
                    origin.z);
    }
}

void CheckLightTarget(CheckerRun& run, const EntitySummary& entity) {
    if (entity.target.empty()) {
        return;
    }
    const SkillMask missing = MissingTargetLevels(run, entity);
    if (missing != 0) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: light at (%s): target %s is missing\nin these skill levels/game modes:\n",
                    entity.entityNumber, entity.originText.c_str(), entity.target.c_str());
        PrintSkillLevels(run, missing);
        ReportPrint(run,
                    "The target field of lights is used to create a spotlight.\n"
                    "Generally the target of a spotlight is an info_null with\n"
                    "matching targetname. If you do not want to create a\n"
                    "spotlight effect, delete the target key of the light, or\n"
                    "use a blank character string for its value.\n");
    }
}

}  // namespace quillon
