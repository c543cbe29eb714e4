#include <gtest/gtest.h>

#include <string>

#include "MapCheckFixture.h"
#include "checker/checks/MapChecks.h"

namespace quillon::test {
namespace {

const std::string KEY_DATABASE =
    "CLASSNAME worldspawn\nIS_SOLID 1\n]\n"
    "CLASSNAME func_door\nIS_SOLID 1\n]\n";

class UnknownKeysTest : public MapCheckTest {
protected:
    UnknownKeysTest() {
        LoadDatabase(KEY_DATABASE);
        run.classes.selectedPath = "bin/quake2/quake2.db";
    }
};

TEST_F(UnknownKeysTest, SkipsToolKeysAndKnownKeysInAnyCase) {
    AddEntity({{"classname", "worldspawn"}, {"_minlight", "20"}, {"ORIGIN", "0 0 0"}, {"Angle", "90"},
               {"MapVersion", "220"}, {"_tb_def", "builtin:Quake2.fgd"}});
    AddEntity({{"classname", "light"}, {"origin", "8 8 8"}, {"_color", "1 0 0"}, {"light", "300"}, {"_tb_group", "3"}});
    CheckUnknownKeys(run);
    EXPECT_EQ(Report(), "");
}

TEST_F(UnknownKeysTest, ReportsEntitiesInMapOrderAndTheirPairsLastReadFirst) {
    AddEntity({{"classname", "Worldspawn"}, {"wf_team", "1"}, {"skyname", "unit1_"}});
    AddEntity({{"classname", "monster_tank"}, {"skin", "1"}, {"origin", "16 -8 24.5"}, {"fov", "90"}});
    AddEntity({{"classname", "func_door"}, {"think", "x"}, {"mapversion", "220"}});
    AddBrush({0, 0, 0}, {64, 32, 128}, 1, {});
    CheckUnknownKeys(run);
    EXPECT_EQ(Report(), std::string(RUNTIME_BANNER) + "\nentity 0: Worldspawn: skyname is not a field\n" +
                            "\nentity 0: Worldspawn: wf_team is not a field\n" +
                            "\nentity 1: monster_tank at ( 16 -8 24.5 ): fov is not a field\n" +
                            "\nentity 1: monster_tank at ( 16 -8 24.5 ): skin is not a field\n" +
                            "\nentity 2: func_door at ( 32 16 64 ): mapversion is not a field\n" +
                            "\nentity 2: func_door at ( 32 16 64 ): think is not a field\n");
}

TEST_F(UnknownKeysTest, KnowsTheKeysOfTheSelectedModification) {
    run.classes.selectedPath = "bin/quake2/wf.db";
    AddEntity({{"classname", "worldspawn"}, {"wf_team", "1"}});
    CheckUnknownKeys(run);
    EXPECT_EQ(Report(), "");
}

}  // namespace
}  // namespace quillon::test
