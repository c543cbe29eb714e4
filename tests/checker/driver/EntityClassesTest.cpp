#include <gtest/gtest.h>

#include "checker/driver/CheckerRun.h"
#include "checker/driver/EntityClasses.h"

namespace quillon {
namespace {

EntityClassDef MakeClass(const std::string& name) {
    EntityClassDef definition;
    definition.className = name;
    definition.validSpawnflags = SKILL_ALL;
    return definition;
}

MapEntity MakeEntity(std::initializer_list<EntityPair> pairs) {
    MapEntity entity;
    entity.pairs = pairs;
    return entity;
}

TEST(FindClass, FirstMatchWinsWithoutRegardToCase) {
    CheckerRun run;
    run.classes.classes = {MakeClass("worldspawn"), MakeClass("Light"), MakeClass("light")};
    EXPECT_EQ(FindClass(run, "LIGHT"), 1);
    EXPECT_EQ(FindClass(run, "worldspawn"), 0);
    EXPECT_EQ(FindClass(run, "lights"), -1);
}

TEST(FindClass, RemovedClassesMatchNothing) {
    CheckerRun run;
    run.classes.classes = {MakeClass("worldspawn"), MakeClass(""), MakeClass("info_null")};
    EXPECT_EQ(FindClass(run, ""), -1);
    EXPECT_EQ(FindClass(run, "info_null"), 2);
    EXPECT_FALSE(ClassExists(run, ""));
}

TEST(ClassQueries, UnknownClassGivesTheDefaults) {
    CheckerRun run;
    const MapEntity entity = MakeEntity({{"classname", "nothing"}, {"targetname", "t"}});
    EXPECT_FALSE(ClassExists(run, "nothing"));
    EXPECT_FALSE(IsPickup(run, "nothing"));
    EXPECT_FALSE(NeedsBrush(run, entity));
    EXPECT_FALSE(RemovedInDeathmatch(run, entity));
    EXPECT_EQ(ValidSpawnflags(run, entity), 3840u);
    Vec3 mins{};
    Vec3 maxs{};
    EXPECT_FALSE(AbsoluteBounds(run, entity, mins, maxs));
}

TEST(RemovedInDeathmatch, NamedEntityOfNamedInhibitClassIsRemoved) {
    CheckerRun run;
    EntityClassDef named = MakeClass("item_key");
    named.dmInhibitIfNamed = true;
    EntityClassDef always = MakeClass("monster_x");
    always.dmInhibit = true;
    run.classes.classes = {named, always};
    EXPECT_TRUE(RemovedInDeathmatch(run, MakeEntity({{"classname", "item_key"}, {"targetname", "k"}})));
    EXPECT_FALSE(RemovedInDeathmatch(run, MakeEntity({{"classname", "item_key"}, {"targetname", ""}})));
    EXPECT_FALSE(RemovedInDeathmatch(run, MakeEntity({{"classname", "item_key"}})));
    EXPECT_TRUE(RemovedInDeathmatch(run, MakeEntity({{"classname", "Monster_X"}})));
}

TEST(AbsoluteBounds, AddsTheClassBoxToTheOrigin) {
    CheckerRun run;
    EntityClassDef boxed = MakeClass("item_health");
    boxed.hasBounds = true;
    boxed.mins = {-16, -16, -16};
    boxed.maxs = {16, 16, 24};
    run.classes.classes = {MakeClass("worldspawn"), boxed};
    MapEntity entity = MakeEntity({{"classname", "item_health"}});
    entity.origin = {100, 0, -8};
    Vec3 mins{};
    Vec3 maxs{};
    ASSERT_TRUE(AbsoluteBounds(run, entity, mins, maxs));
    EXPECT_EQ(mins, (Vec3{84, -16, -24}));
    EXPECT_EQ(maxs, (Vec3{116, 16, 16}));
    EXPECT_FALSE(AbsoluteBounds(run, MakeEntity({{"classname", "worldspawn"}}), mins, maxs));
}

TEST(EntityLocation, AreaPortalUsesItsFirstBrush) {
    CheckerRun run;
    run.entities.push_back(MakeEntity({{"classname", "func_areaportal"}, {"origin", "9 9 9"}}));
    run.entities[0].brushCount = 2;
    MapBrush first;
    first.mins = {0, 0, 0};
    first.maxs = {8, 16, 32};
    MapBrush second;
    second.mins = {100, 100, 100};
    second.maxs = {200, 200, 200};
    run.brushes = {first, second};
    EXPECT_EQ(EntityLocation(run, 0), (Vec3{4, 8, 16}));
}

TEST(EntityLocation, AreaPortalMergedIntoTheWorldUsesItsOwnBrush) {
    CheckerRun run;
    run.entities.push_back(MakeEntity({{"classname", "worldspawn"}}));
    run.entities.push_back(MakeEntity({{"classname", "func_areaportal"}}));
    run.entities[0].brushCount = 2;
    run.entities[1].firstBrush = 2;
    MapBrush wall;
    wall.mins = {-64, -64, -64};
    wall.maxs = {64, 64, 0};
    MapBrush portal;
    portal.entityNumber = 1;
    portal.mins = {100, 100, 100};
    portal.maxs = {116, 116, 116};
    run.brushes = {wall, portal};
    EXPECT_EQ(EntityLocation(run, 1), (Vec3{108, 108, 108}));
}

TEST(EntityLocation, PointEntityUsesItsOriginValue) {
    CheckerRun run;
    run.entities.push_back(MakeEntity({{"classname", "light"}, {"origin", "1 2.5 -3"}}));
    EXPECT_EQ(EntityLocation(run, 0), (Vec3{1, 2.5f, -3}));
}

}  // namespace
}  // namespace quillon
