#include "checker/map/WorkingBrush.h"

#include <array>
#include <utility>

#include "checker/run/CheckerRun.h"
#include "checker/map/BrushGeometry.h"
#include "checker/map/MapBrushes.h"
#include "checker/map/Winding.h"

namespace quillon {

namespace {

/// The farthest any winding point lies in front of (first) and behind (second, negative) the plane.
std::pair<double, double> ReachPastPlane(const WorkingBrush& brush, const MapPlane& plane) {
    double front = 0;
    double back = 0;
    for (const BrushSide& side : brush.sides) {
        if (!side.winding) {
            continue;
        }
        for (const Vec3& p : side.winding->points) {
            const double d = VecDot(p, plane.normal) - static_cast<double>(plane.dist);
            if (d > front) {
                front = d;
            }
            if (d < back) {
                back = d;
            }
        }
    }
    return {front, back};
}

/// The polygon of the brush on the splitting plane, or none.
std::optional<Winding> SplitFace(CheckerRun& run, const WorkingBrush& brush, const MapPlane& plane) {
    FrontCutter cutter(run, plane.normal, plane.dist);
    for (std::size_t i = 0; i < brush.sides.size(); ++i) {
        const MapPlane& flipped = run.planes[static_cast<std::size_t>(brush.sides[i].planeNumber ^ 1)];
        if (!cutter.Cut(run, flipped.normal, flipped.dist)) {
            break;
        }
    }
    return cutter.Result();
}

bool IsUsablePiece(const WorkingBrush& piece) {
    if (piece.sides.size() < 3) {
        return false;
    }
    for (int axis = 0; axis < 3; ++axis) {
        if (static_cast<double>(piece.mins[axis]) < -BOX_LIMIT || static_cast<double>(piece.maxs[axis]) > BOX_LIMIT) {
            return false;
        }
    }
    return true;
}

SplitBrush WholeBrushOn(PlaneSide side, const WorkingBrush& brush) {
    SplitBrush result;
    (side == PlaneSide::Front ? result.front : result.back) = brush;
    return result;
}

}  // namespace

WorkingBrush WorkingBrushFromMapBrush(const CheckerRun& run, int brushIndex) {
    const MapBrush& mapBrush = run.brushes[static_cast<std::size_t>(brushIndex)];
    WorkingBrush brush;
    brush.mapBrush = brushIndex;
    brush.mins = mapBrush.mins;
    brush.maxs = mapBrush.maxs;
    brush.sides.reserve(static_cast<std::size_t>(mapBrush.sideCount));
    for (int s = 0; s < mapBrush.sideCount; ++s) {
        brush.sides.push_back(run.sides[static_cast<std::size_t>(mapBrush.firstSide + s)]);
    }
    return brush;
}

void BoundWorkingBrush(WorkingBrush& brush) {
    ResetBox(brush.mins, brush.maxs);
    for (const BrushSide& side : brush.sides) {
        if (side.winding) {
            for (const Vec3& p : side.winding->points) {
                ExtendBox(p, brush.mins, brush.maxs);
            }
        }
    }
}

float VolumeOfWorkingBrush(const CheckerRun& run, const WorkingBrush& brush) {
    return VolumeOfSides(run, brush.sides.data(), static_cast<int>(brush.sides.size()));
}

PlaneSide DominantSide(const CheckerRun&, const WorkingBrush& brush, const MapPlane& plane) {
    double best = 0;
    PlaneSide answer = PlaneSide::Front;
    for (const BrushSide& side : brush.sides) {
        if (!side.winding) {
            continue;
        }
        for (const Vec3& p : side.winding->points) {
            const double d = VecDot(p, plane.normal) - static_cast<double>(plane.dist);
            if (d > best) {
                best = d;
                answer = PlaneSide::Front;
            }
            if (-d > best) {
                best = -d;
                answer = PlaneSide::Back;
            }
        }
    }
    return answer;
}

SplitBrush SplitWorkingBrush(CheckerRun& run, const WorkingBrush& brush, int planeNumber) {
    const MapPlane plane = run.planes[static_cast<std::size_t>(planeNumber)];
    const auto [dFront, dBack] = ReachPastPlane(brush, plane);
    if (dFront < SPLIT_TOLERANCE) {
        return WholeBrushOn(PlaneSide::Back, brush);
    }
    if (dBack > -SPLIT_TOLERANCE) {
        return WholeBrushOn(PlaneSide::Front, brush);
    }
    std::optional<Winding> face = SplitFace(run, brush, plane);
    if (!face || IsTinyWinding(*face)) {
        return WholeBrushOn(DominantSide(run, brush, plane), brush);
    }
    std::array<WorkingBrush, 2> pieces;  // front, back
    for (WorkingBrush& piece : pieces) {
        piece.mapBrush = brush.mapBrush;
        piece.sides.reserve(brush.sides.size() + 1);
    }
    for (const BrushSide& side : brush.sides) {
        if (!side.winding) {
            continue;
        }
        ClippedWinding parts = ClipWinding(run, *side.winding, plane.normal, plane.dist, 0);
        std::optional<Winding>* cut[2] = {&parts.front, &parts.back};
        for (int j = 0; j < 2; ++j) {
            if (*cut[j]) {
                BrushSide copy = side;
                copy.winding = std::move(*cut[j]);
                pieces[static_cast<std::size_t>(j)].sides.push_back(std::move(copy));
            }
        }
    }
    for (WorkingBrush& piece : pieces) {
        BoundWorkingBrush(piece);
    }
    const bool frontUsable = IsUsablePiece(pieces[0]);
    const bool backUsable = IsUsablePiece(pieces[1]);
    if (!frontUsable || !backUsable) {
        // The cut is not real: a piece that survived stands for the whole brush on its side.
        SplitBrush result;
        if (frontUsable) {
            result.front = brush;
        }
        if (backUsable) {
            result.back = brush;
        }
        return result;
    }
    BrushSide frontFace;
    frontFace.planeNumber = planeNumber ^ 1;
    frontFace.winding = DuplicateWinding(*face);
    pieces[0].sides.push_back(std::move(frontFace));
    BrushSide backFace;
    backFace.planeNumber = planeNumber;
    backFace.winding = std::move(face);
    pieces[1].sides.push_back(std::move(backFace));

    SplitBrush result;
    if (static_cast<double>(VolumeOfWorkingBrush(run, pieces[0])) >= MIN_BRUSH_VOLUME) {
        result.front = std::move(pieces[0]);
    }
    if (static_cast<double>(VolumeOfWorkingBrush(run, pieces[1])) >= MIN_BRUSH_VOLUME) {
        result.back = std::move(pieces[1]);
    }
    return result;
}

std::optional<WorkingBrush> ClipWorkingBrushToBox(CheckerRun& run, const WorkingBrush& brush, const Vec3& mins,
                                                  const Vec3& maxs) {
    std::array<int, 3> maxPlanes{};
    std::array<int, 3> minPlanes{};
    for (int axis = 0; axis < 3; ++axis) {
        Vec3 normal{0, 0, 0};
        normal[static_cast<std::size_t>(axis)] = 1;
        maxPlanes[static_cast<std::size_t>(axis)] = FindPlane(run, normal, static_cast<double>(maxs[axis]));
        minPlanes[static_cast<std::size_t>(axis)] = FindPlane(run, normal, static_cast<double>(mins[axis]));
    }
    std::optional<WorkingBrush> piece = brush;
    for (int axis = 0; axis < 3; ++axis) {
        if (piece->maxs[axis] > maxs[axis]) {
            piece = std::move(SplitWorkingBrush(run, *piece, maxPlanes[static_cast<std::size_t>(axis)]).back);
            if (!piece) {
                return std::nullopt;
            }
        }
        if (piece->mins[axis] < mins[axis]) {
            piece = std::move(SplitWorkingBrush(run, *piece, minPlanes[static_cast<std::size_t>(axis)]).front);
            if (!piece) {
                return std::nullopt;
            }
        }
    }
    return piece;
}

bool BrushReachesIntoBox(CheckerRun& run, int brushIndex, const Vec3& mins, const Vec3& maxs) {
    return ClipWorkingBrushToBox(run, WorkingBrushFromMapBrush(run, brushIndex), mins, maxs).has_value();
}

}  // namespace quillon
