#pragma once
// A run with its report in a scratch file (ReportFixture), map text helpers for boxes, and a way to read a map
// and catch the fatal error that stops it.

#include <cstdio>
#include <sstream>
#include <string>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"
#include "checker/map/MapEntities.h"
#include "checker/report/ReportFixture.h"

namespace quillon::test {

/// Runs `action`; the message of the fatal error that stopped it, or "".
template <typename Action>
std::string FatalMessageOf(Action&& action) {
    try {
        action();
    } catch (const FatalRunError& error) {
        return error.what();
    }
    return {};
}

inline std::string Num(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

inline std::string Point(double x, double y, double z) {
    return "( " + Num(x) + " " + Num(y) + " " + Num(z) + " ) ";
}

/// The six faces of an axis-aligned box, in the order -x, +x, -y, +y, -z, +z, each with the
/// texture and the optional tail (" contents flags value").
inline std::string BoxFaces(const Vec3& lo, const Vec3& hi, const std::string& texture = "base/wall",
                            const std::string& tail = "") {
    const double x1 = lo[0], y1 = lo[1], z1 = lo[2], x2 = hi[0], y2 = hi[1], z2 = hi[2];
    const std::string end = " " + texture + " 0 0 0 1 1" + tail + "\n";
    return Point(x1, y1, z1 + 1) + Point(x1, y1, z1) + Point(x1, y1 + 1, z1) + end +
           Point(x2, y1 + 1, z1) + Point(x2, y1, z1) + Point(x2, y1, z1 + 1) + end +
           Point(x1 + 1, y1, z1) + Point(x1, y1, z1) + Point(x1, y1, z1 + 1) + end +
           Point(x1, y2, z1 + 1) + Point(x1, y2, z1) + Point(x1 + 1, y2, z1) + end +
           Point(x1, y1 + 1, z1) + Point(x1, y1, z1) + Point(x1 + 1, y1, z1) + end +
           Point(x1 + 1, y1, z2) + Point(x1, y1, z2) + Point(x1, y1 + 1, z2) + end;
}

inline std::string Box(const Vec3& lo, const Vec3& hi, const std::string& texture = "base/wall",
                       const std::string& tail = "") {
    return "{\n" + BoxFaces(lo, hi, texture, tail) + "}\n";
}

inline std::string MapEntityText(const std::string& className, const std::string& body = "") {
    return "{\n\"classname\" \"" + className + "\"\n" + body + "}\n";
}

inline std::string World(const std::string& brushes) {
    return MapEntityText("worldspawn", brushes);
}

struct BrushFixture : ReportFixture {
    BrushFixture() { Reset(); }
    /// A fresh run that keeps writing to the same report.
    void Reset() {
        std::FILE* const report = run.report;
        run = CheckerRun();
        run.report = report;
        run.derived.textureDir = scratch.PathOf("textures");
        run.derived.baseGameDir = scratch.PathOf("") + "/";
    }

    /// Reads the map text; the message of the fatal error that stopped it, or "".
    std::string Read(const std::string& text) {
        const std::string path = scratch.Write("test.map", text);
        run.settings.lastMapFile = path;
        return FatalMessageOf([&] { ReadMapFile(run, path); });
    }
};

}  // namespace quillon::test
