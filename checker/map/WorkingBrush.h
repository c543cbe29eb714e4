#pragma once
// Working copies of brushes for splitting by planes and clipping to boxes.

#include <optional>
#include <vector>

#include "checker/map/MapTypes.h"
#include "checker/map/Vector.h"

namespace quillon {

struct CheckerRun;

inline constexpr double SPLIT_TOLERANCE = 0.1;
inline constexpr double MIN_BRUSH_VOLUME = 1.0;
inline constexpr double BOX_LIMIT = 4096;

/// A copy of a map brush whose sides own their windings.
struct WorkingBrush {
    int mapBrush = -1;  ///< index of the map brush it came from
    Vec3 mins{};
    Vec3 maxs{};
    std::vector<BrushSide> sides;
};

struct SplitBrush {
    std::optional<WorkingBrush> front;
    std::optional<WorkingBrush> back;
};

enum class PlaneSide { Front, Back };

WorkingBrush WorkingBrushFromMapBrush(const CheckerRun& run, int brushIndex);
/// The box of all points of all side windings, from the cleared box.
void BoundWorkingBrush(WorkingBrush& brush);
/// The volume of the brush; 0 when no side has a winding.
float VolumeOfWorkingBrush(const CheckerRun& run, const WorkingBrush& brush);

/// Splits the brush by plane `planeNumber`; the input is not changed.
SplitBrush SplitWorkingBrush(CheckerRun& run, const WorkingBrush& brush, int planeNumber);
/// The side of the plane on which the brush reaches farthest.
PlaneSide DominantSide(const CheckerRun& run, const WorkingBrush& brush, const MapPlane& plane);
/// The part of the brush inside the box, or none; the input is not changed. The box's six planes
/// enter the plane table.
std::optional<WorkingBrush> ClipWorkingBrushToBox(CheckerRun& run, const WorkingBrush& brush, const Vec3& mins,
                                                  const Vec3& maxs);

/// True when map brush `brushIndex` reaches into the box (ClipWorkingBrushToBox leaves something).
bool BrushReachesIntoBox(CheckerRun& run, int brushIndex, const Vec3& mins, const Vec3& maxs);

}  // namespace quillon
