#include "checker/map/MapEntities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "checker/map/BrushFixture.h"

namespace quillon {
namespace {

using test::MapEntityText;

std::string Repeated(const std::string& text, int count) {
    std::string all;
    for (int i = 0; i < count; ++i) {
        all += text;
    }
    return all;
}

/// `count` 32-unit cubes around the origin.
std::string Cubes(int count) {
    return Repeated(test::Box({-16, -16, -16}, {16, 16, 16}, "base/floor"), count);
}

class MapEntitiesTest : public test::BrushFixture, public ::testing::Test {};

TEST_F(MapEntitiesTest, PairReadLastWinsWithoutRegardToCaseAndSetValueReplacesItOrAddsOne) {
    ASSERT_EQ(Read("{ \"target\" \"first\" \"Target\" \"second\" }"), "");
    MapEntity& entity = run.entities.at(0);
    EXPECT_EQ(ValueOfKey(entity, "TARGET"), "second");
    EXPECT_EQ(ValueOfKey(entity, "targetname"), "");
    EXPECT_EQ(ValueOfKey(entity, "targe"), "");
    SetValueOfKey(entity, "tarGET", "3");
    EXPECT_EQ(ValueOfKey(entity, "target"), "3");
    ASSERT_EQ(entity.pairs.size(), 2u);
    EXPECT_EQ(entity.pairs[0].value, "first");
    SetValueOfKey(entity, "origin", "16 0 0");
    EXPECT_EQ(ValueOfKey(entity, "ORIGIN"), "16 0 0");
    EXPECT_EQ(entity.pairs.size(), 3u);
}

TEST_F(MapEntitiesTest, The2048thEntityIsAccepted) {
    ASSERT_EQ(Read(Repeated("{ }\n", MAX_MAP_ENTITIES)), "");
    EXPECT_EQ(run.entities.size(), 2048u);
}

struct NumberCase {
    const char* value;
    Vec3 vector;
    int integer;
};

class KeyNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(KeyNumberTest, ReadsTheLeadingNumbers) {
    MapEntity entity;
    SetValueOfKey(entity, "n", GetParam().value);
    EXPECT_EQ(VectorOfKey(entity, "N"), GetParam().vector);
    EXPECT_EQ(IntegerOfKey(entity, "N"), GetParam().integer);
}

INSTANTIATE_TEST_SUITE_P(Values, KeyNumberTest,
                         ::testing::Values(NumberCase{"16", {16, 0, 0}, 16},
                                           NumberCase{"1 2 x 3", {1, 2, 0}, 1},
                                           NumberCase{"  -1.5e1\t2 3 4", {-15, 2, 3}, -1},
                                           NumberCase{"+7 8", {7, 8, 0}, 7},
                                           NumberCase{"x1 2 3", {0, 0, 0}, 0},
                                           NumberCase{"", {0, 0, 0}, 0},
                                           NumberCase{"12abc", {12, 0, 0}, 12}));

TEST_F(MapEntitiesTest, FuncGroupAndAreaPortalGiveTheirBrushesToTheWorld) {
    ASSERT_EQ(Read(MapEntityText("worldspawn", Cubes(1)) + MapEntityText("func_door", Cubes(4)) + MapEntityText("func_group", Cubes(3)) +
                   MapEntityText("func_areaportal", "\"style\" \"9\"\n" + Cubes(1)) + MapEntityText("Func_Group", Cubes(2)) +
                   MapEntityText("func_areaportal", Cubes(1))),
              "");
    ASSERT_EQ(run.entities.size(), 6u);
    EXPECT_EQ(run.entities[0].brushCount, 8);
    EXPECT_EQ(run.entities[1].firstBrush, 8);
    EXPECT_EQ(run.entities[1].brushCount, 4);
    const std::vector<int> fromEntity = {0, 2, 2, 2, 3, 4, 4, 5, 1, 1, 1, 1};
    ASSERT_EQ(run.brushes.size(), fromEntity.size());
    for (std::size_t b = 0; b < fromEntity.size(); ++b) {
        EXPECT_EQ(run.brushes[b].entityNumber, fromEntity[b]) << "brush " << b;
    }
    EXPECT_EQ(run.brushes[4].contents, 32768u);
    EXPECT_EQ(run.brushes[7].contents, 32768u);
    EXPECT_EQ(ValueOfKey(run.entities[3], "style"), "1");
    EXPECT_EQ(ValueOfKey(run.entities[5], "style"), "2");
    EXPECT_EQ(run.counters.areaPortals, 2);
    EXPECT_EQ(ValueOfKey(run.entities[2], "classname"), "func_group");
    // A group as the first entity is the world itself and keeps its brushes.
    Reset();
    ASSERT_EQ(Read(MapEntityText("func_group", Cubes(3))), "");
    EXPECT_EQ(run.entities.at(0).brushCount, 3);
}

/// The distance of the brush side whose plane has the given axial normal, or NaN.
double SideDistance(const CheckerRun& run, const MapBrush& brush, const Vec3& normal) {
    for (int s = 0; s < brush.sideCount; ++s) {
        const MapPlane& plane = run.planes.at(static_cast<std::size_t>(run.sides.at(brush.firstSide + s).planeNumber));
        if (plane.normal == normal) {
            return static_cast<double>(plane.dist);
        }
    }
    return std::nan("");
}

TEST_F(MapEntitiesTest, OriginMovesEveryPlaneIntoTheEntityFrame) {
    ASSERT_EQ(Read(MapEntityText("worldspawn") + MapEntityText("func_door", "\"origin\" \"16 0 0\"\n" + Cubes(1)) +
                   MapEntityText("func_door", "\"origin\" \"0 0 0\"\n" + Cubes(1))),
              "");
    const MapBrush& moved = run.brushes.at(0);
    EXPECT_DOUBLE_EQ(SideDistance(run, moved, Vec3{1, 0, 0}), 0.0);
    EXPECT_DOUBLE_EQ(SideDistance(run, moved, Vec3{-1, 0, 0}), 32.0);
    EXPECT_DOUBLE_EQ(SideDistance(run, moved, Vec3{0, 0, 1}), 16.0);
    const MapBrush& kept = run.brushes.at(1);
    EXPECT_DOUBLE_EQ(SideDistance(run, kept, Vec3{1, 0, 0}), 16.0);
    EXPECT_DOUBLE_EQ(SideDistance(run, kept, Vec3{-1, 0, 0}), 16.0);
    EXPECT_EQ(run.entities[1].origin, (Vec3{16, 0, 0}));
}

// The map reader's tables at their limits: 8192 brushes, 65536 brush sides and 1024 textures are
// accepted; one more of each is fatal (whole runs: bsp-too-many-*).

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

TEST_F(MapEntitiesTest, The8192ndBrushAndThe65536thSideAreAccepted) {
    ASSERT_EQ(Read(test::World(CutCube(2))), "");
    ASSERT_EQ(run.sides.size(), 8u);  // the brush below takes exactly the sides it is written with
    Reset();
    ASSERT_EQ(Read(test::World(Repeated(CutCube(2), MAX_MAP_BRUSHES))), "");
    EXPECT_EQ(run.brushes.size(), 8192u);
    EXPECT_EQ(run.sides.size(), 65536u);
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
    return test::World(brushes);
}

TEST_F(MapEntitiesTest, The1024thTextureIsAccepted) {
    ASSERT_EQ(Read(CubesWithTextures(MAX_MAP_TEXTURES)), "");
    EXPECT_EQ(run.textures.size(), 1024u);
}

}  // namespace
}  // namespace quillon
