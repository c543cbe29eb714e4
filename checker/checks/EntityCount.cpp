// The number of entities the game spawns at startup, per level, against its limit: 1024 unless the
// entity database declares another.

#include <algorithm>
#include <cstdint>

#include "checker/checks/MapCheckSupport.h"
#include "checker/checks/MapChecks.h"
#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/map/MapEntities.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

// Within this many of the limit, the few entities spawned while the level runs may fill it.
constexpr int NEAR_LIMIT_MARGIN = 24;
// The player, then the body queue and the player trail that the game spawns before the map's own.
constexpr int BODY_QUEUE_SIZE = 8;
constexpr int PLAYER_TRAIL_SIZE = 8;
constexpr int STARTUP_BASE_COUNT = 1 + BODY_QUEUE_SIZE + PLAYER_TRAIL_SIZE;

bool IsClass(const std::string& className, const char* name) {
    return LowerCased(className) == name;
}

/// How many edicts one entity takes where it exists: itself, plus the trigger field some classes add.
int EdictsOfEntity(const MapEntity& entity, const std::string& className) {
    const std::string lower = LowerCased(className);
    int edicts = 1;
    if (lower == "func_plat" || lower == "misc_teleporter") {
        ++edicts;
    }
    if ((lower == "func_door" || lower == "func_door_rotating") && ValueOfKey(entity, "targetname").empty() &&
        IntegerOfKey(entity, "health") <= 0) {
        ++edicts;
    }
    return edicts;
}

template <typename Test>
bool AnyLevel(const std::array<int, LEVEL_COUNT>& counts, Test test) {
    return std::any_of(counts.begin(), counts.end(), test);
}

}  // namespace

std::array<int, LEVEL_COUNT> CountStartupEntities(const CheckerRun& run) {
    std::array<int, LEVEL_COUNT> counts;
    counts.fill(STARTUP_BASE_COUNT);
    for (const MapEntity& entity : run.entities) {
        const std::string& className = ValueOfKey(entity, "classname");
        if (IsClass(className, "info_null")) {
            continue;
        }
        if (IsClass(className, "light") && ValueOfKey(entity, "targetname").empty()) {
            continue;
        }
        std::uint32_t spawnflags = static_cast<std::uint32_t>(IntegerOfKey(entity, "spawnflags"));
        if (RemovedInDeathmatch(run, entity)) {
            spawnflags |= SKILL_DEATHMATCH;
        }
        const int edicts = EdictsOfEntity(entity, className);
        for (int level = 0; level < LEVEL_COUNT; ++level) {
            if ((spawnflags & LEVEL_BITS[level]) == 0) {
                counts[level] += edicts;
            }
        }
    }
    return counts;
}

void CheckEntityCountPerLevel(CheckerRun& run) {
    const std::array<int, LEVEL_COUNT>& counts = run.checks.mapWide.entityCount = CountStartupEntities(run);
    const int limit = run.classes.game.limits.edicts;
    if (!AnyLevel(counts, [limit](int count) { return count > limit; })) {
        return;
    }
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nThe number of entities spawned at game startup exceeds %d.\nThis will result in an "
                "'ED_Alloc: no free edicts' game-crashing\nerror unless the cvar maxentities is set to a "
                "non-standard larger\nvalue. Entities that count against this total include all but\nunnamed "
                "lights and any info_nulls. In addition, func_plat,\nmisc_teleporter, and func_door and "
                "func_door_rotating that are both\nunnamed and have no health value will cause an additional "
                "trigger\nfield to be generated, which also counts against the maxentities\ntotal. The total "
                "also includes the player, plus %d 'bodyque' entities\nand %d 'player_trail' entities. Total "
                "number of entities at startup:\n      EASY: %d\n    NORMAL: %d\n      HARD: %d\nDEATHMATCH: %d\n",
                limit, BODY_QUEUE_SIZE, PLAYER_TRAIL_SIZE, counts[0], counts[1], counts[2], counts[3]);
}

void CheckEntityCountNearLimit(CheckerRun& run) {
    const std::array<int, LEVEL_COUNT>& counts = run.checks.mapWide.entityCount;
    const int limit = run.classes.game.limits.edicts;
    if (!AnyLevel(counts, [limit](int count) { return count > limit - NEAR_LIMIT_MARGIN && count <= limit; })) {
        return;
    }
    BeginLogicNotes(run);
    ReportPrint(run,
                "\nThe number of entities spawned at game startup is dangerously\nclose to the default maximum "
                "(%d). You may encounter a game-\ncrashing 'ED_Alloc: no free edicts' error shortly after "
                "startup\nwhen any other entities (including weapons fire, explosions, debris)\nare spawned "
                "unless the cvar maxentities is set to a non-standard larger\nvalue. Entities that count against "
                "this total include all but\nunnamed lights and any info_nulls. In addition, func_plat,\n"
                "misc_teleporter, and func_door and func_door_rotating that are both\nunnamed and have no health "
                "value will cause an additional trigger\nfield to be generated, which also counts against the "
                "maxentities\ntotal. The total also includes the player, %d 'bodyque' entities, and\n%d "
                "'player_trail' entities. Total number of entities at startup:\n      EASY: %d\n    NORMAL: %d\n"
                "      HARD: %d\nDEATHMATCH: %d\n",
                limit, BODY_QUEUE_SIZE, PLAYER_TRAIL_SIZE, counts[0], counts[1], counts[2], counts[3]);
}

}  // namespace quillon
