// The map reader's tables at their limits: 8192 brushes, 65536 brush sides and 1024 textures.
// Each limit is filled exactly; passing it by one is fatal.

#include <gtest/gtest.h>

#include <string>

#include "checker/map/BrushFixture.h"

namespace quillon {
namespace {

using test::World;

// The faces of a 32-unit cube around the origin, each plane given by three points.
const char* const CUBE_FACES[6] = {
    "( -16 -16 -16 ) ( -16 -15 -16 ) ( -16 -16 -15 )", "( -16 -16 -16 ) ( -16 -16 -15 ) ( -15 -16 -16 )",
    "( -16 -16 -16 ) ( -15 -16 -16 ) ( -16 -15 -16 )", "( 16 16 16 ) ( 16 16 17 ) ( 16 17 16 )",
    "( 16 16 16 ) ( 17 16 16 ) ( 16 16 17 )",          "( 16 16 16 ) ( 16 17 16 ) ( 17 16 16 )"};
// Upright planes that cut the cube's edges without a bevel: x + y = 24, -x - y = 24, x - y = -24.
const char* const CUTS[3] = {"( 16 8 -1 ) ( 16 8 0 ) ( 15 9 0 )", "( -16 -8 -1 ) ( -16 -8 0 ) ( -15 -9 0 )",
                             "( -16 8 -1 ) ( -16 8 0 ) ( -17 7 0 )"};

/// The cube with `cuts` of its upright edges cut off: 6 + cuts sides, none of them a bevel.
std::string CutCube(int cuts, const std::string& texture = "base/floor") {
    std::string text = "{\n";
    for (int f = 0; f < 6 + cuts; ++f) {
        text += std::string(f < 6 ? CUBE_FACES[f] : CUTS[f - 6]) + " " + texture + " 0 0 0 1 1\n";
    }
    return text + "}\n";
}

std::string Repeated(const std::string& text, int count) {
    std::string all;
    all.reserve(text.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        all += text;
    }
    return all;
}

class MapLimitsTest : public test::BrushFixture, public ::testing::Test {};

TEST_F(MapLimitsTest, The8192ndBrushAndThe65536thSideAreAccepted) {
    ASSERT_EQ(Read(World(CutCube(2))), "");
    ASSERT_EQ(run.sides.size(), 8u);  // the brush below takes exactly the sides it is written with
    Reset();
    ASSERT_EQ(Read(World(Repeated(CutCube(2), MAX_MAP_BRUSHES))), "");
    EXPECT_EQ(run.brushes.size(), 8192u);
    EXPECT_EQ(run.sides.size(), 65536u);
}

TEST_F(MapLimitsTest, BrushesOfLaterEntitiesCountTowardsTheSameLimit) {
    const std::string text = World(Repeated(CutCube(0), MAX_MAP_BRUSHES - 1)) +
                             test::MapEntityText("func_wall", CutCube(0) + CutCube(0));
    EXPECT_EQ(Read(text), "MAX_MAP_BRUSHES (8192) - The map has too many brushes.\n"
                          "Corrective action: Simplify, make it smaller, or split it up.");
    EXPECT_EQ(run.brushes.size(), 8192u);
}

TEST_F(MapLimitsTest, The65537thSideIsFatalWhetherFaceLineOrBevel) {
    // 8191 brushes of 8 sides, then one of 9 face lines: the ninth would be side 65537.
    const std::string full = Repeated(CutCube(2), MAX_MAP_BRUSHES - 1);
    EXPECT_EQ(Read(World(full + CutCube(3))), "MAX_MAP_BRUSHSIDES (65536) - Your map is too complex.\n"
                                              "Corrective action: Simplify, make it smaller, or split it up.");
    EXPECT_EQ(run.sides.size(), 65536u);
    // Six face lines, then four bevels: the third bevel would be side 65537.
    Reset();
    EXPECT_EQ(Read(World(full + test::Diamond())), "MAX_MAP_BRUSHSIDES (65536) - The map is too complex.\n"
                                                   "Corrective action: Simplify, make it smaller, or split it up.");
}

/// Cubes whose faces carry the names t0, t1, ... t(count - 1), the last cube padded with t0.
std::string CubesWithTextures(int count) {
    std::string brushes;
    for (int first = 0; first < count; first += 6) {
        brushes += "{\n";
        for (int f = 0; f < 6; ++f) {
            brushes += std::string(CUBE_FACES[f]) + " t" + std::to_string(first + f < count ? first + f : 0) + " 0 0 0 1 1\n";
        }
        brushes += "}\n";
    }
    return World(brushes);
}

TEST_F(MapLimitsTest, The1024thTextureIsAcceptedAndThe1025thIsFatal) {
    ASSERT_EQ(Read(CubesWithTextures(MAX_MAP_TEXTURES)), "");
    EXPECT_EQ(run.textures.size(), 1024u);
    Reset();
    EXPECT_EQ(Read(CubesWithTextures(MAX_MAP_TEXTURES + 1)), "MAX_MAP_TEXTURES (1024) - Your map contains too many unique textures.\n");
    EXPECT_EQ(run.textures.size(), 1024u);
}

}  // namespace
}  // namespace quillon
