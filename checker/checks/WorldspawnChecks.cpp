// The worldspawn checks on "message", "sounds" and "nextmap".

#include <string>

#include "checker/checks/MapChecks.h"
#include "checker/run/CheckerRun.h"
#include "checker/map/MapEntities.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

// The game prints the level name into a 32-byte buffer after a 9-character prefix.
constexpr int MAX_WORLD_MESSAGE = 22;
constexpr int MESSAGE_PREFIX_LENGTH = 9;
constexpr int MAX_QUIET_SOUNDS = 30;

void CheckWorldMessage(CheckerRun& run, const MapEntity& world) {
    const int length = static_cast<int>(ValueOfKey(world, "message").size());
    if (length <= MAX_WORLD_MESSAGE) {
        return;
    }
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nmessage field in worldspawn entity is too long\n(%d characters). The maximum length is 22 "
                "characters.\nThis will result in the runtime message:\nCom_sprintf: overflow of %d in 32\n",
                length, length + MESSAGE_PREFIX_LENGTH);
}

void CheckNegativeSounds(CheckerRun& run, const MapEntity& world) {
    const int sounds = IntegerOfKey(world, "sounds");
    if (sounds >= 0) {
        return;
    }
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nSounds value in worldspawn entity is %d.\nNegative values are not legal entries. It's best to "
                "set the\nsounds value to a number 2 through 11 to give the user the\noption of automatically "
                "playing CD music in the game.\n",
                sounds);
}

void CheckNextmap(CheckerRun& run, const MapEntity& world) {
    if (!ValueOfKey(world, "nextmap").empty()) {
        return;
    }
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nThere is no 'nextmap' value in worldspawn. It's good practice\nto always include a nextmap "
                "value, particularly for DM maps but\neven for SP maps (you can't be certain how your map will be "
                "used)\nIf the fraglimit or timelimit is exceeded and your map does NOT\nhave a nextmap value, the "
                "game will crash, depending on the mod\nbeing played.\n");
}

}  // namespace

void CheckWorldspawnValues(CheckerRun& run) {
    if (run.entities.empty()) {
        return;
    }
    const MapEntity& world = run.entities[0];
    CheckWorldMessage(run, world);
    CheckNegativeSounds(run, world);
    CheckNextmap(run, world);
}

void CheckWorldspawnSoundsNotes(CheckerRun& run) {
    if (run.entities.empty()) {
        return;
    }
    const int sounds = IntegerOfKey(run.entities[0], "sounds");
    if (sounds == 0) {
        BeginLogicNotes(run);
        ReportPrint(run,
                    "\nSounds value in worldspawn entity is 0 or has not been set.\nAlthough 0 is a valid entry, "
                    "it's best to set the sounds\nvalue to a number 2 through 11 to give the user the option\nof "
                    "automatically playing CD music in the game.\n");
    } else if (sounds == 1) {
        BeginLogicNotes(run);
        ReportPrint(run,
                    "\nSounds value in worldspawn entity is 1.\nSounds=1 is OK assuming the map is intended to be "
                    "run while\nplaying the first track of a music CD. However, track 1 of any\nQuake engine game "
                    "installation CD is always a data track. It's\ngenerally good practice to set the sounds value "
                    "to a number 2\nthrough the number of CD tracks (11 in the case of the Q2 \ninstallation CD). "
                    "Sounds=1 will result in the runtime error\nmessage 'CDAudio: track 1 is not audio' if the "
                    "installation Q2\nCD is in place.\n");
    } else if (sounds > MAX_QUIET_SOUNDS) {
        BeginLogicNotes(run);
        ReportPrint(run,
                    "\nSounds value in worldspawn entity is %d.\nIt's generally good practice to set the sounds "
                    "value to a\nnumber 2 through the number of CD tracks (11 in the case of\nthe Q2 installation "
                    "CD)\n",
                    sounds);
    }
}

}  // namespace quillon
