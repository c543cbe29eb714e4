#pragma once
// Brush windings, boxes, volumes and the microbrush check.

namespace quillon {

struct CheckerRun;

/// Builds every side's winding and the brush's box, then runs the bounds checks.
void BuildBrushWindings(CheckerRun& run, int brushIndex);
/// The microbrush check over every brush of the map.
void MicrobrushCheck(CheckerRun& run);

}  // namespace quillon
