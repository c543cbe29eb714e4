#include "checker/lists/EntityList.h"

#include <gtest/gtest.h>

#include <string>

#include "checker/driver/CheckerRun.h"

namespace quillon {
namespace {

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

}  // namespace
}  // namespace quillon
