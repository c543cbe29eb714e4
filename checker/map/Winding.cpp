#include "checker/map/Winding.h"

#include <array>
#include <cassert>
#include <cmath>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"

namespace quillon {

namespace {

enum PointSide { SideFront = 0, SideBack = 1, SideOn = 2 };

/// Distances of the points from the plane and the side each lies on, with the count per side. The
/// distances and sides live in the run's scratch buffers until the next classification.
struct PointClassification {
    const double* dists;
    const unsigned char* sides;
    std::array<int, 3> counts{};
};

PointClassification ClassifyPoints(ClipScratch& scratch, const Winding& w, const Vec3& normal, double dist,
                                   double epsilon) {
    const std::size_t n = w.points.size();
    if (scratch.dists.size() < n) {
        scratch.dists.resize(n);
        scratch.sides.resize(n);
    }
    PointClassification result{};
    for (std::size_t i = 0; i < n; ++i) {
        const double d = VecDot(w.points[i], normal) - dist;
        const PointSide side = d > epsilon ? SideFront : (d < -epsilon ? SideBack : SideOn);
        scratch.dists[i] = d;
        scratch.sides[i] = static_cast<unsigned char>(side);
        ++result.counts[side];
    }
    result.dists = scratch.dists.data();
    result.sides = scratch.sides.data();
    return result;
}

/// The point where the edge p1-p2 crosses the plane. Axial planes give their distance exactly, so
/// that boxes built from clipped windings keep whole-number coordinates.
inline Vec3 CrossingPoint(const Vec3& p1, const Vec3& p2, double d1, double d2, const Vec3& normal, double dist) {
    const double t = d1 / (d1 - d2);
    Vec3 mid{};
    for (int axis = 0; axis < 3; ++axis) {
        double value;
        if (normal[axis] == 1.0f) {
            value = dist;
        } else if (normal[axis] == -1.0f) {
            value = -dist;
        } else {
            value = static_cast<double>(p1[axis]) + t * (static_cast<double>(p2[axis]) - static_cast<double>(p1[axis]));
        }
        mid[axis] = WithoutNegativeZero(static_cast<float>(value));
    }
    return mid;
}

void CheckClipResult(CheckerRun& run, const std::optional<Winding>& part, int estimate) {
    if (part && part->numPoints() > estimate) {
        FatalError(run, "ClipWinding: points exceeded estimate");
    }
    if (part && part->numPoints() > MAX_POINTS_ON_WINDING) {
        FatalError(run, "ClipWinding: MAX_POINTS_ON_WINDING");
    }
}

/// Cuts a winding that has points on both sides of the plane; `back` is filled only when given.
void SplitPoints(const Winding& w, const PointClassification& c, const Vec3& normal, double dist, Winding& front,
                 Winding* back) {
    const std::size_t n = w.points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec3& p1 = w.points[i];
        const std::size_t next = i + 1 == n ? 0 : i + 1;
        if (c.sides[i] == SideOn) {
            front.points.push_back(p1);
            if (back != nullptr) {
                back->points.push_back(p1);
            }
            continue;
        }
        if (c.sides[i] == SideFront) {
            front.points.push_back(p1);
        } else if (back != nullptr) {
            back->points.push_back(p1);
        }
        if (c.sides[next] == SideOn || c.sides[next] == c.sides[i]) {
            continue;
        }
        const Vec3 mid = CrossingPoint(p1, w.points[next], c.dists[i], c.dists[next], normal, dist);
        front.points.push_back(mid);
        if (back != nullptr) {
            back->points.push_back(mid);
        }
    }
}

}  // namespace

Winding NewWinding(int capacity) {
    assert(capacity >= 0);
    Winding w;
    w.points.reserve(static_cast<std::size_t>(capacity));
    return w;
}

void FreeWinding(CheckerRun& run, std::optional<Winding>& holder) {
    if (!holder) {
        FatalError(run, "FreeWinding: freed a freed winding");
    }
    holder.reset();
}

Winding DuplicateWinding(const Winding& w) {
    Winding copy = NewWinding(w.numPoints());
    copy.points = w.points;
    return copy;
}

namespace {

/// The four corners of the base winding.
void BaseCorners(CheckerRun& run, const Vec3& normal, double dist, Vec3* corners) {
    int axis = -1;
    double largest = -1;
    for (int i = 0; i < 3; ++i) {
        const double v = std::fabs(static_cast<double>(normal[i]));
        if (v > largest) {
            largest = v;
            axis = i;
        }
    }
    if (axis == -1) {
        FatalError(run, "BaseWindingForPlane: no axis found");
    }
    std::array<double, 3> up = axis == 2 ? std::array<double, 3>{1, 0, 0} : std::array<double, 3>{0, 0, 1};
    const std::array<double, 3> n{normal[0], normal[1], normal[2]};
    const double along = up[0] * n[0] + up[1] * n[1] + up[2] * n[2];
    for (int i = 0; i < 3; ++i) {
        up[i] -= along * n[i];
    }
    const double length = std::sqrt(up[0] * up[0] + up[1] * up[1] + up[2] * up[2]);
    for (double& c : up) {
        c = length == 0 ? 0 : c / length;
    }
    const std::array<double, 3> right{up[1] * n[2] - up[2] * n[1], up[2] * n[0] - up[0] * n[2],
                                      up[0] * n[1] - up[1] * n[0]};
    const double signs[4][2] = {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}};  // (right, up) per corner
    for (const auto& sign : signs) {
        Vec3& p = *corners++;
        for (int i = 0; i < 3; ++i) {
            const double value = n[i] * dist + sign[0] * right[i] * BASE_WINDING_HALF_SIZE +
                                 sign[1] * up[i] * BASE_WINDING_HALF_SIZE;
            p[i] = WithoutNegativeZero(static_cast<float>(value));
        }
    }
}

}  // namespace

Winding BaseWindingForPlane(CheckerRun& run, const Vec3& normal, double dist) {
    Winding w;
    w.points.resize(4);
    BaseCorners(run, normal, dist, w.points.data());
    return w;
}

FrontCutter::FrontCutter(CheckerRun& run, const Vec3& normal, double dist) : count(4) {
    BaseCorners(run, normal, dist, buffers[0].data());
}

bool FrontCutter::Cut(CheckerRun& run, const Vec3& normal, double dist) {
    if (empty) {
        return false;
    }
    const Vec3* const in = buffers[static_cast<std::size_t>(current)].data();
    const int n = count;
    double dists[CAPACITY];
    unsigned char sides[CAPACITY];
    int fronts = 0;
    int backs = 0;
    for (int i = 0; i < n; ++i) {
        const double d = VecDot(in[i], normal) - dist;
        const PointSide side = d > 0 ? SideFront : (d < 0 ? SideBack : SideOn);
        dists[i] = d;
        sides[i] = static_cast<unsigned char>(side);
        fronts += side == SideFront ? 1 : 0;
        backs += side == SideBack ? 1 : 0;
    }
    if (fronts == 0) {
        empty = true;
        return false;
    }
    if (backs == 0) {
        return true;
    }
    Vec3* const out = buffers[static_cast<std::size_t>(1 - current)].data();
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        const int next = i + 1 == n ? 0 : i + 1;
        if (sides[i] == SideOn) {
            out[kept++] = in[i];
            continue;
        }
        if (sides[i] == SideFront) {
            out[kept++] = in[i];
        }
        if (sides[next] == SideOn || sides[next] == sides[i]) {
            continue;
        }
        out[kept++] = CrossingPoint(in[i], in[next], dists[i], dists[next], normal, dist);
    }
    if (kept > n + 4) {
        FatalError(run, "ClipWinding: points exceeded estimate");
    }
    if (kept > MAX_POINTS_ON_WINDING) {
        FatalError(run, "ClipWinding: MAX_POINTS_ON_WINDING");
    }
    current = 1 - current;
    count = kept;
    return true;
}

std::optional<Winding> FrontCutter::Result() const {
    if (empty) {
        return std::nullopt;
    }
    const Vec3* const points = buffers[static_cast<std::size_t>(current)].data();
    Winding w;
    w.points.assign(points, points + count);
    return w;
}

ClippedWinding ClipWinding(CheckerRun& run, const Winding& w, const Vec3& normal, double dist, double epsilon) {
    const PointClassification c = ClassifyPoints(run.clipScratch, w, normal, dist, epsilon);
    ClippedWinding result;
    if (c.counts[SideFront] == 0) {
        result.back = DuplicateWinding(w);
        return result;
    }
    if (c.counts[SideBack] == 0) {
        result.front = DuplicateWinding(w);
        return result;
    }
    const int estimate = w.numPoints() + 4;
    result.front = NewWinding(estimate);
    result.back = NewWinding(estimate);
    SplitPoints(w, c, normal, dist, *result.front, &*result.back);
    CheckClipResult(run, result.front, estimate);
    CheckClipResult(run, result.back, estimate);
    return result;
}

double AreaOfWinding(const Winding& w) {
    double total = 0;
    const Vec3& p0 = w.points.empty() ? Vec3{} : w.points[0];
    for (std::size_t i = 2; i < w.points.size(); ++i) {
        std::array<double, 3> d1{};
        std::array<double, 3> d2{};
        for (int k = 0; k < 3; ++k) {
            d1[k] = static_cast<double>(w.points[i - 1][k]) - static_cast<double>(p0[k]);
            d2[k] = static_cast<double>(w.points[i][k]) - static_cast<double>(p0[k]);
        }
        const double x = d1[1] * d2[2] - d1[2] * d2[1];
        const double y = d1[2] * d2[0] - d1[0] * d2[2];
        const double z = d1[0] * d2[1] - d1[1] * d2[0];
        total += 0.5 * std::sqrt(x * x + y * y + z * z);
    }
    return total;
}

bool IsTinyWinding(const Winding& w) {
    int edges = 0;
    const std::size_t n = w.points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec3& a = w.points[i];
        const Vec3& b = w.points[(i + 1) % n];
        double sum = 0;
        for (int k = 0; k < 3; ++k) {
            const double d = static_cast<double>(b[k]) - static_cast<double>(a[k]);
            sum += d * d;
        }
        if (std::sqrt(sum) > TINY_EDGE_LENGTH && ++edges == 3) {
            return false;
        }
    }
    return true;
}

}  // namespace quillon
