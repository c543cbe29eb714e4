#include "checker/checks/EntityClasses.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "checker/run/CheckerRun.h"
#include "checker/map/MapEntities.h"
#include "checker/map/Tokenizer.h"
#include "entitydb/EntityDatabase.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon {

namespace {

constexpr const char* BASE_DATABASE_NAME = "quake2.db";  // the game name "Quake2" with ".db", lower-cased

/// Reads a database by its path as written, or by the same path in other letter case.
bool ReadDatabase(const std::string& path, std::string& text) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return false;  // an empty EntityDB names the folder itself
    }
    if (TryLoadWholeFile(path, text)) {
        return true;
    }
    const std::optional<std::string> found = platform::FindFileIgnoringCase(path);
    return found && !std::filesystem::is_directory(*found, error) && TryLoadWholeFile(*found, text);
}

const EntityClassDef* ClassOf(const CheckerRun& run, const MapEntity& entity) {
    const int index = FindClass(run, ValueOfKey(entity, "classname"));
    return index < 0 ? nullptr : &run.classes.classes[static_cast<std::size_t>(index)];
}

/// The box around the boxes of `count` brushes from `first`; a cleared box when none has points.
void BrushRangeBox(const CheckerRun& run, int first, int count, Vec3& mins, Vec3& maxs) {
    ResetBox(mins, maxs);
    for (int b = std::max(first, 0); b < first + count && b < static_cast<int>(run.brushes.size()); ++b) {
        const MapBrush& brush = run.brushes[static_cast<std::size_t>(b)];
        for (int i = 0; i < 3; ++i) {
            mins[i] = std::min(mins[i], brush.mins[i]);
            maxs[i] = std::max(maxs[i], brush.maxs[i]);
        }
    }
}

/// The portal's own brush: still in the entity while it is read, in the world after the merge,
/// where its record keeps the entity's number. -1 when the portal has no brush.
int AreaPortalBrush(const CheckerRun& run, int entityNumber) {
    const MapEntity& entity = run.entities[static_cast<std::size_t>(entityNumber)];
    if (entity.brushCount > 0) {
        return entity.firstBrush;
    }
    for (std::size_t b = 0; b < run.brushes.size(); ++b) {
        if (run.brushes[b].entityNumber == entityNumber) {
            return static_cast<int>(b);
        }
    }
    return -1;
}

Vec3 BoxCentre(const Vec3& mins, const Vec3& maxs) {
    Vec3 centre{};
    for (int i = 0; i < 3; ++i) {
        centre[i] = static_cast<float>((static_cast<double>(mins[i]) + static_cast<double>(maxs[i])) * 0.5);
    }
    return centre;
}

/// Loads one database text and names on stderr what was wrong in it.
void LoadDatabaseText(EntityClassTable& table, const std::string& text, bool loadedFirst, const std::string& path) {
    const std::size_t before = loadedFirst ? 0 : table.problems.size();
    LoadEntityClasses(table, text, loadedFirst, DatabaseReader::Checker);
    for (std::size_t i = before; i < table.problems.size(); ++i) {
        std::fprintf(stderr, "quillon2: %s: %s.\n", path.c_str(), table.problems[i].c_str());
    }
}

}  // namespace

void SetDatabasePaths(CheckerRun& run) {
    const platform::PathParts own = platform::SplitPath(platform::OwnProgramPath());
    const std::string directory = own.drive + own.directory;
    run.derived.baseDatabasePath = directory + BASE_DATABASE_NAME;
    run.derived.selectedDatabasePath = directory + run.settings.entityDB;
    run.classes.selectedPath = LowerCased(run.derived.selectedDatabasePath);
}

bool LoadEntityDatabases(CheckerRun& run) {
    SetDatabasePaths(run);
    const std::string& basePath = run.derived.baseDatabasePath;
    const std::string& selectedPath = run.derived.selectedDatabasePath;
    EntityClassTable& table = run.classes;
    if (EqualsIgnoringCase(basePath, selectedPath)) {
        if (!ReadDatabase(selectedPath, table.baseText)) {
            return false;
        }
        LoadDatabaseText(table, table.baseText, true, selectedPath);
        return true;
    }
    if (!ReadDatabase(basePath, table.baseText) || !ReadDatabase(selectedPath, table.selectedText)) {
        return false;
    }
    LoadDatabaseText(table, table.baseText, true, basePath);
    LoadDatabaseText(table, table.selectedText, false, selectedPath);
    return true;
}

void ReleaseDatabaseTexts(CheckerRun& run) {
    run.classes.baseText = std::string();
    run.classes.selectedText = std::string();
}

int FindClass(const CheckerRun& run, const std::string& className) {
    if (className.empty()) {
        return -1;  // removed classes keep an empty name and match nothing
    }
    const std::vector<EntityClassDef>& classes = run.classes.classes;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (EqualsIgnoringCase(classes[i].className, className)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool ClassExists(const CheckerRun& run, const std::string& className) {
    return FindClass(run, className) >= 0;
}

bool IsPickup(const CheckerRun& run, const std::string& className) {
    const int index = FindClass(run, className);
    return index >= 0 && run.classes.classes[static_cast<std::size_t>(index)].isPickup;
}

bool NeedsBrush(const CheckerRun& run, const MapEntity& entity) {
    const EntityClassDef* definition = ClassOf(run, entity);
    return definition != nullptr && definition->needsBrush;
}

bool RemovedInDeathmatch(const CheckerRun& run, const MapEntity& entity) {
    const EntityClassDef* definition = ClassOf(run, entity);
    if (definition == nullptr) {
        return false;
    }
    if (definition->dmInhibitIfNamed && !ValueOfKey(entity, "targetname").empty()) {
        return true;
    }
    return definition->dmInhibit;
}

bool AbsoluteBounds(const CheckerRun& run, const MapEntity& entity, Vec3& mins, Vec3& maxs) {
    const EntityClassDef* definition = ClassOf(run, entity);
    if (definition == nullptr || !definition->hasBounds) {
        return false;
    }
    mins = VecAdd(entity.origin, definition->mins);
    maxs = VecAdd(entity.origin, definition->maxs);
    return true;
}

unsigned ValidSpawnflags(const CheckerRun& run, const MapEntity& entity) {
    const EntityClassDef* definition = ClassOf(run, entity);
    return definition == nullptr ? SKILL_ALL : definition->validSpawnflags;
}

Vec3 EntityLocation(const CheckerRun& run, int entityNumber) {
    const MapEntity& entity = run.entities[static_cast<std::size_t>(entityNumber)];
    const std::string& className = ValueOfKey(entity, "classname");
    Vec3 mins{};
    Vec3 maxs{};
    if (FindClass(run, className) > 0 && NeedsBrush(run, entity)) {
        BrushRangeBox(run, entity.firstBrush, entity.brushCount, mins, maxs);
        return BoxCentre(mins, maxs);
    }
    if (EqualsIgnoringCase(className, "func_areaportal")) {
        BrushRangeBox(run, AreaPortalBrush(run, entityNumber), 1, mins, maxs);
        return BoxCentre(mins, maxs);
    }
    return VectorOfKey(entity, "origin");
}

}  // namespace quillon
