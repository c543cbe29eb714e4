// Start points per level: counted in the main entity pass, reported after it and in the notes.

#include "checker/checks/MapCheckSupport.h"
#include "checker/checks/MapChecks.h"
#include "checker/run/CheckerRun.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

constexpr int SINGLE_PLAYER_LEVELS = 3;  // EASY, NORMAL and HARD come first in the level order

bool HasNoStart(const MapWideState& state, int level) {
    return state.unnamedStarts[level] == 0 && state.namedStarts[level] == 0;
}

bool AnySinglePlayerLevel(const MapWideState& state, bool (*test)(const MapWideState&, int)) {
    for (int level = 0; level < SINGLE_PLAYER_LEVELS; ++level) {
        if (test(state, level)) {
            return true;
        }
    }
    return false;
}

void PrintLevelsWhere(CheckerRun& run, int levelCount, bool (*test)(const MapWideState&, int)) {
    for (int level = 0; level < levelCount; ++level) {
        if (test(run.checks.mapWide, level)) {
            ReportPrint(run, "%s\n", LEVEL_NAMES[level]);
        }
    }
}

bool HasSeveralUnnamedStarts(const MapWideState& state, int level) {
    return state.unnamedStarts[level] > 1;
}

bool HasOnlyNamedStarts(const MapWideState& state, int level) {
    return state.unnamedStarts[level] == 0 && state.namedStarts[level] > 1;
}

}  // namespace

void CountPlayerStarts(CheckerRun& run, const EntitySummary& entity) {
    MapWideState& state = run.checks.mapWide;
    if (entity.classname == "info_player_start") {
        std::array<int, LEVEL_COUNT>& starts = entity.targetname.empty() ? state.unnamedStarts : state.namedStarts;
        for (int level = 0; level < LEVEL_COUNT; ++level) {
            if ((entity.spawnflags & LEVEL_BITS[level]) == 0) {
                ++starts[level];
            }
        }
    } else if (entity.classname == "info_player_deathmatch" && (entity.spawnflags & SKILL_DEATHMATCH) == 0) {
        ++state.deathmatchStarts;
    }
}

void CheckMissingPlayerStart(CheckerRun& run) {
    const MapWideState& state = run.checks.mapWide;
    const bool singlePlayerMissing = AnySinglePlayerLevel(state, HasNoStart);
    const bool deathmatchMissing = HasNoStart(state, DEATHMATCH_LEVEL);
    if (!singlePlayerMissing && !(deathmatchMissing && state.deathmatchStarts == 0)) {
        return;
    }
    BeginRuntimeErrors(run);
    ReportPrint(run, "\nThe map contains no info_player_starts in these\nskill levels:\n");
    PrintLevelsWhere(run, LEVEL_COUNT, HasNoStart);
    if (singlePlayerMissing) {
        ReportPrint(run,
                    "This will prevent the map from loading in single-player\nmodes and cause a \"couldn't find "
                    "spawn point\" error.\n");
    }
    if (deathmatchMissing) {
        ReportPrint(run,
                    "It is generally good practice, though not strictly\nnecessary, to include an "
                    "info_player_start in deathmatch-only\nmaps. This will allow you to start your map without "
                    "errors\nif you happen to have the variable deathmatch=0.\n");
    }
}

void CheckPlayerStartAmbiguities(CheckerRun& run) {
    const MapWideState& state = run.checks.mapWide;
    if (AnySinglePlayerLevel(state, HasSeveralUnnamedStarts)) {
        BeginLogicNotes(run);
        ReportPrint(run, "\nMap contains more than 1 unnamed info_player_start\nin these skill levels:\n");
        PrintLevelsWhere(run, SINGLE_PLAYER_LEVELS, HasSeveralUnnamedStarts);
        ReportPrint(run,
                    "The first unnamed info_player start found in the map\nfile will be used; all others are "
                    "ignored.\n");
    }
    if (AnySinglePlayerLevel(state, HasOnlyNamedStarts)) {
        BeginLogicNotes(run);
        ReportPrint(run,
                    "\nMap contains multiple named info_player_starts\nand no unnamed info_player_starts in "
                    "these\nskill levels:\n");
        PrintLevelsWhere(run, SINGLE_PLAYER_LEVELS, HasOnlyNamedStarts);
        ReportPrint(run,
                    "Initial spawnpoint will be the first info_player_start\nin the map file, but the order might "
                    "easily be \naccidentally changed.\n");
    }
    CheckEntityCountNearLimit(run);
}

}  // namespace quillon
