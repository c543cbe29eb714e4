#include <gtest/gtest.h>

#include <string>

#include "checker/checks/MapChecks.h"
#include "MapCheckFixture.h"

namespace quillon::test {
namespace {

const std::string NEXTMAP_MESSAGE =
    "\nThere is no 'nextmap' value in worldspawn. It's good practice\nto always include a nextmap value, "
    "particularly for DM maps but\neven for SP maps (you can't be certain how your map will be used)\nIf the "
    "fraglimit or timelimit is exceeded and your map does NOT\nhave a nextmap value, the game will crash, "
    "depending on the mod\nbeing played.\n";

class WorldspawnChecksTest : public MapCheckTest {};

TEST_F(WorldspawnChecksTest, AcceptsAMessageOf22CharactersAndReports23WithTheOverflowFigure) {
    AddEntity({{"classname", "worldspawn"}, {"message", "1234567890123456789012"}, {"nextmap", "base2"}});
    CheckWorldspawnValues(run);
    EXPECT_EQ(Report(), "");
    SetValueOfKey(run.entities[0], "message", "12345678901234567890123");
    CheckWorldspawnValues(run);
    EXPECT_EQ(Report(), std::string(RUNTIME_BANNER) +
                            "\nmessage field in worldspawn entity is too long\n(23 characters). The maximum length "
                            "is 22 characters.\nThis will result in the runtime message:\nCom_sprintf: overflow of "
                            "32 in 32\n");
    EXPECT_EQ(run.counters.runtimeErrors, 1);
}

TEST_F(WorldspawnChecksTest, TreatsAnEmptyNextmapAsMissing) {
    AddEntity({{"classname", "worldspawn"}, {"nextmap", ""}, {"sounds", "5"}});
    CheckWorldspawnValues(run);
    EXPECT_EQ(Report(), std::string(RUNTIME_BANNER) + NEXTMAP_MESSAGE);
}

struct SoundsCase {
    const char* value;  ///< nullptr: no "sounds" key
    const char* note;   ///< the note of the second pass, empty for none
};

const char* const ZERO_NOTE =
    "\nSounds value in worldspawn entity is 0 or has not been set.\nAlthough 0 is a valid entry, it's best to set "
    "the sounds\nvalue to a number 2 through 11 to give the user the option\nof automatically playing CD music in "
    "the game.\n";
const char* const ONE_NOTE =
    "\nSounds value in worldspawn entity is 1.\nSounds=1 is OK assuming the map is intended to be run while\n"
    "playing the first track of a music CD. However, track 1 of any\nQuake engine game installation CD is always a "
    "data track. It's\ngenerally good practice to set the sounds value to a number 2\nthrough the number of CD "
    "tracks (11 in the case of the Q2 \ninstallation CD). Sounds=1 will result in the runtime error\nmessage "
    "'CDAudio: track 1 is not audio' if the installation Q2\nCD is in place.\n";
const char* const HIGH_NOTE_31 =
    "\nSounds value in worldspawn entity is 31.\nIt's generally good practice to set the sounds value to a\nnumber "
    "2 through the number of CD tracks (11 in the case of\nthe Q2 installation CD)\n";

class WorldspawnSoundsNotesTest : public MapCheckTest, public ::testing::WithParamInterface<SoundsCase> {};

TEST_P(WorldspawnSoundsNotesTest, GivesTheNoteOfTheValue) {
    const SoundsCase& sounds = GetParam();
    if (sounds.value == nullptr) {
        AddEntity({{"classname", "worldspawn"}});
    } else {
        AddEntity({{"classname", "worldspawn"}, {"sounds", sounds.value}});
    }
    CheckWorldspawnSoundsNotes(run);
    const std::string expected = *sounds.note == '\0' ? "" : std::string(LOGIC_BANNER) + sounds.note;
    EXPECT_EQ(Report(), expected);
}

INSTANTIATE_TEST_SUITE_P(Values, WorldspawnSoundsNotesTest,
                         ::testing::Values(SoundsCase{nullptr, ZERO_NOTE}, SoundsCase{"0", ZERO_NOTE},
                                           SoundsCase{"1", ONE_NOTE}, SoundsCase{"2", ""}, SoundsCase{"11", ""},
                                           SoundsCase{"30", ""}, SoundsCase{"31", HIGH_NOTE_31},
                                           SoundsCase{"-1", ""}, SoundsCase{"track", ZERO_NOTE}));

TEST_F(WorldspawnChecksTest, ReportsNegativeSoundsOnlyInTheFirstPass) {
    AddEntity({{"classname", "worldspawn"}, {"sounds", "-1"}, {"nextmap", "base2"}});
    CheckWorldspawnValues(run);
    CheckWorldspawnSoundsNotes(run);
    EXPECT_EQ(run.counters.runtimeErrors, 1);
    EXPECT_EQ(run.counters.logicNotes, 0);
}

}  // namespace
}  // namespace quillon::test
