#include "checker/map/WorkingBrush.h"

#include <gtest/gtest.h>

#include "checker/map/BrushFixture.h"
#include "checker/map/MapBrushes.h"

namespace quillon {
namespace {

using test::Box;
using test::BrushFixture;
using test::MapEntityText;

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

TEST_F(WorkingBrushTest, BoxPlanesEnterThePlaneTable) {
    const WorkingBrush brush = Brush({0, 0, 0}, {64, 64, 64});
    const std::size_t before = run.planes.size();
    ClipWorkingBrushToBox(run, brush, {16, 16, 16}, {48, 48, 48});
    EXPECT_EQ(run.planes.size(), before + 12);
}

}  // namespace
}  // namespace quillon
