// Point entities whose box reaches into a solid world brush.

#include <array>
#include <cstdint>
#include <string_view>

#include "checker/checks/MapCheckSupport.h"
#include "checker/checks/MapChecks.h"
#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/map/MapEntities.h"
#include "checker/map/WorkingBrush.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

constexpr std::uint32_t CONTENTS_SOLID = 1;

// Items and monsters: the game drops them to the floor or lets them fall out of the world.
constexpr std::array<std::string_view, 5> PICKUP_PREFIXES = {"ammo_", "item_", "key_", "monster_", "weapon_"};

/// Boxes that only touch do not overlap.
bool BoxesOverlap(const SolidBrushBox& brush, const Vec3& mins, const Vec3& maxs) {
    for (int axis = 0; axis < 3; ++axis) {
        if (!(brush.mins[axis] < maxs[axis] && brush.maxs[axis] > mins[axis])) {
            return false;
        }
    }
    return true;
}

const std::vector<SolidBrushBox>& SolidWorldBoxes(CheckerRun& run) {
    std::optional<std::vector<SolidBrushBox>>& boxes = run.checks.solidWorldBoxes;
    if (!boxes) {
        boxes.emplace();
        const MapEntity& world = run.entities[0];
        for (int b = 0; b < world.brushCount; ++b) {
            const MapBrush& brush = run.brushes[static_cast<std::size_t>(world.firstBrush + b)];
            if ((brush.contents & CONTENTS_SOLID) != 0) {
                boxes->push_back({brush.mins, brush.maxs, b});
            }
        }
    }
    return *boxes;
}

/// The first solid world brush the box reaches into, counted within the world, or -1.
int FirstSolidBrushInBox(CheckerRun& run, const Vec3& mins, const Vec3& maxs) {
    for (const SolidBrushBox& box : SolidWorldBoxes(run)) {
        if (BoxesOverlap(box, mins, maxs) &&
            BrushReachesIntoBox(run, run.entities[0].firstBrush + box.brushNumber, mins, maxs)) {
            return box.brushNumber;
        }
    }
    return -1;
}

void ReportInsideSolid(CheckerRun& run, int entityNumber, const std::string& className, const Vec3& origin,
                       void (*beginSection)(CheckerRun&)) {
    const MapEntity& entity = run.entities[static_cast<std::size_t>(entityNumber)];
    Vec3 mins{};
    Vec3 maxs{};
    if (!AbsoluteBounds(run, entity, mins, maxs)) {
        return;
    }
    const int brushNumber = FirstSolidBrushInBox(run, mins, maxs);
    if (brushNumber < 0) {
        return;
    }
    const std::array<double, 3> at = Printable(origin);
    const std::array<double, 3> low = Printable(mins);
    const std::array<double, 3> high = Printable(maxs);
    beginSection(run);
    ReportPrint(run, "\nentity %i: %s intersects solid brush #%d\n%s origin:( %g %g %g )\n", entityNumber,
                className.c_str(), brushNumber, className.c_str(), at[0], at[1], at[2]);
    ReportPrint(run, "Bounding box for %s: ( %g %g %g ) to ( %g %g %g )\n", className.c_str(), low[0], low[1], low[2],
                high[0], high[1], high[2]);
    PrintBrushBounds(run, run.entities[0].firstBrush + brushNumber);
}

}  // namespace

bool IsPickupOrMonsterClass(const std::string& lowerClassName) {
    for (const std::string_view prefix : PICKUP_PREFIXES) {
        if (StartsWith(lowerClassName, prefix)) {
            return true;
        }
    }
    return false;
}

bool MentionsPickupOrMonster(const std::string& className) {
    for (const std::string_view part : PICKUP_PREFIXES) {
        if (Contains(className, part)) {
            return true;
        }
    }
    return false;
}

void CheckPickupInsideSolid(CheckerRun& run, const EntitySummary& entity) {
    if (IsPickupOrMonsterClass(entity.classname)) {
        ReportInsideSolid(run, entity.entityNumber, entity.classname, entity.originPoint, BeginRuntimeErrors);
    }
}

void CheckOtherInsideSolid(CheckerRun& run, const EntitySummary& entity) {
    // This pass reads the class name as written, so "Item_health" counts as another class here.
    const std::string& className = ValueOfKey(run.entities[static_cast<std::size_t>(entity.entityNumber)], "classname");
    if (!MentionsPickupOrMonster(className)) {
        ReportInsideSolid(run, entity.entityNumber, className, entity.originPoint, BeginNonStandardNotes);
    }
}

}  // namespace quillon
