#pragma once
// A convex polygon in 3-D, owned by exactly one holder; copies are deep.

#include <vector>

#include "checker/map/Vector.h"

namespace quillon {

inline constexpr int MAX_POINTS_ON_WINDING = 64;

struct Winding {
    std::vector<Vec3> points;  ///< in order around the polygon; never more than MAX_POINTS_ON_WINDING

    int numPoints() const { return static_cast<int>(points.size()); }
};

}  // namespace quillon
