// Animated textures: upper-case names (the game crashes on them) and backslashes in the next frame.

#include <algorithm>

#include "checker/checks/MapCheckSupport.h"
#include "checker/checks/MapChecks.h"
#include "checker/run/CheckerRun.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

bool HasUpperCaseLetter(const std::string& name) {
    return std::any_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

void ListUppercaseAnimatedTexture(CheckerRun& run, const TextureRecord& texture) {
    BeginRuntimeErrors(run);
    // The heading stands once, before the first name; later names follow wherever they fall.
    if (run.counters.uppercaseAnimatedCount == 0) {
        ReportPrint(run,
                    "\nFound uppercase animated texture name(s).\nThis will cause a crash without warning in "
                    "Quake2,\nunless you use a compiler that translates the texture\nname to lowercase or some "
                    "other method of converting\nthe name. You can also allow Quillon to convert texture\nnames to "
                    "lowercase with the \"Make textures lowercase\"\noption in Preferences.\n");
    }
    ++run.counters.uppercaseAnimatedCount;
    ReportPrint(run, "\t%s\n", texture.name.c_str());
}

void ReportBackslashFrame(CheckerRun& run, const TextureRecord& texture) {
    BeginRuntimeErrors(run);
    ReportPrint(run,
                "\nA \"next animation frame\" for a texture contains\na backslash rather than a forward slash. "
                "This will\ncause Quake2 to hang. Edit the texture with Wally or\nother texture editor and replace "
                "the backslash with\na forward slash.\n  texture name:%s\nnext animation:%s\n",
                texture.name.c_str(), texture.nextFrame.c_str());
}

}  // namespace

void CheckAnimatedTextures(CheckerRun& run) {
    for (const TextureRecord& texture : run.textures) {
        if (texture.nextFrame.empty()) {
            continue;
        }
        if (HasUpperCaseLetter(texture.name)) {
            ListUppercaseAnimatedTexture(run, texture);
        }
        if (Contains(texture.nextFrame, "\\")) {
            ReportBackslashFrame(run, texture);
        }
    }
}

}  // namespace quillon
