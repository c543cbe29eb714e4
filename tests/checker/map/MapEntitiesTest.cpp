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

TEST_F(MapEntitiesTest, EmptyMapAndCommentsOnlyGiveNoEntities) {
    EXPECT_EQ(Read(""), "");
    EXPECT_TRUE(run.entities.empty());
    Reset();
    EXPECT_EQ(Read("// nothing here\n/* at all */\n; really\n"), "");
    EXPECT_TRUE(run.entities.empty());
}

TEST_F(MapEntitiesTest, ReadsEntitiesInFileOrderWithTheirPairs) {
    ASSERT_EQ(Read(MapEntityText("worldspawn", "\"message\" \"Base\"\n") + MapEntityText("light", "\"origin\" \"1 -2 3.5\"\n")), "");
    ASSERT_EQ(run.entities.size(), 2u);
    EXPECT_EQ(ValueOfKey(run.entities[0], "classname"), "worldspawn");
    EXPECT_EQ(ValueOfKey(run.entities[0], "message"), "Base");
    const MapEntity& light = run.entities[1];
    EXPECT_EQ(ValueOfKey(light, "classname"), "light");
    EXPECT_EQ(light.origin, (Vec3{1, -2, 3.5f}));
    EXPECT_EQ(light.brushCount, 0);
    EXPECT_EQ(light.listIndex, 0);
}

TEST_F(MapEntitiesTest, PairReadLastWinsWithoutRegardToCase) {
    ASSERT_EQ(Read("{ \"target\" \"first\" \"Target\" \"second\" }"), "");
    const MapEntity& entity = run.entities.at(0);
    EXPECT_EQ(ValueOfKey(entity, "TARGET"), "second");
    EXPECT_EQ(ValueOfKey(entity, "targetname"), "");
    EXPECT_EQ(ValueOfKey(entity, "targe"), "");
}

TEST_F(MapEntitiesTest, SetValueOfKeyReplacesTheFoundPairOrAddsOne) {
    ASSERT_EQ(Read("{ \"style\" \"old\" \"STYLE\" \"newer\" }"), "");
    MapEntity& entity = run.entities.at(0);
    SetValueOfKey(entity, "Style", "3");
    EXPECT_EQ(ValueOfKey(entity, "style"), "3");
    ASSERT_EQ(entity.pairs.size(), 2u);
    EXPECT_EQ(entity.pairs[0].value, "old");
    SetValueOfKey(entity, "origin", "16 0 0");
    EXPECT_EQ(ValueOfKey(entity, "ORIGIN"), "16 0 0");
    EXPECT_EQ(entity.pairs.size(), 3u);
}

TEST_F(MapEntitiesTest, TrailingWhiteSpaceIsRemovedFromKeysAndValues) {
    ASSERT_EQ(Read("{ \"key \t\" \" value \t\r\" \"high\" \"end\x80\xff\" }"), "");
    const MapEntity& entity = run.entities.at(0);
    EXPECT_EQ(ValueOfKey(entity, "key"), " value");
    EXPECT_EQ(ValueOfKey(entity, "high"), "end");
}

TEST_F(MapEntitiesTest, ValueOnTheNextLineIsIncomplete) {
    EXPECT_EQ(Read("{\n\"classname\"\n\"worldspawn\"\n}\n"), "Line 1 is incomplete\n");
}

struct LengthCase {
    const char* name;
    std::size_t keyLength;
    std::size_t valueLength;
    bool accepted;
};

class PairLengthTest : public MapEntitiesTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(PairLengthTest, KeyOf30AndValueOf1022AreTheLongestAccepted) {
    const std::string key(GetParam().keyLength, 'k');
    const std::string value(GetParam().valueLength, 'v');
    const std::string message = Read("{ \"" + key + "\" \"" + value + "\" }");
    if (GetParam().accepted) {
        ASSERT_EQ(message, "");
        EXPECT_EQ(ValueOfKey(run.entities.at(0), key), value);
    } else {
        EXPECT_EQ(message, "ParseEpar: token too long");
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, PairLengthTest,
                         ::testing::Values(LengthCase{"Key30", 30, 5, true}, LengthCase{"Key31", 31, 5, false},
                                           LengthCase{"Value1022", 5, 1022, true},
                                           LengthCase{"Value1023", 5, 1023, false}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct FatalCase {
    const char* name;
    std::string text;
    const char* message;  ///< the start of the message; whole runs show the rest
};

class EntityFatalTest : public MapEntitiesTest, public ::testing::WithParamInterface<FatalCase> {};

TEST_P(EntityFatalTest, StopsWithTheMessage) {
    const std::string message = GetParam().message;
    EXPECT_EQ(Read(GetParam().text).substr(0, message.size()), message);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, EntityFatalTest,
    ::testing::Values(
        FatalCase{"BraceNotFound", "{ }\n\"classname\" \"light\"", "ParseEntity: { not found - "},
        FatalCase{"EndInsideBrush", "{ \"classname\" \"worldspawn\"\n{\n",
                  "ParseEntity: EOF without closing brace\nCorrective action: You'll probably have to fix this "
                  "with a text editor."},
        FatalCase{"AreaPortalWithoutBrush", "{ \"classname\" \"worldspawn\" }\n{ \"classname\" \"FUNC_AreaPortal\" }",
                  "entity 1: func_areaportal can only be a single brush\nCorrective action: Delete all but 1 brush "
                  "used for the\n                   func_areaportal"},
        FatalCase{"The2049thEntity", Repeated("{ }\n", MAX_MAP_ENTITIES + 1), "MAX_MAP_ENTITIES (2048) - "},
        FatalCase{"OriginBrushInTheWorld", test::World(test::Box({-8, 0, 0}, {8, 16, 16}, "base/origin", " 16777216 0 0")),
                  "\nentity 0, brush 0: origin brushes not allowed in world\n"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

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

TEST(KeyNumbers, AbsentKeyReadsAsZero) {
    const MapEntity entity;
    EXPECT_EQ(VectorOfKey(entity, "origin"), (Vec3{0, 0, 0}));
    EXPECT_EQ(IntegerOfKey(entity, "spawnflags"), 0);
}

/// Appends an entity whose brushes are the next `count` records, each naming its entity and place.
void AddEntityWithBrushes(CheckerRun& run, int count) {
    MapEntity entity;
    entity.firstBrush = static_cast<int>(run.brushes.size());
    entity.brushCount = count;
    const int number = static_cast<int>(run.entities.size());
    for (int b = 0; b < count; ++b) {
        MapBrush brush;
        brush.entityNumber = number;
        brush.brushNumber = b;
        run.brushes.push_back(brush);
    }
    run.entities.push_back(entity);
}

std::vector<std::pair<int, int>> BrushNames(const CheckerRun& run) {
    std::vector<std::pair<int, int>> names;
    for (const MapBrush& brush : run.brushes) {
        names.emplace_back(brush.entityNumber, brush.brushNumber);
    }
    return names;
}

TEST(MergeBrushesIntoWorld, GroupsFollowTheWorldInTheOrderTheyEnd) {
    CheckerRun run;
    AddEntityWithBrushes(run, 2);  // the world
    AddEntityWithBrushes(run, 4);
    AddEntityWithBrushes(run, 3);
    MergeBrushesIntoWorld(run, 2);
    AddEntityWithBrushes(run, 2);
    MergeBrushesIntoWorld(run, 3);

    const std::vector<std::pair<int, int>> expected = {{0, 0}, {0, 1}, {2, 0}, {2, 1}, {2, 2}, {3, 0},
                                                       {3, 1}, {1, 0}, {1, 1}, {1, 2}, {1, 3}};
    EXPECT_EQ(BrushNames(run), expected);
    EXPECT_EQ(run.entities[0].firstBrush, 0);
    EXPECT_EQ(run.entities[0].brushCount, 7);
    EXPECT_EQ(run.entities[1].firstBrush, 7);
    EXPECT_EQ(run.entities[1].brushCount, 4);
    EXPECT_EQ(run.entities[2].brushCount, 0);
    EXPECT_EQ(run.entities[3].brushCount, 0);
}

TEST(MergeBrushesIntoWorld, WorldMergedIntoItselfStaysAsItWas) {
    CheckerRun run;
    AddEntityWithBrushes(run, 3);
    MergeBrushesIntoWorld(run, 0);
    EXPECT_EQ(run.entities[0].brushCount, 3);
    EXPECT_EQ(BrushNames(run), (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 2}}));
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

}  // namespace
}  // namespace quillon
