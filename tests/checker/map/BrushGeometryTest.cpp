#include "checker/map/BrushGeometry.h"

#include <gtest/gtest.h>

#include <functional>

#include "checker/map/BrushFixture.h"
#include "checker/map/MapBrushes.h"
#include "checker/report/Report.h"

namespace quillon {
namespace {

using test::Box;
using test::BrushFixture;
using test::MapEntityText;
using test::World;

const std::string BSP_BANNER = "\n============================= bsp Errors =============================\n";

class BrushGeometryTest : public BrushFixture, public ::testing::Test {};

TEST_F(BrushGeometryTest, CubeOf64UnitsHasItsBoxAndVolume262144) {
    ASSERT_EQ(Read(MapEntityText("worldspawn", Box({0, 0, 0}, {64, 64, 64}))), "");
    ASSERT_EQ(run.brushes.size(), 1u);
    EXPECT_EQ(run.brushes[0].mins, (Vec3{0, 0, 0}));
    EXPECT_EQ(run.brushes[0].maxs, (Vec3{64, 64, 64}));
    EXPECT_EQ(VolumeOfMapBrush(run, 0), 262144.0f);
    EXPECT_EQ(Report(), "");
}

TEST_F(BrushGeometryTest, OutOfRangeAndInsideOutBrushesStayAndTheInsideOutOneHasNoVolume) {
    // Every face of the last brush turned round: the faces cut each other away completely.
    const std::string insideOut =
        "{\n"
        "( 0 1 0 ) ( 0 0 0 ) ( 0 0 1 ) base/wall 0 0 0 1 1\n"
        "( 64 0 1 ) ( 64 0 0 ) ( 64 1 0 ) base/wall 0 0 0 1 1\n"
        "( 0 0 1 ) ( 0 0 0 ) ( 1 0 0 ) base/wall 0 0 0 1 1\n"
        "( 1 64 0 ) ( 0 64 0 ) ( 0 64 1 ) base/wall 0 0 0 1 1\n"
        "( 1 0 0 ) ( 0 0 0 ) ( 0 1 0 ) base/wall 0 0 0 1 1\n"
        "( 0 1 64 ) ( 0 0 64 ) ( 1 0 64 ) base/wall 0 0 0 1 1\n"
        "}\n";
    ASSERT_EQ(Read(World(Box({4000, 0, 0}, {4100, 64, 64}) + Box({5000, 0, 0}, {5064, 64, 64}) + insideOut)), "");
    ASSERT_EQ(run.brushes.size(), 3u);
    EXPECT_EQ(run.problemBrushes.size(), 6u);  // one per message: 1 + 2 + 3
    EXPECT_EQ(VolumeOfMapBrush(run, 2), 0.0f);
}

struct MicroCase {
    const char* name;
    Vec3 maxs;
    bool micro;
    const char* volume;
};

class MicrobrushTest : public BrushFixture, public ::testing::TestWithParam<MicroCase> {};

TEST_P(MicrobrushTest, BrushBelowOneCubicUnitIsReported) {
    const MicroCase& c = GetParam();
    ASSERT_EQ(Read(MapEntityText("worldspawn", Box({0, 0, 0}, c.maxs))), "");
    MicrobrushCheck(run);
    if (!c.micro) {
        EXPECT_EQ(Report(), "");
        return;
    }
    EXPECT_EQ(Report(), BSP_BANNER + "\nentity 0, brush 0: microbrush - brush volume = " + c.volume +
                            " cubic\nmap units. This brush will likely not be built correctly\n"
                            "in the game. This is usually the result of a CSG operation.\n"
                            "Corrective action: Find and delete this brush.\n"
                            "Bounding box for this brush: ( 0 0 0 ) to ( " +
                            test::Num(c.maxs[0]) + " " + test::Num(c.maxs[1]) + " " + test::Num(c.maxs[2]) + " )\n");
    ASSERT_EQ(run.problemBrushes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Volumes, MicrobrushTest,
                         ::testing::Values(MicroCase{"HalfUnitThick", {1, 1, 0.5f}, true, "0.5"},
                                           MicroCase{"UnitCube", {1, 1, 1}, false, ""},
                                           MicroCase{"Sliver", {64, 0.25f, 0.125f}, false, ""},
                                           MicroCase{"ThinPlate", {1, 0.25f, 0.125f}, true, "0.03125"}),
                         [](const ::testing::TestParamInfo<MicroCase>& tpi) { return std::string(tpi.param.name); });

/// A wedge: a 64-unit box with its top +x edge cut off by a 45-degree face.
std::string Wedge(const std::function<Vec3(const Vec3&)>& move) {
    const Vec3 faces[7][3] = {
        {{0, 0, 1}, {0, 0, 0}, {0, 1, 0}},   {{64, 1, 0}, {64, 0, 0}, {64, 0, 1}}, {{1, 0, 0}, {0, 0, 0}, {0, 0, 1}},
        {{0, 64, 1}, {0, 64, 0}, {1, 64, 0}}, {{0, 1, 0}, {0, 0, 0}, {1, 0, 0}},   {{1, 0, 64}, {0, 0, 64}, {0, 1, 64}},
        {{32, 0, 64}, {32, 1, 64}, {64, 0, 32}},
    };
    std::string text = "{\n";
    for (const auto& face : faces) {
        for (const Vec3& p : face) {
            const Vec3 q = move(p);
            text += test::Point(q[0], q[1], q[2]);
        }
        text += "base/wall 0 0 0 1 1\n";
    }
    return text + "}\n";
}

class MovedBrushTest : public BrushFixture,
                       public ::testing::TestWithParam<std::pair<const char*, std::function<Vec3(const Vec3&)>>> {};

TEST_P(MovedBrushTest, MovedOrRotatedBrushKeepsItsVolumeAndSides) {
    ASSERT_EQ(Read(MapEntityText("worldspawn", Wedge(GetParam().second))), "");
    ASSERT_EQ(run.brushes.size(), 1u);
    // 64^3 less the cut-off prism of 32 x 32 / 2 x 64.
    EXPECT_NEAR(VolumeOfMapBrush(run, 0), 262144 - 32768, 0.5);
    int faces = 0;
    for (int s = 0; s < run.brushes[0].sideCount; ++s) {
        faces += run.sides[static_cast<std::size_t>(run.brushes[0].firstSide + s)].bevel ? 0 : 1;
    }
    EXPECT_EQ(faces, 7);
    EXPECT_EQ(Report(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MovedBrushTest,
    ::testing::Values(std::make_pair("Unmoved", [](const Vec3& p) { return p; }),
                      std::make_pair("Moved", [](const Vec3& p) { return Vec3{p[0] - 512, p[1] + 96, p[2] - 8}; }),
                      std::make_pair("TurnedAboutZ", [](const Vec3& p) { return Vec3{-p[1], p[0], p[2]}; }),
                      std::make_pair("TurnedAboutX", [](const Vec3& p) { return Vec3{p[0], -p[2], p[1]}; })),
    [](const auto& tpi) { return std::string(tpi.param.first); });

TEST_F(BrushGeometryTest, PrintingTheBoxRebuildsWindingsWithoutReportingAgain) {
    ASSERT_EQ(Read(MapEntityText("worldspawn", Box({4000, 0, 0}, {4100, 64, 64}))), "");
    const std::string before = Report();
    for (BrushSide& side : run.sides) {
        side.winding.reset();
    }
    run.brushes[0].mins = {1, 2, 3};
    PrintBrushBounds(run, 0);
    EXPECT_EQ(Report(), before + "Bounding box for this brush: ( 4000 0 0 ) to ( 4100 64 64 )\n");
}

}  // namespace
}  // namespace quillon
