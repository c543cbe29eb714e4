#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MapCheckFixture.h"
#include "checker/checks/MapChecks.h"

namespace quillon::test {
namespace {

const std::string MISSING_HEAD = "\nThe map contains no info_player_starts in these\nskill levels:\n";
const std::string SINGLE_PLAYER_PARAGRAPH =
    "This will prevent the map from loading in single-player\nmodes and cause a \"couldn't find spawn point\" "
    "error.\n";
const std::string DEATHMATCH_PARAGRAPH =
    "It is generally good practice, though not strictly\nnecessary, to include an info_player_start in "
    "deathmatch-only\nmaps. This will allow you to start your map without errors\nif you happen to have the "
    "variable deathmatch=0.\n";
const std::string SEVERAL_UNNAMED_HEAD =
    "\nMap contains more than 1 unnamed info_player_start\nin these skill levels:\n";
const std::string SEVERAL_UNNAMED_TAIL =
    "The first unnamed info_player start found in the map\nfile will be used; all others are ignored.\n";
const std::string ONLY_NAMED_HEAD =
    "\nMap contains multiple named info_player_starts\nand no unnamed info_player_starts in these\nskill levels:\n";
const std::string ONLY_NAMED_TAIL =
    "Initial spawnpoint will be the first info_player_start\nin the map file, but the order might easily be "
    "\naccidentally changed.\n";

class PlayerStartsTest : public MapCheckTest {
protected:
    /// Counts a start point the way the main entity pass does.
    void Start(const char* className, std::uint32_t spawnflags, const char* targetname = "") {
        EntitySummary entity;
        entity.classname = className;
        entity.spawnflags = spawnflags;
        entity.targetname = targetname;
        CountPlayerStarts(run, entity);
    }

    std::string PassReports() {
        CheckMissingPlayerStart(run);
        CheckPlayerStartAmbiguities(run);
        return Report();
    }
};

struct StartPoint {
    const char* className;
    std::uint32_t spawnflags;
    const char* targetname;
};

struct StartsCase {
    const char* name;
    std::vector<StartPoint> starts;
    std::string report;
};

void PrintTo(const StartsCase& c, std::ostream* out) {
    *out << c.name;
}

class PlayerStartsRuleTest : public PlayerStartsTest, public ::testing::WithParamInterface<StartsCase> {};

TEST_P(PlayerStartsRuleTest, ReportsMissingAndNotesAmbiguousStartsPerLevel) {
    for (const StartPoint& start : GetParam().starts) {
        Start(start.className, start.spawnflags, start.targetname);
    }
    EXPECT_EQ(PassReports(), GetParam().report);
}

const char* const START = "info_player_start";
const char* const DEATHMATCH_START = "info_player_deathmatch";

INSTANTIATE_TEST_SUITE_P(
    Starts, PlayerStartsRuleTest,
    ::testing::Values(
        StartsCase{"SeveralUnnamedButNoneMissing", {{START, 0, ""}, {START, 0, ""}},
                   std::string(LOGIC_BANNER) + SEVERAL_UNNAMED_HEAD + "EASY\nNORMAL\nHARD\n" + SEVERAL_UNNAMED_TAIL},
        StartsCase{"DeathmatchStartsServeDeathmatch", {{START, SKILL_DEATHMATCH, ""}, {DEATHMATCH_START, 0, ""}}, ""},
        // Removed in deathmatch, the deathmatch start leaves no start there.
        StartsCase{"NoStartAtAllInDeathmatch", {{START, SKILL_DEATHMATCH, ""}, {DEATHMATCH_START, SKILL_DEATHMATCH, ""}},
                   std::string(RUNTIME_BANNER) + MISSING_HEAD + "DEATHMATCH\n" + DEATHMATCH_PARAGRAPH},
        StartsCase{"OneLevelAndDeathmatchMissing", {{START, SKILL_HARD | SKILL_DEATHMATCH, ""}, {DEATHMATCH_START, 0, ""}},
                   std::string(RUNTIME_BANNER) + MISSING_HEAD + "HARD\nDEATHMATCH\n" + SINGLE_PLAYER_PARAGRAPH +
                       DEATHMATCH_PARAGRAPH},
        StartsCase{"OnlyNamedStartsInOneLevel", {{START, 0, "coop1"}, {START, SKILL_EASY, "coop2"}, {START, SKILL_HARD, ""}},
                   std::string(LOGIC_BANNER) + ONLY_NAMED_HEAD + "HARD\n" + ONLY_NAMED_TAIL},
        StartsCase{"OneNamedStart", {{START, 0, "from_base1"}}, ""}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quillon::test
