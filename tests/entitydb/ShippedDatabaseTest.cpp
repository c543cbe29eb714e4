// The databases shipped in data/Quake2: well formed, complete, and merging as a user expects.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "entitydb/DatabaseText.h"
#include "entitydb/EntityDatabase.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

const std::string DATA_DIR = QUILLON_SOURCE_DIR "/data/Quake2/";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Where each block starts: lines that begin with "CLASSNAME" after the start marker.
std::vector<int> BlockOffsets(const std::string& text) {
    std::vector<int> offsets;
    const std::size_t start = text.find("__START__");
    for (std::size_t at = NextLineStart(text, start); at < text.size(); at = NextLineStart(text, at)) {
        if (LineAt(text, at).starts_with("CLASSNAME")) {
            offsets.push_back(static_cast<int>(at));
        }
    }
    return offsets;
}

const EntityClassDef* Find(const EntityClassTable& table, const std::string& name) {
    for (const EntityClassDef& record : table.classes) {
        if (!record.className.empty() && EqualsIgnoringCase(record.className, name)) {
            return &record;
        }
    }
    return nullptr;
}

class ShippedDatabase : public testing::TestWithParam<const char*> {};

TEST_P(ShippedDatabase, IsWellFormedAndNamesResourcesTheWayTheAnalysisCountsThem) {
    const std::string text = test::ReadFileBytes(DATA_DIR + GetParam());
    ASSERT_FALSE(text.empty());
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << "bare line feed at byte " << at;
    }
    EXPECT_TRUE(text.ends_with("]\r\n"));
    const auto header = ReadDatabaseHeader(DATA_DIR + GetParam());
    ASSERT_TRUE(header.has_value());
    EXPECT_TRUE(header->displayName.starts_with("Quake 2"));
    EXPECT_FALSE(header->origin.empty());
    EXPECT_EQ(text.find("__NOPARENT__"), std::string::npos);

    EntityClassTable table;
    LoadEntityClasses(table, test::ReadFileBytes(DATA_DIR + "quake2.db"), true, DatabaseReader::FrontEnd);
    LoadEntityClasses(table, text, false, DatabaseReader::FrontEnd);
    const std::vector<int> offsets = BlockOffsets(text);
    ASSERT_FALSE(offsets.empty());
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        const std::size_t end = i + 1 < offsets.size() ? static_cast<std::size_t>(offsets[i + 1]) : text.size();
        const std::string_view block(text.data() + offsets[i], end - static_cast<std::size_t>(offsets[i]));
        const std::string head(LineAt(text, static_cast<std::size_t>(offsets[i])));
        EXPECT_NE(block.find("\r\n]\r\n"), std::string_view::npos) << head << " is not closed";
        const auto words = std::count(head.begin(), head.end(), ' ');
        EXPECT_TRUE(words == 1 || words == 7) << head << ": a box has all six numbers";
        for (const std::string_view line : BlockLines(text, offsets[i])) {
            const KeywordLine split = SplitKeywordLine(line);
            EXPECT_TRUE(MatchDatabaseKeyword(split.keyword).has_value()) << head << ": \"" << line << '"';
            std::string argument(split.arguments.substr(std::min(split.arguments.size(), std::size_t{1})));
            if (split.keyword == "LOAD" && !argument.starts_with("@")) {
                const std::string name = Lower(argument);
                const bool model = name.ends_with(".md2") || name.ends_with(".sp2");
                const bool sound = name.starts_with("sound/") && name.ends_with(".wav");
                const bool image = name.starts_with("pics/") && name.ends_with(".pcx") && !name.starts_with("pics/m_");
                EXPECT_TRUE(model || sound || image) << line;
            }
            if (split.keyword == "NEEDS") {
                EXPECT_NE(Find(table, argument), nullptr) << "needs an unknown class: " << line;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedDatabase, testing::Values("quake2.db", "ctf.db"));

class BaseDatabase : public testing::Test {
protected:
    void SetUp() override {
        text = test::ReadFileBytes(DATA_DIR + "quake2.db");
        count = LoadEntityClasses(table, text, true, DatabaseReader::Checker);
        ctf = test::ReadFileBytes(DATA_DIR + "ctf.db");
        merged = table;
        mergedCount = LoadEntityClasses(merged, ctf, false, DatabaseReader::Checker);
    }
    std::string text;
    EntityClassTable table;
    int count = 0;
    std::string ctf;
    EntityClassTable merged;
    int mergedCount = 0;
};

// Point classes whose position has no effect in the game: without a box, no inside-solid note names them.
const std::set<std::string> POSITIONLESS_CLASSES = {
    "func_clock",       "func_timer",        "info_notnull",       "info_null",
    "misc_strogg_ship", "misc_viper",        "target_changelevel", "target_crosslevel_target",
    "target_goal",      "target_earthquake", "target_help",        "target_crosslevel_trigger",
    "target_lightramp", "target_secret",     "target_string",      "trigger_always",
    "trigger_elevator", "trigger_key",       "trigger_relay"};

TEST_F(BaseDatabase, HoldsEveryClassOfTheGameOnceWithItsBoxOrBrushAndPickups) {
    EXPECT_EQ(count, static_cast<int>(BlockOffsets(text).size()));
    EXPECT_EQ(count, 148);
    EntityClassTable frontEnd;
    EXPECT_EQ(LoadEntityClasses(frontEnd, text, true, DatabaseReader::FrontEnd), count);
    const EntityClassDef& world = table.classes.at(0);
    EXPECT_EQ(world.className, "worldspawn");
    EXPECT_TRUE(world.noInhibit);
    // Brush classes whose brushes the compiler merges into the world take no model of their own.
    const std::set<std::string> mergedBrushClasses = {"worldspawn", "func_areaportal", "func_group"};
    std::set<std::string> names;
    int pickups = 0;
    for (const EntityClassDef& record : table.classes) {
        EXPECT_TRUE(names.insert(Lower(record.className)).second) << record.className;
        if (record.isPickup) {
            ++pickups;
            EXPECT_FALSE(record.className.starts_with("item_health")) << record.className;
            EXPECT_EQ(record.mins, (std::array<float, 3>{-15, -15, -15})) << record.className;
        }
        if (mergedBrushClasses.count(record.className) != 0 || POSITIONLESS_CLASSES.count(record.className) != 0) {
            EXPECT_FALSE(record.hasBounds || record.needsBrush) << record.className;
            continue;
        }
        EXPECT_NE(record.hasBounds, record.needsBrush) << record.className;
        for (int axis = 0; record.hasBounds && axis < 3; ++axis) {
            EXPECT_LT(record.mins[axis], record.maxs[axis]) << record.className;
        }
    }
    EXPECT_EQ(pickups, 40);
    EXPECT_TRUE(Find(table, "weapon_blaster")->isPickup);
    const EntityClassDef* laser = Find(table, "target_laser");
    ASSERT_NE(laser, nullptr);
    EXPECT_EQ(laser->validSpawnflags, 0x0F7Fu);
    const auto flagNames = ReadSpawnflagNames(text, laser->definitionOffset);
    ASSERT_EQ(flagNames.size(), 7u);
    EXPECT_EQ(flagNames[1], (std::pair<std::uint32_t, std::string>{2, "RED"}));
    EXPECT_EQ(Find(table, "item_quad")->validSpawnflags, 0x0F00u);
}

TEST_F(BaseDatabase, CtfAddsItsClassesReplacesChangedOnesInPlaceAndRemovesWhatItCannotSpawn) {
    EXPECT_EQ(mergedCount, 148 + 13);
    const EntityClassDef* flag = Find(merged, "item_flag_team1");
    ASSERT_NE(flag, nullptr);
    EXPECT_TRUE(flag->fromSelectedDatabase && flag->isPickup && flag->hasBounds);
    EXPECT_EQ(ctf.compare(static_cast<std::size_t>(flag->definitionOffset), 25, "CLASSNAME item_flag_team1"), 0);
    EXPECT_TRUE(Find(merged, "trigger_teleport")->needsBrush);
    EXPECT_EQ(Find(table, "trigger_teleport"), nullptr);

    EXPECT_TRUE(Find(table, "info_player_deathmatch")->spInhibit);
    const EntityClassDef* spot = Find(merged, "info_player_deathmatch");
    EXPECT_FALSE(spot->spInhibit);
    EXPECT_TRUE(spot->fromSelectedDatabase);
    const auto lines = BlockLines(ctf, spot->definitionOffset);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "NEEDS item_tech1"), lines.end());
    const EntityClassDef& world = merged.classes[0];
    EXPECT_EQ(world.className, "worldspawn");
    EXPECT_TRUE(world.fromSelectedDatabase && world.noInhibit);
    const auto worldLines = BlockLines(ctf, world.definitionOffset);
    EXPECT_NE(std::find(worldLines.begin(), worldLines.end(), "LOAD pics/i_ctf1.pcx"), worldLines.end());
    EXPECT_EQ(std::find(worldLines.begin(), worldLines.end(), "LOAD #w_bfg.md2"), worldLines.end());

    int removed = 0;
    for (std::size_t i = 0; i < table.classes.size(); ++i) {
        removed += merged.classes[i].className.empty() && !merged.classes[i].fromSelectedDatabase ? 1 : 0;
    }
    EXPECT_EQ(removed, 29);
    for (const char* name : {"monster_soldier", "monster_jorg", "misc_actor", "turret_breach", "target_actor"}) {
        EXPECT_NE(Find(table, name), nullptr) << name;
        EXPECT_EQ(Find(merged, name), nullptr) << name;
    }
    EXPECT_FALSE(Find(merged, "func_door")->fromSelectedDatabase);
}

TEST_F(BaseDatabase, GivesEveryPlayerStartThePlayersBoxNotThePad) {
    for (const EntityClassTable* source : {&table, &merged}) {
        for (const char* name : {"info_player_start", "info_player_deathmatch", "info_player_coop", "info_player_team1",
                                 "info_player_team2"}) {
            const EntityClassDef* start = Find(*source, name);
            if (start == nullptr) {
                EXPECT_EQ(source, &table) << name;  // the team starts are CTF's own
                continue;
            }
            EXPECT_TRUE(start->hasBounds) << name;
            EXPECT_EQ(start->mins, (std::array<float, 3>{-16, -16, -24})) << name;
            EXPECT_EQ(start->maxs, (std::array<float, 3>{16, 16, 32})) << name;
        }
    }
}

}  // namespace
}  // namespace quillon
