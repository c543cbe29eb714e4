#include "checker/lists/EntityList.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "checker/driver/CheckerRun.h"
#include "checker/driver/FatalError.h"
#include "checker/map/MapEntities.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

/// An entity whose pairs are given in the order the map file lists them.
MapEntity MakeEntity(const Pairs& pairs) {
    MapEntity entity;
    for (const auto& [key, value] : pairs) {
        entity.pairs.push_back({key, value});
    }
    return entity;
}

const std::string COORDINATES_HEADER = "         X     Y     Z";

std::string Spaces(std::size_t count) {
    return std::string(count, ' ');
}

std::vector<int> ListIndices(const CheckerRun& run) {
    std::vector<int> indices;
    for (const MapEntity& entity : run.entities) {
        indices.push_back(entity.listIndex);
    }
    return indices;
}

// ---- CSV quoting ---------------------------------------------------------------------------

struct CsvCase {
    std::string text;
    std::string field;
};

class QuoteCsvFieldTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(QuoteCsvFieldTest, QuotesOnlyFieldsThatWouldBreakTheColumns) {
    EXPECT_EQ(QuoteCsvField(GetParam().text), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Fields, QuoteCsvFieldTest,
                         ::testing::Values(CsvCase{"door1", "door1"}, CsvCase{"", ""},
                                           CsvCase{"a b;c'd", "a b;c'd"}, CsvCase{"door,left", "\"door,left\""},
                                           CsvCase{"say \"hi\"", "\"say \"\"hi\"\"\""},
                                           CsvCase{"\"", "\"\"\"\""}, CsvCase{"two\nlines", "\"two\nlines\""},
                                           CsvCase{"cr\rhere", "\"cr\rhere\""}));

// ---- Matching ------------------------------------------------------------------------------

struct MatchCase {
    int criteria;
    std::string match;
    std::string text;
    bool matches;
};

void PrintTo(const MatchCase& c, std::ostream* out) {
    *out << "criteria " << c.criteria << ", match \"" << c.match << "\", text \"" << c.text << "\"";
}

class EntityListMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(EntityListMatchTest, ComparesLowerCasedTexts) {
    CheckerSettings settings;
    settings.findEntMatch = GetParam().match;
    settings.findEntMatchCriteria = GetParam().criteria;
    EXPECT_EQ(MakeEntityListSearch(settings).Matches(GetParam().text), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Criteria, EntityListMatchTest,
    ::testing::Values(MatchCase{0, "Door1", "door1", true}, MatchCase{0, "Door1", "DOOR1", true},
                      MatchCase{0, "Door1", "Door1", true}, MatchCase{0, "Door1", "door10", false},
                      MatchCase{0, "Door1", "door", false}, MatchCase{1, "door", "door1", true},
                      MatchCase{1, "door", "Doorway", true}, MatchCase{1, "door", "backdoor", false},
                      MatchCase{1, "door", "doo", false}, MatchCase{2, "door", "backdoor", true},
                      MatchCase{2, "DOOR", "BackDoorway", true}, MatchCase{2, "door", "dor", false},
                      MatchCase{7, "door", "door", true}, MatchCase{7, "door", "door1", false},
                      MatchCase{0, "", "", true}, MatchCase{0, "", "x", false}, MatchCase{1, "", "x", true},
                      MatchCase{2, "", "x", true}, MatchCase{2, "", "", true}));

TEST(EntityListSearch, AllInAnyCaseAdmitsEveryClass) {
    CheckerSettings settings;
    settings.findEntClassName = "ALL";
    const EntityListSearch search = MakeEntityListSearch(settings);
    EXPECT_TRUE(search.Admits(MakeEntity({{"classname", "light"}})));
    EXPECT_TRUE(search.Admits(MakeEntity({})));
}

TEST(EntityListSearch, ClassFilterComparesTheWholeNameWithoutCase) {
    CheckerSettings settings;
    settings.findEntClassName = "Light";
    const EntityListSearch search = MakeEntityListSearch(settings);
    EXPECT_TRUE(search.Admits(MakeEntity({{"classname", "LIGHT"}})));
    EXPECT_FALSE(search.Admits(MakeEntity({{"classname", "lights"}})));
    EXPECT_FALSE(search.Admits(MakeEntity({{"origin", "0 0 0"}})));
}

TEST(EntityListSearch, FirstMatchingPairStartsAtThePairReadLast) {
    CheckerSettings settings;
    settings.findEntMatch = "light";
    settings.findEntMatchCriteria = 1;
    const EntityListSearch search = MakeEntityListSearch(settings);
    const MapEntity entity = MakeEntity({{"classname", "light"}, {"targetname", "lightning"}, {"origin", "0 0 0"}});
    const EntityPair* pair = search.FirstMatchingPair(entity);
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->key, "targetname");
    EXPECT_EQ(search.FirstMatchingPair(MakeEntity({{"classname", "info_null"}})), nullptr);
}

TEST(EntityListSearch, PairMatchesThroughItsKey) {
    CheckerSettings settings;
    settings.findEntMatch = "Wait";
    const EntityListSearch search = MakeEntityListSearch(settings);
    const MapEntity entity = MakeEntity({{"classname", "func_door"}, {"WAIT", "-1"}});
    const EntityPair* pair = search.FirstMatchingPair(entity);
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->value, "-1");
}

// ---- Sorting -------------------------------------------------------------------------------

class SortEntityListTest : public ::testing::Test {
protected:
    void SetUp() override {
        run.entities = {MakeEntity({{"classname", "worldspawn"}}),
                        MakeEntity({{"classname", "light"}, {"targetname", "b"}}),
                        MakeEntity({{"classname", "info_null"}}),
                        MakeEntity({{"classname", "Light"}, {"targetname", "A"}}),
                        MakeEntity({{"classname", "path_corner"}, {"targetname", "a"}}),
                        MakeEntity({{"classname", "LIGHT"}})};
        for (std::size_t i = 0; i < run.entities.size(); ++i) {
            run.entities[i].listIndex = static_cast<int>(i);
        }
    }
    CheckerRun run;
};

TEST_F(SortEntityListTest, ByTargetNamePutsUnnamedFirstInFileOrder) {
    SortEntityList(run, 2);
    EXPECT_EQ(ListIndices(run), (std::vector<int>{0, 2, 5, 3, 4, 1}));
}

TEST_F(SortEntityListTest, ByClassNameKeepsFileOrderAmongCaseVariants) {
    SortEntityList(run, 1);
    EXPECT_EQ(ListIndices(run), (std::vector<int>{2, 1, 3, 5, 4, 0}));
}

TEST_F(SortEntityListTest, OtherValuesKeepFileOrder) {
    SortEntityList(run, 3);
    EXPECT_EQ(ListIndices(run), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

// ---- Whole lists ---------------------------------------------------------------------------

class WriteEntityListTest : public ::testing::Test {
protected:
    void SetUp() override {
        run.entities = {MakeEntity({{"classname", "worldspawn"}, {"message", "Base, part 1"}}),
                        MakeEntity({{"classname", "light"}, {"targetname", "lamp1"}, {"origin", "-0.7 12.9 64"}}),
                        MakeEntity({{"classname", "func_door"}, {"targetname", "door_a_very_long_name"}})};
        run.settings.findEntClassName = "all";
    }
    std::string Run(const std::string& fileName) {
        run.settings.findEntOutput = dir.PathOf(fileName);
        WriteEntityList(run);
        return test::ReadFileBytes(run.settings.findEntOutput);
    }
    CheckerRun run;
    test::ScratchDir dir;
};

TEST_F(WriteEntityListTest, TextClassListingPadsColumnsToTheLongestNames) {
    EXPECT_EQ(Run("ents.txt"),
              "     Classname    Targetname" + Spaces(14) + COORDINATES_HEADER + "\n" +
                  "   0 worldspawn\n"
              "   1 light........lamp1................... at (     0    12    64 )\n"
              "   2 func_door....door_a_very_long_name... at (     0     0     0 )\n");
    EXPECT_EQ(run.counters.matchCount, 3);
    EXPECT_NE(Run("ents.csv").find("\n0,worldspawn,,,,\n1,light,lamp1,0,12,64\n"), std::string::npos);
}

TEST_F(WriteEntityListTest, TextColumnsStayAlignedPastSixtyThreeDots) {
    const std::string longName(70, 'n');
    run.entities.push_back(MakeEntity({{"classname", "target_speaker"}, {"targetname", longName}}));
    run.entities.push_back(MakeEntity({{"classname", "path_corner"}, {"targetname", "p"}}));
    const std::string list = Run("ents.txt");
    const std::string expected = "   4 path_corner......p" + std::string(72, '.') + " at (     0     0     0 )\n";
    EXPECT_NE(list.find(expected), std::string::npos) << list;
}

TEST_F(WriteEntityListTest, TextKeyListingMeasuresEveryMatchingPair) {
    run.entities = {MakeEntity({{"classname", "light"}, {"light", "300"}, {"style", "lightning_flicker"}}),
                    MakeEntity({{"classname", "info_null"}})};
    run.settings.findEntOption = 2;
    run.settings.findEntMatch = "light";
    run.settings.findEntMatchCriteria = 1;
    // Both "light" pairs widen the columns; the listed pair is the one read last.
    EXPECT_EQ(Run("keys.txt"),
              "     Classname Targetname Key" + Spaces(9) + "Value" + Spaces(15) + COORDINATES_HEADER + "\n" +
                  "   0 light................style.......lightning_flicker... at (     0     0     0 )\n");
    EXPECT_EQ(Run("keys.csv"), "Index,Classname,TargetName,Key,Value,X,Y,Z\n0,light,,style,lightning_flicker,0,0,0\n");
    EXPECT_EQ(run.counters.matchCount, 1);
}

TEST_F(WriteEntityListTest, TargetNameListingWritesWorldspawnLikeAnyMatch) {
    // An empty search text under "contains" matches every target name, the world's empty one too;
    // only the class listing gives the world its short line.
    run.settings.findEntOption = 1;
    run.settings.findEntMatchCriteria = 2;
    EXPECT_EQ(Run("names.csv"),
              "Index,Classname,TargetName,X,Y,Z\n"
              "0,worldspawn,,0,0,0\n"
              "1,light,lamp1,0,12,64\n"
              "2,func_door,door_a_very_long_name,0,0,0\n");
    EXPECT_EQ(Run("names.txt"),
              "     Classname    Targetname" + Spaces(14) + COORDINATES_HEADER + "\n" +
                  "   0 worldspawn..." + std::string(24, '.') + " at (     0     0     0 )\n" +
                  "   1 light........lamp1................... at (     0    12    64 )\n"
                  "   2 func_door....door_a_very_long_name... at (     0     0     0 )\n");
    run.settings.findEntMatch = "LAMP";
    run.settings.findEntMatchCriteria = 1;
    EXPECT_EQ(Run("names.csv"), "Index,Classname,TargetName,X,Y,Z\n1,light,lamp1,0,12,64\n");
}

TEST_F(WriteEntityListTest, ClassListingCountsEveryEntityWhateverTheFilter) {
    run.settings.findEntClassName = "monster_tank";
    EXPECT_EQ(Run("tanks.txt"), "     Classname Targetname " + COORDINATES_HEADER + "\n");
    EXPECT_EQ(run.counters.matchCount, 3);
}

TEST_F(WriteEntityListTest, ListThatCannotBeCreatedEndsTheRunAsCriticalError) {
    run.settings.findEntOutput = dir.PathOf("no/such/folder/ents.txt");
    EXPECT_THROW(WriteEntityList(run), FatalRunError);
}

}  // namespace
}  // namespace quillon
