#include "checker/checks/ClassRules.h"

#include <gtest/gtest.h>

#include <string>

#include "MapCheckFixture.h"
#include "checker/checks/EntitySummary.h"
#include "checker/checks/LinkIndex.h"

namespace quillon::test {
namespace {

class ClassRulesTest : public MapCheckTest {
protected:
    ClassRulesTest() {
        LoadDatabase(
            "CLASSNAME worldspawn\n]\n"
            "CLASSNAME target_help\n]\n"
            "CLASSNAME target_lightramp\n]\n"
            "CLASSNAME light\n]\n"
            "CLASSNAME func_wall\nIS_SOLID 1\n]\n"
            "CLASSNAME func_timer\n]\n"
            "CLASSNAME func_killbox\nIS_SOLID 1\n]\n"
            "CLASSNAME trigger_relay\n]\n"
            "CLASSNAME point_combat\n]\n"
            "CLASSNAME monster_soldier\n]\n");
        AddEntity({{"classname", "worldspawn"}});
    }

    /// The report of the class rules for `entity`.
    std::string Rules(int entity) {
        BuildLinkIndex(run);
        CheckClassRules(run, SummarizeEntity(run, entity, SummaryPass::MainPass));
        return Report();
    }
};

struct HelpCase {
    const char* message;
    bool tooManyBreaks;
    bool lineTooLong;
};

void PrintTo(const HelpCase& help, std::ostream* out) {
    *out << '"' << help.message << '"';
}

class HelpMessageTest : public ClassRulesTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpMessageTest, CountsBackslashNBreaksAndMeasuresLinesBeforeABreak) {
    const int help = AddEntity({{"classname", "target_help"}, {"targetname", "h"}, {"message", GetParam().message}});
    const std::string report = Rules(help);
    EXPECT_EQ(report.find("too many\nline feeds") != std::string::npos, GetParam().tooManyBreaks) << report;
    EXPECT_EQ(report.find("more than 28 characters") != std::string::npos, GetParam().lineTooLong) << report;
}

INSTANTIATE_TEST_SUITE_P(
    TargetHelp, HelpMessageTest,
    ::testing::Values(HelpCase{R"(one\ntwo\nthree\nfour)", false, false},
                      HelpCase{R"(one\ntwo\nthree\nfour\nfive)", true, false},
                      HelpCase{R"(twenty-eight characters long\nok)", false, false},
                      HelpCase{R"(twenty-nine characters long!!\nok)", false, true},
                      HelpCase{"a single line of forty characters, or so", false, false},
                      HelpCase{R"(ok\na last line that is much longer than the screen)", false, false},
                      HelpCase{R"(line with a lone \ backslash and no break at all)", false, false}));

TEST_F(ClassRulesTest, HelpWithoutMessageGetsOnlyTheNoMessageNote) {
    const int help = AddEntity({{"classname", "target_help"}, {"origin", "1 2 3"}});
    EXPECT_EQ(Rules(help), std::string(RUNTIME_BANNER) + "\nentity 1: target_help with no message at ( 1 2 3 )\n");
}

class LightrampTest : public ClassRulesTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LightrampTest, ReportsARampThatIsNotTwoLowercaseLetters) {
    const std::string ramp = GetParam();
    const int entity = AddEntity({{"classname", "target_lightramp"}, {"message", GetParam()}});
    const bool good = ramp == "az" || ramp == "mm";
    EXPECT_EQ(Rules(entity).find("has bad ramp (" + ramp + ")") != std::string::npos, !good);
}

INSTANTIATE_TEST_SUITE_P(TargetLightramp, LightrampTest, ::testing::Values("az", "mm", "aZ", "a", "abc", "", "a1"));

struct WallCase {
    const char* spawnflags;
    bool reported;
};

class WallTest : public ClassRulesTest, public ::testing::WithParamInterface<WallCase> {};

TEST_P(WallTest, ReportsStartOnWithoutToggle) {
    const int wall = AddEntity({{"classname", "func_wall"}, {"model", "*1"}, {"spawnflags", GetParam().spawnflags}});
    EXPECT_EQ(Rules(wall).find("START_ON without TOGGLE") != std::string::npos, GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(FuncWall, WallTest,
                         ::testing::Values(WallCase{"6", false}, WallCase{"4", true}, WallCase{"12", true},
                                           WallCase{"2", false}, WallCase{"0", false}));

struct TimerCase {
    const char* wait;
    const char* random;
    bool reported;
};

class TimerTest : public ClassRulesTest, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(TimerTest, ReportsAPositiveRandomNotBelowWait) {
    const int timer = AddEntity({{"classname", "func_timer"}, {"wait", GetParam().wait}, {"random", GetParam().random}});
    EXPECT_EQ(Rules(timer).find("has random >= wait") != std::string::npos, GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(FuncTimer, TimerTest,
                         ::testing::Values(TimerCase{"1", "1", true}, TimerCase{"1", "0", false},
                                           TimerCase{"5", "0", false}, TimerCase{"2", "1.5", false},
                                           TimerCase{"1.5", "2", true}, TimerCase{"", "0.5", true}));

TEST_F(ClassRulesTest, LightrampReportsEveryOtherNamedEntityThatIsNotALight) {
    const int ramp = AddEntity({{"classname", "target_lightramp"}, {"message", "az"}, {"target", "lamp"}});
    AddEntity({{"classname", "light"}, {"targetname", "lamp"}});
    AddEntity({{"classname", "func_timer"}, {"targetname", "LAMP"}, {"origin", "1 0 0"}});
    AddEntity({{"classname", "target_help"}, {"targetname", "lamp"}, {"origin", "2 0 0"}});
    const std::string report = Rules(ramp);
    EXPECT_NE(report.find("(func_timer at ( 1 0 0 )) is not a light."), std::string::npos) << report;
    EXPECT_NE(report.find("(target_help at ( 2 0 0 )) is not a light."), std::string::npos) << report;
    EXPECT_EQ(report.find("(light at"), std::string::npos) << report;
}

struct KillboxCase {
    const char* target;
    const char* pathtarget;
    bool reported;
};

void PrintTo(const KillboxCase& trigger, std::ostream* out) {
    *out << "target \"" << trigger.target << "\" pathtarget \"" << trigger.pathtarget << '"';
}

class KillboxTest : public ClassRulesTest, public ::testing::WithParamInterface<KillboxCase> {};

TEST_P(KillboxTest, ReportsATriggerThatNamesItByOnlyOneOfTargetAndPathtarget) {
    const int killbox = AddEntity({{"classname", "func_killbox"}, {"targetname", "kb"}});
    AddEntity({{"classname", "trigger_relay"},
               {"targetname", "t"},
               {"target", GetParam().target},
               {"pathtarget", GetParam().pathtarget}});
    const std::string report = Rules(killbox);
    EXPECT_EQ(report.find("must be targeted by both") != std::string::npos, GetParam().reported) << report;
}

INSTANTIATE_TEST_SUITE_P(FuncKillbox, KillboxTest,
                         ::testing::Values(KillboxCase{"kb", "", true}, KillboxCase{"", "KB", true},
                                           KillboxCase{"kb", "Kb", false}, KillboxCase{"other", "other", false}));

TEST_F(ClassRulesTest, PointCombatCountsAnEntityNamingItByTargetAndCombattargetOnce) {
    const int point = AddEntity({{"classname", "point_combat"}, {"targetname", "pc"}});
    AddEntity({{"classname", "monster_soldier"}, {"target", "pc"}, {"combattarget", "PC"}});
    EXPECT_EQ(Rules(point).find("can only be used one time"), std::string::npos);
    AddEntity({{"classname", "monster_soldier"}, {"combattarget", "pc"}, {"spawnflags", "256"}});
    const std::string report = Rules(point);
    EXPECT_NE(report.find("is targeted 1 times in Easy\n            2 times in Normal\n            2 times in Hard\n"),
              std::string::npos)
        << report;
}

}  // namespace
}  // namespace quillon::test
