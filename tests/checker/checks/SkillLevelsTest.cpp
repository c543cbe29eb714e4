#include "checker/checks/SkillLevels.h"

#include <gtest/gtest.h>

#include <vector>

#include "checker/checks/EntitySummary.h"
#include "checker/checks/LinkIndex.h"
#include "MapCheckFixture.h"

namespace quillon::test {
namespace {

constexpr SkillMask EASY = SKILL_EASY;
constexpr SkillMask NORMAL = SKILL_NORMAL;
constexpr SkillMask HARD = SKILL_HARD;
constexpr SkillMask DEATHMATCH = SKILL_DEATHMATCH;
constexpr SkillMask ALL = SKILL_ALL;

class SkillLevelsTest : public MapCheckTest {
protected:
    SkillLevelsTest() {
        LoadDatabase(
            "CLASSNAME worldspawn\nIS_SOLID 1\n]\n"
            "CLASSNAME trigger_once\n]\n"
            "CLASSNAME func_door\nIS_SOLID 1\n]\n"
            "CLASSNAME monster_soldier\nDM_INHIBIT 1\n]\n"
            "CLASSNAME func_door_secret\nIS_SOLID 1\nDM_INHIBIT_NAMED 1\n]\n"
            "CLASSNAME path_corner\n]\n"
            "CLASSNAME point_combat\n]\n");
        AddEntity({{"classname", "worldspawn"}});
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
    int AddTrigger() { return AddEntity({{"classname", "trigger_once"}, {"target", "door"}}); }
};

TEST_F(SkillLevelsTest, PresentLevelsDropsTheLevelsTheSpawnflagsExclude) {
    const int door = AddEntity({{"classname", "func_door"}, {"spawnflags", "257"}});
    EXPECT_EQ(Present(door, DeathmatchRule::Off), NORMAL | HARD | DEATHMATCH);
}

TEST_F(SkillLevelsTest, PresentLevelsOnlyHoldsShownLevels) {
    run.derived.showMask = EASY | NORMAL | HARD;
    const int door = AddEntity({{"classname", "func_door"}, {"spawnflags", "512"}});
    EXPECT_EQ(Present(door, DeathmatchRule::Off), EASY | HARD);
    run.derived.showMask = 0;
    EXPECT_EQ(Present(door, DeathmatchRule::Off), 0u);
}

TEST_F(SkillLevelsTest, DeathmatchRuleRemovesDeathmatchForAClassTheGameRemovesThere) {
    const int monster = AddEntity({{"classname", "Monster_Soldier"}});
    EXPECT_EQ(Present(monster, DeathmatchRule::Off), ALL);
    EXPECT_EQ(Present(monster, DeathmatchRule::On), EASY | NORMAL | HARD);
}

TEST_F(SkillLevelsTest, DeathmatchRuleForNamedOnlyClassesNeedsATargetname) {
    const int unnamed = AddEntity({{"classname", "func_door_secret"}});
    const int named = AddEntity({{"classname", "func_door_secret"}, {"targetname", "s"}});
    EXPECT_EQ(Present(unnamed, DeathmatchRule::On), ALL);
    EXPECT_EQ(Present(named, DeathmatchRule::On), EASY | NORMAL | HARD);
}

TEST_F(SkillLevelsTest, DeathmatchRuleLeavesAnUnknownClassInDeathmatch) {
    const int unknown = AddEntity({{"classname", "monster_unheard_of"}});
    EXPECT_EQ(Present(unknown, DeathmatchRule::On), ALL);
}

TEST_F(SkillLevelsTest, MissingLevelsWithoutAnyCandidateIsTheSourceMask) {
    const int trigger = AddTrigger();
    AddEntity({{"classname", "func_door"}, {"targetname", "other"}});
    EXPECT_EQ(Missing(trigger, SearchFor("door", EASY | HARD)), EASY | HARD);
}

TEST_F(SkillLevelsTest, MissingLevelsKeepsTheLevelsTheCandidateIsNotIn) {
    const int trigger = AddTrigger();
    AddEntity({{"classname", "func_door"}, {"targetname", "door"}, {"spawnflags", "256"}});
    EXPECT_EQ(Missing(trigger, SearchFor("door", ALL)), EASY);
}

TEST_F(SkillLevelsTest, MissingLevelsCombinesCandidatesOfComplementaryLevels) {
    const int trigger = AddTrigger();
    AddEntity({{"classname", "func_door"}, {"targetname", "door"}, {"spawnflags", "2560"}});  // easy, hard only
    EXPECT_EQ(Missing(trigger, SearchFor("door", ALL)), NORMAL | DEATHMATCH);
    AddEntity({{"classname", "func_door"}, {"targetname", "DOOR"}, {"spawnflags", "1280"}});  // normal, dm only
    EXPECT_EQ(Missing(trigger, SearchFor("door", ALL)), 0u);
}

TEST_F(SkillLevelsTest, MissingLevelsNeverCountsTheSourceItself) {
    const int self = AddEntity({{"classname", "trigger_once"}, {"target", "me"}, {"targetname", "me"}});
    EXPECT_EQ(Missing(self, SearchFor("me", ALL)), ALL);
}

TEST_F(SkillLevelsTest, MissingLevelsCompareNamesWithoutRegardToCase) {
    const int trigger = AddTrigger();
    AddEntity({{"classname", "func_door"}, {"targetname", "DoOr"}});
    EXPECT_EQ(Missing(trigger, SearchFor("dOoR", ALL)), 0u);
}

TEST_F(SkillLevelsTest, MissingLevelsOnlyCountsTheWantedClass) {
    const int point = AddEntity({{"classname", "point_combat"}, {"target", "next"}});
    AddEntity({{"classname", "path_corner"}, {"targetname", "next"}});
    TargetSearch search = SearchFor("next", ALL);
    search.onlyClass = "point_combat";
    EXPECT_EQ(Missing(point, search), ALL);
    AddEntity({{"classname", "POINT_COMBAT"}, {"targetname", "next"}, {"spawnflags", "1024"}});
    EXPECT_EQ(Missing(point, search), HARD);
}

TEST_F(SkillLevelsTest, DeathmatchRuleLetsARemovedCandidateAnswerForDeathmatch) {
    const int trigger = AddEntity({{"classname", "trigger_once"}, {"target", "grunt"}});
    AddEntity({{"classname", "monster_soldier"}, {"targetname", "grunt"}, {"spawnflags", "2048"}});
    TargetSearch search = SearchFor("grunt", ALL);
    EXPECT_EQ(Missing(trigger, search), DEATHMATCH);
    search.candidates = DeathmatchRule::On;
    EXPECT_EQ(Missing(trigger, search), 0u);
}

TEST_F(SkillLevelsTest, DeathmatchRuleOnBothSidesLeavesAMonsterLinkUnreported) {
    // The trigger exists in deathmatch; the monster it names does not, but the game removes monsters
    // there anyway, so the link is whole.
    const int trigger = AddEntity({{"classname", "trigger_once"}, {"target", "grunt"}});
    AddEntity({{"classname", "monster_soldier"}, {"targetname", "grunt"}, {"spawnflags", "2048"}});
    BuildLinkIndex(run);
    TargetSearch search = SearchFor("grunt", Present(trigger, DeathmatchRule::On));
    search.candidates = DeathmatchRule::On;
    EXPECT_EQ(Missing(trigger, search), 0u);
}

TEST_F(SkillLevelsTest, MissingLevelsStopsAtTheCandidateThatCoversEveryLevel) {
    const int trigger = AddTrigger();
    const int partial = AddEntity({{"classname", "func_door"}, {"targetname", "door"}, {"spawnflags", "256"}});
    const int covering = AddEntity({{"classname", "func_door"}, {"targetname", "door"}});
    AddEntity({{"classname", "func_door"}, {"targetname", "door"}});
    std::vector<int> reached;
    EXPECT_EQ(Missing(trigger, SearchFor("door", ALL), &reached), 0u);
    EXPECT_EQ(reached, (std::vector<int>{partial, covering}));
}

TEST_F(SkillLevelsTest, MissingLevelsOfAnEmptyMaskStopsAtTheFirstCandidate) {
    run.derived.showMask = 0;
    const int trigger = AddTrigger();
    const int first = AddEntity({{"classname", "func_door"}, {"targetname", "door"}, {"spawnflags", "256"}});
    AddEntity({{"classname", "func_door"}, {"targetname", "door"}});
    std::vector<int> reached;
    EXPECT_EQ(Missing(trigger, SearchFor("door", Present(trigger, DeathmatchRule::Off)), &reached), 0u);
    EXPECT_EQ(reached, std::vector<int>{first});
}

TEST_F(SkillLevelsTest, MissingLevelsIgnoresLevelsThatAreNotShown) {
    run.derived.showMask = EASY | NORMAL | HARD;
    const int trigger = AddTrigger();
    AddEntity({{"classname", "func_door"}, {"targetname", "door"}, {"spawnflags", "2048"}});
    EXPECT_EQ(Missing(trigger, SearchFor("door", Present(trigger, DeathmatchRule::Off))), 0u);
}

}  // namespace
}  // namespace quillon::test
