#include <gtest/gtest.h>

#include "checker/map/Vector.h"

namespace quillon {
namespace {

TEST(VecNormalize, ScalesToUnitLengthAndReturnsTheLength) {
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
}

TEST(VectorArithmetic, CrossFollowsTheRightHandRuleAndScaledAddNegateAndLengthAreExact) {
    Vec3 out{};
    VecCross({0, 1, 0}, {1, 0, 0}, out);
    EXPECT_EQ(out, (Vec3{0, 0, -1}));
    VecCross({2, 3, 4}, {5, 6, 7}, out);
    EXPECT_EQ(out, (Vec3{-3, 6, -3}));
    VecScaledAdd({1, 2, 3}, -2.0, {0.5f, 1, -1}, out);
    EXPECT_EQ(out, (Vec3{0, 0, 5}));
    Vec3 v{1, -2, 0};
    VecNegate(v);
    EXPECT_EQ(v, (Vec3{-1, 2, -0.0f}));
    EXPECT_FLOAT_EQ(VecLength({2, 3, 6}), 7.0f);
}

TEST(RoundToNearest, RoundsHalfwayValuesUp) {
    EXPECT_EQ(RoundToNearest(2.5), 3.0);
    EXPECT_EQ(RoundToNearest(-2.5), -2.0);
    EXPECT_EQ(RoundToNearest(-0.4), 0.0);
    EXPECT_EQ(RoundToNearest(1.49), 1.0);
}

TEST(ExtendBox, GrowsAClearedBoxToTheExactPoints) {
    Vec3 mins{};
    Vec3 maxs{};
    ResetBox(mins, maxs);
    EXPECT_TRUE(IsBoxCleared(mins, maxs));
    ExtendBox({4, -8, 2}, mins, maxs);
    ExtendBox({-4, 0, 2}, mins, maxs);
    EXPECT_EQ(mins, (Vec3{-4, -8, 2}));
    EXPECT_EQ(maxs, (Vec3{4, 0, 2}));
    EXPECT_FALSE(IsBoxCleared(mins, maxs));
}

}  // namespace
}  // namespace quillon
