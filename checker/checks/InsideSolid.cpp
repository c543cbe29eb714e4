// Point entities whose box reaches into a solid world brush.

#include <algorithm>
#include <array>
#include <cmath>
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

constexpr int GRID_SIDE = 64;  ///< cells along x and along y

bool FiniteBox(const Vec3& mins, const Vec3& maxs) {
    for (int axis = 0; axis < 2; ++axis) {
        if (!std::isfinite(mins[axis]) || !std::isfinite(maxs[axis])) {
            return false;
        }
    }
    return true;
}

/// The cells a stretch from `low` to `high` on one axis reaches into, clamped to the grid. Cells
/// grow with the coordinate, so boxes that overlap always share a cell.
std::array<int, 2> CellRange(const SolidWorldIndex& index, int axis, float low, float high) {
    const int limit = axis == 0 ? index.columns : index.rows;
    const auto cell = [&](float value) {
        const double at = std::floor((static_cast<double>(value) - static_cast<double>(index.origin[static_cast<std::size_t>(axis)])) /
                                     static_cast<double>(index.cellSize));
        return static_cast<int>(std::clamp(at, -1.0, static_cast<double>(limit)));
    };
    return {std::max(cell(low), 0), std::min(cell(high), limit - 1)};
}

const SolidWorldIndex& SolidWorld(CheckerRun& run) {
    std::optional<SolidWorldIndex>& index = run.checks.solidWorld;
    if (index) {
        return *index;
    }
    index.emplace();
    const MapEntity& world = run.entities[0];
    std::array<float, 2> low{INFINITY, INFINITY};
    std::array<float, 2> high{-INFINITY, -INFINITY};
    for (int b = 0; b < world.brushCount; ++b) {
        const MapBrush& brush = run.brushes[static_cast<std::size_t>(world.firstBrush + b)];
        if ((brush.contents & CONTENTS_SOLID) == 0) {
            continue;
        }
        index->boxes.push_back({brush.mins, brush.maxs, b});
        if (FiniteBox(brush.mins, brush.maxs)) {
            for (std::size_t axis = 0; axis < 2; ++axis) {
                low[axis] = std::min(low[axis], brush.mins[axis]);
                high[axis] = std::max(high[axis], brush.maxs[axis]);
            }
        }
    }
    const float span = std::max(high[0] - low[0], high[1] - low[1]);
    index->origin = low;
    index->cellSize = span > 0 ? span / GRID_SIDE : 1;
    index->columns = index->rows = span > 0 ? GRID_SIDE + 1 : 1;
    index->cells.resize(static_cast<std::size_t>(index->columns * index->rows));
    for (int i = 0; i < static_cast<int>(index->boxes.size()); ++i) {
        const SolidBrushBox& box = index->boxes[static_cast<std::size_t>(i)];
        if (!FiniteBox(box.mins, box.maxs) || !(span > 0)) {
            index->everywhere.push_back(i);
            continue;
        }
        const std::array<int, 2> x = CellRange(*index, 0, box.mins[0], box.maxs[0]);
        const std::array<int, 2> y = CellRange(*index, 1, box.mins[1], box.maxs[1]);
        for (int row = y[0]; row <= y[1]; ++row) {
            for (int column = x[0]; column <= x[1]; ++column) {
                index->cells[static_cast<std::size_t>(row * index->columns + column)].push_back(i);
            }
        }
    }
    return *index;
}

/// The first solid world brush the box reaches into, counted within the world, or -1. Only the
/// brushes of the grid cells the box reaches into can overlap it; they are tried in world order.
int FirstSolidBrushInBox(CheckerRun& run, const Vec3& mins, const Vec3& maxs) {
    const SolidWorldIndex& index = SolidWorld(run);
    std::vector<int> candidates = index.everywhere;
    if (!FiniteBox(mins, maxs)) {
        candidates.resize(index.boxes.size());
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            candidates[i] = static_cast<int>(i);
        }
    } else if (!index.cells.empty() && index.cellSize > 0) {
        const std::array<int, 2> x = CellRange(index, 0, mins[0], maxs[0]);
        const std::array<int, 2> y = CellRange(index, 1, mins[1], maxs[1]);
        for (int row = y[0]; row <= y[1]; ++row) {
            for (int column = x[0]; column <= x[1]; ++column) {
                const std::vector<int>& cell = index.cells[static_cast<std::size_t>(row * index.columns + column)];
                candidates.insert(candidates.end(), cell.begin(), cell.end());
            }
        }
        std::sort(candidates.begin(), candidates.end());
        candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    }
    for (const int i : candidates) {
        const SolidBrushBox& box = index.boxes[static_cast<std::size_t>(i)];
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
