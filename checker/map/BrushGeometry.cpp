#include "checker/map/BrushGeometry.h"

namespace quillon {

// Temporary until brush geometry lands.
void BuildBrushWindings(CheckerRun&, int) {}
void MicrobrushCheck(CheckerRun&) {}

}  // namespace quillon
