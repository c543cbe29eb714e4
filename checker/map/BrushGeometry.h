#pragma once
// Brush windings, boxes, volumes and the microbrush check.

namespace quillon {

struct CheckerRun;
struct BrushSide;

/// Builds every side's winding and the brush's box, then runs the bounds checks.
void BuildBrushWindings(CheckerRun& run, int brushIndex);
/// The volume of the brush from its side windings; 0 when no side has one.
float VolumeOfMapBrush(const CheckerRun& run, int brushIndex);
/// The volume enclosed by the windings of `count` sides; 0 when none has a winding.
float VolumeOfSides(const CheckerRun& run, const BrushSide* sides, int count);
/// The microbrush check over every brush of the map.
void MicrobrushCheck(CheckerRun& run);

}  // namespace quillon
