#include "checker/checks/ClassRules.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

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

enum class ClassMatch {
    Named,     ///< one of the listed classes
    Monster,   ///< "monster_..." or "turret_driver"
    AnyClass,
};

struct ClassRule {
    ClassMatch match;
    std::array<std::string_view, 2> classes;
    void (*check)(CheckerRun& run, const EntitySummary& entity);
};

// Every rule of a class, in the order its messages appear in the report. A class may meet several
// rows (a path_corner meets the target-class row, then its own), and the last row meets every class.
constexpr std::array CLASS_RULES = {
    ClassRule{ClassMatch::Named, {"func_clock"}, CheckClockCount},
    ClassRule{ClassMatch::Named, {"func_rotating", "func_door_rotating"}, CheckOriginBrush},
    ClassRule{ClassMatch::Named, {"func_door_rotating"}, CheckDoorDistance},
    ClassRule{ClassMatch::Named, {"func_killbox"}, CheckKillboxTriggers},
    ClassRule{ClassMatch::Named, {"func_timer"}, CheckTimerRandom},
    ClassRule{ClassMatch::Named, {"func_train"}, CheckTrainTarget},
    ClassRule{ClassMatch::Named, {"func_wall"}, CheckWallStartOn},
    ClassRule{ClassMatch::Named, {"misc_teleporter"}, CheckTeleporterTarget},
    ClassRule{ClassMatch::Named, {"light"}, CheckLightTarget},
    ClassRule{ClassMatch::Monster, {}, CheckMonster},
    ClassRule{ClassMatch::Named, {"path_corner", "point_combat"}, CheckPathTargetClasses},
    ClassRule{ClassMatch::Named, {"path_corner"}, CheckPathCorner},
    ClassRule{ClassMatch::Named, {"point_combat"}, CheckPointCombat},
    ClassRule{ClassMatch::Named, {"target_changelevel"}, CheckChangelevelMap},
    ClassRule{ClassMatch::Named, {"target_help"}, CheckHelpMessage},
    ClassRule{ClassMatch::Named, {"target_laser"}, CheckLaserTarget},
    ClassRule{ClassMatch::Named, {"target_lightramp"}, CheckLightramp},
    ClassRule{ClassMatch::Named, {"target_spawner"}, CheckSpawnerTarget},
    ClassRule{ClassMatch::Named, {"target_speaker"}, CheckSpeakerNoise},
    ClassRule{ClassMatch::Named, {"trigger_gravity"}, CheckGravity},
    ClassRule{ClassMatch::Named, {"trigger_elevator"}, CheckElevatorTarget},
    ClassRule{ClassMatch::AnyClass, {}, CheckElevatorUser},
    ClassRule{ClassMatch::Named, {"trigger_key"}, CheckKeyItem},
};

bool RuleApplies(const ClassRule& rule, const std::string& classname) {
    switch (rule.match) {
    case ClassMatch::AnyClass:
        return true;
    case ClassMatch::Monster:
        return StartsWith(classname, "monster_") || classname == "turret_driver";
    case ClassMatch::Named:
        break;
    }
    for (const std::string_view name : rule.classes) {
        if (!name.empty() && classname == name) {
            return true;
        }
    }
    return false;
}

bool ClassNeedsBrush(const CheckerRun& run, const std::string& className) {
    const int index = FindClass(run, className);
    return index >= 0 && run.classes.classes[static_cast<std::size_t>(index)].needsBrush;
}

}  // namespace

void CheckInvalidClassname(CheckerRun& run, const EntitySummary& entity) {
    if (entity.classIndex >= 0) {
        return;
    }
    const PrintedPoint origin = Printed(entity.originPoint);
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nentity %i: Invalid classname: %s\nThis will result in a '%s doesn't have a spawn function'\n"
                "runtime error.\n targetname:%s\n     origin:( %g %g %g )\n",
                entity.entityNumber, entity.classname.c_str(), entity.classname.c_str(), entity.targetname.c_str(),
                origin.x, origin.y, origin.z);
}

void CheckBrushModels(CheckerRun& run, const EntitySummary& entity) {
    const MapEntity& mapEntity = run.entities[static_cast<std::size_t>(entity.entityNumber)];
    if (NeedsBrush(run, mapEntity) && mapEntity.brushCount == 0 && entity.model.empty()) {
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: brush model with no brush\nThis will generate a PF_Setmodel:NULL runtime error.\n"
                    "   classname:%s\n  targetname:%s\n",
                    entity.entityNumber, entity.classname.c_str(), entity.targetname.c_str());
        PrintEntityLocation(run, entity.entityNumber);
    }
    if (entity.classname == "target_spawner" && ClassNeedsBrush(run, entity.target)) {
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: target_spawner with brush model target.\n"
                    "This will generate a PF_Setmodel:NULL runtime error.\n  targetname:%s\n      target:%s\n",
                    entity.entityNumber, entity.targetname.c_str(), entity.target.c_str());
        PrintEntityLocation(run, entity.entityNumber);
    }
}

void CheckClassRules(CheckerRun& run, const EntitySummary& entity) {
    for (const ClassRule& rule : CLASS_RULES) {
        if (RuleApplies(rule, entity.classname)) {
            rule.check(run, entity);
        }
    }
}

void CheckTrainNoise(CheckerRun& run, const EntitySummary& entity) {
    if (LowerCased(entity.classname) != "func_train" || entity.noise.empty()) {
        return;
    }
    // The union of the brushes' own boxes; a train without brushes keeps the cleared box.
    const MapEntity& mapEntity = run.entities[static_cast<std::size_t>(entity.entityNumber)];
    Vec3 mins{};
    Vec3 maxs{};
    ResetBox(mins, maxs);
    for (int b = 0; b < mapEntity.brushCount; ++b) {
        const MapBrush& brush = run.brushes[static_cast<std::size_t>(mapEntity.firstBrush + b)];
        for (int i = 0; i < 3; ++i) {
            mins[i] = std::min(mins[i], brush.mins[i]);
            maxs[i] = std::max(maxs[i], brush.maxs[i]);
        }
    }
    const PrintedPoint lower = Printed(mins);
    const PrintedPoint upper = Printed(maxs);
    BeginNonStandardNotes(run);
    ReportPrint(run,
                "\nentity %i: This func_train has a noise value, which\n"
                "will emanate from a point offset from the func_train when\n"
                "the func_train is in motion. This offset is equal to the\n"
                "distance between the original position of the func_train\n"
                "(as placed in the .map file, independent of the first\n"
                "path_corner) and 0,0,0. THIS IS NOT AN ERROR MESSAGE. This\n"
                "report has only been included because the behavior of\n"
                "func_train sounds is not widely understood.\n"
                "  targetname:%s\nbounding box:( %g %g %g ) to ( %g %g %g )\n",
                entity.entityNumber, entity.targetname.c_str(), lower.x, lower.y, lower.z, upper.x, upper.y,
                upper.z);
}

double FloatOfKey(const CheckerRun& run, int entityNumber, const std::string& key) {
    return std::strtod(ValueOfKey(run.entities[static_cast<std::size_t>(entityNumber)], key).c_str(), nullptr);
}

std::uint32_t MissingTargetLevels(const CheckerRun& run, const EntitySummary& entity) {
    const SkillMask present = PresentLevels(run, entity, DeathmatchRule::Off);
    return MissingLevels(run, entity.entityNumber, SearchFor(entity.target, present));
}

Vec3 OriginOf(const CheckerRun& run, int entityNumber) {
    return NamesOf(run, entityNumber).origin;
}

}  // namespace quillon
