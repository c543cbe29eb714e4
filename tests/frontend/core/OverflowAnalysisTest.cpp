// The index-overflow analysis: load rules, the tables at their limits, and the report sections.

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <utility>
#include <vector>

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
using MapPairs = std::vector<std::pair<std::string, std::string>>;

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

// The analysis's tables at their limits: 2048 entities, 512 names of one kind in one level (twice
// the game's limits, or twice those the database declares), 10 further keys, 256 pickup classes.
// At a limit nothing is said; past it the rest is left out and the report says so once.

const char* const ENTITY_NOTE = "NOTE: Only the first 2048 entities";
const char* const NAME_NOTE = "NOTE: Only the first 512 models, sounds and images";
const char* const PICKUP_NOTE = "NOTE: Only the first 256 pickup classes";

const char* const LIMITS_DATABASE =
    "CLASSNAME worldspawn\n]\n"
    "CLASSNAME info_notnull\n]\n"
    "CLASSNAME target_speaker\nHAS_NOISE\n]\n"
    "CLASSNAME misc_spawner\nSPAWN misc_gib\n]\n"
    "CLASSNAME misc_gib\nLOAD models/objects/gibs/tris.md2\n]\n";

/// `count` entities of class `className` with `pairs`; the key `numbered`, when given, has the
/// value `before` + the entity's number + `after`.
std::string Entities(int count, const std::string& className, MapPairs pairs = {}, const std::string& numbered = "",
                     const std::string& before = "", const std::string& after = "", int brushes = 0) {
    std::string text;
    pairs.insert(pairs.begin(), {"classname", className});
    for (int i = 0; i < count; ++i) {
        MapPairs entity = pairs;
        if (!numbered.empty()) {
            entity.push_back({numbered, before + std::to_string(i) + after});
        }
        text += MapEntity(entity, brushes);
    }
    return text;
}

/// Speakers with the noises s0.wav ... s(count - 1).wav.
std::string Speakers(int count) { return Entities(count, "target_speaker", {}, "noise", "s", ".wav"); }

/// How often the sections say `note`: never at a limit, once past it.
int TimesSaid(const OverflowAnalysis& analysis, const char* note) {
    const std::string sections = FormatOverflowSections(analysis, {EVERY_LEVEL, "", {}});
    int times = 0;
    for (std::size_t at = sections.find(note); at != std::string::npos; at = sections.find(note, at + 1)) {
        ++times;
    }
    return times;
}

class OverflowLimitsTest : public testing::Test {
protected:
    EntityClassTable table = LoadTable(LIMITS_DATABASE);  // the game's limits unless a test declares others
};

TEST_F(OverflowLimitsTest, EntityTableHolds2048AndLeavesTheRestOutSayingSoOnce) {
    const OverflowAnalysis full = Analyse(table, Entities(2048, "info_notnull"));
    EXPECT_EQ(full.entities.size(), 2048U);
    EXPECT_EQ(TimesSaid(full, ENTITY_NOTE), 0);
    const OverflowAnalysis past = Analyse(table, Entities(2100, "info_notnull"));
    EXPECT_EQ(past.entities.size(), 2048U);
    EXPECT_EQ(TimesSaid(past, ENTITY_NOTE), 1);
    EXPECT_EQ(TimesSaid(past, "Total entities            2048\t  2048\t  2048\t  2048\t\n"), 1);
    // 1500 spawners each bring a gib: 3000 records wanted.
    const OverflowAnalysis spawned = Analyse(table, Entities(1500, "misc_spawner"));
    EXPECT_EQ(spawned.entities.size(), 2048U);
    EXPECT_EQ(TimesSaid(spawned, ENTITY_NOTE), 1);
    // Ignored entities past the table are not counted as ignored.
    EXPECT_EQ(Analyse(table, Entities(2050, "info_notnull"), {{"info_notnull"}, false}).ignoredCount, 2048);
}

TEST_F(OverflowLimitsTest, SoundListOfALevelHolds512AndLeavesTheRestOutSayingSoOnce) {
    const OverflowAnalysis full = Analyse(table, Speakers(512));
    const OverflowAnalysis past = Analyse(table, Speakers(600) + Speakers(10));
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        EXPECT_EQ(full.Count(ResourceKind::Sound, level), 512);
        EXPECT_EQ(past.Count(ResourceKind::Sound, level), 512);
        EXPECT_EQ(past.List(ResourceKind::Sound, level).names.back(), "sound/s511.wav");
    }
    EXPECT_EQ(TimesSaid(full, NAME_NOTE), 0);
    EXPECT_EQ(TimesSaid(past, NAME_NOTE), 1);
    EXPECT_EQ(TimesSaid(past, "WARNING: Too many sounds in   EASY\n"), 1);
}

TEST_F(OverflowLimitsTest, DeclaredLimitsGiveTheTablesRoomForTwiceThem) {
    table.game.limits = {3000, 256, 1024, 256};
    const OverflowAnalysis entities = Analyse(table, Entities(6100, "info_notnull"));
    EXPECT_EQ(entities.entities.size(), 6000U);
    EXPECT_EQ(TimesSaid(entities, "NOTE: Only the first 6000 entities"), 1);
    const OverflowAnalysis sounds = Analyse(table, Speakers(2100));
    EXPECT_EQ(sounds.Count(ResourceKind::Sound, 0), 2048);
    EXPECT_EQ(TimesSaid(sounds, "NOTE: Only the first 512 models, 2048 sounds and 512 images\n"), 1);
    EXPECT_EQ(TimesSaid(sounds, "WARNING: Too many sounds in   EASY\n"), 1);
    EXPECT_EQ(TimesSaid(sounds, "included in the 256 model limit"), 1);
}

TEST_F(OverflowLimitsTest, PickupClassesPastTheListAreLeftOutAndNamedOnce) {
    std::string blocks = LIMITS_DATABASE;
    for (int i = 0; i < 300; ++i) {
        blocks += "CLASSNAME item_" + std::to_string(i) + "\nIS_PICKUP 1\n]\n";
    }
    const EntityClassTable pickups = LoadTable(blocks);
    const OverflowAnalysis analysis = Analyse(pickups, MapEntity({{"classname", "worldspawn"}}), {{}, true});
    EXPECT_EQ(analysis.pickupList.size(), 256U);
    EXPECT_EQ(analysis.pickupList.back(), "item_255");
    EXPECT_EQ(TimesSaid(analysis, PICKUP_NOTE), 1);
}

TEST(OverflowSections, LongNamesAreCutAtTheirColumn) {
    EXPECT_EQ(DotFilled("monster_soldier_light_extra", 24), "monster_soldier_light_ex");
    EXPECT_EQ(DotFilled("", 5), ".....");
}

struct LimitCase {
    int brushEntities;
    int models;
    int sounds;
    int images;
    const char* expectedWarnings;
    GameLimits declared{};  ///< as the entity database declares them
};

/// Brush entities, one entity per model, sound and image, in every level but DM.
std::string LimitMap(const LimitCase& c) {
    const MapPairs notInDeathmatch = {{"spawnflags", "2048"}};
    return Entities(c.brushEntities, "func_wall", {}, "", "", "", 1) +
           Entities(c.models, "misc_model", notInDeathmatch, "model", "m", ".md2") +
           Entities(c.sounds, "target_speaker", notInDeathmatch, "noise", "", ".wav") +
           Entities(c.images, "misc_picture", notInDeathmatch, "message", "pics/", ".pcx");
}

TEST(OverflowSections, WarnAboveTheGamesLimits) {
    const LimitCase cases[] = {
        {255, 0, 256, 256, ""},
        {254, 1, 0, 0, ""},
        {255, 1, 0, 0, "   WARNING: Too many models in   EASY\n"},
        {256, 1, 0, 0, "   WARNING: Too many models in   EASY\n   WARNING: Too many models in     DM\n"},
        {0, 0, 257, 0, "WARNING: Too many sounds in   EASY\n"},
        {0, 0, 0, 257, "WARNING: Too many images in   EASY\n"},
        {0, 256, 257, 257,
         "   WARNING: Too many models in   EASY\nWARNING: Too many sounds in   EASY\nWARNING: Too many images in   EASY\n"},
        // Limits declared by the database replace the game's.
        {298, 1, 300, 0, "", {1024, 300, 300, 256}},
        {299, 1, 301, 0, "   WARNING: Too many models in   EASY\nWARNING: Too many sounds in   EASY\n",
         {1024, 300, 300, 256}},
        {0, 0, 0, 3, "WARNING: Too many images in   EASY\n", {1024, 256, 256, 2}}};
    EntityClassTable table = LoadTable(
        "CLASSNAME func_wall\nIS_SOLID 1\n]\nCLASSNAME misc_model\nLOAD @model\n]\n"
        "CLASSNAME target_speaker\nHAS_NOISE\n]\nCLASSNAME misc_picture\nLOAD @message\n]\n");
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.brushEntities) + " brush models, " + std::to_string(c.models) + " models, " +
                     std::to_string(c.sounds) + " sounds, " + std::to_string(c.images) + " images");
        table.game.limits = c.declared;
        const std::string sections = FormatOverflowSections(Analyse(table, LimitMap(c)), {1 | 8, "", {}});
        const std::size_t start = sections.find("\n\n", sections.find("Images ")) + 2;
        const std::size_t end = sections.find("\n=========================== ENTITY LIST");
        EXPECT_EQ(sections.substr(start, end - start), c.expectedWarnings);
    }
}

TEST(OverflowSections, ModelTotalCountsBrushModelsModelsAndTheLevel) {
    const EntityClassTable table = LoadTable("CLASSNAME func_wall\nIS_SOLID 1\n]\nCLASSNAME misc_model\nLOAD @model\n]\n");
    const LimitCase c{256, 1, 0, 0, ""};
    const std::string sections = FormatOverflowSections(Analyse(table, LimitMap(c)), {1, "", {}});
    EXPECT_NE(sections.find("\nModels     258\t\n"), std::string::npos);
    EXPECT_NE(sections.find("\n(includes 256 brush models + .bsp)\n"), std::string::npos);
}

TEST(ReportHead, DateIsMonthDayTwoDigitYear) {
    std::tm when{};
    when.tm_year = 2024 - 1900;
    when.tm_mon = 6;
    when.tm_mday = 4;
    when.tm_hour = 13;
    when.tm_min = 5;
    when.tm_sec = 9;
    when.tm_isdst = -1;
    const std::time_t time = std::mktime(&when);
    EXPECT_EQ(FormatReportDate(time), "07/04/24");
    EXPECT_EQ(FormatReportTime(time), "13:05:09");
}

}  // namespace
}  // namespace quillon
