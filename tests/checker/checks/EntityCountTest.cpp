#include <gtest/gtest.h>

#include <string>

#include "MapCheckFixture.h"
#include "checker/checks/MapChecks.h"

namespace quillon::test {
namespace {

using Counts = std::array<int, LEVEL_COUNT>;

const std::string COUNT_DATABASE =
    "CLASSNAME worldspawn\nIS_SOLID 1\n]\n"
    "CLASSNAME monster_soldier -16 -16 -24 16 16 32\nDM_INHIBIT 1\n]\n"
    "CLASSNAME trigger_relay\nDM_INHIBIT_NAMED 1\n]\n";

class EntityCountTest : public MapCheckTest {
protected:
    EntityCountTest() {
        LoadDatabase(COUNT_DATABASE);
        AddEntity({{"classname", "worldspawn"}});
    }

    /// Adds `count` plain entities that exist everywhere.
    void AddPlainEntities(int count) {
        for (int i = 0; i < count; ++i) {
            AddEntity({{"classname", "info_notnull"}});
        }
    }
};

// The world itself counts, on top of the player, the body queue and the player trail.
TEST_F(EntityCountTest, StartsAtTheSeventeenGameEntitiesPlusTheWorld) {
    EXPECT_EQ(CountStartupEntities(run), (Counts{18, 18, 18, 18}));
}

TEST_F(EntityCountTest, LeavesOutInfoNullAndUnnamedLights) {
    AddEntity({{"classname", "INFO_NULL"}, {"targetname", "x"}});
    AddEntity({{"classname", "light"}});
    AddEntity({{"classname", "Light"}, {"targetname", "switch"}});
    EXPECT_EQ(CountStartupEntities(run), (Counts{19, 19, 19, 19}));
}

TEST_F(EntityCountTest, CountsTheTriggerFieldsSomeClassesAdd) {
    AddEntity({{"classname", "func_plat"}});
    AddEntity({{"classname", "misc_teleporter"}});
    AddEntity({{"classname", "func_door"}});
    AddEntity({{"classname", "func_door_rotating"}, {"health", "-5"}});
    AddEntity({{"classname", "func_door"}, {"health", "50"}});
    AddEntity({{"classname", "func_door"}, {"targetname", "gate"}});
    EXPECT_EQ(CountStartupEntities(run), (Counts{18 + 10, 18 + 10, 18 + 10, 18 + 10}));
}

TEST_F(EntityCountTest, CountsEachEntityOnlyWhereItExists) {
    AddEntity({{"classname", "info_notnull"}, {"spawnflags", "256"}});
    AddEntity({{"classname", "func_plat"}, {"spawnflags", "1536"}});
    AddEntity({{"classname", "monster_soldier"}});
    AddEntity({{"classname", "trigger_relay"}, {"targetname", "t1"}});
    AddEntity({{"classname", "trigger_relay"}});
    EXPECT_EQ(CountStartupEntities(run), (Counts{18 + 5, 18 + 4, 18 + 4, 18 + 4}));
}

TEST_F(EntityCountTest, ReportsMoreThan1024InALevel) {
    AddPlainEntities(1007);  // with the world: 1008 of the map's own, 1025 in all
    CheckEntityCountPerLevel(run);
    CheckEntityCountNearLimit(run);
    EXPECT_EQ(Report(), std::string(RUNTIME_BANNER) +
                            "\nThe number of entities spawned at game startup exceeds 1024.\nThis will result in an "
                            "'ED_Alloc: no free edicts' game-crashing\nerror unless the cvar maxentities is set to "
                            "a non-standard larger\nvalue. Entities that count against this total include all "
                            "but\nunnamed lights and any info_nulls. In addition, func_plat,\nmisc_teleporter, and "
                            "func_door and func_door_rotating that are both\nunnamed and have no health value will "
                            "cause an additional trigger\nfield to be generated, which also counts against the "
                            "maxentities\ntotal. The total also includes the player, plus 8 'bodyque' entities\n"
                            "and 8 'player_trail' entities. Total number of entities at startup:\n      EASY: "
                            "1025\n    NORMAL: 1025\n      HARD: 1025\nDEATHMATCH: 1025\n");
}

TEST_F(EntityCountTest, NotesACountOf1024AsNearTheLimit) {
    AddPlainEntities(1006);
    CheckEntityCountPerLevel(run);
    EXPECT_EQ(Report(), "");
    CheckEntityCountNearLimit(run);
    EXPECT_EQ(Report(), std::string(LOGIC_BANNER) +
                            "\nThe number of entities spawned at game startup is dangerously\nclose to the default "
                            "maximum (1024). You may encounter a game-\ncrashing 'ED_Alloc: no free edicts' error "
                            "shortly after startup\nwhen any other entities (including weapons fire, explosions, "
                            "debris)\nare spawned unless the cvar maxentities is set to a non-standard larger\n"
                            "value. Entities that count against this total include all but\nunnamed lights and "
                            "any info_nulls. In addition, func_plat,\nmisc_teleporter, and func_door and "
                            "func_door_rotating that are both\nunnamed and have no health value will cause an "
                            "additional trigger\nfield to be generated, which also counts against the "
                            "maxentities\ntotal. The total also includes the player, 8 'bodyque' entities, and\n8 "
                            "'player_trail' entities. Total number of entities at startup:\n      EASY: 1024\n    "
                            "NORMAL: 1024\n      HARD: 1024\nDEATHMATCH: 1024\n");
}

TEST_F(EntityCountTest, SaysNothingAtOneThousand) {
    AddPlainEntities(982);
    CheckEntityCountPerLevel(run);
    CheckEntityCountNearLimit(run);
    EXPECT_EQ(Report(), "");
    EXPECT_EQ(run.checks.mapWide.entityCount, (Counts{1000, 1000, 1000, 1000}));
}

TEST_F(EntityCountTest, GivesBothMessagesWhenLevelsFallOnBothSides) {
    AddPlainEntities(990);
    for (int i = 0; i < 20; ++i) {
        AddEntity({{"classname", "info_notnull"}, {"spawnflags", "2048"}});
    }
    CheckEntityCountPerLevel(run);
    CheckEntityCountNearLimit(run);
    const std::string report = Report();
    EXPECT_NE(report.find("exceeds 1024"), std::string::npos);
    EXPECT_NE(report.find("dangerously"), std::string::npos);
    EXPECT_NE(report.find("      EASY: 1028\n    NORMAL: 1028\n      HARD: 1028\nDEATHMATCH: 1008\n"),
              std::string::npos);
}

}  // namespace
}  // namespace quillon::test
