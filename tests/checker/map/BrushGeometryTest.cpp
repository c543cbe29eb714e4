#include "checker/map/BrushGeometry.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "checker/map/BrushFixture.h"
#include "checker/map/MapBrushes.h"
#include "checker/map/WorkingBrush.h"
#include "checker/report/Report.h"

namespace quillon {
namespace {

using test::Box;
using test::BrushFixture;
using test::World;

const std::string BSP_BANNER = "\n============================= bsp Errors =============================\n";

class BrushGeometryTest : public BrushFixture, public ::testing::Test {};

TEST_F(BrushGeometryTest, BrushBelowOneCubicUnitIsReported) {
    // Half a unit thick, a unit cube, a sliver of two cubic units, a thin plate.
    const std::pair<Vec3, const char*> rows[] = {
        {{1, 1, 0.5f}, "0.5"}, {{1, 1, 1}, nullptr}, {{64, 0.25f, 0.125f}, nullptr}, {{1, 0.25f, 0.125f}, "0.03125"}};
    for (const auto& [maxs, volume] : rows) {
        Reset();
        const std::size_t start = Report().size();
        ASSERT_EQ(Read(World(Box({0, 0, 0}, maxs))), "");
        MicrobrushCheck(run);
        const std::string expected =
            volume == nullptr ? ""
                              : BSP_BANNER + "\nentity 0, brush 0: microbrush - brush volume = " + volume +
                                    " cubic\nmap units. This brush will likely not be built correctly\n"
                                    "in the game. This is usually the result of a CSG operation.\n"
                                    "Corrective action: Find and delete this brush.\n"
                                    "Bounding box for this brush: ( 0 0 0 ) to ( " +
                                    test::Num(maxs[0]) + " " + test::Num(maxs[1]) + " " + test::Num(maxs[2]) + " )\n";
        EXPECT_EQ(Report().substr(start), expected);
        EXPECT_EQ(run.problemBrushes.size(), volume == nullptr ? 0u : 1u);
    }
}

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

TEST_F(BrushGeometryTest, MovedOrRotatedBrushKeepsItsVolumeAndSides) {
    // Unmoved, moved, turned about z, turned about x.
    const std::function<Vec3(const Vec3&)> moves[] = {
        [](const Vec3& p) { return p; }, [](const Vec3& p) { return Vec3{p[0] - 512, p[1] + 96, p[2] - 8}; },
        [](const Vec3& p) { return Vec3{-p[1], p[0], p[2]}; }, [](const Vec3& p) { return Vec3{p[0], -p[2], p[1]}; }};
    for (const auto& move : moves) {
        Reset();
        ASSERT_EQ(Read(World(Wedge(move))), "");
        ASSERT_EQ(run.brushes.size(), 1u);
        // 64^3 less the cut-off prism of 32 x 32 / 2 x 64.
        EXPECT_NEAR(VolumeOfMapBrush(run, 0), 262144 - 32768, 0.5);
        int faces = 0;
        for (int s = 0; s < run.brushes[0].sideCount; ++s) {
            faces += run.sides[static_cast<std::size_t>(run.brushes[0].firstSide + s)].bevel ? 0 : 1;
        }
        EXPECT_EQ(faces, 7);
    }
    EXPECT_EQ(Report(), "");
}

TEST_F(BrushGeometryTest, PrintingTheBoxRebuildsWindingsWithoutReportingAgain) {
    ASSERT_EQ(Read(World(Box({4000, 0, 0}, {4100, 64, 64}))), "");
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
        EXPECT_EQ(Read(World(Box(lo, hi))), "");
        return WorkingBrushFromMapBrush(run, 0);
    }
    int AxisPlane(int axis, double dist) {
        Vec3 normal{0, 0, 0};
        normal[static_cast<std::size_t>(axis)] = 1;
        return FindPlane(run, normal, dist);
    }
};

TEST_F(WorkingBrushTest, CopyKeepsTheBoxAndSplitThroughTheMiddleGivesTwoBoundedPiecesWithTheSplitFace) {
    const WorkingBrush brush = Brush({0, 0, 0}, {64, 64, 64});
    EXPECT_EQ(brush.mapBrush, 0);
    EXPECT_EQ(brush.mins, (Vec3{0, 0, 0}));
    EXPECT_EQ(brush.maxs, (Vec3{64, 64, 64}));
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

TEST_F(WorkingBrushTest, BrushReachingLessThanATenthPastThePlaneDoesNotCrossIt) {
    const WorkingBrush brush = Brush({0, 0, 0}, {64, 64, 64});
    // Near the top, just past the tolerance there, near the bottom, just past it there, beyond the brush.
    for (const auto& [dist, front, back] : {std::tuple{63.95, false, true}, {63.85, true, true}, {0.05, true, false},
                                           {0.15, true, true}, {100.0, false, true}}) {
        const SplitBrush pieces = SplitWorkingBrush(run, brush, AxisPlane(0, dist));
        EXPECT_EQ(pieces.front.has_value(), front) << dist;
        EXPECT_EQ(pieces.back.has_value(), back) << dist;
    }
}

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

TEST_F(WorkingBrushTest, ClipToBoxLeavesThePartOfTheBrushInsideTheBox) {
    const WorkingBrush brush = Brush({0, 0, 0}, {64, 64, 64});
    struct Row {
        Vec3 mins, maxs;
        bool inside;
        Vec3 pieceMins, pieceMaxs;
    };
    // Touching along one face, touching from below, reaching in less than a tenth, covered whole, overlapping,
    // a box around the brush, apart.
    for (const Row& row : {Row{{64, 0, 0}, {96, 32, 32}, false, {}, {}}, Row{{16, 16, -32}, {48, 48, 0}, false, {}, {}},
                           Row{{63.95f, 0, 0}, {96, 32, 32}, false, {}, {}},
                           Row{{16, 16, 16}, {48, 48, 48}, true, {16, 16, 16}, {48, 48, 48}},
                           Row{{-16, 32, 48}, {16, 96, 80}, true, {0, 32, 48}, {16, 64, 64}},
                           Row{{-8, -8, -8}, {72, 72, 72}, true, {0, 0, 0}, {64, 64, 64}},
                           Row{{100, 100, 100}, {120, 120, 120}, false, {}, {}}}) {
        SCOPED_TRACE(::testing::Message() << row.mins[0] << " " << row.mins[1] << " " << row.mins[2]);
        const std::optional<WorkingBrush> piece = ClipWorkingBrushToBox(run, brush, row.mins, row.maxs);
        ASSERT_EQ(piece.has_value(), row.inside);
        if (piece) {
            EXPECT_EQ(piece->mins, row.pieceMins);
            EXPECT_EQ(piece->maxs, row.pieceMaxs);
        }
        EXPECT_EQ(BrushReachesIntoBox(run, 0, row.mins, row.maxs), row.inside);
    }
}

}  // namespace
}  // namespace quillon
