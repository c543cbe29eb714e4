#include "checker/map/BrushGeometry.h"

#include "checker/run/CheckerRun.h"
#include "checker/map/Winding.h"
#include "checker/map/WorkingBrush.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

const char* const BOUNDS_ADVICE =
    "Corrective action: Move this brush inside the limits +/- 4096 in all directions,\n"
    "                   and/or insure that this brush has the correct number of faces.\n";

/// The winding of side `s`: its plane's base winding cut by every other non-bevel side.
std::optional<Winding> SideWinding(CheckerRun& run, const MapBrush& brush, int s) {
    const BrushSide& side = run.sides[static_cast<std::size_t>(brush.firstSide + s)];
    const MapPlane plane = run.planes[static_cast<std::size_t>(side.planeNumber)];
    FrontCutter cutter(run, plane.normal, plane.dist);
    for (int j = 0; j < brush.sideCount; ++j) {
        const BrushSide& other = run.sides[static_cast<std::size_t>(brush.firstSide + j)];
        if (j == s || other.bevel) {
            continue;
        }
        const MapPlane& flipped = run.planes[static_cast<std::size_t>(other.planeNumber ^ 1)];
        if (!cutter.Cut(run, flipped.normal, flipped.dist)) {
            break;
        }
    }
    return cutter.Result();
}

void ReportBoundsError(CheckerRun& run, int brushIndex, const char* what) {
    const MapBrush& brush = run.brushes[static_cast<std::size_t>(brushIndex)];
    RecordProblemBrush(run, brush.entityNumber, brush.brushNumber);
    BeginBspErrors(run);
    ReportPrint(run, "\nentity %i, brush %i: %s\n", brush.entityNumber, brush.brushNumber, what);
    ReportPrint(run, "%s", BOUNDS_ADVICE);
    PrintBrushBounds(run, brushIndex);
}

void CheckBrushBounds(CheckerRun& run, int brushIndex) {
    for (int axis = 0; axis < 3; ++axis) {
        // Copies: printing a box may rebuild the brush.
        const double low = run.brushes[static_cast<std::size_t>(brushIndex)].mins[axis];
        const double high = run.brushes[static_cast<std::size_t>(brushIndex)].maxs[axis];
        if (low < -BOX_LIMIT || high > BOX_LIMIT) {
            ReportBoundsError(run, brushIndex, "bounds out of range");
        }
        if (low > BOX_LIMIT || high < -BOX_LIMIT) {
            ReportBoundsError(run, brushIndex, "no visible sides on brush");
        }
    }
}

}  // namespace

void BuildBrushWindings(CheckerRun& run, int brushIndex) {
    const MapBrush snapshot = run.brushes[static_cast<std::size_t>(brushIndex)];
    Vec3 mins{};
    Vec3 maxs{};
    ResetBox(mins, maxs);
    for (int s = 0; s < snapshot.sideCount; ++s) {
        std::optional<Winding> w = SideWinding(run, snapshot, s);
        if (w) {
            for (const Vec3& p : w->points) {
                ExtendBox(p, mins, maxs);
            }
        }
        run.sides[static_cast<std::size_t>(snapshot.firstSide + s)].winding = std::move(w);
    }
    MapBrush& brush = run.brushes[static_cast<std::size_t>(brushIndex)];
    for (int i = 0; i < 3; ++i) {
        brush.mins[i] = WithoutNegativeZero(mins[i]);
        brush.maxs[i] = WithoutNegativeZero(maxs[i]);
    }
    if (!run.printingBounds) {
        CheckBrushBounds(run, brushIndex);
    }
}

float VolumeOfSides(const CheckerRun& run, const BrushSide* sides, int count) {
    const Vec3* corner = nullptr;
    double volume = 0;
    for (int s = 0; s < count; ++s) {
        if (!sides[s].winding || sides[s].winding->points.empty()) {
            continue;
        }
        if (corner == nullptr) {
            corner = &sides[s].winding->points[0];
        }
        const MapPlane& plane = run.planes[static_cast<std::size_t>(sides[s].planeNumber)];
        const double height = static_cast<double>(plane.dist) - VecDot(*corner, plane.normal);
        volume += height * AreaOfWinding(*sides[s].winding);
    }
    return static_cast<float>(volume) / 3.0f;
}

float VolumeOfMapBrush(const CheckerRun& run, int brushIndex) {
    const MapBrush& brush = run.brushes[static_cast<std::size_t>(brushIndex)];
    if (brush.sideCount == 0) {
        return 0;
    }
    return VolumeOfSides(run, &run.sides[static_cast<std::size_t>(brush.firstSide)], brush.sideCount);
}

void MicrobrushCheck(CheckerRun& run) {
    for (std::size_t e = 0; e < run.entities.size(); ++e) {
        const int first = run.entities[e].firstBrush;
        const int count = run.entities[e].brushCount;
        for (int b = 0; b < count; ++b) {
            const float volume = VolumeOfMapBrush(run, first + b);
            if (static_cast<double>(volume) >= MIN_BRUSH_VOLUME) {
                continue;
            }
            const int entityNumber = static_cast<int>(e);
            RecordProblemBrush(run, entityNumber, b);
            BeginBspErrors(run);
            ReportPrint(run,
                        "\nentity %i, brush %i: microbrush - brush volume = %g cubic\n"
                        "map units. This brush will likely not be built correctly\n"
                        "in the game. This is usually the result of a CSG operation.\n"
                        "Corrective action: Find and delete this brush.\n",
                        entityNumber, b, static_cast<double>(WithoutNegativeZero(volume)));
            PrintBrushBounds(run, first + b);
        }
    }
}

}  // namespace quillon
