// The analysis's tables at their limits: 2048 entities, 512 names of one kind in one level, 10
// further keys, 256 pickup classes. At a limit nothing is said; past it the rest is left out and
// the report says so once.

#include <gtest/gtest.h>

#include <string>

#include "frontend/core/OverflowFixture.h"
#include "frontend/core/OverflowMapScan.h"
#include "frontend/core/OverflowReport.h"

namespace quillon {
namespace {

using test::Analyse;
using test::LoadTable;
using test::MapEntity;

constexpr int EVERY_LEVEL = 15;
const char* const ENTITY_NOTE = "NOTE: Only the first 2048 entities";
const char* const NAME_NOTE = "NOTE: Only the first 512 models, sounds and images";
const char* const PICKUP_NOTE = "NOTE: Only the first 256 pickup classes";

const char* const DATABASE =
    "CLASSNAME worldspawn\n]\n"
    "CLASSNAME info_notnull\n]\n"
    "CLASSNAME target_speaker\nHAS_NOISE\n]\n"
    "CLASSNAME misc_spawner\nSPAWN misc_gib\n]\n"
    "CLASSNAME misc_gib\nLOAD models/objects/gibs/tris.md2\n]\n";

std::string Entities(int count, const std::string& className) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += MapEntity({{"classname", className}});
    }
    return text;
}

/// Speakers with the noises s0.wav ... s(count - 1).wav.
std::string Speakers(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += MapEntity({{"classname", "target_speaker"}, {"noise", "s" + std::to_string(i) + ".wav"}});
    }
    return text;
}

bool Says(const OverflowAnalysis& analysis, const char* note) {
    return FormatOverflowSections(analysis, {EVERY_LEVEL, "", {}}).find(note) != std::string::npos;
}

class OverflowLimitsTest : public testing::Test {
protected:
    EntityClassTable table = LoadTable(DATABASE);
};

TEST_F(OverflowLimitsTest, The2048thEntityIsCountedSilently) {
    const OverflowAnalysis analysis = Analyse(table, Entities(2048, "info_notnull"));
    EXPECT_EQ(analysis.entities.size(), 2048U);
    EXPECT_FALSE(Says(analysis, ENTITY_NOTE));
}

TEST_F(OverflowLimitsTest, EntitiesPastTheTableAreLeftOutAndNamedOnce) {
    const OverflowAnalysis analysis = Analyse(table, Entities(2100, "info_notnull"));
    EXPECT_EQ(analysis.entities.size(), 2048U);
    const std::string sections = FormatOverflowSections(analysis, {EVERY_LEVEL, "", {}});
    const std::size_t first = sections.find(ENTITY_NOTE);
    ASSERT_NE(first, std::string::npos) << sections.substr(0, 800);
    EXPECT_EQ(sections.find(ENTITY_NOTE, first + 1), std::string::npos);
    EXPECT_NE(sections.find("Total entities            2048\t  2048\t  2048\t  2048\t\n"), std::string::npos);
}

TEST_F(OverflowLimitsTest, EntitiesSpawnedByRulesStopAtTheTableToo) {
    // 1500 spawners each bring a gib: 3000 records wanted.
    const OverflowAnalysis analysis = Analyse(table, Entities(1500, "misc_spawner"));
    EXPECT_EQ(analysis.entities.size(), 2048U);
    EXPECT_TRUE(Says(analysis, ENTITY_NOTE));
}

TEST_F(OverflowLimitsTest, IgnoredEntitiesPastTheTableAreNotCountedAsIgnored) {
    OverflowOptions options;
    options.ignoreList = {"info_notnull"};
    const OverflowAnalysis analysis = Analyse(table, Entities(2050, "info_notnull"), options);
    EXPECT_EQ(analysis.entities.size(), 2048U);
    EXPECT_EQ(analysis.ignoredCount, 2048);
}

TEST_F(OverflowLimitsTest, The512thSoundOfALevelIsListedSilently) {
    const OverflowAnalysis analysis = Analyse(table, Speakers(512));
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        EXPECT_EQ(analysis.Count(ResourceKind::Sound, level), 512);
    }
    EXPECT_FALSE(Says(analysis, NAME_NOTE));
}

TEST_F(OverflowLimitsTest, SoundsPastTheListAreLeftOutAndNamedOnce) {
    const OverflowAnalysis analysis = Analyse(table, Speakers(600) + Speakers(10));
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        EXPECT_EQ(analysis.Count(ResourceKind::Sound, level), 512);
        EXPECT_EQ(analysis.List(ResourceKind::Sound, level).names.back(), "sound/s511.wav");
    }
    const std::string sections = FormatOverflowSections(analysis, {EVERY_LEVEL, "", {}});
    const std::size_t first = sections.find(NAME_NOTE);
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(sections.find(NAME_NOTE, first + 1), std::string::npos);
    EXPECT_NE(sections.find("WARNING: Too many sounds in   EASY\n"), std::string::npos);
}

TEST_F(OverflowLimitsTest, AnEntityKeepsItsFirstTenFurtherKeys) {
    OverflowEntity entity;
    for (int i = 0; i < 12; ++i) {
        const std::string n = std::to_string(i);
        ReadEntityLine(entity, "\"key" + n + "\" \"value" + n + "\"");
    }
    ASSERT_EQ(entity.furtherKeys.size(), 10U);
    EXPECT_EQ(entity.furtherKeys.back().key, "key9");
    EXPECT_EQ(entity.furtherKeys.back().value, "value9");
}

TEST_F(OverflowLimitsTest, PickupClassesPastTheListAreLeftOutAndNamedOnce) {
    std::string blocks = DATABASE;
    for (int i = 0; i < 300; ++i) {
        blocks += "CLASSNAME item_" + std::to_string(i) + "\nIS_PICKUP 1\n]\n";
    }
    const EntityClassTable pickups = LoadTable(blocks);
    OverflowOptions options;
    options.cheat = true;
    const OverflowAnalysis analysis = Analyse(pickups, MapEntity({{"classname", "worldspawn"}}), options);
    EXPECT_EQ(analysis.pickupList.size(), 256U);
    EXPECT_EQ(analysis.pickupList.back(), "item_255");
    EXPECT_TRUE(Says(analysis, PICKUP_NOTE));
}

}  // namespace
}  // namespace quillon
