#include "checker/map/MapBrushes.h"

#include "checker/driver/CheckerRun.h"
#include "checker/map/Tokenizer.h"

namespace quillon {

// Temporary: skips the brush block until brush reading lands.
void ParseBrush(CheckerRun& run, int) {
    while (ReadToken(run, true) && run.script.currentToken != "}") {
    }
}

int FindPlane(CheckerRun&, const Vec3&, double) { return 0; }
int PlaneThroughPoints(CheckerRun&, const Vec3&, const Vec3&, const Vec3&) { return 0; }
int PlaneTypeOfNormal(const Vec3&) { return 0; }
std::string ContentsNames(std::uint32_t) { return {}; }

}  // namespace quillon
