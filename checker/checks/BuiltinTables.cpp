#include "checker/checks/BuiltinTables.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "checker/run/CheckerRun.h"
#include "checker/map/MapEntities.h"
#include "entitydb/DatabaseText.h"
#include "platform/Text.h"

namespace quillon {

namespace {

struct GameField {
    std::string_view name;
    bool mapCanSet;  ///< false for the game's internal fields, which a map never sets
};

// The game's entity field list, in its order. The internal fields share the list but a map
// cannot set them, so a map key with their name is as unknown as any other.
constexpr std::array<GameField, 79> GAME_FIELDS = {{
    {"classname", true}, {"model", true}, {"spawnflags", true}, {"speed", true}, {"accel", true},
    {"decel", true}, {"target", true}, {"targetname", true}, {"pathtarget", true}, {"deathtarget", true},
    {"killtarget", true}, {"combattarget", true}, {"message", true}, {"team", true}, {"wait", true},
    {"delay", true}, {"random", true}, {"move_origin", true}, {"move_angles", true}, {"style", true},
    {"count", true}, {"health", true}, {"sounds", true}, {"light", true}, {"dmg", true},
    {"mass", true}, {"volume", true}, {"attenuation", true}, {"map", true}, {"origin", true},
    {"angles", true}, {"angle", true},
    {"goalentity", false}, {"movetarget", false}, {"enemy", false}, {"oldenemy", false}, {"activator", false},
    {"groundentity", false}, {"teamchain", false}, {"teammaster", false}, {"owner", false}, {"mynoise", false},
    {"mynoise2", false}, {"target_ent", false}, {"chain", false}, {"prethink", false}, {"think", false},
    {"blocked", false}, {"touch", false}, {"use", false}, {"pain", false}, {"die", false},
    {"stand", false}, {"idle", false}, {"search", false}, {"walk", false}, {"run", false},
    {"dodge", false}, {"attack", false}, {"melee", false}, {"sight", false}, {"checkattack", false},
    {"currentmove", false}, {"endfunc", false},
    {"lip", true}, {"distance", true}, {"height", true}, {"noise", true}, {"pausetime", true},
    {"item", true}, {"gravity", true}, {"sky", true}, {"skyrotate", true}, {"skyaxis", true},
    {"minyaw", true}, {"maxyaw", true}, {"minpitch", true}, {"maxpitch", true}, {"nextmap", true},
}};

constexpr std::array<std::string_view, 29> CORVEL_FIELDS = {
    "flags",         "datafile",     "inventory",   "name",          "book",           "target_gsm",
    "moodname",      "moodtime",     "lastmoodname", "lastmoodtime", "attack_msg",     "sight_range",
    "aggression",    "paranoia",     "morale",      "fleetarget",    "alert_mood",     "alert_time",
    "alert_target",  "guard_distance", "ideal_yaw", "skinnum",       "mins",           "maxs",
    "density",       "main",         "minor",       "armor",         "camtype",
};

constexpr std::array<std::string_view, 8> NEEDS_TARGET = {
    "func_clock", "misc_viper",      "misc_strogg_ship", "target_lightramp",
    "target_spawner", "trigger_elevator", "trigger_key",   "turret_breach",
};

constexpr std::array<std::string_view, 30> ALWAYS_NEEDS_TARGETNAME = {
    "func_areaportal",     "func_killbox",       "func_object",          "func_water",
    "info_notnull",        "info_null",          "misc_strogg_ship",     "misc_viper",
    "path_corner",         "point_combat",       "target_actor",         "target_blaster",
    "target_changelevel",  "target_character",   "target_crosslevel_target", "target_crosslevel_trigger",
    "target_earthquake",   "target_explosion",   "target_goal",          "target_help",
    "target_lightramp",    "target_secret",      "target_spawner",       "target_splash",
    "target_string",       "target_temp_entity", "trigger_counter",      "trigger_elevator",
    "trigger_key",         "trigger_relay",
};

// Each of these waits for a trigger only with a spawnflag set, or only with it clear.
struct ConditionalClass {
    std::string_view name;
    std::uint32_t flag;
    bool whenSet;
};
constexpr std::array<ConditionalClass, 8> SPAWNFLAG_NEEDS_TARGETNAME = {{
    {"light", 1, true},          {"func_plat", 1, true},        {"func_rotating", 1, false},
    {"func_timer", 1, false},    {"target_laser", 1, false},    {"target_speaker", 1, false},
    {"trigger_multiple", 4, true}, {"trigger_once", 4, true},
}};

// The databases of two modifications bring fields and classes of their own.
bool SelectedDatabaseIs(const CheckerRun& run, std::string_view fileName) {
    return LowerCased(run.classes.selectedPath).find(fileName) != std::string::npos;
}

template <typename Names>
bool ContainsIgnoringCase(const Names& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [name](std::string_view candidate) { return EqualsIgnoringCase(candidate, name); });
}

}  // namespace

bool IsKnownEntityKey(const CheckerRun& run, const std::string& key) {
    // The entity database may declare the keys its game reads beyond the list below.
    if (ContainsIgnoringCase(run.classes.game.keys, key)) {
        return true;
    }
    for (const GameField& field : GAME_FIELDS) {
        if (EqualsIgnoringCase(field.name, key)) {
            return field.mapCanSet;
        }
    }
    if (EqualsIgnoringCase(key, "wf_team") && SelectedDatabaseIs(run, "wf.db")) {
        return true;
    }
    return ContainsIgnoringCase(CORVEL_FIELDS, key) && SelectedDatabaseIs(run, "corvel.db");
}

bool ClassNeedsTarget(const CheckerRun& run, const std::string& lowerClassName) {
    if (ContainsIgnoringCase(NEEDS_TARGET, lowerClassName)) {
        return true;
    }
    return EqualsIgnoringCase(lowerClassName, "trap_arrow") && SelectedDatabaseIs(run, "corvel.db");
}

bool ClassNeedsTargetname(const CheckerRun& run, const std::string& lowerClassName, std::uint32_t spawnflags,
                          int health) {
    if (ContainsIgnoringCase(ALWAYS_NEEDS_TARGETNAME, lowerClassName)) {
        return true;
    }
    for (const ConditionalClass& conditional : SPAWNFLAG_NEEDS_TARGETNAME) {
        if (EqualsIgnoringCase(conditional.name, lowerClassName)) {
            return ((spawnflags & conditional.flag) != 0) == conditional.whenSet;
        }
    }
    // An exploding wall without health can only be set off by a trigger.
    if (EqualsIgnoringCase(lowerClassName, "func_explosive")) {
        return health == 0;
    }
    return EqualsIgnoringCase(lowerClassName, "trap_arrow") && SelectedDatabaseIs(run, "corvel.db");
}

bool ClassNeedsTargetname(const CheckerRun& run, const MapEntity& entity, const std::string& lowerClassName) {
    return ClassNeedsTargetname(run, lowerClassName, static_cast<std::uint32_t>(IntegerOfKey(entity, "spawnflags")),
                                IntegerOfKey(entity, "health"));
}

}  // namespace quillon
