#pragma once
// A convex polygon in 3-D, owned by exactly one holder; copies are deep. "No winding" is an empty
// std::optional<Winding>.

#include <array>
#include <optional>
#include <vector>

#include "checker/map/Vector.h"

namespace quillon {

struct CheckerRun;

inline constexpr int MAX_POINTS_ON_WINDING = 64;
inline constexpr double BASE_WINDING_HALF_SIZE = 8192;
inline constexpr double TINY_EDGE_LENGTH = 0.2;

struct Winding {
    std::vector<Vec3> points;  ///< in order around the polygon; never more than MAX_POINTS_ON_WINDING

    int numPoints() const { return static_cast<int>(points.size()); }
};

/// Buffers ClipWinding reuses from cut to cut, so that classifying the points allocates nothing
/// once they have grown to the largest winding met.
struct ClipScratch {
    std::vector<double> dists;
    std::vector<unsigned char> sides;
};

/// The two parts of a winding cut by a plane; either may be none.
struct ClippedWinding {
    std::optional<Winding> front;
    std::optional<Winding> back;
};

/// A winding with room for `capacity` points and none yet.
Winding NewWinding(int capacity);
/// Releases the winding held in `holder`; releasing an empty holder is fatal.
void FreeWinding(CheckerRun& run, std::optional<Winding>& holder);
Winding DuplicateWinding(const Winding& w);

/// A square on the plane, large enough to cover the whole map.
Winding BaseWindingForPlane(CheckerRun& run, const Vec3& normal, double dist);
/// Cuts `w` by the plane; `w` itself is not changed.
ClippedWinding ClipWinding(CheckerRun& run, const Winding& w, const Vec3& normal, double dist, double epsilon);

/// The front part of a plane's base winding after cuts by a series of planes, worked out in
/// fixed buffers: the same points as BaseWindingForPlane followed by ClipWinding's front part for
/// each plane, without the allocations.
class FrontCutter {
public:
    FrontCutter(CheckerRun& run, const Vec3& normal, double dist);
    /// Keeps the part in front of the plane; false once nothing is left.
    bool Cut(CheckerRun& run, const Vec3& normal, double dist);
    /// The winding left, or none.
    std::optional<Winding> Result() const;

private:
    static constexpr int CAPACITY = 2 * MAX_POINTS_ON_WINDING + 8;
    std::array<std::array<Vec3, CAPACITY>, 2> buffers;
    int current = 0;
    int count = 0;
    bool empty = false;
};

double AreaOfWinding(const Winding& w);
/// True when fewer than 3 edges are longer than TINY_EDGE_LENGTH.
bool IsTinyWinding(const Winding& w);

/// Replaces negative zero by zero, so that no printed coordinate reads "-0".
inline float WithoutNegativeZero(float value) {
    return value == 0.0f ? 0.0f : value;
}

}  // namespace quillon
