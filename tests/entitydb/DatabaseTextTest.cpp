#include "entitydb/DatabaseText.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

const std::string TEXT =
    "quillon\r\nname\r\norigin\r\n__START__\r\n"
    "CLASSNAME func_door\r\n"
    "IS_SOLID 1\r\n"
    "SPAWNFLAGS 1 \"start open\"\r\n"
    "spawnflags 2 \"lower case\"\r\n"
    "SPAWNFLAGS 4\r\n"
    "SPAWNFLAGS 40 \"a name that is much longer than thirty-one characters\"\r\n"
    "SPAWNFLAGS 256 \"not on easy\r\n"
    "LOAD sound/doors/dr1_strt.wav\r\n"
    "]\r\n"
    "CLASSNAME func_wall\r\n"
    "SPAWNFLAGS 8 \"other block\"\r\n"
    "]\r\n";

int OffsetOf(const std::string& text, const std::string& what) {
    return static_cast<int>(text.find(what));
}

TEST(ReadSpawnflagNames, ListsTheNamedUpperCaseLinesOfOneBlock) {
    const auto names = ReadSpawnflagNames(TEXT, OffsetOf(TEXT, "CLASSNAME func_door"));
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], (std::pair<std::uint32_t, std::string>{1, "start open"}));
    EXPECT_EQ(names[1], (std::pair<std::uint32_t, std::string>{40, "a name that is much longer than"}));
    EXPECT_EQ(names[2], (std::pair<std::uint32_t, std::string>{256, "not on easy"}));
}

TEST(ReadSpawnflagNames, StopsAtTheEndOfAnUnclosedBlock) {
    const std::string text = "CLASSNAME x\nSPAWNFLAGS 2 \"b\"";
    const auto names = ReadSpawnflagNames(text, 0);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].second, "b");
    EXPECT_TRUE(ReadSpawnflagNames(text, 500).empty());
    EXPECT_TRUE(ReadSpawnflagNames(text, -1).empty());
}

TEST(BlockLines, YieldsTheLinesBetweenTheClassnameLineAndTheClosingLine) {
    const auto lines = BlockLines(TEXT, OffsetOf(TEXT, "CLASSNAME func_wall"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "SPAWNFLAGS 8 \"other block\"");
    const auto door = BlockLines(TEXT, OffsetOf(TEXT, "CLASSNAME func_door"));
    ASSERT_EQ(door.size(), 7u);
    EXPECT_EQ(door.back(), "LOAD sound/doors/dr1_strt.wav");
    // An unclosed block ends where the next one begins; only a CLASSNAME keyword at the start of a
    // line opens a block.
    const std::string unclosed = "CLASSNAME a\nLOAD models/a.md2\nCLASSNAME b\nLOAD models/b.md2\n]\n";
    EXPECT_EQ(BlockLines(unclosed, 0), std::vector<std::string_view>{"LOAD models/a.md2"});
    EXPECT_EQ(BlockLines("CLASSNAME a\n CLASSNAME b\nLOAD x\n]\n", 0).size(), 2u);
}

TEST(MatchDatabaseKeyword, MatchesWholeWordsWithEachKeywordsCaseRule) {
    const std::pair<const char*, std::optional<DatabaseKeyword>> cases[] = {
        {"HAS_NOISE", DatabaseKeyword::HasNoise},   {"has_noise", std::nullopt},
        {"sf_and", DatabaseKeyword::SfAnd},         {"Sf_Not", DatabaseKeyword::SfNot},
        {"sound_eq", std::nullopt},                 {"SOUND_NEQ", DatabaseKeyword::SoundNeq},
        {"talk_wav", DatabaseKeyword::TalkWav},     {"LOCKSND_EQ", DatabaseKeyword::LockSndEq},
        {"movesnd_eq", std::nullopt},               {"SPAWNOBJ", DatabaseKeyword::SpawnObj},
        {"spawnobj", std::nullopt},                 {"spawn", DatabaseKeyword::Spawn},
        {"SPAWNFLAGS", DatabaseKeyword::Spawnflags}, {"SPAWNFLAG", std::nullopt},
        {"needs", DatabaseKeyword::Needs},          {"LOAD", DatabaseKeyword::Load},
        {"load", std::nullopt},                     {"DM_INHIBIT_NAMED", DatabaseKeyword::DmInhibitNamed},
        {"", std::nullopt}};
    for (const auto& [word, expected] : cases) {
        EXPECT_EQ(MatchDatabaseKeyword(word), expected) << '"' << word << '"';
    }
}

TEST(SplitKeywordLine, GivesAnIndentedLineNoKeyword) {
    EXPECT_EQ(SplitKeywordLine("SF_AND 1 models/a.md2").keyword, "SF_AND");
    EXPECT_EQ(SplitKeywordLine("SF_AND 1 models/a.md2").arguments, " 1 models/a.md2");
    EXPECT_EQ(SplitKeywordLine("  LOAD x").keyword, "");
    EXPECT_EQ(SplitKeywordLine("LOAD").arguments, "");
}

TEST(LeadingInteger, ReadsLikeACIntegerConversion) {
    EXPECT_EQ(LeadingInteger(" 12abc"), 12);
    EXPECT_EQ(LeadingInteger("\t-7 x"), -7);
    EXPECT_EQ(LeadingInteger(" x12"), 0);
    EXPECT_EQ(LeadingInteger(""), 0);
    EXPECT_EQ(LeadingInteger(" 99999999999"), 2147483647);
    std::size_t consumed = 99;
    EXPECT_EQ(LeadingInteger(" 256 \"name\"", &consumed), 256);
    EXPECT_EQ(consumed, 4u);
}

}  // namespace
}  // namespace quillon
