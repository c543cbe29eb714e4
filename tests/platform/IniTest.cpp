#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "support/TestSupport.h"

namespace quillon::platform {
namespace {

using test::ReadFileBytes;
using test::ScratchDir;

TEST(GetProfileString, FindsSectionAndKeyWithoutRegardToCase) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("a.ini", "[quake2]\r\nlastmapfile = maps/base1.map \r\n");
    EXPECT_EQ(GetProfileString(ini, "Quake2", "LastMapFile", "", 259), "maps/base1.map");
}

TEST(GetProfileString, CutsValueToCapacity) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("a.ini", "[FindEnt]\nMatch=abcdefghij\n");
    EXPECT_EQ(GetProfileString(ini, "FindEnt", "Match", "", 4), "abcd");
    EXPECT_EQ(GetProfileString(ini, "FindEnt", "Match", "", 10), "abcdefghij");
}

TEST(GetProfileString, ReadsKeyOnlyInsideItsSection) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("a.ini", "[FindEnt]\nOutput=list.csv\n[FileList]\nOutput=files.txt\n");
    EXPECT_EQ(GetProfileString(ini, "FileList", "Output", "", 259), "files.txt");
    EXPECT_EQ(GetProfileString(ini, "FindEnt", "Output", "", 259), "list.csv");
    EXPECT_EQ(GetProfileString(ini, "Quake2", "Output", "none", 259), "none");
}

TEST(GetProfileString, SkipsCommentsAndLinesWithoutEquals) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("a.ini", "[S]\n;Key=commented\nKey\nKey=real\n");
    EXPECT_EQ(GetProfileString(ini, "S", "Key", "", 259), "real");
}

TEST(GetProfileString, StripsSurroundingQuotes) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("a.ini", "[S]\nPath=\"/maps/my map.map\"\n");
    EXPECT_EQ(GetProfileString(ini, "S", "Path", "", 259), "/maps/my map.map");
}

TEST(GetProfileString, MissingFileGivesFallback) {
    ScratchDir scratch;
    EXPECT_EQ(GetProfileString(scratch.PathOf("absent.ini"), "S", "K", "dflt", 259), "dflt");
}

struct IntCase {
    const char* text;
    int expected;
};

class ProfileIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(ProfileIntTest, ReadsHexOrSignedDecimalIgnoringTrailingText) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("a.ini", std::string("[Quake2]\nShow=") + GetParam().text + "\n");
    EXPECT_EQ(GetProfileInt(ini, "QUAKE2", "show", 99), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileIntTest,
                         testing::Values(IntCase{"0x000f", 15}, IntCase{"0X1F", 31}, IntCase{"12", 12},
                                         IntCase{"-3", -3}, IntCase{"7 levels", 7}, IntCase{"abc", 0},
                                         IntCase{"", 0}, IntCase{"0x", 0}));

TEST(GetProfileInt, AbsentKeyGivesFallback) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("a.ini", "[Quake2]\nOther=1\n");
    EXPECT_EQ(GetProfileInt(ini, "Quake2", "Show", 15), 15);
}

TEST(WriteProfileString, CreatesFileAndSection) {
    ScratchDir scratch;
    const std::string ini = scratch.PathOf("new.ini");
    ASSERT_TRUE(WriteProfileString(ini, "Quake2", "LastMapFile", "a.map"));
    EXPECT_EQ(ReadFileBytes(ini), "[Quake2]\nLastMapFile=a.map\n");
}

TEST(WriteProfileString, ReplacesKeyAndKeepsOrderOfEverythingElse) {
    ScratchDir scratch;
    const std::string ini =
        scratch.Write("a.ini", "; head\r\n[Quake2]\r\nShow=0x000f\r\nlastmapfile=old.map\r\n\r\n[Options]\r\nX=1\r\n");
    ASSERT_TRUE(WriteProfileString(ini, "quake2", "LastMapFile", "new.map"));
    EXPECT_EQ(ReadFileBytes(ini),
              "; head\r\n[Quake2]\r\nShow=0x000f\r\nLastMapFile=new.map\r\n\r\n[Options]\r\nX=1\r\n");
}

TEST(WriteProfileString, AddsKeyAtEndOfItsSection) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("a.ini", "[A]\nX=1\n\n[B]\nY=2");
    ASSERT_TRUE(WriteProfileString(ini, "a", "Z", "3"));
    EXPECT_EQ(ReadFileBytes(ini), "[A]\nX=1\nZ=3\n\n[B]\nY=2\n");
    EXPECT_EQ(GetProfileString(ini, "B", "Y", "", 9), "2");
}

TEST(WriteProfileInt, WritesFourDigitHex) {
    ScratchDir scratch;
    const std::string ini = scratch.PathOf("a.ini");
    ASSERT_TRUE(WriteProfileInt(ini, "Quake2", "Show", 15));
    ASSERT_TRUE(WriteProfileInt(ini, "Quake2", "OutputType", 0x12345));
    EXPECT_EQ(ReadFileBytes(ini), "[Quake2]\nShow=0x000f\nOutputType=0x12345\n");
    EXPECT_EQ(GetProfileInt(ini, "Quake2", "Show", 0), 15);
}

TEST(WriteProfileString, FailsWithoutTouchingAnythingWhenFolderIsMissing) {
    ScratchDir scratch;
    EXPECT_FALSE(WriteProfileString(scratch.PathOf("no/such/a.ini"), "S", "K", "V"));
}

}  // namespace
}  // namespace quillon::platform
