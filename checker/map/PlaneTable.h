#pragma once
// Helpers of the plane table shared by the brush reader and the bevel step. The table's public
// operations (FindPlane, PlaneThroughPoints, PlaneTypeOfNormal, ContentsNames) are in MapBrushes.h.

#include "checker/map/MapTypes.h"
#include "checker/map/Vector.h"

namespace quillon {

inline constexpr double NORMAL_EPSILON = 0.00001;
inline constexpr double DIST_EPSILON = 0.01;
inline constexpr int PLANE_HASH_MASK = 1023;

/// Makes a normal within NORMAL_EPSILON of an axis exactly that axis (the first such axis wins).
void SnapVector(Vec3& normal);
/// True when the plane matches (normal, dist) within the lookup tolerances.
bool PlaneMatches(const MapPlane& plane, const Vec3& normal, double dist);
/// The hash bucket of a distance: the integer part of |dist| / 8, modulo 1024.
int PlaneHashBucket(double dist);
/// 0 to 5 for a normal along +x, -x, +y, -y, +z, -z; 6 for any other. Every normal in the table
/// has been snapped, so a normal can only match one of its own class: a snapped normal is within
/// NORMAL_EPSILON of an axis only when it is that axis.
int PlaneClass(const Vec3& normal);

}  // namespace quillon
