#include <gtest/gtest.h>

#include <string>

#include "MapCheckFixture.h"
#include "checker/checks/MapChecks.h"

namespace quillon::test {
namespace {

// A 64-unit block whose top is cut away by the plane x + z = 64.
const char* const WEDGE =
    "{\n"
    "( 0 0 1 ) ( 0 0 0 ) ( 0 1 0 ) e1u1/wall 0 0 0 1 1\n"
    "( 1 0 0 ) ( 0 0 0 ) ( 0 0 1 ) e1u1/wall 0 0 0 1 1\n"
    "( 0 64 1 ) ( 0 64 0 ) ( 1 64 0 ) e1u1/wall 0 0 0 1 1\n"
    "( 0 1 0 ) ( 0 0 0 ) ( 1 0 0 ) e1u1/wall 0 0 0 1 1\n"
    "( 64 0 0 ) ( 0 0 64 ) ( 0 64 64 ) e1u1/wall 0 0 0 1 1\n"
    "}\n";

const char* const DATABASE =
    "CLASSNAME worldspawn\n]\n"
    "CLASSNAME ammo_shells -8 -8 -8 8 8 8\nIS_PICKUP 1\n]\n"
    "CLASSNAME misc_banner -8 -8 -8 8 8 8\n]\n";

class InsideSolidTest : public MapCheckTest {
protected:
    std::string CheckBothPasses(const std::string& origin, const char* className = "ammo_shells") {
        LoadDatabase(DATABASE);
        ReadMap(std::string("{\n\"classname\" \"worldspawn\"\n") + WEDGE + "}\n{\n\"classname\" \"" + className +
                "\"\n\"origin\" \"" + origin + "\"\n}\n");
        CheckPickupInsideSolid(run, SummarizeEntity(run, 1, SummaryPass::MainPass));
        CheckOtherInsideSolid(run, SummarizeEntity(run, 1, SummaryPass::ThirdPass));
        return Report();
    }
};

TEST_F(InsideSolidTest, IgnoresABoxThatOnlyOverlapsTheBrushesBox) {
    EXPECT_EQ(CheckBothPasses("50 32 50"), "");
}

TEST_F(InsideSolidTest, ReportsABoxThatReachesUnderTheSlope) {
    EXPECT_EQ(CheckBothPasses("30 32 30"),
              std::string(RUNTIME_BANNER) +
                  "\nentity 1: ammo_shells intersects solid brush #0\nammo_shells origin:( 30 32 30 )\n"
                  "Bounding box for ammo_shells: ( 22 24 22 ) to ( 38 40 38 )\n"
                  "Bounding box for this brush: ( 0 0 0 ) to ( 64 64 64 )\n");
}

TEST_F(InsideSolidTest, ReportsOtherBoundedClassesAsNonStandardNotes) {
    EXPECT_EQ(CheckBothPasses("30 32 30", "misc_banner"),
              std::string(NON_STANDARD_BANNER) +
                  "\nentity 1: misc_banner intersects solid brush #0\nmisc_banner origin:( 30 32 30 )\n"
                  "Bounding box for misc_banner: ( 22 24 22 ) to ( 38 40 38 )\n"
                  "Bounding box for this brush: ( 0 0 0 ) to ( 64 64 64 )\n");
}

TEST_F(InsideSolidTest, IgnoresAClassWithoutABox) {
    EXPECT_EQ(CheckBothPasses("30 32 30", "misc_unknown"), "");
}

}  // namespace
}  // namespace quillon::test
