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
}

struct KeywordSpellingCase {
    const char* word;
    std::optional<DatabaseKeyword> expected;
};

void PrintTo(const KeywordSpellingCase& c, std::ostream* out) {
    *out << '"' << c.word << '"';
}

class KeywordSpellings : public testing::TestWithParam<KeywordSpellingCase> {};

TEST_P(KeywordSpellings, MatchWholeWordsWithEachKeywordsCaseRule) {
    EXPECT_EQ(MatchDatabaseKeyword(GetParam().word), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, KeywordSpellings,
    testing::Values(KeywordSpellingCase{"HAS_NOISE", DatabaseKeyword::HasNoise},
                    KeywordSpellingCase{"has_noise", std::nullopt},
                    KeywordSpellingCase{"sf_and", DatabaseKeyword::SfAnd},
                    KeywordSpellingCase{"Sf_Not", DatabaseKeyword::SfNot},
                    KeywordSpellingCase{"sound_eq", std::nullopt},
                    KeywordSpellingCase{"SOUND_NEQ", DatabaseKeyword::SoundNeq},
                    KeywordSpellingCase{"talk_wav", DatabaseKeyword::TalkWav},
                    KeywordSpellingCase{"LOCKSND_EQ", DatabaseKeyword::LockSndEq},
                    KeywordSpellingCase{"movesnd_eq", std::nullopt},
                    KeywordSpellingCase{"SPAWNOBJ", DatabaseKeyword::SpawnObj},
                    KeywordSpellingCase{"spawnobj", std::nullopt},
                    KeywordSpellingCase{"spawn", DatabaseKeyword::Spawn},
                    KeywordSpellingCase{"SPAWNFLAGS", DatabaseKeyword::Spawnflags},
                    KeywordSpellingCase{"SPAWNFLAG", std::nullopt},
                    KeywordSpellingCase{"needs", DatabaseKeyword::Needs},
                    KeywordSpellingCase{"LOAD", DatabaseKeyword::Load},
                    KeywordSpellingCase{"load", std::nullopt},
                    KeywordSpellingCase{"DM_INHIBIT_NAMED", DatabaseKeyword::DmInhibitNamed},
                    KeywordSpellingCase{"", std::nullopt}));

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
