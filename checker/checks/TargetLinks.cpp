#include "checker/checks/TargetLinks.h"

#include <array>
#include <string_view>

#include "checker/checks/BuiltinTables.h"
#include "checker/checks/ClassRuleSteps.h"
#include "checker/checks/EntitySummary.h"
#include "checker/checks/LinkIndex.h"
#include "checker/checks/MapCheckSupport.h"
#include "checker/checks/SkillLevels.h"
#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

const MapEntity& EntityOf(const CheckerRun& run, const EntitySummary& entity) {
    return run.entities[static_cast<std::size_t>(entity.entityNumber)];
}

const std::string& LinkValue(const EntitySummary& entity, std::size_t key) {
    const std::array<const std::string*, LinkKeys.size()> values = {
        &entity.target, &entity.combattarget, &entity.deathtarget, &entity.killtarget, &entity.pathtarget};
    return *values[key];
}

bool IsOneOf(const std::string& classname, std::initializer_list<std::string_view> classes) {
    for (const std::string_view name : classes) {
        if (classname == name) {
            return true;
        }
    }
    return false;
}

/// The middle of the "must be targeted" text of the classes that have one; nullptr for the others.
const char* NamelessReason(const std::string& classname) {
    if (IsOneOf(classname, {"target_laser", "func_rotating", "func_timer"})) {
        return " must be targeted\nto work when the \"start on\" spawnflag is not used,\nbut ";
    }
    if (classname == "target_speaker") {
        return " must be targeted\nto work when the \"looped on\" spawnflag is not used,\nbut ";
    }
    if (classname == "func_plat") {
        return " with \"plat low trigger\"\nspawnflag must be triggered to work, but ";
    }
    if (classname == "light") {
        return " with the \"start off\" spawnflag must\nbe targeted to work, but ";
    }
    if (classname == "func_explosive") {
        return " with 0 health must\nbe targeted to work, but ";
    }
    return nullptr;
}

/// The classes without a text of their own name their place.
void PrintNamelessPlace(CheckerRun& run, const EntitySummary& entity) {
    const char* name = entity.classname.c_str();
    if (entity.classname == "path_corner") {
        ReportPrint(run, "\nentity %i: path_corner with no targetname at ( %s )\n", entity.entityNumber,
                    entity.originText.c_str());
    } else if (IsOneOf(entity.classname, {"trigger_once", "trigger_multiple"})) {
        ReportPrint(run, "\nentity %i: %s with triggered spawnflag requires a\ntargetname to work.\n      target:%s\n",
                    entity.entityNumber, name, entity.target.c_str());
        PrintEntityLocation(run, entity.entityNumber);
    } else if (NeedsBrush(run, EntityOf(run, entity))) {
        const PrintedPoint where = Printed(NamesOf(run, entity.entityNumber).location);
        ReportPrint(run, "\nentity %i: %s without a targetname at ( %g %g %g )\n", entity.entityNumber, name, where.x,
                    where.y, where.z);
    } else {
        ReportPrint(run, "\nentity %i: %s without a targetname at ( %s )\n", entity.entityNumber, name,
                    entity.originText.c_str());
    }
}

bool IsUsedBy(int entityNumber, const EntityNumberList& users) {
    for (const int user : users) {
        if (user != entityNumber) {
            return true;  // the first user is enough
        }
    }
    return false;
}

}  // namespace

void CheckNeedsTargetname(CheckerRun& run, const EntitySummary& entity) {
    if (!entity.targetname.empty() ||
        !ClassNeedsTargetname(run, entity.classname, entity.spawnflags, entity.health)) {
        return;
    }
    BeginRuntimeErrors(run);
    if (const char* reason = NamelessReason(entity.classname)) {
        ReportPrint(run, "\nentity %i: %s%sthis %s has no targetname.\n", entity.entityNumber,
                    entity.classname.c_str(), reason, entity.classname.c_str());
        PrintEntityLocation(run, entity.entityNumber);
        return;
    }
    PrintNamelessPlace(run, entity);
}

void CheckNeedsTarget(CheckerRun& run, const EntitySummary& entity) {
    if (!entity.target.empty() || !ClassNeedsTarget(run, entity.classname)) {
        return;
    }
    BeginRuntimeErrors(run);
    if (NeedsBrush(run, EntityOf(run, entity))) {
        const PrintedPoint where = Printed(NamesOf(run, entity.entityNumber).location);
        ReportPrint(run, "\nentity %i: %s without a target at ( %g %g %g )\n", entity.entityNumber,
                    entity.classname.c_str(), where.x, where.y, where.z);
    } else {
        ReportPrint(run, "\nentity %i: %s without a target at ( %s )\n", entity.entityNumber, entity.classname.c_str(),
                    entity.originText.c_str());
    }
}

void CheckTargetsItself(CheckerRun& run, const EntitySummary& entity) {
    static constexpr std::array<const char*, LinkKeys.size()> HEADINGS = {
        "entity targets itself", "entity targets itself with combattarget", "entity targets itself with deathtarget",
        "entity targets itself with killtarget", "entity targets itself with pathtarget"};
    for (std::size_t key = 0; key < LinkKeys.size(); ++key) {
        if (!SameName(LinkValue(entity, key), entity.targetname)) {
            continue;
        }
        BeginRuntimeErrors(run);
        ReportPrint(run, "\nentity %i: %s\n   classname:%s\n  targetname:%s\n", entity.entityNumber, HEADINGS[key],
                    entity.classname.c_str(), entity.targetname.c_str());
        PrintEntityLocation(run, entity.entityNumber);
    }
}

void CheckUnmatchedTargets(CheckerRun& run, const EntitySummary& entity) {
    // These classes check their links by their own rules.
    if (IsOneOf(entity.classname, {"func_train", "light", "misc_teleporter", "target_laser", "target_lightramp",
                                   "target_spawner", "trigger_elevator"})) {
        return;
    }
    const bool ownTarget = StartsWith(entity.classname, "monster_") ||
                           IsOneOf(entity.classname, {"path_corner", "point_combat"});
    const SkillMask present = PresentLevels(run, entity, DeathmatchRule::On);
    for (std::size_t key = ownTarget ? 1 : 0; key < LinkKeys.size(); ++key) {
        const std::string& value = LinkValue(entity, key);
        if (value.empty()) {
            continue;
        }
        TargetSearch search = SearchFor(value, present);
        search.candidates = DeathmatchRule::On;
        const SkillMask missing = MissingLevels(run, entity.entityNumber, search);
        if (missing == 0) {
            continue;
        }
        BeginLogicNotes(run);
        ReportPrint(run, "\nentity %i: %s with no matching targetname\nin these skill levels/game modes:\n",
                    entity.entityNumber, LinkKeys[key]);
        PrintSkillLevels(run, missing);
        ReportPrint(run, "   classname:%s\n  targetname:%s\n%12s:%s\n", entity.classname.c_str(),
                    entity.targetname.c_str(), LinkKeys[key], value.c_str());
        PrintEntityLocation(run, entity.entityNumber);
    }
}

void CheckNegativeDamage(CheckerRun& run, const EntitySummary& entity) {
    if (entity.dmg >= 0) {
        return;
    }
    BeginLogicNotes(run);
    ReportPrint(run,
                "\nentity %i: the damage (dmg) value (%d) is negative. Although\n"
                "this is legal, are you sure this is what you want?\n   classname:%s\n  targetname:%s\n",
                entity.entityNumber, entity.dmg, entity.classname.c_str(), entity.targetname.c_str());
    PrintEntityLocation(run, entity.entityNumber);
}

void CheckLoneTeam(CheckerRun& run, const EntitySummary& entity) {
    if (entity.team.empty() ||
        IsUsedBy(entity.entityNumber, EntitiesNamed(run.checks.links.byTeam, entity.team))) {
        return;
    }
    BeginLogicNotes(run);
    ReportPrint(run,
                "\nentity %i: this %s has the \"team\" value %s,\n"
                "but there are no other entities with this \"team\" value.\n  targetname:%s\n",
                entity.entityNumber, entity.classname.c_str(), entity.team.c_str(), entity.targetname.c_str());
    PrintEntityLocation(run, entity.entityNumber);
}

bool CheckUnusedMarker(CheckerRun& run, const EntitySummary& entity) {
    const bool infoNull = IsOneOf(entity.classname, {"info_null", "info_notnull"});
    if (entity.targetname.empty()) {
        return !infoNull;
    }
    const LinkIndex& links = run.checks.links;
    const int self = entity.entityNumber;
    const char* name = entity.targetname.c_str();
    const char* origin = entity.originText.c_str();
    if (infoNull && !IsUsedBy(self, EntitiesNamed(links.byTarget, name))) {
        BeginLogicNotes(run);
        ReportPrint(run,
                    "\nentity %i: this %s is not the target of any entity.\nIt will never be used.\n"
                    "  targetname:%s\n      origin:%s\n",
                    self, entity.classname.c_str(), name, origin);
    } else if (entity.classname == "path_corner" && !IsUsedBy(self, EntitiesNamed(links.byTarget, name)) &&
               !IsUsedBy(self, EntitiesNamed(links.byPathtarget, name))) {
        BeginLogicNotes(run);
        ReportPrint(run,
                    "\nentity %i: this path_corner is not the target or\n"
                    "pathtarget of any other entity. It will never be used.\n  targetname:%s\n      origin:%s\n",
                    self, name, origin);
    } else if (entity.classname == "point_combat" && !IsUsedBy(self, EntitiesNamed(links.byTarget, name)) &&
               !IsUsedBy(self, EntitiesNamed(links.byCombattarget, name))) {
        BeginLogicNotes(run);
        ReportPrint(run,
                    "\nentity %i: this point_combat is not the target or\n"
                    "combattarget of any other entity. It will never be used.\n  targetname:%s\n      origin:%s\n",
                    self, name, origin);
    }
    return true;
}

}  // namespace quillon
