#include <gtest/gtest.h>

#include <string>

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

TEST_F(PlayerStartsTest, NotesSeveralUnnamedStartsButNoMissingStart) {
    Start("info_player_start", 0);
    Start("info_player_start", 0);
    EXPECT_EQ(PassReports(), std::string(LOGIC_BANNER) + SEVERAL_UNNAMED_HEAD + "EASY\nNORMAL\nHARD\n" +
                                 SEVERAL_UNNAMED_TAIL);
}

TEST_F(PlayerStartsTest, ListsAllFourLevelsOfADeathmatchOnlyMap) {
    Start("info_player_deathmatch", 0);
    Start("info_player_deathmatch", 0);
    EXPECT_EQ(PassReports(), std::string(RUNTIME_BANNER) + MISSING_HEAD + "EASY\nNORMAL\nHARD\nDEATHMATCH\n" +
                                 SINGLE_PLAYER_PARAGRAPH + DEATHMATCH_PARAGRAPH);
}

TEST_F(PlayerStartsTest, NeedsNoInfoPlayerStartInDeathmatchWhenDeathmatchStartsExist) {
    Start("info_player_start", SKILL_DEATHMATCH);
    Start("info_player_deathmatch", 0);
    EXPECT_EQ(PassReports(), "");
}

TEST_F(PlayerStartsTest, GivesOnlyTheDeathmatchParagraphWhenDeathmatchHasNoStartAtAll) {
    Start("info_player_start", SKILL_DEATHMATCH);
    Start("info_player_deathmatch", SKILL_DEATHMATCH);  // removed in deathmatch: no start there
    EXPECT_EQ(PassReports(), std::string(RUNTIME_BANNER) + MISSING_HEAD + "DEATHMATCH\n" + DEATHMATCH_PARAGRAPH);
}

TEST_F(PlayerStartsTest, ListsTheLevelWithoutAStartAndDeathmatchToo) {
    Start("info_player_start", SKILL_HARD | SKILL_DEATHMATCH);
    Start("info_player_deathmatch", 0);
    EXPECT_EQ(PassReports(), std::string(RUNTIME_BANNER) + MISSING_HEAD + "HARD\nDEATHMATCH\n" +
                                 SINGLE_PLAYER_PARAGRAPH + DEATHMATCH_PARAGRAPH);
}

TEST_F(PlayerStartsTest, NotesOnlyNamedStartsPerLevel) {
    Start("info_player_start", 0, "coop1");
    Start("info_player_start", SKILL_EASY, "coop2");
    Start("info_player_start", SKILL_HARD);
    EXPECT_EQ(PassReports(), std::string(LOGIC_BANNER) + ONLY_NAMED_HEAD + "HARD\n" + ONLY_NAMED_TAIL);
}

TEST_F(PlayerStartsTest, AcceptsOneNamedStart) {
    Start("info_player_start", 0, "from_base1");
    EXPECT_EQ(PassReports(), "");
}

TEST_F(PlayerStartsTest, NeverNotesDeathmatchAndGivesBothNotesInOrder) {
    Start("info_player_start", SKILL_EASY | SKILL_NORMAL | SKILL_HARD);
    Start("info_player_start", SKILL_EASY | SKILL_NORMAL | SKILL_HARD);
    Start("info_player_start", SKILL_HARD, "a");
    Start("info_player_start", SKILL_HARD, "b");
    Start("info_player_start", SKILL_EASY | SKILL_NORMAL);
    Start("info_player_start", SKILL_EASY | SKILL_NORMAL);
    EXPECT_EQ(PassReports(), std::string(LOGIC_BANNER) + SEVERAL_UNNAMED_HEAD + "HARD\n" + SEVERAL_UNNAMED_TAIL +
                                 ONLY_NAMED_HEAD + "EASY\nNORMAL\n" + ONLY_NAMED_TAIL);
}

}  // namespace
}  // namespace quillon::test
