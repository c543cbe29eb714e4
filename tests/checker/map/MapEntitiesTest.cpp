#include "checker/map/MapEntities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
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

TEST(KeyNumbers, ReadTheLeadingNumbers) {
    const std::tuple<const char*, Vec3, int> rows[] = {{"16", {16, 0, 0}, 16},        {"1 2 x 3", {1, 2, 0}, 1},
                                                       {"  -1.5e1\t2 3 4", {-15, 2, 3}, -1}, {"+7 8", {7, 8, 0}, 7},
                                                       {"x1 2 3", {0, 0, 0}, 0},      {"", {0, 0, 0}, 0},
                                                       {"12abc", {12, 0, 0}, 12}};
    for (const auto& [value, vector, integer] : rows) {
        MapEntity entity;
        SetValueOfKey(entity, "n", value);
        EXPECT_EQ(VectorOfKey(entity, "N"), vector) << value;
        EXPECT_EQ(IntegerOfKey(entity, "N"), integer) << value;
    }
}

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

TEST_F(MapEntitiesTest, The8192ndBrushThe65536thSideAndThe1024thTextureAreAccepted) {
    // The cube with two upright edges cut off (x + y = 24, -x - y = 24): eight sides, none of them a bevel.
    const std::string cutCube = "{\n" + test::BoxFaces({-16, -16, -16}, {16, 16, 16}) +
                                "( 16 8 -1 ) ( 16 8 0 ) ( 15 9 0 ) base/wall 0 0 0 1 1\n"
                                "( -16 -8 -1 ) ( -16 -8 0 ) ( -15 -9 0 ) base/wall 0 0 0 1 1\n}\n";
    ASSERT_EQ(Read(test::World(cutCube)), "");
    ASSERT_EQ(run.sides.size(), 8u);  // the brush below takes exactly the sides it is written with
    Reset();
    ASSERT_EQ(Read(test::World(Repeated(cutCube, MAX_MAP_BRUSHES))), "");
    EXPECT_EQ(run.brushes.size(), 8192u);
    EXPECT_EQ(run.sides.size(), 65536u);
    std::string brushes;
    for (int t = 0; t < MAX_MAP_TEXTURES; ++t) {
        brushes += test::Box({-16, -16, -16}, {16, 16, 16}, "t" + std::to_string(t));
    }
    Reset();
    ASSERT_EQ(Read(test::World(brushes)), "");
    EXPECT_EQ(run.textures.size(), 1024u);
}

}  // namespace
}  // namespace quillon
