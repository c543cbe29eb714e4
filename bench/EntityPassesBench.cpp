// Times the three entity passes on a map of MAX_MAP_ENTITIES entities whose link keys all name
// other entities. Run from the source folder: build/bench/EntityPassesBench [path to quake2.db]
//
// Two layouts: "groups" gives every name to 16 entities of mixed classes and levels; "one name"
// gives all entities the same targetname, in levels that never cover easy skill, so every level
// search walks the whole list.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "checker/checks/CheckPasses.h"
#include "checker/run/CheckerRun.h"
#include "entitydb/EntityDatabase.h"

namespace {

using quillon::CheckerRun;
using quillon::MapEntity;

constexpr int GROUP_SIZE = 16;
constexpr int RUNS = 5;
const char* const CLASSES[] = {"trigger_relay", "monster_soldier", "path_corner", "point_combat",
                               "info_notnull",  "target_lightramp", "misc_teleporter", "light",
                               "func_timer",     "target_laser",     "trigger_elevator", "target_speaker"};
const char* const SPAWNFLAGS[] = {"0", "256", "512", "1024", "2048", "768", "2304", "3328"};

MapEntity MakeEntity(std::vector<std::pair<std::string, std::string>> pairs) {
    MapEntity entity;
    for (auto& [key, value] : pairs) {
        entity.pairs.push_back({key, value});
    }
    return entity;
}

/// The name `offset` groups after `group`; with one name, every link names the same group.
std::string Name(int group, int offset, int groups, bool oneName) {
    return "n" + std::to_string(oneName ? 0 : (group + offset) % groups);
}

void FillMap(CheckerRun& run, bool oneName) {
    run.entities.clear();
    run.entities.push_back(MakeEntity({{"classname", "worldspawn"}, {"nextmap", "base2"}, {"sounds", "2"}}));
    run.entities.push_back(MakeEntity({{"classname", "info_player_start"}, {"origin", "0 0 24"}}));
    const int groups = (quillon::MAX_MAP_ENTITIES - 2) / GROUP_SIZE + 1;
    for (int i = 2; i < quillon::MAX_MAP_ENTITIES; ++i) {
        const int group = oneName ? 0 : i / GROUP_SIZE;
        const int classCount = static_cast<int>(sizeof CLASSES / sizeof CLASSES[0]);
        const std::string spawnflags = oneName ? "256" : SPAWNFLAGS[i % 8];
        MapEntity entity = MakeEntity({{"classname", CLASSES[i % classCount]},
                                       {"origin", std::to_string(i) + " 0 0"},
                                       {"targetname", Name(group, 0, groups, oneName)},
                                       {"target", Name(group, 1, groups, oneName)},
                                       {"combattarget", Name(group, 2, groups, oneName)},
                                       {"deathtarget", Name(group, 3, groups, oneName)},
                                       {"killtarget", Name(group, 5, groups, oneName)},
                                       {"pathtarget", Name(group, 7, groups, oneName)},
                                       {"team", "team" + std::to_string(i % 997)},
                                       {"spawnflags", spawnflags},
                                       {"message", "ab"},
                                       {"noise", "world/amb1.wav"}});
        entity.listIndex = i;
        run.entities.push_back(std::move(entity));
    }
}

double TimePasses(CheckerRun& run) {
    run.counters = {};
    run.checks = {};
    const auto start = std::chrono::steady_clock::now();
    quillon::RunCheckPasses(run);
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(end - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string databasePath = argc > 1 ? argv[1] : "data/Quake2/quake2.db";
    CheckerRun run;
    const std::optional<std::string> text = quillon::ReadDatabaseFile(databasePath);
    if (!text) {
        std::fprintf(stderr, "cannot read %s\n", databasePath.c_str());
        return 1;
    }
    run.classes.baseText = *text;
    quillon::LoadEntityClasses(run.classes, run.classes.baseText, true, quillon::DatabaseReader::Checker);
    run.derived.showMask = quillon::SKILL_ALL;
    run.report = std::fopen("/dev/null", "w");
    for (const bool oneName : {false, true}) {
        FillMap(run, oneName);
        std::vector<double> seconds;
        for (int r = 0; r < RUNS; ++r) {
            seconds.push_back(TimePasses(run));
        }
        std::sort(seconds.begin(), seconds.end());
        std::printf("%-9s %zu entities, %d classes: best %.4f s, median %.4f s (%d runs; %d messages)\n",
                    oneName ? "one name" : "groups", run.entities.size(), static_cast<int>(run.classes.classes.size()),
                    seconds.front(), seconds[RUNS / 2], RUNS,
                    run.counters.runtimeErrors + run.counters.logicNotes + run.counters.nonStandardNotes);
    }
    std::fclose(run.report);
    return 0;
}
