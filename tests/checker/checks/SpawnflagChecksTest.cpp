#include <gtest/gtest.h>

#include <string>

#include "MapCheckFixture.h"
#include "checker/checks/MapChecks.h"

namespace quillon::test {
namespace {

struct CombinedCase {
    const char* className;
    std::uint32_t spawnflags;
    const char* expected;  ///< the message without the banner, empty for none
};

void PrintTo(const CombinedCase& c, std::ostream* out) {
    *out << c.className << " " << c.spawnflags;
}

class CombinedSpawnflagsTest : public MapCheckTest, public ::testing::WithParamInterface<CombinedCase> {};

TEST_P(CombinedSpawnflagsTest, ReportsFlagsThatExcludeEachOther) {
    const CombinedCase& c = GetParam();
    AddEntity({{"classname", "worldspawn"}});
    EntitySummary entity;
    entity.entityNumber = 3;
    entity.classname = c.className;
    entity.spawnflags = c.spawnflags;
    entity.originPoint = {64, -32.5f, 8};
    CheckCombinedSpawnflags(run, entity);
    const std::string expected = *c.expected == '\0' ? "" : std::string(LOGIC_BANNER) + c.expected;
    EXPECT_EQ(Report(), expected);
}

#define DEADSOLDIER_HEAD                                                                                      \
    "\nentity 3: positions for misc_deadsoldier cannot be combined.\nThe misc_deadsoldier at ( 64 -32.5 8 ) has " \
    "the position spawnflags\n"
#define LASER_HEAD \
    "\nentity 3: colors for target_laser cannot be combined.\nThe target_laser at ( 64 -32.5 8 ) has the color " \
    "spawnflags\n"

INSTANTIATE_TEST_SUITE_P(
    Classes, CombinedSpawnflagsTest,
    ::testing::Values(
        CombinedCase{"misc_deadsoldier", 6, DEADSOLDIER_HEAD "on stomach, on back & decap set\n"},
        CombinedCase{"misc_deadsoldier", 4, ""},
        CombinedCase{"misc_deadsoldier", 5, DEADSOLDIER_HEAD "on back, on back & decap set\n"},
        CombinedCase{"misc_deadsoldier", 4 | 8 | 16 | 32 | 256,
                     DEADSOLDIER_HEAD "on back and decap, fetal pos, sitting & decap, impaled set\n"},
        CombinedCase{"misc_deadsoldier", 64 | 2, ""},
        CombinedCase{"target_laser", 3, ""},
        CombinedCase{"target_laser", 6, LASER_HEAD "red, green set\n"},
        CombinedCase{"target_laser", 1 | 8 | 16 | 32, LASER_HEAD "blue, yellow, orange set\n"},
        CombinedCase{"func_rotating", 12,
                     "\nentity 3: the func_rotating at ( 64 -32.5 8 ) has both the\n\"x axis\" and \"y axis\" "
                     "spawnflags set.\n"},
        CombinedCase{"func_rotating", 13,
                     "\nentity 3: the func_rotating at ( 64 -32.5 8 ) has both the\n\"x axis\" and \"y axis\" "
                     "spawnflags set.\n"},
        CombinedCase{"func_rotating", 4, ""},
        CombinedCase{"target_speaker", 3,
                     "\nentity 3: the target_speaker at ( 64 -32.5 8) has both the\n\"looped on\" and \"looped "
                     "off\" spawnflags set.\n"},
        CombinedCase{"target_speaker", 2, ""},
        CombinedCase{"func_door", 12, ""}));

const std::string SPAWNFLAG_DATABASE =
    "CLASSNAME worldspawn\nIS_SOLID 1\n]\n"
    "CLASSNAME func_door\nIS_SOLID 1\nSPAWNFLAGS 1 \"start open\"\nspawnflags 2 \"reverse\"\n"
    "SPAWNFLAGS 4 \"crusher\"\nSPAWNFLAGS 4 \"crusher (kills)\"\n]\n"
    "CLASSNAME target_spark 0 0 0 0 0 0\nSPAWNFLAGS 3 \"spark\"\nSPAWNFLAGS 65536 \"wide\"\n"
    "SPAWNFLAGS 2048 \"coop only\"\n]\n";

class InvalidSpawnflagsTest : public MapCheckTest {
protected:
    InvalidSpawnflagsTest() {
        LoadDatabase(SPAWNFLAG_DATABASE);
        AddEntity({{"classname", "worldspawn"}});
    }
};

TEST_F(InvalidSpawnflagsTest, AlwaysAcceptsTheFourLevelBits) {
    AddEntity({{"classname", "func_door"}, {"spawnflags", "3840"}});
    AddEntity({{"classname", "misc_unknown"}, {"spawnflags", "256"}, {"origin", "1 2 3"}});
    CheckInvalidSpawnflags(run);
    EXPECT_EQ(Report(), "");
}

TEST_F(InvalidSpawnflagsTest, ListsOnlyTheLevelBitsOfAnUnknownClass) {
    AddEntity({{"classname", "Misc_Unknown"}, {"spawnflags", "1"}, {"origin", "1 2 3"}});
    CheckInvalidSpawnflags(run);
    EXPECT_EQ(Report(), std::string(LOGIC_BANNER) +
                            "\nentity 1: misc_unknown has invalid spawnflags set (1).\n      origin:1 2 3\n"
                            "Valid spawnflags for misc_unknown are:\n 256 = not in easy\n 512 = not in normal\n"
                            "1024 = not in hard\n2048 = not in deathmatch\n");
}

// A line written "spawnflags" makes its bit valid but gives it no place in the listing; a later
// line for the same bit renames it.
TEST_F(InvalidSpawnflagsTest, ListsTheNamedLinesOfTheClassBlock) {
    AddEntity({{"classname", "func_door"}, {"spawnflags", "18"}});
    CheckInvalidSpawnflags(run);
    EXPECT_EQ(Report(), std::string(LOGIC_BANNER) +
                            "\nentity 1: func_door has invalid spawnflags set (18).\nCenter of this func_door: ( 0 0 0 )\n"
                            "Valid spawnflags for func_door are:\n   1 = start open\n   4 = crusher (kills)\n"
                            " 256 = not in easy\n 512 = not in normal\n1024 = not in hard\n2048 = not in deathmatch\n");
}

TEST_F(InvalidSpawnflagsTest, NamesTheHighestBitOfAValueAndNothingAboveBit15) {
    AddEntity({{"classname", "target_spark"}, {"spawnflags", "-1"}, {"origin", "0 0 0"}});
    CheckInvalidSpawnflags(run);
    EXPECT_EQ(Report(), std::string(LOGIC_BANNER) +
                            "\nentity 1: target_spark has invalid spawnflags set (-1).\n      origin:0 0 0\n"
                            "Valid spawnflags for target_spark are:\n   1 = \n   2 = spark\n 256 = not in easy\n"
                            " 512 = not in normal\n1024 = not in hard\n2048 = coop only\n");
}

TEST_F(InvalidSpawnflagsTest, AcceptsBitsTheClassDefines) {
    AddEntity({{"classname", "func_door"}, {"spawnflags", "7"}});
    AddEntity({{"classname", "target_spark"}, {"spawnflags", "65539"}});
    CheckInvalidSpawnflags(run);
    EXPECT_EQ(Report(), "");
}

TEST_F(InvalidSpawnflagsTest, ReadsAMergedClassFromTheSelectedDatabaseText) {
    MergeDatabase("CLASSNAME func_door\nIS_SOLID 1\nSPAWNFLAGS 32 \"toggle\"\n]\n");
    AddEntity({{"classname", "func_door"}, {"spawnflags", "1"}});
    CheckInvalidSpawnflags(run);
    EXPECT_EQ(Report(), std::string(LOGIC_BANNER) +
                            "\nentity 1: func_door has invalid spawnflags set (1).\n"
                            "Center of this func_door: ( 0 0 0 )\n"
                            "Valid spawnflags for func_door are:\n  32 = toggle\n 256 = not in easy\n"
                            " 512 = not in normal\n1024 = not in hard\n2048 = not in deathmatch\n");
}

TEST_F(InvalidSpawnflagsTest, ChecksEveryEntityInMapOrder) {
    AddEntity({{"classname", "light"}, {"spawnflags", "4096"}});
    AddEntity({{"classname", "func_door"}, {"spawnflags", "1"}});
    AddEntity({{"classname", "light"}, {"spawnflags", "8"}});
    CheckInvalidSpawnflags(run);
    const std::string report = Report();
    const std::size_t first = report.find("entity 1: light has invalid spawnflags set (4096).");
    const std::size_t second = report.find("entity 3: light has invalid spawnflags set (8).");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_EQ(report.find("entity 2:"), std::string::npos);
}

}  // namespace
}  // namespace quillon::test
