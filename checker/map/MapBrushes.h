#pragma once
// Brush blocks, the plane table and content flags.

#include <cstdint>
#include <string>
#include <string_view>

#include "checker/map/Vector.h"

namespace quillon {

struct CheckerRun;

/// Reads one brush whose "{" has just been read, for the given entity.
void ParseBrush(CheckerRun& run, int entityNumber);
/// The number of the plane (normal, dist), adding the pair when there is none.
int FindPlane(CheckerRun& run, const Vec3& normal, double dist);
int PlaneThroughPoints(CheckerRun& run, const Vec3& p0, const Vec3& p1, const Vec3& p2);
int PlaneTypeOfNormal(const Vec3& normal);
/// A coordinate token as strtod reads it (its leading number, 0 when there is none).
double LeadingReal(std::string_view token);
/// The names of the set content flags joined by ", "; "None" for 0.
std::string ContentsNames(std::uint32_t contents);

}  // namespace quillon
