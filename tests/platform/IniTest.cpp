#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "support/TestSupport.h"

namespace quillon::platform {
namespace {

using test::ReadFileBytes;
using test::ScratchDir;

TEST(GetProfileString, ReadsTheValue) {
    const char* const TWO_SECTIONS = "[FindEnt]\nOutput=list.csv\nMatch=abcdefghij\n[FileList]\nOutput=files.txt\n";
    struct {
        const char* ini;  ///< nullptr: no file
        const char* section;
        const char* key;
        std::size_t capacity;
        const char* expected;  ///< the fallback is "dflt"
    } const rows[] = {
        {"[quake2]\r\nlastmapfile = maps/base1.map \r\n", "Quake2", "LastMapFile", 259, "maps/base1.map"},
        {TWO_SECTIONS, "FindEnt", "Match", 4, "abcd"},
        {TWO_SECTIONS, "FindEnt", "Match", 10, "abcdefghij"},
        {TWO_SECTIONS, "FileList", "Output", 259, "files.txt"},
        {TWO_SECTIONS, "FindEnt", "Output", 259, "list.csv"},
        {TWO_SECTIONS, "Quake2", "Output", 259, "dflt"},
        {"[S]\n;Key=commented\nKey\nKey=real\n", "S", "Key", 259, "real"},
        {"[S]\nPath=\"/maps/my map.map\"\n", "S", "Path", 259, "/maps/my map.map"},
        {nullptr, "S", "K", 259, "dflt"}};
    for (const auto& row : rows) {
        ScratchDir scratch;
        const std::string ini = row.ini == nullptr ? scratch.PathOf("absent.ini") : scratch.Write("a.ini", row.ini);
        EXPECT_EQ(GetProfileString(ini, row.section, row.key, "dflt", row.capacity), row.expected)
            << (row.ini == nullptr ? "no file" : row.ini) << row.section << "/" << row.key;
    }
}

TEST(GetProfileInt, ReadsHexOrSignedDecimalIgnoringTrailingText) {
    const std::pair<const char*, int> cases[] = {{"0x000f", 15}, {"0X1F", 31}, {"12", 12}, {"-3", -3},
                                                 {"7 levels", 7}, {"abc", 0},   {"", 0},   {"0x", 0}};
    ScratchDir scratch;
    for (const auto& [text, expected] : cases) {
        const std::string ini = scratch.Write("a.ini", std::string("[Quake2]\nShow=") + text + "\n");
        EXPECT_EQ(GetProfileInt(ini, "QUAKE2", "show", 99), expected) << text;
        EXPECT_EQ(GetProfileInt(ini, "Quake2", "Other", 15), 15);
    }
}

TEST(WriteProfileString, ChangesOnlyTheKey) {
    struct {
        const char* before;  ///< nullptr: no file
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    } const rows[] = {
        {nullptr, "Quake2", "LastMapFile", "a.map", "[Quake2]\nLastMapFile=a.map\n"},
        {"; head\r\n[Quake2]\r\nShow=0x000f\r\nlastmapfile=old.map\r\n\r\n[Options]\r\nX=1\r\n", "quake2",
         "LastMapFile", "new.map", "; head\r\n[Quake2]\r\nShow=0x000f\r\nLastMapFile=new.map\r\n\r\n[Options]\r\nX=1\r\n"},
        {"[A]\nX=1\n\n[B]\nY=2", "a", "Z", "3", "[A]\nX=1\nZ=3\n\n[B]\nY=2\n"}};
    for (const auto& row : rows) {
        ScratchDir scratch;
        const std::string ini = row.before == nullptr ? scratch.PathOf("a.ini") : scratch.Write("a.ini", row.before);
        ASSERT_TRUE(WriteProfileString(ini, row.section, row.key, row.value));
        EXPECT_EQ(ReadFileBytes(ini), row.after);
    }
}

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
