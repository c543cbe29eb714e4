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

struct LimitCase {
    const char* name;
    int total;           ///< entities at startup in every level
    std::string report;  ///< the start of the report; whole runs show the whole texts
    int edicts = 1024;   ///< the limit, as the entity database declares it
};

void PrintTo(const LimitCase& c, std::ostream* out) {
    *out << c.name;
}

class EntityLimitTest : public EntityCountTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(EntityLimitTest, ReportsAboveTheLimitAndNotesTheLast24BelowIt) {
    const int total = GetParam().total;
    run.classes.game.limits.edicts = GetParam().edicts;
    AddPlainEntities(total - 18);  // besides the world and the 17 of the game
    CheckEntityCountPerLevel(run);
    CheckEntityCountNearLimit(run);
    EXPECT_EQ(run.checks.mapWide.entityCount, (Counts{total, total, total, total}));
    const std::string report = Report();
    if (GetParam().report.empty()) {
        EXPECT_EQ(report, "");
        return;
    }
    EXPECT_EQ(report.substr(0, GetParam().report.size()), GetParam().report);
    EXPECT_TRUE(report.ends_with("\nDEATHMATCH: " + std::to_string(total) + "\n")) << report;
    EXPECT_FALSE(report.find("dangerously") != std::string::npos && report.find("exceeds") != std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Totals, EntityLimitTest,
    ::testing::Values(
        LimitCase{"Above", 1025, std::string(RUNTIME_BANNER) + "\nThe number of entities spawned at game startup exceeds 1024.\n"},
        LimitCase{"AtTheLimit", 1024, std::string(LOGIC_BANNER) + "\nThe number of entities spawned at game startup is dangerously\n"},
        LimitCase{"WellBelow", 1000, ""},
        LimitCase{"NearADeclaredLimit", 2025,
                  std::string(LOGIC_BANNER) +
                      "\nThe number of entities spawned at game startup is dangerously\nclose to the default maximum (2048).",
                  2048},
        LimitCase{"BelowADeclaredLimit", 2024, "", 2048},
        LimitCase{"AboveADeclaredLimit", 2049,
                  std::string(RUNTIME_BANNER) + "\nThe number of entities spawned at game startup exceeds 2048.\n", 2048},
        LimitCase{"WellBelowADeclared8192", 1500, "", 8192}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quillon::test
