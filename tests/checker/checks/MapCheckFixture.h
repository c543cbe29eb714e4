#pragma once
// A run filled by hand for the map-wide, spawnflag and face checks, with its report in memory.

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "checker/driver/CheckerRun.h"
#include "checker/map/MapEntities.h"
#include "entitydb/EntityDatabase.h"
#include "support/TestSupport.h"

namespace quillon::test {

/// Builds a database text with CR LF line ends from blocks written with "\n".
inline std::string DatabaseText(const std::string& blocks) {
    std::string lf = "quillon\nTest classes\nwritten for the tests\n__START__\n" + blocks;
    std::string crlf;
    for (const char c : lf) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    return crlf;
}

class MapCheckTest : public ::testing::Test {
protected:
    ScratchDir scratch;
    CheckerRun run;

    MapCheckTest() {
        run.report = std::tmpfile();
        run.derived.showMask = SKILL_ALL;
    }
    ~MapCheckTest() override { std::fclose(run.report); }

    /// Appends an entity with these pairs; its brushes must be added before the next entity.
    int AddEntity(std::initializer_list<std::pair<const char*, const char*>> pairs) {
        MapEntity entity;
        entity.listIndex = static_cast<int>(run.entities.size());
        entity.firstBrush = static_cast<int>(run.brushes.size());
        for (const auto& [key, value] : pairs) {
            entity.pairs.push_back({key, value});
            if (std::string(key) == "origin") {
                std::istringstream in(value);
                in >> entity.origin[0] >> entity.origin[1] >> entity.origin[2];
            }
        }
        run.entities.push_back(entity);
        return entity.listIndex;
    }

    /// Appends a brush of the last entity with the given box, contents and sides.
    int AddBrush(const Vec3& mins, const Vec3& maxs, std::uint32_t contents, const std::vector<BrushSide>& sides) {
        MapEntity& entity = run.entities.back();
        MapBrush brush;
        brush.entityNumber = entity.listIndex;
        brush.brushNumber = entity.brushCount;
        brush.contents = contents;
        brush.mins = mins;
        brush.maxs = maxs;
        brush.firstSide = static_cast<int>(run.sides.size());
        brush.sideCount = static_cast<int>(sides.size());
        run.sides.insert(run.sides.end(), sides.begin(), sides.end());
        run.brushes.push_back(brush);
        ++entity.brushCount;
        return static_cast<int>(run.brushes.size()) - 1;
    }

    /// Reads the map text through the map reader, as a run does.
    void ReadMap(const std::string& text) {
        run.derived.textureDir = scratch.PathOf("textures");
        run.derived.baseGameDir = scratch.PathOf("") + "/";
        run.settings.lastMapFile = scratch.Write("test.map", text);
        ReadMapFile(run, run.settings.lastMapFile);
    }

    /// Loads the blocks as the only database.
    void LoadDatabase(const std::string& blocks) {
        run.classes.baseText = DatabaseText(blocks);
        LoadEntityClasses(run.classes, run.classes.baseText, true, DatabaseReader::Checker);
    }

    /// Merges the blocks over the loaded database as the selected one.
    void MergeDatabase(const std::string& blocks) {
        run.classes.selectedText = DatabaseText(blocks);
        LoadEntityClasses(run.classes, run.classes.selectedText, false, DatabaseReader::Checker);
    }

    /// Everything printed to the report so far.
    std::string Report() {
        std::fflush(run.report);
        std::rewind(run.report);
        std::string text;
        char buffer[4096];
        std::size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, run.report)) > 0) {
            text.append(buffer, read);
        }
        std::fseek(run.report, 0, SEEK_END);
        return text;
    }
};

inline BrushSide Face(int faceNumber, std::uint32_t surfaceFlags, int value, const char* texture) {
    BrushSide side;
    side.faceNumber = faceNumber;
    side.surfaceFlags = surfaceFlags;
    side.value = value;
    side.textureName = texture;
    return side;
}

inline const char* RUNTIME_BANNER = "\n=================== Runtime Errors/Inconsistencies ===================\n";
inline const char* LOGIC_BANNER =
    "\n********************************************************\n"
    "NOTE: The following messages do NOT necessarily indicate\n"
    "      game errors, but MAY indicate logic problems in\n"
    "      your map.\n"
    "********************************************************\n";
inline const char* NON_STANDARD_BANNER =
    "\n********************************************************\n"
    "NOTE: The following messages do NOT indicate errors,\n"
    "      but MAY require extra attention to non-standard\n"
    "      map details.\n"
    "********************************************************\n";

}  // namespace quillon::test
