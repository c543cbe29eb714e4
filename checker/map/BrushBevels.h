#pragma once
// The bevel sides added to every kept brush after its windings are built.

namespace quillon {

struct CheckerRun;

/// Adds the axial bevels (and puts the six axial sides first, in the order -x, +x, -y, +y, -z,
/// +z), then the edge bevels of a brush with more than six sides.
void AddBrushBevels(CheckerRun& run, int brushIndex);

}  // namespace quillon
