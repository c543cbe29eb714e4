#include "checker/map/PlaneTable.h"

#include <cmath>
#include <string>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"
#include "checker/map/MapBrushes.h"
#include "checker/map/Winding.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

struct ContentsName {
    std::uint32_t bit;
    const char* name;
};

// In ascending bit order.
constexpr ContentsName CONTENTS_NAMES[] = {
    {1, "Solid"},           {2, "Window"},          {4, "Aux"},
    {8, "Lava"},            {16, "Slime"},          {32, "Water"},
    {64, "Mist"},           {32768, "Areaportal"},  {65536, "PlayerClip"},
    {131072, "MonsterClip"}, {262144, "Current0"},   {524288, "Current90"},
    {1048576, "Current180"}, {2097152, "Current270"}, {4194304, "CurrentUp"},
    {8388608, "CurrentDown"}, {16777216, "Origin"},  {33554432, "Monster"},
    {67108864, "DeadMonster"}, {134217728, "Detail"}, {268435456, "Translucent"},
    {536870912, "Ladder"},
};

/// The bad normal met while a face is read: the brush is named and its box printed, then the run
/// ends like any fatal error.
[[noreturn]] void BadNormalWhileReading(CheckerRun& run) {
    const int brushIndex = run.currentBrush;
    run.currentBrush = -1;
    MapBrush& brush = run.brushes[static_cast<std::size_t>(brushIndex)];
    RecordProblemBrush(run, brush.entityNumber, brush.brushNumber);
    ReportPrint(run, "\n*** Critical Error - cannot continue ***\n");
    ReportPrint(run, "\nentity %i, brush %i, face %i: FloatPlane: bad normal\n", brush.entityNumber,
                brush.brushNumber, run.currentFace);
    ReportPrint(run,
                "Corrective action: Delete this brush. This error was likely\n"
                "                   created by an improper vertex manipulation.\n");
    // The box shows the faces kept so far, built now rather than left from an earlier message.
    for (int s = 0; s < brush.sideCount; ++s) {
        run.sides[static_cast<std::size_t>(brush.firstSide + s)].winding.reset();
    }
    ResetBox(brush.mins, brush.maxs);
    PrintBrushBounds(run, brushIndex);
    if (run.report != nullptr) {
        std::fflush(run.report);
    }
    WriteLineFile(run);
    throw FatalRunError("FloatPlane: bad normal");
}

void AddPlaneToHash(CheckerRun& run, int planeNumber) {
    MapPlane& plane = run.planes[static_cast<std::size_t>(planeNumber)];
    const int bucket = PlaneHashBucket(plane.dist);
    int& first = run.planeHash[static_cast<std::size_t>(PlaneClass(plane.normal))][static_cast<std::size_t>(bucket)];
    plane.hashLink = first;
    first = planeNumber;
}

MapPlane MakePlane(const Vec3& normal, double dist, int type) {
    MapPlane plane;
    for (int i = 0; i < 3; ++i) {
        plane.normal[i] = WithoutNegativeZero(normal[i]);
    }
    plane.dist = WithoutNegativeZero(static_cast<float>(dist));
    plane.type = type;
    return plane;
}

int CreateNewPlane(CheckerRun& run, const Vec3& normal, double dist) {
    if (static_cast<double>(VecLength(normal)) < 0.5) {
        if (run.currentBrush >= 0) {
            BadNormalWhileReading(run);
        }
        FatalError(run,
                   "FloatPlane: bad normal - probably due to improper vertex manipulation\n"
                   "Corrective action: Find and delete the offending brush.");
    }
    if (run.planes.size() + 2 > static_cast<std::size_t>(MAX_MAP_PLANES)) {
        FatalError(run, "MAX_MAP_PLANES (%d) - The map is too complex.\nCorrective action: Simplify, make it smaller, or split it up.",
                   MAX_MAP_PLANES);
    }
    const int type = PlaneTypeOfNormal(normal);
    Vec3 flipped = normal;
    VecNegate(flipped);
    MapPlane plane = MakePlane(normal, dist, type);
    MapPlane partner = MakePlane(flipped, -dist, type);
    const bool swap = type < 3 && normal[static_cast<std::size_t>(type)] < 0;
    if (swap) {
        std::swap(plane, partner);
    }
    const int even = static_cast<int>(run.planes.size());
    run.planes.push_back(plane);
    run.planes.push_back(partner);
    AddPlaneToHash(run, even);
    AddPlaneToHash(run, even + 1);
    return swap ? even + 1 : even;
}

}  // namespace

void SnapVector(Vec3& normal) {
    for (int i = 0; i < 3; ++i) {
        const double c = normal[static_cast<std::size_t>(i)];
        if (std::fabs(c - 1) < NORMAL_EPSILON || std::fabs(c + 1) < NORMAL_EPSILON) {
            const float axis = c > 0 ? 1.0f : -1.0f;
            normal = {0, 0, 0};
            normal[static_cast<std::size_t>(i)] = axis;
            return;
        }
    }
}

bool PlaneMatches(const MapPlane& plane, const Vec3& normal, double dist) {
    // The distance first: planes of a hash bucket mostly differ there.
    if (!(std::fabs(static_cast<double>(plane.dist) - dist) < DIST_EPSILON)) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (!(std::fabs(static_cast<double>(plane.normal[i]) - static_cast<double>(normal[i])) < NORMAL_EPSILON)) {
            return false;
        }
    }
    return true;
}

int PlaneHashBucket(double dist) {
    const double magnitude = std::fabs(dist);
    // Distances beyond the int range (or not numbers) share bucket 0 rather than overflowing.
    if (!(magnitude < 2147483647.0)) {
        return 0;
    }
    return (static_cast<int>(magnitude) / 8) & PLANE_HASH_MASK;
}

int PlaneClass(const Vec3& normal) {
    for (int axis = 0; axis < 3; ++axis) {
        const float c = normal[static_cast<std::size_t>(axis)];
        if (c == 1.0f || c == -1.0f) {
            return 2 * axis + (c < 0 ? 1 : 0);
        }
    }
    return 6;
}

int FindPlane(CheckerRun& run, const Vec3& normal, double dist) {
    Vec3 snapped = normal;
    SnapVector(snapped);
    const double rounded = RoundToNearest(dist);
    if (std::fabs(dist - rounded) < DIST_EPSILON) {
        dist = rounded;
    }
    // Only planes of the normal's own class can match; walking its chains alone finds the same
    // plane as walking the whole buckets would.
    const auto& chains = run.planeHash[static_cast<std::size_t>(PlaneClass(snapped))];
    const int bucket = PlaneHashBucket(dist);
    for (int offset = -1; offset <= 1; ++offset) {
        const int h = (bucket + offset) & PLANE_HASH_MASK;
        for (int p = chains[static_cast<std::size_t>(h)]; p >= 0;
             p = run.planes[static_cast<std::size_t>(p)].hashLink) {
            if (PlaneMatches(run.planes[static_cast<std::size_t>(p)], snapped, dist)) {
                return p;
            }
        }
    }
    return CreateNewPlane(run, snapped, dist);
}

int PlaneThroughPoints(CheckerRun& run, const Vec3& p0, const Vec3& p1, const Vec3& p2) {
    double a[3];
    double b[3];
    for (int i = 0; i < 3; ++i) {
        a[i] = static_cast<double>(p0[i]) - static_cast<double>(p1[i]);
        b[i] = static_cast<double>(p2[i]) - static_cast<double>(p1[i]);
    }
    const double cross[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    const double length = std::sqrt(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]);
    Vec3 normal{0, 0, 0};
    if (length != 0) {
        for (int i = 0; i < 3; ++i) {
            normal[static_cast<std::size_t>(i)] = static_cast<float>(cross[i] / length);
        }
    }
    return FindPlane(run, normal, VecDot(p0, normal));
}

int PlaneTypeOfNormal(const Vec3& normal) {
    for (int i = 0; i < 3; ++i) {
        if (normal[static_cast<std::size_t>(i)] == 1.0f || normal[static_cast<std::size_t>(i)] == -1.0f) {
            return i;
        }
    }
    const float ax = std::fabs(normal[0]);
    const float ay = std::fabs(normal[1]);
    const float az = std::fabs(normal[2]);
    if (ax >= ay && ax >= az) {
        return 3;
    }
    if (ay >= ax && ay >= az) {
        return 4;
    }
    return 5;
}

std::string ContentsNames(std::uint32_t contents) {
    if (contents == 0) {
        return "None";
    }
    std::string names;
    for (const ContentsName& entry : CONTENTS_NAMES) {
        if ((contents & entry.bit) != 0) {
            if (!names.empty()) {
                names += ", ";
            }
            names += entry.name;
        }
    }
    return names;
}

}  // namespace quillon
