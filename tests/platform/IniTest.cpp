#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "support/TestSupport.h"

namespace quillon::platform {
namespace {

using test::ReadFileBytes;
using test::ScratchDir;

struct ReadRow {
    const char* name;
    const char* ini;  ///< nullptr: no file
    const char* section;
    const char* key;
    std::size_t capacity;
    const char* expected;  ///< the fallback is "dflt"
};

class GetProfileStringTest : public testing::TestWithParam<ReadRow> {};

TEST_P(GetProfileStringTest, ReadsTheValue) {
    const ReadRow& row = GetParam();
    ScratchDir scratch;
    const std::string ini = row.ini == nullptr ? scratch.PathOf("absent.ini") : scratch.Write("a.ini", row.ini);
    EXPECT_EQ(GetProfileString(ini, row.section, row.key, "dflt", row.capacity), row.expected);
}

const char* const TWO_SECTIONS = "[FindEnt]\nOutput=list.csv\nMatch=abcdefghij\n[FileList]\nOutput=files.txt\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, GetProfileStringTest,
    testing::Values(
        ReadRow{"AnyCaseTrimmed", "[quake2]\r\nlastmapfile = maps/base1.map \r\n", "Quake2", "LastMapFile", 259,
                "maps/base1.map"},
        ReadRow{"CutToCapacity", TWO_SECTIONS, "FindEnt", "Match", 4, "abcd"},
        ReadRow{"FullAtCapacity", TWO_SECTIONS, "FindEnt", "Match", 10, "abcdefghij"},
        ReadRow{"OwnSection", TWO_SECTIONS, "FileList", "Output", 259, "files.txt"},
        ReadRow{"FirstSection", TWO_SECTIONS, "FindEnt", "Output", 259, "list.csv"},
        ReadRow{"AbsentSection", TWO_SECTIONS, "Quake2", "Output", 259, "dflt"},
        ReadRow{"CommentsAndLinesWithoutEquals", "[S]\n;Key=commented\nKey\nKey=real\n", "S", "Key", 259, "real"},
        ReadRow{"Quotes", "[S]\nPath=\"/maps/my map.map\"\n", "S", "Path", 259, "/maps/my map.map"},
        ReadRow{"MissingFile", nullptr, "S", "K", 259, "dflt"}),
    [](const auto& row) { return std::string(row.param.name); });

struct IntCase {
    const char* text;
    int expected;
};

class ProfileIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(ProfileIntTest, ReadsHexOrSignedDecimalIgnoringTrailingText) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("a.ini", std::string("[Quake2]\nShow=") + GetParam().text + "\n");
    EXPECT_EQ(GetProfileInt(ini, "QUAKE2", "show", 99), GetParam().expected);
    EXPECT_EQ(GetProfileInt(ini, "Quake2", "Other", 15), 15);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileIntTest,
                         testing::Values(IntCase{"0x000f", 15}, IntCase{"0X1F", 31}, IntCase{"12", 12},
                                         IntCase{"-3", -3}, IntCase{"7 levels", 7}, IntCase{"abc", 0},
                                         IntCase{"", 0}, IntCase{"0x", 0}));

struct WriteRow {
    const char* name;
    const char* before;  ///< nullptr: no file
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class WriteProfileStringTest : public testing::TestWithParam<WriteRow> {};

TEST_P(WriteProfileStringTest, ChangesOnlyTheKey) {
    const WriteRow& row = GetParam();
    ScratchDir scratch;
    const std::string ini = row.before == nullptr ? scratch.PathOf("a.ini") : scratch.Write("a.ini", row.before);
    ASSERT_TRUE(WriteProfileString(ini, row.section, row.key, row.value));
    EXPECT_EQ(ReadFileBytes(ini), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WriteProfileStringTest,
    testing::Values(
        WriteRow{"CreatesFileAndSection", nullptr, "Quake2", "LastMapFile", "a.map", "[Quake2]\nLastMapFile=a.map\n"},
        WriteRow{"ReplacesKeyKeepingTheRest",
                 "; head\r\n[Quake2]\r\nShow=0x000f\r\nlastmapfile=old.map\r\n\r\n[Options]\r\nX=1\r\n", "quake2",
                 "LastMapFile", "new.map",
                 "; head\r\n[Quake2]\r\nShow=0x000f\r\nLastMapFile=new.map\r\n\r\n[Options]\r\nX=1\r\n"},
        WriteRow{"AddsKeyAtEndOfItsSection", "[A]\nX=1\n\n[B]\nY=2", "a", "Z", "3", "[A]\nX=1\nZ=3\n\n[B]\nY=2\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(WriteProfileInt, WritesFourDigitHex) {
    ScratchDir scratch;
    const std::string ini = scratch.PathOf("a.ini");
    ASSERT_TRUE(WriteProfileInt(ini, "Quake2", "Show", 15));
    ASSERT_TRUE(WriteProfileInt(ini, "Quake2", "OutputType", 0x12345));
    EXPECT_EQ(ReadFileBytes(ini), "[Quake2]\nShow=0x000f\nOutputType=0x12345\n");
    EXPECT_FALSE(WriteProfileString(scratch.PathOf("no/such/a.ini"), "S", "K", "V"));
}

}  // namespace
}  // namespace quillon::platform
