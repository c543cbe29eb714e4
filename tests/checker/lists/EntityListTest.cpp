#include "checker/lists/EntityList.h"

#include <gtest/gtest.h>

#include <string>

#include "checker/run/CheckerRun.h"

namespace quillon {
namespace {

TEST(QuoteCsvField, QuotesOnlyFieldsThatWouldBreakTheColumns) {
    const std::pair<std::string, std::string> cases[] = {
        {"door1", "door1"}, {"", ""}, {"a b;c'd", "a b;c'd"}, {"door,left", "\"door,left\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""}, {"\"", "\"\"\"\""}, {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""}};
    for (const auto& [text, field] : cases) {
        EXPECT_EQ(QuoteCsvField(text), field);
    }
}

TEST(EntityListSearch, ComparesLowerCasedTexts) {
    struct {
        int criteria;
        std::string match;
        std::string text;
        bool matches;
    } const cases[] = {{0, "Door1", "door1", true},   {0, "Door1", "DOOR1", true},     {0, "Door1", "Door1", true},
                       {0, "Door1", "door10", false}, {0, "Door1", "door", false},     {1, "door", "door1", true},
                       {1, "door", "Doorway", true},  {1, "door", "backdoor", false},  {1, "door", "doo", false},
                       {2, "door", "backdoor", true}, {2, "DOOR", "BackDoorway", true}, {2, "door", "dor", false},
                       {7, "door", "door", true},     {7, "door", "door1", false},     {0, "", "", true},
                       {0, "", "x", false},           {1, "", "x", true},              {2, "", "x", true},
                       {2, "", "", true}};
    for (const auto& c : cases) {
        CheckerSettings settings;
        settings.findEntMatch = c.match;
        settings.findEntMatchCriteria = c.criteria;
        EXPECT_EQ(MakeEntityListSearch(settings).Matches(c.text), c.matches)
            << "criteria " << c.criteria << ", match \"" << c.match << "\", text \"" << c.text << "\"";
    }
}

}  // namespace
}  // namespace quillon
