#include <gtest/gtest.h>

#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"

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

TEST(FindClass, FirstMatchWinsWithoutRegardToCaseAndRemovedClassesMatchNothing) {
    CheckerRun run;
    run.classes.classes = {MakeClass("worldspawn"), MakeClass("Light"), MakeClass("light")};
    EXPECT_EQ(FindClass(run, "LIGHT"), 1);
    EXPECT_EQ(FindClass(run, "worldspawn"), 0);
    EXPECT_EQ(FindClass(run, "lights"), -1);
    // A removed class keeps an empty name and matches nothing.
    run.classes.classes[1].className = "";
    EXPECT_EQ(FindClass(run, ""), -1);
    EXPECT_FALSE(ClassExists(run, ""));
    EXPECT_EQ(FindClass(run, "light"), 2);
}

TEST(ClassQueries, UnknownClassGivesTheDefaults) {
    CheckerRun run;
    const MapEntity entity = MakeEntity({{"classname", "nothing"}, {"targetname", "t"}});
    EXPECT_FALSE(ClassExists(run, "nothing"));
    EXPECT_FALSE(IsPickup(run, "nothing"));
    EXPECT_FALSE(NeedsBrush(run, entity));
    EXPECT_FALSE(RemovedInDeathmatch(run, entity));
    EXPECT_EQ(ValidSpawnflags(run, entity), 3840u);
    Vec3 mins{}, maxs{};
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

}  // namespace
}  // namespace quillon
