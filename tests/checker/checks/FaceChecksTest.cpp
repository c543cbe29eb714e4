#include <gtest/gtest.h>

#include <string>

#include "MapCheckFixture.h"
#include "checker/checks/MapChecks.h"

namespace quillon::test {
namespace {

constexpr std::uint32_t SOLID = 1;
constexpr std::uint32_t PLAYERCLIP = 0x10000;
constexpr std::uint32_t MONSTERCLIP = 0x20000;
constexpr std::uint32_t SURF_LIGHT = 1;
constexpr std::uint32_t SURF_SKY = 4;
constexpr std::uint32_t SURF_TRANS33 = 0x10;
constexpr std::uint32_t SURF_TRANS66 = 0x20;

std::string Transparent(int entity, int brush, int face, const std::string& className, const std::string& centre) {
    return "\nentity " + std::to_string(entity) + ", brush " + std::to_string(brush) + ", face " +
           std::to_string(face) + ": Transparent texture used on\na " + className +
           ". This will result in visual errors.\nCenter of this brush: ( " + centre + " )\n";
}

std::string DarkLight(int entity, int brush, int face, const std::string& centre) {
    return "\nentity " + std::to_string(entity) + ", brush " + std::to_string(brush) + ", face " +
           std::to_string(face) +
           ": Surface light has 0 intensity.\nThis face of this brush will not emit light. This condition\nwill "
           "generate a harmless but annoying warning message in some\nrad programs.\nCenter of this brush: ( " +
           centre + " )\n";
}

std::string SkyWithoutFlag(int entity, int brush, int face, const std::string& texture) {
    return "\nentity " + std::to_string(entity) + ", brush " + std::to_string(brush) + ", face " +
           std::to_string(face) + ": Sky texture " + texture +
           " is used on this\nface, but does NOT have the SKY surface property set.\n";
}

class FaceChecksTest : public MapCheckTest {
protected:
    std::string CheckEntity(int entityNumber, const char* lowerClassName) {
        EntitySummary entity;
        entity.entityNumber = entityNumber;
        entity.classname = lowerClassName;
        CheckFaces(run, entity);
        return Report();
    }
};

TEST_F(FaceChecksTest, ReportsEachSeeThroughFaceOfAMovingBrushEntity) {
    AddEntity({{"classname", "worldspawn"}});
    AddEntity({{"classname", "func_door"}});
    AddBrush({0, 0, 0}, {64, 64, 64}, SOLID, {Face(0, 0, 0, "e1u1/door1")});
    AddBrush({0, 0, 0}, {64, 32, 9}, SOLID,
             {Face(0, SURF_TRANS33, 0, "e1u1/glass"), Face(1, 0, 0, "e1u1/door1"),
              Face(4, SURF_TRANS66, 0, "e1u1/glass")});
    EXPECT_EQ(CheckEntity(1, "func_door"), std::string(LOGIC_BANNER) + Transparent(1, 1, 0, "func_door", "32 16 4.5") +
                                               Transparent(1, 1, 4, "func_door", "32 16 4.5"));
}

TEST_F(FaceChecksTest, LeavesSeeThroughFacesOfStillEntitiesAndClipBrushesAlone) {
    AddEntity({{"classname", "worldspawn"}});
    AddEntity({{"classname", "func_wall"}});
    AddBrush({0, 0, 0}, {64, 64, 64}, SOLID, {Face(0, SURF_TRANS33, 0, "e1u1/glass")});
    AddEntity({{"classname", "func_door"}});
    AddBrush({0, 0, 0}, {64, 64, 64}, PLAYERCLIP, {Face(0, SURF_TRANS33, 0, "e1u1/glass")});
    AddBrush({0, 0, 0}, {64, 64, 64}, MONSTERCLIP | SOLID, {Face(0, SURF_TRANS66, 0, "e1u1/glass")});
    EXPECT_EQ(CheckEntity(1, "func_wall"), "");
    EXPECT_EQ(CheckEntity(2, "func_door"), "");
}

TEST_F(FaceChecksTest, ChecksLightFacesOfEveryEntityClipBrushesIncluded) {
    AddEntity({{"classname", "worldspawn"}});
    AddBrush({-8, -8, -8}, {8, 8, 8}, SOLID, {Face(0, SURF_LIGHT, 300, "e1u1/light1"), Face(1, 0, 0, "e1u1/floor")});
    AddBrush({0, 0, 0}, {16, 16, 16}, PLAYERCLIP, {Face(2, SURF_LIGHT, 0, "e1u1/light1")});
    EXPECT_EQ(CheckEntity(0, "worldspawn"), std::string(LOGIC_BANNER) + DarkLight(0, 1, 2, "8 8 8"));
}

TEST_F(FaceChecksTest, ReportsSkyTexturesWithoutTheSkyFlag) {
    AddEntity({{"classname", "worldspawn"}});
    AddBrush({0, 0, 0}, {16, 16, 16}, SOLID,
             {Face(0, SURF_SKY, 0, "e1u1/sky1"), Face(1, 0, 0, "e1u1/sky1"), Face(2, 0, 0, "sky/clouds"),
              Face(3, SURF_LIGHT | SURF_SKY, 0, "e2u2/sky2")});
    EXPECT_EQ(CheckEntity(0, "worldspawn"), std::string(LOGIC_BANNER) + SkyWithoutFlag(0, 0, 1, "e1u1/sky1") +
                                                DarkLight(0, 0, 3, "8 8 8"));
}

TEST_F(FaceChecksTest, SkipsBevelSidesAndPrintsTheFaceNumberKeptFromTheFile) {
    AddEntity({{"classname", "worldspawn"}});
    AddEntity({{"classname", "func_train"}});
    BrushSide bevel = Face(9, SURF_TRANS33 | SURF_LIGHT, 0, "e1u1/sky1");
    bevel.bevel = true;
    AddBrush({0, 0, 0}, {16, 16, 16}, SOLID, {Face(5, SURF_TRANS33, 0, "e1u1/glass"), bevel});
    EXPECT_EQ(CheckEntity(1, "func_train"), std::string(LOGIC_BANNER) + Transparent(1, 0, 5, "func_train", "8 8 8"));
}

TEST_F(FaceChecksTest, GivesSeeThroughMessagesBeforeTheLightAndSkyMessages) {
    AddEntity({{"classname", "worldspawn"}});
    AddEntity({{"classname", "func_plat"}});
    AddBrush({0, 0, 0}, {16, 16, 16}, SOLID, {Face(0, SURF_LIGHT, 0, "e1u1/light1")});
    AddBrush({0, 0, 0}, {32, 32, 32}, SOLID, {Face(0, SURF_TRANS66, 0, "e1u1/glass")});
    EXPECT_EQ(CheckEntity(1, "func_plat"), std::string(LOGIC_BANNER) + Transparent(1, 1, 0, "func_plat", "16 16 16") +
                                               DarkLight(1, 0, 0, "8 8 8"));
}

}  // namespace
}  // namespace quillon::test
