#include "checker/checks/BuiltinTables.h"

#include <gtest/gtest.h>

#include <string>

#include "checker/run/CheckerRun.h"

namespace quillon {
namespace {

CheckerRun RunWithDatabase(const std::string& selectedPath) {
    CheckerRun run;
    run.classes.selectedPath = selectedPath;
    return run;
}

TEST(IsKnownEntityKey, AcceptsTheGamesFieldsInAnyCaseAndRefusesFieldsThatAMapCannotSet) {
    const CheckerRun run = RunWithDatabase("/opt/quillon/quake2/quake2.db");
    for (const char* key : {"classname", "ORIGIN", "Angle", "nextmap", "move_angles", "pausetime", "maxpitch"}) {
        EXPECT_TRUE(IsKnownEntityKey(run, key)) << key;
    }
    for (const char* key : {"think", "Enemy", "use", "target_ent", "endfunc", "goalentity", "currentmove"}) {
        EXPECT_FALSE(IsKnownEntityKey(run, key)) << key;
    }
    EXPECT_FALSE(IsKnownEntityKey(run, "targetnam"));
    EXPECT_FALSE(IsKnownEntityKey(run, "origin "));
}

TEST(BuiltinTables, KnowModificationFieldsAndTrapArrowOnlyWithTheirDatabase) {
    const CheckerRun base = RunWithDatabase("/opt/quillon/quake2/quake2.db");
    const CheckerRun wf = RunWithDatabase("/opt/quillon/quake2/wf.db");
    const CheckerRun corvel = RunWithDatabase("/opt/quillon/quake2/corvel.db");
    EXPECT_FALSE(IsKnownEntityKey(base, "wf_team"));
    EXPECT_TRUE(IsKnownEntityKey(wf, "WF_TEAM"));
    EXPECT_FALSE(IsKnownEntityKey(corvel, "wf_team"));
    for (const char* key : {"inventory", "camtype", "flags", "guard_distance"}) {
        EXPECT_FALSE(IsKnownEntityKey(base, key)) << key;
        EXPECT_FALSE(IsKnownEntityKey(wf, key)) << key;
        EXPECT_TRUE(IsKnownEntityKey(corvel, key)) << key;
    }
    EXPECT_TRUE(ClassNeedsTarget(base, "func_clock"));
    EXPECT_TRUE(ClassNeedsTarget(base, "turret_breach"));
    EXPECT_FALSE(ClassNeedsTarget(base, "func_door"));
    EXPECT_FALSE(ClassNeedsTarget(base, "trap_arrow"));
    EXPECT_TRUE(ClassNeedsTarget(corvel, "trap_arrow"));
    EXPECT_TRUE(ClassNeedsTargetname(corvel, "trap_arrow", 0, 0));
    EXPECT_FALSE(ClassNeedsTargetname(base, "trap_arrow", 0, 0));
}

TEST(NeedsTargetname, FollowsTheClassCondition) {
    const CheckerRun run = RunWithDatabase("/opt/quillon/quake2/quake2.db");
    struct {
        const char* className;
        std::uint32_t spawnflags;
        int health;
        bool needed;
    } const cases[] = {{"path_corner", 0, 0, true},       {"trigger_relay", 7, 10, true},
                       {"light", 1, 0, true},             {"light", 2, 0, false},
                       {"func_plat", 1, 0, true},         {"func_plat", 0, 0, false},
                       {"func_rotating", 0, 0, true},     {"func_rotating", 1, 0, false},
                       {"func_timer", 2, 0, true},        {"func_timer", 3, 0, false},
                       {"target_laser", 2, 0, true},      {"target_laser", 1, 0, false},
                       {"target_speaker", 2, 0, true},    {"target_speaker", 1, 0, false},
                       {"func_explosive", 0, 0, true},    {"func_explosive", 0, 50, false},
                       {"func_explosive", 0, -5, false},  {"trigger_multiple", 4, 0, true},
                       {"trigger_multiple", 3, 0, false}, {"trigger_once", 5, 0, true},
                       {"trigger_once", 0, 0, false},     {"func_door", 0, 0, false},
                       {"monster_soldier", 4, 0, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClassNeedsTargetname(run, c.className, c.spawnflags, c.health), c.needed)
            << c.className << " spawnflags " << c.spawnflags << " health " << c.health;
    }
}

TEST(NeedsTargetname, ReadsSpawnflagsAndHealthFromTheEntity) {
    const CheckerRun run = RunWithDatabase("/opt/quillon/quake2/quake2.db");
    MapEntity light;
    light.pairs = {{"classname", "light"}, {"SpawnFlags", "1"}};
    EXPECT_TRUE(ClassNeedsTargetname(run, light, "light"));
    MapEntity wall;
    wall.pairs = {{"classname", "func_explosive"}, {"health", "40"}};
    EXPECT_FALSE(ClassNeedsTargetname(run, wall, "func_explosive"));
    wall.pairs.push_back({"health", "0"});
    EXPECT_TRUE(ClassNeedsTargetname(run, wall, "func_explosive"));
}

}  // namespace
}  // namespace quillon
