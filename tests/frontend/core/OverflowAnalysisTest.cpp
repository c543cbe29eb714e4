#include <gtest/gtest.h>

#include "frontend/core/OverflowFixture.h"
#include "frontend/core/OverflowMapScan.h"
#include "frontend/core/OverflowReport.h"
#include "frontend/core/OverflowRules.h"

namespace quillon {
namespace {

using test::Analyse;
using test::Holds;
using test::LevelsHolding;
using test::LoadTable;
using test::MapEntity;

constexpr int EVERY_LEVEL = 15;
constexpr int NOT_EASY = 2 | 4 | 8;

const char* const RULES_DATABASE =
    "CLASSNAME worldspawn\nIS_SOLID 1\n]\n"
    "CLASSNAME func_door\nIS_SOLID 1\nLOAD doors/dr1_strt.wav\n]\n"
    "CLASSNAME monster_soldier 0 0 0 1 1 1\nLOAD models/monsters/soldier/tris.md2\nLOAD soldier/solpain1.wav\n"
    "LOAD pics/i_soldier.pcx\n]\n"
    "CLASSNAME monster_boss\nDM_INHIBIT 1\nLOAD models/monsters/boss/tris.md2\n]\n"
    "CLASSNAME info_player_deathmatch\nSP_INHIBIT 1\nLOAD models/objects/dmspot/tris.md2\n]\n"
    "CLASSNAME misc_always\nNO_INHIBIT 1\nLOAD models/always.md2\nSF_AND 1 always/one.wav\n]\n"
    "CLASSNAME item_health\nIS_PICKUP 1\nLOAD models/items/healing/medium/tris.md2\n]\n"
    "CLASSNAME item_armor_body\nIS_PICKUP 1\nLOAD models/items/armor/body/tris.md2\n]\n"
    "CLASSNAME target_speaker\nHAS_NOISE\n]\n"
    "CLASSNAME misc_rules\nSF_AND 1 rules/and.wav\nSF_NOT 1 rules/not.wav\nSOUND_EQ 2 rules/eq.wav\n"
    "SOUND_NEQ 2 rules/neq.wav\nTALK_WAV 1 rules/talk.wav\n"
    "LOCKSND_EQ 1 \"doors/locked one.wav\"\nMOVESND_EQ 2 plats/move.wav\nSTOPSND_EQ 3 plats/stop.wav\n"
    "UNLKSND_EQ 4 doors/unlocked.wav\n]\n"
    "CLASSNAME misc_spawner\nSPAWN misc_gib\nSPAWN @ITEM\nSPAWNOBJ 3 misc_debris\n]\n"
    "CLASSNAME misc_gib\nLOAD models/objects/gibs/tris.md2\n]\n"
    "CLASSNAME misc_debris\nLOAD models/objects/debris/tris.md2\n]\n"
    "CLASSNAME target_help\nNEEDS misc_helper\n]\n"
    "CLASSNAME trigger_needs\nNEEDS @TARGET\n]\n"
    "CLASSNAME misc_needy\nNEEDS misc_helper\nNEEDS misc_gib\nNEEDS @ITEM\n]\n"
    "CLASSNAME misc_helper\nLOAD models/helper.md2\n]\n"
    "CLASSNAME misc_loader\nLOAD @message\nLOAD @noise\nLOAD @Model\nLOAD @absent\nLOAD pics/loader.pcx\n"
    "LOAD pics/m_menu.pcx\nLOAD other/picture.pcx\nLOAD readme\nLOAD \"talk\"\n]\n";

std::vector<std::string> SortedSounds(const OverflowAnalysis& analysis) {
    std::vector<std::string> names = analysis.List(ResourceKind::Sound, 0).names;
    std::sort(names.begin(), names.end());
    return names;
}

class OverflowAnalysisTest : public testing::Test {
protected:
    EntityClassTable table = LoadTable(RULES_DATABASE);
};

TEST_F(OverflowAnalysisTest, OnlyEntitiesOfBrushClassesCountAsBrushModels) {
    const std::string map = MapEntity({{"classname", "worldspawn"}}, 3) +
                            MapEntity({{"classname", "func_door"}}, 2) +
                            MapEntity({{"classname", "func_unknown"}}, 1) +
                            MapEntity({{"classname", "monster_soldier"}});
    EXPECT_EQ(Analyse(table, map).brushModelCount, 2);
}

struct LevelCase {
    const char* name;
    std::string map;
    ResourceKind kind;
    const char* resource;
    int levels;              ///< bit 1 << level for each level whose list holds the resource
    std::size_t entities;    ///< records in the table, added ones included
    const char* firstClass;  ///< the first record after sorting, or empty to skip the check
    int firstSpawnflags;
};

void PrintTo(const LevelCase& c, std::ostream* out) {
    *out << c.name;
}

class OverflowLevels : public OverflowAnalysisTest, public testing::WithParamInterface<LevelCase> {};

TEST_P(OverflowLevels, FollowTheEntitysFlagsAndTheClassRules) {
    const LevelCase& c = GetParam();
    const OverflowAnalysis analysis = Analyse(table, c.map);
    EXPECT_EQ(LevelsHolding(analysis, c.kind, c.resource), c.levels);
    ASSERT_EQ(analysis.entities.size(), c.entities);
    if (*c.firstClass != '\0') {
        EXPECT_EQ(analysis.entities[0].classname, c.firstClass);
        EXPECT_EQ(analysis.entities[0].spawnflags, c.firstSpawnflags);
    }
}

const std::string SPAWNERS =
    MapEntity({{"classname", "misc_spawner"}, {"spawnflags", "512"}, {"item", "item_health"}, {"spawnobject", "3"}}) +
    MapEntity({{"classname", "misc_spawner"}, {"spawnflags", "1024"}, {"spawnobject", "2"}});

INSTANTIATE_TEST_SUITE_P(
    Rules, OverflowLevels,
    testing::Values(
        LevelCase{"EntityNotInEasyLoadsOnlyInTheOtherLevels",
                  MapEntity({{"classname", "monster_soldier"}, {"spawnflags", "256"}}), ResourceKind::Model,
                  "models/monsters/soldier/tris.md2", NOT_EASY, 1, "", 0},
        LevelCase{"DeathmatchInhibitedClassNeverReachesDeathmatch", MapEntity({{"classname", "Monster_Boss"}}),
                  ResourceKind::Model, "models/monsters/boss/tris.md2", 1 | 2 | 4, 1, "Monster_Boss", 2048},
        LevelCase{"SinglePlayerInhibitedClassLoadsOnlyInDeathmatch",
                  MapEntity({{"classname", "info_player_deathmatch"}, {"spawnflags", "1"}}), ResourceKind::Model,
                  "models/objects/dmspot/tris.md2", 8, 1, "info_player_deathmatch", 1 | 256 | 512 | 1024},
        LevelCase{"NeverInhibitedClassLoadsEverywhereAndKeepsItsOtherFlags",
                  MapEntity({{"classname", "misc_always"}, {"spawnflags", "3841"}}), ResourceKind::Sound,
                  "always/one.wav", EVERY_LEVEL, 1, "", 0},
        LevelCase{"NeededClassIsAddedOnceWhenTheMapLacksIt",
                  MapEntity({{"classname", "target_help"}, {"spawnflags", "256"}}) +
                      MapEntity({{"classname", "target_help"}}),
                  ResourceKind::Model, "models/helper.md2", EVERY_LEVEL, 3, "misc_helper", 0},
        LevelCase{"NeededClassThatTheMapHasAddsNothing",
                  MapEntity({{"classname", "target_help"}}) +
                      MapEntity({{"classname", "MISC_HELPER"}, {"spawnflags", "2048"}}),
                  ResourceKind::Model, "models/helper.md2", 1 | 2 | 4, 2, "MISC_HELPER", 2048},
        LevelCase{"NeedsCanNameTheTargetsClass",
                  MapEntity({{"classname", "trigger_needs"}, {"target", "misc_helper"}}) +
                      MapEntity({{"classname", "trigger_needs"}}),
                  ResourceKind::Model, "models/helper.md2", EVERY_LEVEL, 3, "misc_helper", 0},
        LevelCase{"EveryNeededClassIsAddedAndAnAbsentItemNamesNone", MapEntity({{"classname", "misc_needy"}}),
                  ResourceKind::Model, "models/helper.md2", EVERY_LEVEL, 3, "misc_gib", 0},
        LevelCase{"SpawnedEntitiesShareTheSpawnersLevels", SPAWNERS, ResourceKind::Model,
                  "models/objects/gibs/tris.md2", EVERY_LEVEL, 2 + 2 + 1 + 1, "", 0},
        LevelCase{"SpawnedItemSharesTheSpawnersLevels", SPAWNERS, ResourceKind::Model,
                  "models/items/healing/medium/tris.md2", 1 | 4 | 8, 6, "item_health", 512},
        LevelCase{"SpawnedObjectSharesTheSpawnersLevels", SPAWNERS, ResourceKind::Model,
                  "models/objects/debris/tris.md2", 1 | 4 | 8, 6, "", 0}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

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
}

TEST_F(OverflowAnalysisTest, IgnoreListComparesClassNamesExactly) {
    const OverflowAnalysis analysis =
        Analyse(table, MapEntity({{"classname", "Func_Door"}}, 1), OverflowOptions{{"func_door"}, false});
    EXPECT_EQ(analysis.ignoredCount, 0);
    EXPECT_EQ(analysis.brushModelCount, 1);
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

TEST_F(OverflowAnalysisTest, LoadReferencesTakeTheEntitysValues) {
    const std::string map = MapEntity({{"classname", "misc_loader"},
                                       {"message", "world/amb1.wav"},
                                       {"noise", "world/amb2.wav"},
                                       {"model", "models/objects/barrel/tris.md2"}});
    const OverflowAnalysis analysis = Analyse(table, map);
    EXPECT_TRUE(Holds(analysis, ResourceKind::Sound, 0, "world/amb1.wav"));
    EXPECT_TRUE(Holds(analysis, ResourceKind::Sound, 0, "world/amb2.wav"));
    EXPECT_TRUE(Holds(analysis, ResourceKind::Model, 0, "models/objects/barrel/tris.md2"));
    EXPECT_TRUE(Holds(analysis, ResourceKind::Sound, 0, "\"talk\"")) << "a quoted name is a sound";
    EXPECT_TRUE(Holds(analysis, ResourceKind::Image, 0, "pics/loader.pcx"));
    EXPECT_EQ(analysis.Count(ResourceKind::Model, 0), 1);
    EXPECT_EQ(analysis.Count(ResourceKind::Sound, 0), 3);
    EXPECT_EQ(analysis.Count(ResourceKind::Image, 0), 1) << "menu pictures and other folders are not level images";
    // A reference to a value the entity lacks counts nothing.
    const OverflowAnalysis bare = Analyse(table, MapEntity({{"classname", "misc_loader"}}));
    EXPECT_EQ(bare.Count(ResourceKind::Model, 0), 0);
    EXPECT_EQ(bare.Count(ResourceKind::Sound, 0), 1);
}

TEST_F(OverflowAnalysisTest, ConditionalSoundRulesFollowTheEntitysKeys) {
    const std::string map = MapEntity({{"classname", "misc_rules"}, {"spawnflags", "1"}, {"sounds", "2"},
                                       {"targetname", "t"}, {"message", "hello"}, {"locked_sound", "1"},
                                       {"movesnd", "2"}, {"stopsnd", "0"}, {"unlocked_sound", "4"}}) +
                            MapEntity({{"classname", "target_speaker"}, {"noise", "world/drip.wav"}});
    const OverflowAnalysis analysis = Analyse(table, map);
    EXPECT_EQ(SortedSounds(analysis),
              (std::vector<std::string>{"\"doors/locked one.wav\"", "doors/unlocked.wav", "plats/move.wav",
                                        "rules/and.wav", "rules/eq.wav", "rules/talk.wav", "sound/world/drip.wav"}));
}

TEST_F(OverflowAnalysisTest, OppositeSoundRulesApplyToTheOtherEntity) {
    const OverflowAnalysis analysis =
        Analyse(table, MapEntity({{"classname", "misc_rules"}, {"sounds", "5"}, {"targetname", "t"}}));
    EXPECT_EQ(SortedSounds(analysis), (std::vector<std::string>{"rules/neq.wav", "rules/not.wav"}));
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

TEST_F(OverflowAnalysisTest, FuncGroupUnknownAndNamelessEntitiesAreLeftOut) {
    const std::string map = MapEntity({{"classname", "func_group"}}, 1) + MapEntity({{"classname", "misc_nothing"}}) +
                            MapEntity({{"targetname", "x"}}) + MapEntity({{"classname", "monster_soldier"}});
    EXPECT_EQ(Analyse(table, map).entities.size(), 1U);
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
    EXPECT_EQ(entity.target, "t2");
    EXPECT_EQ(entity.origin, (std::array<std::int32_t, 3>{12, -8, 64}));
    EXPECT_EQ(entity.spawnflags, 1792);
    ASSERT_EQ(entity.furtherKeys.size(), 2U);
    EXPECT_EQ(entity.furtherKeys[0].key, "killtarget");
    EXPECT_EQ(entity.furtherKeys[0].value, "target");
    EXPECT_EQ(entity.furtherKeys[1].key, "_color");
}

TEST_F(OverflowAnalysisTest, IndentedBracesStillOpenEntities) {
    const std::string map = "  {\n  \"classname\" \"func_door\"\n  {\n  ( 0 0 0 ) ( 0 1 0 ) ( 1 0 0 ) x 0 0 0 1 1\n  }\n  }\n";
    const OverflowAnalysis analysis = Analyse(table, map);
    EXPECT_EQ(analysis.brushModelCount, 1);
    EXPECT_EQ(analysis.entities.size(), 1U);
}

}  // namespace
}  // namespace quillon
