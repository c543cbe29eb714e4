// The analysis's tables at their limits: 2048 entities, 512 names of one kind in one level (twice
// the game's limits, or twice those the database declares), 10 further keys, 256 pickup classes.
// At a limit nothing is said; past it the rest is left out and the report says so once.

#include <gtest/gtest.h>

#include <string>

#include "frontend/core/OverflowFixture.h"
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
    EntityClassTable table = LoadTable(DATABASE);  // the game's limits unless a test declares others
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
    std::string blocks = DATABASE;
    for (int i = 0; i < 300; ++i) {
        blocks += "CLASSNAME item_" + std::to_string(i) + "\nIS_PICKUP 1\n]\n";
    }
    const EntityClassTable pickups = LoadTable(blocks);
    const OverflowAnalysis analysis = Analyse(pickups, MapEntity({{"classname", "worldspawn"}}), {{}, true});
    EXPECT_EQ(analysis.pickupList.size(), 256U);
    EXPECT_EQ(analysis.pickupList.back(), "item_255");
    EXPECT_EQ(TimesSaid(analysis, PICKUP_NOTE), 1);
}

}  // namespace
}  // namespace quillon
