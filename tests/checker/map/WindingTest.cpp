#include "checker/map/Winding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "checker/map/BrushFixture.h"
#include "checker/map/MapBrushes.h"

namespace quillon {

void PrintTo(const Winding& w, std::ostream* out) {
    *out << "{";
    for (const Vec3& p : w.points) {
        *out << " (" << p[0] << " " << p[1] << " " << p[2] << ")";
    }
    *out << " }";
}

namespace {

Winding Polygon(std::initializer_list<Vec3> points) {
    Winding w;
    w.points = points;
    return w;
}

/// The 64-unit square on z = 0, counter-clockwise seen from above.
Winding Square() {
    return Polygon({{0, 0, 0}, {64, 0, 0}, {64, 64, 0}, {0, 64, 0}});
}

bool HasPoint(const Winding& w, const Vec3& p) {
    for (const Vec3& q : w.points) {
        if (std::fabs(q[0] - p[0]) < 1e-4f && std::fabs(q[1] - p[1]) < 1e-4f && std::fabs(q[2] - p[2]) < 1e-4f) {
            return true;
        }
    }
    return false;
}

struct PlaneCase {
    Vec3 normal;
    float dist;
};

class BaseWindingForPlaneTest : public ::testing::TestWithParam<PlaneCase> {};

TEST_P(BaseWindingForPlaneTest, GivesAHugeSquareOnThePlaneFacingItsNormal) {
    CheckerRun run;
    const PlaneCase& c = GetParam();
    const Winding w = BaseWindingForPlane(run, c.normal, c.dist);
    ASSERT_EQ(w.numPoints(), 4);
    for (const Vec3& p : w.points) {
        EXPECT_NEAR(VecDot(p, c.normal), c.dist, 0.01) << ::testing::PrintToString(w);
    }
    // Each side is 16384 long, so the square covers every legal coordinate.
    for (int i = 0; i < 4; ++i) {
        const Vec3 edge = VecSubtract(w.points[static_cast<std::size_t>((i + 1) % 4)], w.points[static_cast<std::size_t>(i)]);
        EXPECT_NEAR(VecLength(edge), 16384, 0.05);
    }
    // The points wind so that the plane through them is the plane itself.
    const int plane = PlaneThroughPoints(run, w.points[0], w.points[1], w.points[2]);
    EXPECT_EQ(plane, FindPlane(run, c.normal, c.dist));
}

INSTANTIATE_TEST_SUITE_P(AxialAndOblique, BaseWindingForPlaneTest,
                         ::testing::Values(PlaneCase{{1, 0, 0}, 16}, PlaneCase{{-1, 0, 0}, 16},
                                           PlaneCase{{0, 1, 0}, -32}, PlaneCase{{0, -1, 0}, 0},
                                           PlaneCase{{0, 0, 1}, 64}, PlaneCase{{0, 0, -1}, -8},
                                           PlaneCase{{0.6f, 0.8f, 0}, 40}));

TEST(BaseWindingForPlane, NormalWithoutComparableComponentIsFatal) {
    CheckerRun run;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(test::FatalMessageOf([&] { BaseWindingForPlane(run, {nan, nan, nan}, 0); }), "BaseWindingForPlane: no axis found");
}

TEST(BaseWindingForPlane, PlaneThroughTheOriginHasNoNegativeZeroCoordinates) {
    CheckerRun run;
    const Winding w = BaseWindingForPlane(run, {0, 0, -1}, 0);
    for (const Vec3& p : w.points) {
        EXPECT_FALSE(std::signbit(p[2]));
    }
}

TEST(ClipWinding, SquareCutByItsDiagonalGivesTwoTrianglesSharingTheDiagonal) {
    CheckerRun run;
    const Winding square = Square();
    // The plane x - y = 0 runs through (0, 0) and (64, 64).
    const float h = static_cast<float>(std::sqrt(0.5));
    const ClippedWinding parts = ClipWinding(run, square, {h, -h, 0}, 0, 0);
    ASSERT_TRUE(parts.front && parts.back);
    EXPECT_EQ(parts.front->numPoints(), 3);
    EXPECT_EQ(parts.back->numPoints(), 3);
    for (const Winding* part : {&*parts.front, &*parts.back}) {
        EXPECT_TRUE(HasPoint(*part, {0, 0, 0})) << ::testing::PrintToString(*part);
        EXPECT_TRUE(HasPoint(*part, {64, 64, 0})) << ::testing::PrintToString(*part);
    }
    EXPECT_TRUE(HasPoint(*parts.front, {64, 0, 0}));
    EXPECT_TRUE(HasPoint(*parts.back, {0, 64, 0}));
    EXPECT_EQ(square.numPoints(), 4);  // the input is not changed
}

TEST(ClipWinding, PlaneThroughTheMiddleSplitsTheAreaAndUsesTheExactAxialDistance) {
    CheckerRun run;
    const ClippedWinding parts = ClipWinding(run, Square(), {1, 0, 0}, 16, 0);
    ASSERT_TRUE(parts.front && parts.back);
    EXPECT_DOUBLE_EQ(AreaOfWinding(*parts.front), 48.0 * 64);
    EXPECT_DOUBLE_EQ(AreaOfWinding(*parts.back), 16.0 * 64);
    EXPECT_TRUE(HasPoint(*parts.front, {16, 0, 0}));
    EXPECT_TRUE(HasPoint(*parts.back, {16, 64, 0}));
}

struct MissCase {
    const char* name;
    Vec3 normal;
    double dist;
    double epsilon;
    bool front;  ///< the whole winding is the front part
};

class ClipWindingMissTest : public ::testing::TestWithParam<MissCase> {};

TEST_P(ClipWindingMissTest, WholeWindingGoesToOneSide) {
    CheckerRun run;
    const MissCase& c = GetParam();
    const ClippedWinding parts = ClipWinding(run, Square(), c.normal, c.dist, c.epsilon);
    EXPECT_EQ(parts.front.has_value(), c.front);
    EXPECT_EQ(parts.back.has_value(), !c.front);
    const Winding& whole = c.front ? *parts.front : *parts.back;
    EXPECT_EQ(whole.points, Square().points);
}

INSTANTIATE_TEST_SUITE_P(
    Planes, ClipWindingMissTest,
    ::testing::Values(MissCase{"PlaneBeyondTheWinding", {1, 0, 0}, 100, 0, false},
                      MissCase{"PlaneBeforeTheWinding", {1, 0, 0}, -100, 0, true},
                      MissCase{"PlaneOnAnEdge", {1, 0, 0}, 64, 0, false},
                      MissCase{"EdgeWithinTheOnEpsilon", {1, 0, 0}, 63.95, 0.1, false},
                      MissCase{"PlaneOfTheWindingItself", {0, 0, 1}, 0, 0, false}),
    [](const ::testing::TestParamInfo<MissCase>& tpi) { return std::string(tpi.param.name); });

TEST(ClipWinding, PartOverTheEstimateIsFatal) {
    CheckerRun run;
    // A zig-zag of ten points alternately in front of and behind x = 0.
    Winding zigzag;
    for (int i = 0; i < 10; ++i) {
        zigzag.points.push_back({i % 2 == 0 ? 1.0f : -1.0f, static_cast<float>(i), 0});
    }
    EXPECT_EQ(test::FatalMessageOf([&] { ClipWinding(run, zigzag, {1, 0, 0}, 0, 0); }), "ClipWinding: points exceeded estimate");
}

TEST(ClipWinding, PartOverSixtyFourPointsIsFatal) {
    CheckerRun run;
    Winding circle;
    for (int i = 0; i < MAX_POINTS_ON_WINDING; ++i) {
        const double angle = 2 * 3.14159265358979 * i / MAX_POINTS_ON_WINDING;
        circle.points.push_back({static_cast<float>(100 * std::cos(angle)), static_cast<float>(100 * std::sin(angle)), 0});
    }
    // Cutting off one corner replaces one point by two.
    EXPECT_EQ(test::FatalMessageOf([&] { ClipWinding(run, circle, {1, 0, 0}, 99.9, 0); }), "ClipWinding: MAX_POINTS_ON_WINDING");
}

TEST(ClipWindingFront, KeepsTheWindingWhenNothingIsBehindAndDropsItWhenNothingIsInFront) {
    CheckerRun run;
    std::optional<Winding> kept = ClipWindingFront(run, Square(), {1, 0, 0}, -1, 0);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->points, Square().points);
    EXPECT_FALSE(ClipWindingFront(run, Square(), {1, 0, 0}, 64, 0));
    const std::optional<Winding> cut = ClipWindingFront(run, Square(), {0, 1, 0}, 16, 0);
    ASSERT_TRUE(cut);
    EXPECT_DOUBLE_EQ(AreaOfWinding(*cut), 48.0 * 64);
}

TEST(AreaOfWinding, SquareAndTriangle) {
    EXPECT_DOUBLE_EQ(AreaOfWinding(Square()), 4096);
    EXPECT_DOUBLE_EQ(AreaOfWinding(Polygon({{0, 0, 5}, {10, 0, 5}, {0, 10, 5}})), 50);
    EXPECT_DOUBLE_EQ(AreaOfWinding(Polygon({{0, 0, 0}, {1, 1, 1}})), 0);
}

TEST(IsTinyWinding, CountsOnlyEdgesLongerThanTwoTenths) {
    EXPECT_TRUE(IsTinyWinding(Polygon({{0, 0, 0}, {0.19f, 0, 0}, {0, 0.19f, 0}})));
    EXPECT_TRUE(IsTinyWinding(Polygon({{0, 0, 0}, {10, 0, 0}, {10, 0.1f, 0}, {0, 0.1f, 0}})));
    EXPECT_FALSE(IsTinyWinding(Polygon({{0, 0, 0}, {0.3f, 0, 0}, {0, 0.3f, 0}})));
}

TEST(FreeWinding, ReleasingAnEmptyHolderIsFatal) {
    CheckerRun run;
    std::optional<Winding> holder = DuplicateWinding(Square());
    FreeWinding(run, holder);
    EXPECT_FALSE(holder);
    EXPECT_EQ(test::FatalMessageOf([&] { FreeWinding(run, holder); }), "FreeWinding: freed a freed winding");
}

}  // namespace
}  // namespace quillon
