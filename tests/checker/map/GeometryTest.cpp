#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>

#include "checker/map/BrushFixture.h"
#include "checker/map/MapBrushes.h"
#include "checker/map/PlaneTable.h"
#include "checker/map/Vector.h"
#include "checker/map/Winding.h"
#include "checker/report/Format.h"

namespace quillon {

namespace {

TEST(VecNormalize, ScalesToUnitLengthAndReturnsTheLengthRoundToNearestRoundsHalfwayUpAndVecCross) {
    Vec3 out{};
    EXPECT_FLOAT_EQ(VecNormalize({3, 0, -4}, out), 5.0f);
    EXPECT_FLOAT_EQ(out[0], 0.6f);
    EXPECT_FLOAT_EQ(out[1], 0.0f);
    EXPECT_FLOAT_EQ(out[2], -0.8f);
    // Squares of 1e-30 vanish in float; the double computation keeps the direction.
    EXPECT_GT(VecNormalize({1e-30f, 0, 0}, out), 0.0f);
    EXPECT_FLOAT_EQ(out[0], 1.0f);
    out = {1, 1, 1};
    EXPECT_EQ(VecNormalize({0, 0, 0}, out), 0.0f);
    EXPECT_EQ(out, (Vec3{0, 0, 0}));
    // Halfway values round up.
    EXPECT_EQ(RoundToNearest(2.5), 3.0);
    EXPECT_EQ(RoundToNearest(-2.5), -2.0);
    EXPECT_EQ(RoundToNearest(-0.4), 0.0);
    EXPECT_EQ(RoundToNearest(1.49), 1.0);
    // The cross product, each component with its sign.
    VecCross({1, 2, 3}, {4, 5, 6}, out);
    EXPECT_EQ(out, (Vec3{-3, 6, -3}));
}

TEST(FindPlane, AddsPairsWhoseOddMemberIsTheFlippedPlane) {
    CheckerRun run;
    EXPECT_EQ(FindPlane(run, {0.6f, 0.8f, 0}, 40), 0);
    ASSERT_EQ(run.planes.size(), 2u);
    EXPECT_EQ(std::tie(run.planes[1].normal, run.planes[1].dist, run.planes[0].type, run.planes[1].type),
              std::tuple(Vec3{-0.6f, -0.8f, 0}, -40.0f, 4, 4));
    EXPECT_EQ(FindPlane(run, {-0.6f, -0.8f, 0}, -40), 1);
    EXPECT_EQ(FindPlane(run, {0.6f, 0.8f, 0}, 40), 0);
    EXPECT_EQ(run.planes.size(), 2u);
    // An axial normal pointing down is the odd member, and no negative zero is stored.
    EXPECT_EQ(FindPlane(run, {0, 0, -1}, 16), 3);
    EXPECT_EQ(std::tie(run.planes[2].normal, run.planes[2].dist, run.planes[2].type), std::tuple(Vec3{0, 0, 1}, -16.0f, 2));
    EXPECT_EQ(FindPlane(run, {0, 0, 1}, -16), 2);
    // The flipped partner of a plane through the origin.
    EXPECT_EQ(FindPlane(run, {1, 0, 0}, 0), 4);
    EXPECT_FALSE(std::signbit(run.planes[5].dist));
    EXPECT_FALSE(std::signbit(run.planes[5].normal[1]));
}

TEST(FindPlane, SnapsNearlyAxialNormalsAndNearlyWholeDistances) {
    CheckerRun run;
    const int plane = FindPlane(run, {0.999995f, 0.003f, 0}, 31.995);
    EXPECT_EQ(std::tie(run.planes.at(plane).normal, run.planes.at(plane).dist), std::tuple(Vec3{1, 0, 0}, 32.0f));
    EXPECT_EQ(FindPlane(run, {1, 0, 0}, 32.004), plane);
    // Just outside the tolerances gives a new plane.
    EXPECT_NE(FindPlane(run, {1, 0, 0}, 32.02), plane);
    EXPECT_NE(FindPlane(run, {0.99997f, 0.0077f, 0}, 32), plane);
}

TEST(FindPlane, PlaneWithinToleranceIsFoundAgainAcrossABucketBorder) {
    // Below and above 8, the wrap of the last bucket, the negative side, around zero.
    for (const auto& [stored, query] : {std::pair{8.0, 7.993}, {7.992, 8.006}, {8191.995, 8192.004}, {-16.004, -15.993},
                                       {0.004, -0.005}}) {
        CheckerRun run;
        const int plane = FindPlane(run, {0.6f, 0, 0.8f}, stored);
        EXPECT_EQ(FindPlane(run, {0.6f, 0, 0.8f}, query), plane) << stored;
        EXPECT_EQ(run.planes.size(), 2u) << stored;
    }
}

TEST(FindPlane, ThePlaneTableHoldsAtMost32768Pairs) {
    CheckerRun run;
    for (int i = 0; i < MAX_MAP_PLANES / 2; ++i) {
        ASSERT_EQ(FindPlane(run, {1, 0, 0}, i), 2 * i);
    }
    EXPECT_EQ(test::FatalMessageOf([&] { FindPlane(run, {1, 0, 0}, -1); }),
              "MAX_MAP_PLANES (65536) - The map is too complex.\nCorrective action: Simplify, make it smaller, or split it up.");
    EXPECT_EQ(FindPlane(run, {-1, 0, 0}, -5), 11);  // an existing plane is still found
}

TEST(FindPlane, ShortNormalOutsideFaceReadingIsTheGeneralFatalError) {
    CheckerRun run;
    EXPECT_EQ(test::FatalMessageOf([&] { FindPlane(run, {0.2f, 0.2f, 0}, 0); }),
              "FloatPlane: bad normal - probably due to improper vertex manipulation\n"
              "Corrective action: Find and delete the offending brush.");
}

TEST(PlaneThroughPoints, FacesTheSideTheThreePointsWindTowards) {
    CheckerRun run;
    const int top = PlaneThroughPoints(run, {1, 0, 64}, {0, 0, 64}, {0, 1, 64});
    EXPECT_EQ(std::tie(run.planes.at(top).normal, run.planes.at(top).dist), std::tuple(Vec3{0, 0, 1}, 64.0f));
    EXPECT_EQ(PlaneThroughPoints(run, {0, 1, 64}, {0, 0, 64}, {1, 0, 64}), top ^ 1);
}

TEST(PlaneTypeOfNormal, AxialOrLargestComponent) {
    const std::pair<Vec3, int> rows[] = {{{1, 0, 0}, 0},         {{0, -1, 0}, 1},         {{0, 0, -1}, 2},
                                         {{0.8f, 0.6f, 0}, 3},   {{0.6f, -0.8f, 0}, 4},   {{0, 0.6f, -0.8f}, 5},
                                         {{0.6f, 0.6f, 0.52915f}, 3}, {{0.5f, 0.6f, 0.6f}, 4}};
    for (const auto& [normal, type] : rows) {
        EXPECT_EQ(PlaneTypeOfNormal(normal), type) << normal[0] << " " << normal[1] << " " << normal[2];
    }
}

TEST(ContentsNames, NamesFollowAscendingBitValue) {
    EXPECT_EQ(ContentsNames(0), "None");
    EXPECT_EQ(ContentsNames(3), "Solid, Window");
    EXPECT_EQ(ContentsNames(128), "");
    EXPECT_EQ(ContentsNames(32 | 65536 | 262144 | 536870912), "Water, PlayerClip, Current0, Ladder");
    EXPECT_EQ(ContentsNames(2 | 134217728 | 268435456), "Window, Detail, Translucent");
    EXPECT_EQ(ContentsNames(16777216 | 33554432 | 67108864 | 32768), "Areaportal, Origin, Monster, DeadMonster");
}

Winding Polygon(std::initializer_list<Vec3> points) {
    return Winding{points};
}

/// The 64-unit square on z = 0, counter-clockwise seen from above.
Winding Square() {
    return Polygon({{0, 0, 0}, {64, 0, 0}, {64, 64, 0}, {0, 64, 0}});
}

TEST(BaseWindingForPlane, GivesAHugeSquareOnThePlaneFacingItsNormal) {
    const std::pair<Vec3, float> rows[] = {{{1, 0, 0}, 16}, {{-1, 0, 0}, 16}, {{0, 1, 0}, -32},      {{0, -1, 0}, 0},
                                           {{0, 0, 1}, 64}, {{0, 0, -1}, -8}, {{0.6f, 0.8f, 0}, 40}};
    for (const auto& [normal, dist] : rows) {
        SCOPED_TRACE(::testing::Message() << normal[0] << " " << normal[1] << " " << normal[2] << " " << dist);
        CheckerRun run;
        const Winding w = BaseWindingForPlane(run, normal, dist);
        ASSERT_EQ(w.numPoints(), 4);
        for (int i = 0; i < 4; ++i) {
            const Vec3& p = w.points[static_cast<std::size_t>(i)];
            EXPECT_NEAR(VecDot(p, normal), dist, 0.01);
            // Each side is 16384 long, so the square covers every legal coordinate.
            EXPECT_NEAR(VecLength(VecSubtract(w.points[static_cast<std::size_t>((i + 1) % 4)], p)), 16384, 0.05);
        }
        // The points wind so that the plane through them is the plane itself.
        EXPECT_EQ(PlaneThroughPoints(run, w.points[0], w.points[1], w.points[2]), FindPlane(run, normal, dist));
    }
}

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

TEST(ClipWinding, PlaneThroughTheMiddleSplitsTheAreaAndUsesTheExactAxialDistance) {
    CheckerRun run;
    const ClippedWinding parts = ClipWinding(run, Square(), {1, 0, 0}, 16, 0);
    ASSERT_TRUE(parts.front && parts.back);
    EXPECT_DOUBLE_EQ(AreaOfWinding(*parts.front), 48.0 * 64);
    EXPECT_DOUBLE_EQ(AreaOfWinding(*parts.back), 16.0 * 64);
    EXPECT_NE(std::ranges::find(parts.front->points, Vec3{16, 0, 0}), parts.front->points.end());
    EXPECT_NE(std::ranges::find(parts.back->points, Vec3{16, 64, 0}), parts.back->points.end());
}

TEST(ClipWinding, WholeWindingGoesToOneSide) {
    struct Row {
        Vec3 normal;
        double dist, epsilon;
        bool front;  ///< the whole winding is the front part
    };
    // Plane beyond the winding, before it, on an edge, an edge within the on-epsilon, the winding's own plane.
    for (const Row& row : {Row{{1, 0, 0}, 100, 0, false}, Row{{1, 0, 0}, -100, 0, true}, Row{{1, 0, 0}, 64, 0, false},
                           Row{{1, 0, 0}, 63.95, 0.1, false}, Row{{0, 0, 1}, 0, 0, false}}) {
        CheckerRun run;
        const ClippedWinding parts = ClipWinding(run, Square(), row.normal, row.dist, row.epsilon);
        ASSERT_EQ(parts.front.has_value(), row.front) << row.dist;
        ASSERT_EQ(parts.back.has_value(), !row.front) << row.dist;
        EXPECT_EQ((row.front ? *parts.front : *parts.back).points, Square().points) << row.dist;
    }
}

TEST(ClipWinding, PartOverTheEstimateOrOverSixtyFourPointsIsFatal) {
    CheckerRun run;
    // A zig-zag of ten points alternately in front of and behind x = 0.
    Winding zigzag;
    for (int i = 0; i < 10; ++i) {
        zigzag.points.push_back({i % 2 == 0 ? 1.0f : -1.0f, static_cast<float>(i), 0});
    }
    EXPECT_EQ(test::FatalMessageOf([&] { ClipWinding(run, zigzag, {1, 0, 0}, 0, 0); }), "ClipWinding: points exceeded estimate");
    Winding circle;
    for (int i = 0; i < MAX_POINTS_ON_WINDING; ++i) {
        const double angle = 2 * 3.14159265358979 * i / MAX_POINTS_ON_WINDING;
        circle.points.push_back({static_cast<float>(100 * std::cos(angle)), static_cast<float>(100 * std::sin(angle)), 0});
    }
    // Cutting off one corner replaces one point by two.
    EXPECT_EQ(test::FatalMessageOf([&] { ClipWinding(run, circle, {1, 0, 0}, 99.9, 0); }), "ClipWinding: MAX_POINTS_ON_WINDING");
}

TEST(FrontCutter, KeepsWhatNothingCutsDropsWhatNothingIsInFrontOfAndStopsPastSixtyFourPoints) {
    CheckerRun run;
    const Vec3 up{0, 0, 1};
    FrontCutter kept(run, up, 0);
    ASSERT_TRUE(kept.Cut(run, {1, 0, 0}, -10000));
    EXPECT_EQ(kept.Result()->points, BaseWindingForPlane(run, up, 0).points);
    FrontCutter square(run, up, 0);
    for (const Vec3& normal : {Vec3{1, 0, 0}, Vec3{-1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, -1, 0}}) {
        ASSERT_TRUE(square.Cut(run, normal, normal[0] + normal[1] < 0 ? -64 : 0));
    }
    EXPECT_DOUBLE_EQ(AreaOfWinding(*square.Result()), 4096);
    EXPECT_FALSE(square.Cut(run, {1, 0, 0}, 100));
    EXPECT_FALSE(square.Result());
    FrontCutter polygon(run, up, 0);
    EXPECT_EQ(test::FatalMessageOf([&] {
                  for (int i = 0; i < 70; ++i) {
                      const double angle = 2 * 3.14159265358979 * i / 70;
                      polygon.Cut(run, {static_cast<float>(-std::cos(angle)), static_cast<float>(-std::sin(angle)), 0}, -100);
                  }
              }),
              "ClipWinding: MAX_POINTS_ON_WINDING");
}

// The cutter reuses its two buffers, so whatever an earlier, larger winding left in them must never
// count: random series of cuts give the same points as the base winding cut by ClipWinding.
TEST(FrontCutter, RandomSeriesOfCutsMatchClipWinding) {
    CheckerRun run;
    std::mt19937 random(11);
    const auto coordinate = [&random] { return static_cast<float>(static_cast<int>(random() % 401) - 200); };
    for (int series = 0; series < 2000; ++series) {
        const Vec3 up{0, 0, 1};
        FrontCutter cutter(run, up, 0);
        std::optional<Winding> expected = BaseWindingForPlane(run, up, 0);
        for (int cut = 0; cut < 12 && expected; ++cut) {
            Vec3 normal{};
            if (VecNormalize(Vec3{coordinate(), coordinate(), 0}, normal) == 0) {
                continue;
            }
            const double dist = VecDot(Vec3{coordinate(), coordinate(), 0}, normal);
            expected = ClipWinding(run, *expected, normal, dist, 0).front;
            ASSERT_EQ(cutter.Cut(run, normal, dist), expected.has_value()) << series << " " << cut;
            ASSERT_EQ(cutter.Result() ? cutter.Result()->points : std::vector<Vec3>{},
                      expected ? expected->points : std::vector<Vec3>{});
        }
    }
}

TEST(AreaOfWinding, SquareAndTriangleAndTinyWindingsCountOnlyEdgesLongerThanTwoTenths) {
    EXPECT_DOUBLE_EQ(AreaOfWinding(Square()), 4096);
    EXPECT_DOUBLE_EQ(AreaOfWinding(Polygon({{0, 0, 5}, {10, 0, 5}, {0, 10, 5}})), 50);
    EXPECT_DOUBLE_EQ(AreaOfWinding(Polygon({{0, 0, 0}, {1, 1, 1}})), 0);
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

// Coordinates are read like strtod reads them, to the last bit, however the reader gets there.
::testing::AssertionResult ReadsLikeStrtod(const std::string& token) {
    const double expected = std::strtod(token.c_str(), nullptr);
    const double actual = LeadingReal(token);
    if (std::memcmp(&expected, &actual, sizeof expected) == 0 || (std::isnan(expected) && std::isnan(actual))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "\"" << token << "\": " << actual << " instead of " << expected;
}

TEST(Coordinates, EachTokenReadsLikeStrtod) {
    for (const char* token : {"0", "-0", "+0", "-0.0", "64", "-176", "+12", "1088", "999999999", "123456789012345",
                      "1234567890123456", "12345678901234567890", "-1329.25", "-169.3725833893", "0.1", "0.3",
                      ".5", "5.", "-.5", "1.000000000000001", "0.000000000000001", "3.14159265358979323846",
                      "1e5", "1.5e-3", "0x10", "inf", "nan", "", "-", "+", ".", "12abc", "1.2.3", "--1", " 7"}) {
        EXPECT_TRUE(ReadsLikeStrtod(token));
    }
}

TEST(Coordinates, RandomDecimalsReadLikeStrtod) {
    std::mt19937_64 random(20240601);
    for (int i = 0; i < 200000; ++i) {
        const int whole = static_cast<int>(random() % 9000000) - 4500000;
        const int places = static_cast<int>(random() % 12);
        std::string token = std::to_string(whole);
        if (places > 0) {
            std::string fraction = std::to_string(random() % 1000000000000ULL);
            fraction.resize(static_cast<std::size_t>(places), '7');
            token += "." + fraction;
        }
        ASSERT_TRUE(ReadsLikeStrtod(token));
    }
}

// Coordinates are written like "%g" writes them: random float bit patterns, quarters and thousandths
// near the six-digit boundaries, their neighbours, and exact ties that round to even.
TEST(Coordinates, WrittenLikePrintf) {
    std::mt19937 random(7);
    const auto writesLikePrintf = [](float value) {
        std::string text;
        AppendG(text, static_cast<double>(value));
        char expected[64];
        std::snprintf(expected, sizeof expected, "%g", static_cast<double>(value));
        return text == expected ? ::testing::AssertionSuccess()
                                : ::testing::AssertionFailure() << text << " instead of " << expected;
    };
    for (const float value : {0.0f, -0.0f, 1000.125f, 1000.375f, 0.0001f, 0.00009999f, 999999.5f, 99999.95f, 1e6f,
                              123456.5f, 9.999995f, -1304.75f, 1e-20f, 3e30f}) {
        ASSERT_TRUE(writesLikePrintf(value));
    }
    for (int i = 0; i < 100000; ++i) {
        std::uint32_t bits = random();
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        const float quarter = static_cast<float>(static_cast<int>(random() % 4000000) - 2000000) / 4.0f;
        const float thousandth = static_cast<float>(static_cast<int>(random() % 20000000) - 10000000) / 1000.0f;
        for (const float sample : {value, quarter, std::nextafter(quarter, 1e9f), thousandth}) {
            ASSERT_TRUE(std::isnan(sample) || writesLikePrintf(sample));
        }
    }
}

}  // namespace
}  // namespace quillon
