#include "checker/map/BrushGeometry.h"

#include <gtest/gtest.h>

#include <functional>

#include "checker/map/BrushFixture.h"
#include "checker/map/MapBrushes.h"
#include "checker/map/WorkingBrush.h"
#include "checker/report/Report.h"

namespace quillon {
namespace {

using test::Box;
using test::BrushFixture;
using test::MapEntityText;
using test::World;

const std::string BSP_BANNER = "\n============================= bsp Errors =============================\n";

class BrushGeometryTest : public BrushFixture, public ::testing::Test {};

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


class WorkingBrushTest : public BrushFixture, public ::testing::Test {
protected:
    /// Reads one world brush from `lo` to `hi` and returns its working copy.
    WorkingBrush Brush(const Vec3& lo, const Vec3& hi) {
        EXPECT_EQ(Read(MapEntityText("worldspawn", Box(lo, hi))), "");
        return WorkingBrushFromMapBrush(run, 0);
    }
    int AxisPlane(int axis, double dist) {
        Vec3 normal{0, 0, 0};
        normal[static_cast<std::size_t>(axis)] = 1;
        return FindPlane(run, normal, dist);
    }
};

TEST_F(WorkingBrushTest, CopyKeepsTheBoxSidesAndVolume) {
    const WorkingBrush brush = Brush({0, 0, 0}, {64, 64, 64});
    EXPECT_EQ(brush.mapBrush, 0);
    EXPECT_EQ(brush.mins, (Vec3{0, 0, 0}));
    EXPECT_EQ(brush.maxs, (Vec3{64, 64, 64}));
    EXPECT_EQ(brush.sides.size(), 6u);
    EXPECT_EQ(VolumeOfWorkingBrush(run, brush), 262144.0f);
}

TEST_F(WorkingBrushTest, SplitThroughTheMiddleGivesTwoBoundedPiecesWithTheSplitFace) {
    const WorkingBrush brush = Brush({0, 0, 0}, {64, 64, 64});
    const SplitBrush pieces = SplitWorkingBrush(run, brush, AxisPlane(0, 16));
    ASSERT_TRUE(pieces.front && pieces.back);
    EXPECT_EQ(pieces.front->mins, (Vec3{16, 0, 0}));
    EXPECT_EQ(pieces.front->maxs, (Vec3{64, 64, 64}));
    EXPECT_EQ(pieces.back->maxs, (Vec3{16, 64, 64}));
    EXPECT_EQ(VolumeOfWorkingBrush(run, *pieces.front), 48.0f * 64 * 64);
    EXPECT_EQ(VolumeOfWorkingBrush(run, *pieces.back), 16.0f * 64 * 64);
    EXPECT_EQ(pieces.front->sides.back().planeNumber, AxisPlane(0, 16) ^ 1);
    EXPECT_EQ(pieces.back->sides.back().planeNumber, AxisPlane(0, 16));
    EXPECT_EQ(brush.sides.size(), 6u);  // the input is not changed
    EXPECT_EQ(VolumeOfWorkingBrush(run, brush), 262144.0f);
}

struct ToleranceCase {
    const char* name;
    double dist;
    bool front;
    bool back;
};

class SplitToleranceTest : public WorkingBrushTest, public ::testing::WithParamInterface<ToleranceCase> {};

TEST_P(SplitToleranceTest, BrushReachingLessThanATenthPastThePlaneDoesNotCrossIt) {
    const WorkingBrush brush = Brush({0, 0, 0}, {64, 64, 64});
    const ToleranceCase& c = GetParam();
    const SplitBrush pieces = SplitWorkingBrush(run, brush, AxisPlane(0, c.dist));
    EXPECT_EQ(pieces.front.has_value(), c.front);
    EXPECT_EQ(pieces.back.has_value(), c.back);
}

INSTANTIATE_TEST_SUITE_P(Distances, SplitToleranceTest,
                         ::testing::Values(ToleranceCase{"NearTheTopIsBackOnly", 63.95, false, true},
                                           ToleranceCase{"JustPastTheToleranceAtTheTop", 63.85, true, true},
                                           ToleranceCase{"NearTheBottomIsFrontOnly", 0.05, true, false},
                                           ToleranceCase{"JustPastTheToleranceAtTheBottom", 0.15, true, true},
                                           ToleranceCase{"BeyondTheBrush", 100, false, true}),
                         [](const auto& tpi) { return std::string(tpi.param.name); });

TEST_F(WorkingBrushTest, SplitLeavingAPieceUnderOneCubicUnitDropsThatPiece) {
    const WorkingBrush brush = Brush({0, 0, 0}, {1, 1, 1});
    const SplitBrush pieces = SplitWorkingBrush(run, brush, AxisPlane(0, 0.5));
    EXPECT_FALSE(pieces.front);
    EXPECT_FALSE(pieces.back);
}

TEST_F(WorkingBrushTest, DominantSideIsWhereTheBrushReachesFarthest) {
    const WorkingBrush brush = Brush({0, 0, 0}, {64, 64, 64});
    EXPECT_EQ(DominantSide(run, brush, run.planes[static_cast<std::size_t>(AxisPlane(2, 40))]), PlaneSide::Back);
    EXPECT_EQ(DominantSide(run, brush, run.planes[static_cast<std::size_t>(AxisPlane(2, 20))]), PlaneSide::Front);
    EXPECT_EQ(DominantSide(run, brush, run.planes[static_cast<std::size_t>(AxisPlane(2, 32))]), PlaneSide::Front);
}

struct BoxCase {
    const char* name;
    Vec3 mins;
    Vec3 maxs;
    bool inside;
    Vec3 pieceMins;
    Vec3 pieceMaxs;
};

class ClipToBoxTest : public WorkingBrushTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(ClipToBoxTest, LeavesThePartOfTheBrushInsideTheBox) {
    const WorkingBrush brush = Brush({0, 0, 0}, {64, 64, 64});
    const BoxCase& c = GetParam();
    const std::optional<WorkingBrush> piece = ClipWorkingBrushToBox(run, brush, c.mins, c.maxs);
    ASSERT_EQ(piece.has_value(), c.inside);
    if (piece) {
        EXPECT_EQ(piece->mins, c.pieceMins);
        EXPECT_EQ(piece->maxs, c.pieceMaxs);
    }
    EXPECT_EQ(BrushReachesIntoBox(run, 0, c.mins, c.maxs), c.inside);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ClipToBoxTest,
    ::testing::Values(BoxCase{"TouchingAlongOneFace", {64, 0, 0}, {96, 32, 32}, false, {}, {}},
                      BoxCase{"TouchingFromBelow", {16, 16, -32}, {48, 48, 0}, false, {}, {}},
                      BoxCase{"ReachingInLessThanATenth", {63.95f, 0, 0}, {96, 32, 32}, false, {}, {}},
                      BoxCase{"CoveredWhole", {16, 16, 16}, {48, 48, 48}, true, {16, 16, 16}, {48, 48, 48}},
                      BoxCase{"Overlapping", {-16, 32, 48}, {16, 96, 80}, true, {0, 32, 48}, {16, 64, 64}},
                      BoxCase{"BoxAroundTheBrush", {-8, -8, -8}, {72, 72, 72}, true, {0, 0, 0}, {64, 64, 64}},
                      BoxCase{"Apart", {100, 100, 100}, {120, 120, 120}, false, {}, {}}),
    [](const auto& tpi) { return std::string(tpi.param.name); });

}  // namespace
}  // namespace quillon
