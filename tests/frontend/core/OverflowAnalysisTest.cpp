#include <gtest/gtest.h>

#include "frontend/core/OverflowFixture.h"
#include "frontend/core/OverflowMapScan.h"
#include "frontend/core/OverflowReport.h"
#include "frontend/core/OverflowRules.h"

namespace quillon {
namespace {

using test::Analyse;
using test::LevelsHolding;
using test::LoadTable;
using test::MapEntity;

constexpr int EVERY_LEVEL = 15;

const char* const RULES_DATABASE =
    "CLASSNAME worldspawn\nIS_SOLID 1\n]\n"
    "CLASSNAME func_door\nIS_SOLID 1\nLOAD doors/dr1_strt.wav\n]\n"
    "CLASSNAME monster_soldier 0 0 0 1 1 1\nLOAD models/monsters/soldier/tris.md2\n]\n"
    "CLASSNAME item_health\nIS_PICKUP 1\nLOAD models/items/healing/medium/tris.md2\n]\n"
    "CLASSNAME item_armor_body\nIS_PICKUP 1\nLOAD models/items/armor/body/tris.md2\n]\n";

class OverflowAnalysisTest : public testing::Test {
protected:
    EntityClassTable table = LoadTable(RULES_DATABASE);
};

TEST_F(OverflowAnalysisTest, IgnoredClassIsListedApartAndLoadsNothing) {
    const std::string map = MapEntity({{"classname", "worldspawn"}}, 1) +
                            MapEntity({{"classname", "func_door"}, {"targetname", "d1"}, {"origin", "8 16.5 -24"}}, 1) +
                            MapEntity({{"classname", "func_door"}, {"origin", "1 2 3"}}, 1) +
                            MapEntity({{"classname", "monster_soldier"}});
    const OverflowOptions options{{"func_door"}, false};
    const OverflowAnalysis analysis = Analyse(table, map, options);
    EXPECT_EQ(analysis.brushModelCount, 1);
    EXPECT_EQ(analysis.ignoredCount, 2);
    EXPECT_EQ(LevelsHolding(analysis, ResourceKind::Sound, "doors/dr1_strt.wav"), 0);

    const std::string sections = FormatOverflowSections(analysis, {EVERY_LEVEL, "", options.ignoreList});
    EXPECT_NE(sections.find("\nNOTE: The following entities have been ignored\n      using the Ignore option:\n"
                            "func_door\nIgnored entity locations found at the end of this output.\n\n\n"),
              std::string::npos)
        << sections;
    EXPECT_EQ(sections.find("func_door......"), std::string::npos) << "ignored entities have no row";
    const std::string ignored = "\n======================== IGNORED ENTITIES ============================\n\n"
                                "func_door\n\t(    8    16   -24)\td1\n\t(    1     2     3)\t\n";
    EXPECT_EQ(sections.substr(sections.size() - ignored.size()), ignored);
    // The list names classes exactly.
    EXPECT_EQ(Analyse(table, MapEntity({{"classname", "Func_Door"}}, 1), options).brushModelCount, 1);
}

TEST_F(OverflowAnalysisTest, CheatAddsEachPickupWhereTheMapLacksIt) {
    const std::string map = MapEntity({{"classname", "item_armor_body"}, {"spawnflags", "3584"}});
    const OverflowAnalysis analysis = Analyse(table, map, OverflowOptions{{}, true});
    EXPECT_EQ(LevelsHolding(analysis, ResourceKind::Model, "models/items/healing/medium/tris.md2"), EVERY_LEVEL);
    EXPECT_EQ(LevelsHolding(analysis, ResourceKind::Model, "models/items/armor/body/tris.md2"), EVERY_LEVEL);
    ASSERT_EQ(analysis.entities.size(), 3U);
    EXPECT_EQ(analysis.entities[0].classname, "item_armor_body");
    EXPECT_EQ(analysis.entities[1].classname, "item_armor_body");
    EXPECT_EQ(analysis.entities[1].spawnflags, 256) << "the added armor stays out of easy, where one exists";
    EXPECT_EQ(analysis.entities[2].classname, "item_health");
    EXPECT_EQ(analysis.entities[2].spawnflags, 0);
    const std::string sections = FormatOverflowSections(analysis, {EVERY_LEVEL | 16, "/db/quake2.db", {}});
    EXPECT_NE(sections.find("\n\nIncludes ALL dropable pickup items (-cheat option)\n\n        "), std::string::npos);
}

TEST_F(OverflowAnalysisTest, CheatAddsNothingForPickupsPresentEverywhereOrIgnored) {
    // Spawnflag 1 is no level bit: the health is present in every level.
    const std::string map = MapEntity({{"classname", "item_health"}, {"spawnflags", "1"}}) +
                            MapEntity({{"classname", "item_armor_body"}, {"spawnflags", "1792"}}) +
                            MapEntity({{"classname", "item_armor_body"}, {"spawnflags", "2048"}});
    const OverflowAnalysis analysis = Analyse(table, map, OverflowOptions{{}, true});
    EXPECT_EQ(analysis.entities.size(), 3U);
    EXPECT_EQ(Analyse(table, "", OverflowOptions{{"item_health", "item_armor_body"}, true}).entities.size(), 0U);
}

TEST_F(OverflowAnalysisTest, CheatWithoutPickupClassesSaysSo) {
    const EntityClassTable plain = LoadTable("CLASSNAME worldspawn\n]\n");
    const OverflowAnalysis analysis = Analyse(plain, MapEntity({{"classname", "worldspawn"}}), {{}, true});
    const std::string sections = FormatOverflowSections(analysis, {EVERY_LEVEL | 16, "/g/mod.db", {}});
    EXPECT_NE(sections.find("\n\nCould not find the entity database /g/mod.db.\nUnable to perform 'cheat' option.\n\n"),
              std::string::npos);
}

TEST(OverflowResources, ImagesCompareWithoutCaseModelsAndSoundsExactly) {
    OverflowAnalysis analysis;
    CountName(analysis, 0, "pics/Colormap.pcx");
    CountName(analysis, 0, "PICS/colormap.PCX");
    CountName(analysis, 0, "models/A.md2");
    CountName(analysis, 0, "models/a.md2");
    CountName(analysis, 0, "World/Amb.WAV");
    CountName(analysis, 0, "world/amb.wav");
    EXPECT_EQ(analysis.Count(ResourceKind::Image, 0), 1);
    EXPECT_EQ(analysis.List(ResourceKind::Image, 0).names[0], "pics/Colormap.pcx");
    EXPECT_EQ(analysis.Count(ResourceKind::Model, 0), 2);
    EXPECT_EQ(analysis.Count(ResourceKind::Sound, 0), 2);
}

TEST(OverflowEntityLine, KnownKeysFurtherKeysAndFaces) {
    OverflowEntity entity;
    ReadEntityLine(entity, "\"killtarget\" \"target\"");
    ReadEntityLine(entity, "\"target\" \"t2\"");
    ReadEntityLine(entity, "\"origin\" \"12.75 -8 64\"");
    ReadEntityLine(entity, "\"spawnflags\" \"1792\"");
    ReadEntityLine(entity, "\"_color\" \"1 0.5 0\"\r");
    ReadEntityLine(entity, "( 0 0 0 ) ( 0 1 0 ) ( 1 0 0 ) e1u1/floor1_1 0 0 0 1 1");
    ReadEntityLine(entity, "\"half\" \"open");
    ReadEntityLine(entity, "\"noise\"");
    EXPECT_EQ(entity.target, "t2");
    EXPECT_EQ(entity.origin, (std::array<std::int32_t, 3>{12, -8, 64}));
    EXPECT_EQ(entity.spawnflags, 1792);
    EXPECT_EQ(entity.noise, "") << "a key without a value";
    ASSERT_EQ(entity.furtherKeys.size(), 2U);
    EXPECT_EQ(entity.furtherKeys[0].key, "killtarget");
    EXPECT_EQ(entity.furtherKeys[0].value, "target");
    EXPECT_EQ(entity.furtherKeys[1].key, "_color");
    // An entity keeps its first ten further keys.
    for (int i = 2; i < 12; ++i) {
        ReadEntityLine(entity, "\"key" + std::to_string(i) + "\" \"value\"");
    }
    ASSERT_EQ(entity.furtherKeys.size(), 10U);
    EXPECT_EQ(entity.furtherKeys.back().key, "key9");
}

}  // namespace
}  // namespace quillon
