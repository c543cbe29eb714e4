#include "checker/map/BrushBevels.h"

#include <algorithm>
#include <array>
#include <utility>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"
#include "checker/map/MapBrushes.h"
#include "checker/map/PlaneTable.h"
#include "checker/map/Winding.h"

namespace quillon {

namespace {

constexpr double BEVEL_POINT_TOLERANCE = 0.1;

BrushSide& SideOf(CheckerRun& run, const MapBrush& brush, int s) {
    return run.sides[static_cast<std::size_t>(brush.firstSide + s)];
}

/// Appends a bevel side on `planeNumber` to the brush, which is the last one in the side table.
void AppendBevelSide(CheckerRun& run, int brushIndex, int planeNumber) {
    if (run.sides.size() >= static_cast<std::size_t>(MAX_MAP_BRUSHSIDES)) {
        FatalError(run, "MAX_MAP_BRUSHSIDES (%d) - The map is too complex.\nCorrective action: Simplify, make it smaller, or split it up.",
                   MAX_MAP_BRUSHSIDES);
    }
    MapBrush& brush = run.brushes[static_cast<std::size_t>(brushIndex)];
    BrushSide bevel;
    bevel.planeNumber = planeNumber;
    bevel.contents = brush.sideCount > 0 ? SideOf(run, brush, 0).contents : 0;
    bevel.bevel = true;
    run.sides.push_back(std::move(bevel));
    ++brush.sideCount;
}

void AddAxialBevels(CheckerRun& run, int brushIndex) {
    int order = 0;
    for (int axis = 0; axis < 3; ++axis) {
        for (int dir = -1; dir <= 1; dir += 2, ++order) {
            const MapBrush& brush = run.brushes[static_cast<std::size_t>(brushIndex)];
            int found = 0;
            while (found < brush.sideCount &&
                   run.planes[static_cast<std::size_t>(SideOf(run, brush, found).planeNumber)].normal[axis] !=
                       static_cast<float>(dir)) {
                ++found;
            }
            if (found == brush.sideCount) {
                Vec3 normal{0, 0, 0};
                normal[static_cast<std::size_t>(axis)] = static_cast<float>(dir);
                const double dist = dir == 1 ? static_cast<double>(brush.maxs[axis]) : -static_cast<double>(brush.mins[axis]);
                AppendBevelSide(run, brushIndex, FindPlane(run, normal, dist));
            }
            if (found != order) {
                const MapBrush& current = run.brushes[static_cast<std::size_t>(brushIndex)];
                std::swap(SideOf(run, current, order), SideOf(run, current, found));
            }
        }
    }
}

/// True when the candidate plane is one of the brush's planes or cuts into one of its windings.
bool CandidateRejected(const CheckerRun& run, const MapBrush& brush, const Vec3& normal, double dist) {
    for (int k = 0; k < brush.sideCount; ++k) {
        const BrushSide& side = run.sides[static_cast<std::size_t>(brush.firstSide + k)];
        if (PlaneMatches(run.planes[static_cast<std::size_t>(side.planeNumber)], normal, dist)) {
            return true;
        }
        if (!side.winding) {
            continue;
        }
        for (const Vec3& p : side.winding->points) {
            if (VecDot(p, normal) - dist > BEVEL_POINT_TOLERANCE) {
                return true;
            }
        }
    }
    return false;
}

/// Tries the six slanted planes through one non-axial edge from `p1` to `p2`.
void AddBevelsOfEdge(CheckerRun& run, int brushIndex, const Vec3& p1, const Vec3& p2) {
    Vec3 edge{};
    if (static_cast<double>(VecNormalize(VecSubtract(p1, p2), edge)) < 0.5) {
        return;
    }
    SnapVector(edge);
    for (const float c : edge) {
        if (c == 1.0f || c == -1.0f) {
            return;
        }
    }
    for (int axis = 0; axis < 3; ++axis) {
        for (int dir = -1; dir <= 1; dir += 2) {
            Vec3 axisVector{0, 0, 0};
            axisVector[static_cast<std::size_t>(axis)] = static_cast<float>(dir);
            Vec3 cross{};
            VecCross(edge, axisVector, cross);
            Vec3 normal{};
            if (static_cast<double>(VecNormalize(cross, normal)) < 0.5) {
                continue;
            }
            const double dist = VecDot(p1, normal);
            if (!CandidateRejected(run, run.brushes[static_cast<std::size_t>(brushIndex)], normal, dist)) {
                AppendBevelSide(run, brushIndex, FindPlane(run, normal, dist));
            }
        }
    }
}

void AddEdgeBevels(CheckerRun& run, int brushIndex) {
    if (run.brushes[static_cast<std::size_t>(brushIndex)].sideCount <= 6) {
        return;
    }
    // The side count grows while bevels are added; those sides have no winding.
    for (int s = 6; s < run.brushes[static_cast<std::size_t>(brushIndex)].sideCount; ++s) {
        const MapBrush& brush = run.brushes[static_cast<std::size_t>(brushIndex)];
        if (!SideOf(run, brush, s).winding) {
            continue;
        }
        // A copy: appending sides may move the side table. A winding has at most
        // MAX_POINTS_ON_WINDING points.
        const std::vector<Vec3>& winding = SideOf(run, brush, s).winding->points;
        std::array<Vec3, MAX_POINTS_ON_WINDING> points;
        const std::size_t count = std::min(winding.size(), points.size());
        std::copy_n(winding.begin(), count, points.begin());
        for (std::size_t j = 0; j < count; ++j) {
            AddBevelsOfEdge(run, brushIndex, points[j], points[(j + 1) % count]);
        }
    }
}

}  // namespace

void AddBrushBevels(CheckerRun& run, int brushIndex) {
    AddAxialBevels(run, brushIndex);
    AddEdgeBevels(run, brushIndex);
}

}  // namespace quillon
