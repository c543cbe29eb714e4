// Rules of the target_ and trigger_ classes, and of anything that drives an elevator.

#include <string_view>

#include "checker/checks/ClassRuleSteps.h"
#include "checker/checks/EntitySummary.h"
#include "checker/checks/LinkIndex.h"
#include "checker/checks/SkillLevels.h"
#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/map/MapEntities.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

constexpr int HELP_MAX_LINE_BREAKS = 3;
constexpr std::size_t HELP_MAX_LINE_LENGTH = 28;

/// The help computer breaks lines at the two characters backslash and "n", as written in the map.
struct HelpLines {
    int lineBreaks = 0;
    bool lineTooLong = false;  ///< a line followed by a break is longer than the screen
};

HelpLines MeasureHelpMessage(std::string_view message) {
    HelpLines lines;
    std::size_t start = 0;
    for (std::size_t at = message.find("\\n"); at != std::string_view::npos; at = message.find("\\n", start)) {
        ++lines.lineBreaks;
        if (at - start > HELP_MAX_LINE_LENGTH) {
            lines.lineTooLong = true;
        }
        start = at + 2;
    }
    // The text after the last break is not measured.
    return lines;
}

bool IsLowercaseLetter(char c) {
    return c >= 'a' && c <= 'z';
}

bool HasOtherTargetname(const CheckerRun& run, const EntitySummary& entity) {
    for (const int other : EntitiesWithTargetname(run, entity.target)) {
        if (other != entity.entityNumber) {
            return true;
        }
    }
    return false;
}

void CheckLightrampClasses(CheckerRun& run, const EntitySummary& entity) {
    const PrintedPoint origin = Printed(entity.originPoint);
    for (const int other : EntitiesWithTargetname(run, entity.target)) {
        const EntityNames& names = NamesOf(run, other);
        if (other == entity.entityNumber || names.classLower == "light") {
            continue;
        }
        const PrintedPoint where = Printed(OriginOf(run, other));
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: target_lightramp target %s \n(%s at ( %g %g %g )) is not a light.\n"
                    " targetname:%s\n     origin:( %g %g %g )\n",
                    entity.entityNumber, entity.target.c_str(), names.classname.c_str(), where.x, where.y, where.z,
                    entity.targetname.c_str(), origin.x, origin.y, origin.z);
    }
}

}  // namespace

void CheckChangelevelMap(CheckerRun& run, const EntitySummary& entity) {
    if (ValueOfKey(run.entities[static_cast<std::size_t>(entity.entityNumber)], "map").empty()) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: target_changelevel without map at ( %s )\n", entity.entityNumber,
                    entity.originText.c_str());
    }
}

void CheckHelpMessage(CheckerRun& run, const EntitySummary& entity) {
    if (entity.message.empty()) {
        const PrintedPoint origin = Printed(entity.originPoint);
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: target_help with no message at ( %g %g %g )\n", entity.entityNumber, origin.x,
                    origin.y, origin.z);
        return;
    }
    const HelpLines lines = MeasureHelpMessage(entity.message);
    if (lines.lineBreaks > HELP_MAX_LINE_BREAKS) {
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: target_help message field has too many\n"
                    "line feeds (%d) to fit on the help computer.\n targetname:%s\n    message:%s\n",
                    entity.entityNumber, lines.lineBreaks, entity.targetname.c_str(), entity.message.c_str());
    }
    if (lines.lineTooLong) {
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: target_help message has at least one line\n"
                    "with more than 28 characters. This line will not fit\n"
                    "across the width of the help computer.\n targetname:%s\n    message:%s\n",
                    entity.entityNumber, entity.targetname.c_str(), entity.message.c_str());
    }
}

void CheckLaserTarget(CheckerRun& run, const EntitySummary& entity) {
    if (!entity.target.empty() && EntitiesWithTargetname(run, entity.target).empty()) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: target_laser at ( %s ): %s is a bad target\n", entity.entityNumber,
                    entity.originText.c_str(), entity.target.c_str());
    }
}

void CheckLightramp(CheckerRun& run, const EntitySummary& entity) {
    const std::string& ramp = entity.message;
    const PrintedPoint origin = Printed(entity.originPoint);
    if (ramp.size() != 2 || !IsLowercaseLetter(ramp[0]) || !IsLowercaseLetter(ramp[1])) {
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: target_lightramp has bad ramp (%s)\n"
                    "The message field of target_lightramp must be 2 and only\n"
                    "2 characters, and both characters must be lowercase letters.\n targetname:%s\n"
                    "     origin:( %g %g %g )\n",
                    entity.entityNumber, ramp.c_str(), entity.targetname.c_str(), origin.x, origin.y, origin.z);
    }
    if (entity.target.empty()) {
        return;
    }
    const SkillMask missing = MissingTargetLevels(run, entity);
    if (missing != 0) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: target_lightramp target %s not found\nin these skill levels/game modes:\n",
                    entity.entityNumber, entity.target.c_str());
        PrintSkillLevels(run, missing);
        ReportPrint(run, " targetname:%s\n     target:%s\n     origin:( %g %g %g )\n", entity.targetname.c_str(),
                    entity.target.c_str(), origin.x, origin.y, origin.z);
    }
    CheckLightrampClasses(run, entity);
}

void CheckSpawnerTarget(CheckerRun& run, const EntitySummary& entity) {
    if (entity.target.empty() || ClassExists(run, entity.target)) {
        return;
    }
    const PrintedPoint origin = Printed(entity.originPoint);
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nentity %i: target_spawner with invalid target: %s\n"
                "This will result in a '%s doesn't have a spawn function'\nruntime error.\n targetname:%s\n"
                "     origin:( %g %g %g )\n",
                entity.entityNumber, entity.target.c_str(), entity.target.c_str(), entity.targetname.c_str(), origin.x,
                origin.y, origin.z);
}

void CheckSpeakerNoise(CheckerRun& run, const EntitySummary& entity) {
    if (entity.noise.empty()) {
        const PrintedPoint origin = Printed(entity.originPoint);
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: target_speaker with no noise set\n targetname:%s\n     origin:( %g %g %g )\n",
                    entity.entityNumber, entity.targetname.c_str(), origin.x, origin.y, origin.z);
    }
}

void CheckGravity(CheckerRun& run, const EntitySummary& entity) {
    // A fraction such as 0.5 reads as 0 too.
    if (IntegerOfKey(run.entities[static_cast<std::size_t>(entity.entityNumber)], "gravity") == 0) {
        const PrintedPoint where = Printed(NamesOf(run, entity.entityNumber).location);
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: trigger_gravity without gravity set at ( %g %g %g )\n", entity.entityNumber,
                    where.x, where.y, where.z);
    }
}

void CheckElevatorTarget(CheckerRun& run, const EntitySummary& entity) {
    if (entity.target.empty()) {
        return;
    }
    for (const int other : EntitiesWithTargetname(run, entity.target)) {
        const EntityNames& names = NamesOf(run, other);
        if (other == entity.entityNumber || names.classLower == "func_train") {
            continue;
        }
        const PrintedPoint where = Printed(names.location);
        BeginRuntimeErrors(run);
        ReportPrint(run,
                    "\nentity %i: trigger_elevator at ( %s ) target %s is not a train.\n"
                    "%s is a %s at ( %g %g %g )\n",
                    entity.entityNumber, entity.originText.c_str(), entity.target.c_str(), entity.target.c_str(),
                    names.classname.c_str(), where.x, where.y, where.z);
    }
    if (!HasOtherTargetname(run, entity)) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: trigger_elevator at ( %s ) unable to find target %s\n", entity.entityNumber,
                    entity.originText.c_str(), entity.target.c_str());
    }
}

void CheckElevatorUser(CheckerRun& run, const EntitySummary& entity) {
    if (entity.target.empty() || !entity.pathtarget.empty()) {
        return;
    }
    for (const int other : EntitiesWithTargetname(run, entity.target)) {
        if (other == entity.entityNumber || NamesOf(run, other).classLower != "trigger_elevator") {
            continue;
        }
        const PrintedPoint where = Printed(NamesOf(run, entity.entityNumber).location);
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: elevator used with no pathtarget by %s at ( %g %g %g )\n", entity.entityNumber,
                    entity.classname.c_str(), where.x, where.y, where.z);
    }
}

void CheckKeyItem(CheckerRun& run, const EntitySummary& entity) {
    if (entity.item.empty()) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: no key item for trigger_key at ( %s )\n", entity.entityNumber,
                    entity.originText.c_str());
    } else if (!IsPickup(run, entity.item)) {
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: item %s not found for trigger_key at ( %s )\n", entity.entityNumber,
                    entity.item.c_str(), entity.originText.c_str());
    }
}

}  // namespace quillon
