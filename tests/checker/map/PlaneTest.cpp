#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checker/map/BrushFixture.h"
#include "checker/map/MapBrushes.h"
#include "checker/map/PlaneTable.h"

namespace quillon {
namespace {

TEST(FindPlane, AddsPairsWhoseOddMemberIsTheFlippedPlane) {
    CheckerRun run;
    const Vec3 normal{0.6f, 0.8f, 0};
    const int plane = FindPlane(run, normal, 40);
    EXPECT_EQ(plane, 0);
    ASSERT_EQ(run.planes.size(), 2u);
    EXPECT_EQ(run.planes[1].normal, (Vec3{-0.6f, -0.8f, 0}));
    EXPECT_EQ(run.planes[1].dist, -40);
    EXPECT_EQ(run.planes[0].type, 4);
    EXPECT_EQ(run.planes[1].type, 4);
    EXPECT_EQ(FindPlane(run, {-0.6f, -0.8f, 0}, -40), plane ^ 1);
    EXPECT_EQ(FindPlane(run, normal, 40), plane);
    EXPECT_EQ(run.planes.size(), 2u);
}

TEST(FindPlane, AxialNormalPointingDownReturnsTheOddMember) {
    CheckerRun run;
    const int down = FindPlane(run, {0, 0, -1}, 16);
    EXPECT_EQ(down, 1);
    EXPECT_EQ(run.planes[0].normal, (Vec3{0, 0, 1}));
    EXPECT_EQ(run.planes[0].dist, -16);
    EXPECT_EQ(run.planes[0].type, 2);
    EXPECT_EQ(FindPlane(run, {0, 0, 1}, -16), 0);
}

TEST(FindPlane, PlaneThroughTheOriginStoresNoNegativeZero) {
    CheckerRun run;
    FindPlane(run, {1, 0, 0}, 0);
    EXPECT_FALSE(std::signbit(run.planes[1].dist));
    EXPECT_FALSE(std::signbit(run.planes[1].normal[1]));
}

TEST(FindPlane, SnapsNearlyAxialNormalsAndNearlyWholeDistances) {
    CheckerRun run;
    const int plane = FindPlane(run, {0.999995f, 0.003f, 0}, 31.995);
    EXPECT_EQ(run.planes[static_cast<std::size_t>(plane)].normal, (Vec3{1, 0, 0}));
    EXPECT_EQ(run.planes[static_cast<std::size_t>(plane)].dist, 32);
    EXPECT_EQ(FindPlane(run, {1, 0, 0}, 32.004), plane);
    // Just outside the tolerances gives a new plane.
    EXPECT_NE(FindPlane(run, {1, 0, 0}, 32.02), plane);
    EXPECT_NE(FindPlane(run, {0.99997f, 0.0077f, 0}, 32), plane);
}

struct BorderCase {
    const char* name;
    double stored;
    double query;
};

class FindPlaneBorderTest : public ::testing::TestWithParam<BorderCase> {};

TEST_P(FindPlaneBorderTest, PlaneWithinToleranceIsFoundAgainAcrossABucketBorder) {
    CheckerRun run;
    const BorderCase& c = GetParam();
    const Vec3 normal{0.6f, 0, 0.8f};
    const int plane = FindPlane(run, normal, c.stored);
    EXPECT_EQ(FindPlane(run, normal, c.query), plane);
    EXPECT_EQ(run.planes.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Borders, FindPlaneBorderTest,
    ::testing::Values(BorderCase{"BelowEight", 8, 7.993}, BorderCase{"AboveEight", 7.992, 8.006},
                      BorderCase{"WrapOfTheLastBucket", 8191.995, 8192.004},
                      BorderCase{"NegativeSide", -16.004, -15.993}, BorderCase{"AroundZero", 0.004, -0.005}),
    [](const ::testing::TestParamInfo<BorderCase>& tpi) { return std::string(tpi.param.name); });

TEST(FindPlane, SearchesTheNeighbourBucketsOfTheDistance) {
    CheckerRun run;
    // A plane stored just below a bucket border, as an older table might hold it.
    MapPlane stored;
    stored.normal = {0, 0.6f, 0.8f};
    stored.dist = 7.995f;
    stored.type = PlaneTypeOfNormal(stored.normal);
    MapPlane partner = stored;
    partner.normal = {0, -0.6f, -0.8f};
    partner.dist = -7.995f;
    run.planes = {stored, partner};
    run.planeHash[static_cast<std::size_t>(PlaneHashBucket(7.995))] = 0;
    ASSERT_EQ(PlaneHashBucket(7.995), 0);
    ASSERT_EQ(PlaneHashBucket(8), 1);
    EXPECT_EQ(FindPlane(run, stored.normal, 8.0), 0);
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
    EXPECT_EQ(run.planes[static_cast<std::size_t>(top)].normal, (Vec3{0, 0, 1}));
    EXPECT_EQ(run.planes[static_cast<std::size_t>(top)].dist, 64);
    EXPECT_EQ(PlaneThroughPoints(run, {0, 1, 64}, {0, 0, 64}, {1, 0, 64}), top ^ 1);
}

struct TypeCase {
    Vec3 normal;
    int type;
};

class PlaneTypeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(PlaneTypeTest, AxialOrLargestComponent) {
    EXPECT_EQ(PlaneTypeOfNormal(GetParam().normal), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Normals, PlaneTypeTest,
                         ::testing::Values(TypeCase{{1, 0, 0}, 0}, TypeCase{{0, -1, 0}, 1}, TypeCase{{0, 0, -1}, 2},
                                           TypeCase{{0.8f, 0.6f, 0}, 3}, TypeCase{{0.6f, -0.8f, 0}, 4},
                                           TypeCase{{0, 0.6f, -0.8f}, 5}, TypeCase{{0.6f, 0.6f, 0.52915f}, 3},
                                           TypeCase{{0.5f, 0.6f, 0.6f}, 4}));

TEST(ContentsNames, NamesFollowAscendingBitValue) {
    EXPECT_EQ(ContentsNames(0), "None");
    EXPECT_EQ(ContentsNames(3), "Solid, Window");
    EXPECT_EQ(ContentsNames(128), "");
    EXPECT_EQ(ContentsNames(32 | 65536 | 262144 | 536870912), "Water, PlayerClip, Current0, Ladder");
    EXPECT_EQ(ContentsNames(2 | 134217728 | 268435456), "Window, Detail, Translucent");
    EXPECT_EQ(ContentsNames(16777216 | 33554432 | 67108864 | 32768), "Areaportal, Origin, Monster, DeadMonster");
}

}  // namespace
}  // namespace quillon
