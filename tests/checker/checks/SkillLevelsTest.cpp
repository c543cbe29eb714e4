#include "checker/checks/SkillLevels.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "checker/checks/EntitySummary.h"
#include "checker/checks/LinkIndex.h"
#include "checker/run/CheckerRun.h"
#include "entitydb/EntityDatabase.h"

namespace quillon {
namespace {

constexpr SkillMask EASY = SKILL_EASY;
constexpr SkillMask NORMAL = SKILL_NORMAL;
constexpr SkillMask HARD = SKILL_HARD;
constexpr SkillMask DEATHMATCH = SKILL_DEATHMATCH;
constexpr SkillMask ALL = SKILL_ALL;

class SkillLevelsTest : public ::testing::Test {
protected:
    SkillLevelsTest() {
        run.derived.showMask = SKILL_ALL;
        run.classes.baseText = "quillon\r\nTest classes\r\nwritten for the tests\r\n__START__\r\n";
        for (const char* block : {"worldspawn\r\nIS_SOLID 1", "trigger_once", "func_door\r\nIS_SOLID 1",
                                  "monster_soldier\r\nDM_INHIBIT 1", "func_door_secret\r\nIS_SOLID 1\r\nDM_INHIBIT_NAMED 1",
                                  "path_corner", "point_combat"}) {
            run.classes.baseText += std::string("CLASSNAME ") + block + "\r\n]\r\n";
        }
        LoadEntityClasses(run.classes, run.classes.baseText, true, DatabaseReader::Checker);
        Add({{"classname", "worldspawn"}});
    }

    int Add(std::initializer_list<std::pair<const char*, const char*>> pairs) {
        MapEntity entity;
        entity.listIndex = static_cast<int>(run.entities.size());
        for (const auto& [key, value] : pairs) {
            entity.pairs.push_back({key, value});
        }
        run.entities.push_back(entity);
        return entity.listIndex;
    }

    /// A door named `name` with these spawnflags.
    int Door(const char* name, const char* spawnflags = "0") {
        return Add({{"classname", "func_door"}, {"targetname", name}, {"spawnflags", spawnflags}});
    }

    SkillMask Present(int entity, DeathmatchRule rule) {
        BuildLinkIndex(run);
        return PresentLevels(run, SummarizeEntity(run, entity, SummaryPass::MainPass), rule);
    }

    SkillMask Missing(int source, const TargetSearch& search, std::vector<int>* reached = nullptr) {
        BuildLinkIndex(run);
        CandidateVisitor visit;
        if (reached != nullptr) {
            visit = [reached](int candidate) { reached->push_back(candidate); };
        }
        return MissingLevels(run, source, search, visit);
    }

    /// A trigger that targets "door" and exists in every level.
    int Trigger() { return Add({{"classname", "trigger_once"}, {"target", "door"}}); }

    CheckerRun run;
};

TEST_F(SkillLevelsTest, PresentLevelsDropExcludedAndUnshownLevelsAndDeathmatchWhereTheGameRemovesTheClass) {
    const int monster = Add({{"classname", "Monster_Soldier"}});
    const int unnamed = Add({{"classname", "func_door_secret"}});
    const int named = Add({{"classname", "func_door_secret"}, {"targetname", "s"}});
    const int unknown = Add({{"classname", "monster_unheard_of"}});
    EXPECT_EQ(Present(monster, DeathmatchRule::Off), ALL);
    EXPECT_EQ(Present(monster, DeathmatchRule::On), EASY | NORMAL | HARD);
    EXPECT_EQ(Present(unnamed, DeathmatchRule::On), ALL);
    EXPECT_EQ(Present(named, DeathmatchRule::On), EASY | NORMAL | HARD);
    EXPECT_EQ(Present(unknown, DeathmatchRule::On), ALL);
    EXPECT_EQ(Present(Door("", "257"), DeathmatchRule::Off), NORMAL | HARD | DEATHMATCH);
    run.derived.showMask = EASY | NORMAL | HARD;
    const int door = Door("", "512");
    EXPECT_EQ(Present(door, DeathmatchRule::Off), EASY | HARD);
    run.derived.showMask = 0;
    EXPECT_EQ(Present(door, DeathmatchRule::Off), 0u);
}

TEST_F(SkillLevelsTest, MissingLevelsAreTheSourceLevelsNoCandidateCovers) {
    const int trigger = Trigger();
    Door("other");
    EXPECT_EQ(Missing(trigger, SearchFor("door", EASY | HARD)), EASY | HARD);
    Door("door", "2560");  // easy, hard only
    EXPECT_EQ(Missing(trigger, SearchFor("door", ALL)), NORMAL | DEATHMATCH);
    Door("DoOr", "1280");  // normal, deathmatch only; names compare without case
    EXPECT_EQ(Missing(trigger, SearchFor("dOoR", ALL)), 0u);
    const int self = Add({{"classname", "trigger_once"}, {"target", "me"}, {"targetname", "me"}});
    EXPECT_EQ(Missing(self, SearchFor("me", ALL)), ALL);
}

TEST_F(SkillLevelsTest, MissingLevelsOnlyCountTheWantedClassAndFollowTheDeathmatchRule) {
    const int point = Add({{"classname", "point_combat"}, {"target", "next"}});
    Add({{"classname", "path_corner"}, {"targetname", "next"}});
    TargetSearch search = SearchFor("next", ALL);
    search.onlyClass = "point_combat";
    EXPECT_EQ(Missing(point, search), ALL);
    Add({{"classname", "POINT_COMBAT"}, {"targetname", "next"}, {"spawnflags", "1024"}});
    EXPECT_EQ(Missing(point, search), HARD);
    // The deathmatch rule lets a candidate the game removes there answer for deathmatch.
    const int trigger = Add({{"classname", "trigger_once"}, {"target", "grunt"}});
    Add({{"classname", "monster_soldier"}, {"targetname", "grunt"}, {"spawnflags", "2048"}});
    TargetSearch grunt = SearchFor("grunt", ALL);
    EXPECT_EQ(Missing(trigger, grunt), DEATHMATCH);
    grunt.candidates = DeathmatchRule::On;
    EXPECT_EQ(Missing(trigger, grunt), 0u);
}

TEST_F(SkillLevelsTest, MissingLevelsStopAtTheCandidateThatCoversEveryLevel) {
    const int trigger = Trigger();
    const int partial = Door("door", "256");
    EXPECT_EQ(Missing(trigger, SearchFor("door", ALL)), EASY);
    const int covering = Door("door");
    Door("door");
    std::vector<int> reached;
    EXPECT_EQ(Missing(trigger, SearchFor("door", ALL), &reached), 0u);
    EXPECT_EQ(reached, (std::vector<int>{partial, covering}));
}

TEST_F(SkillLevelsTest, MissingLevelsOfAnEmptyMaskStopAtTheFirstCandidate) {
    run.derived.showMask = 0;
    const int trigger = Trigger();
    const int first = Door("door", "256");
    Door("door");
    std::vector<int> reached;
    EXPECT_EQ(Missing(trigger, SearchFor("door", Present(trigger, DeathmatchRule::Off)), &reached), 0u);
    EXPECT_EQ(reached, std::vector<int>{first});
}

TEST_F(SkillLevelsTest, MissingLevelsIgnoreLevelsThatAreNotShown) {
    run.derived.showMask = EASY | NORMAL | HARD;
    const int trigger = Trigger();
    Door("door", "2048");
    EXPECT_EQ(Missing(trigger, SearchFor("door", Present(trigger, DeathmatchRule::Off))), 0u);
}

}  // namespace
}  // namespace quillon
