#include <gtest/gtest.h>

#include <string>

#include "MapCheckFixture.h"
#include "checker/checks/MapChecks.h"

namespace quillon::test {
namespace {

const std::string UPPERCASE_HEADING =
    "\nFound uppercase animated texture name(s).\nThis will cause a crash without warning in Quake2,\nunless you use "
    "a compiler that translates the texture\nname to lowercase or some other method of converting\nthe name. You "
    "can also allow Quillon to convert texture\nnames to lowercase with the \"Make textures lowercase\"\noption in "
    "Preferences.\n";

std::string BackslashMessage(const std::string& name, const std::string& next) {
    return "\nA \"next animation frame\" for a texture contains\na backslash rather than a forward slash. This "
           "will\ncause Quake2 to hang. Edit the texture with Wally or\nother texture editor and replace the "
           "backslash with\na forward slash.\n  texture name:" +
           name + "\nnext animation:" + next + "\n";
}

class AnimatedTexturesTest : public MapCheckTest {
protected:
    void AddTexture(const char* name, const char* nextFrame) {
        TextureRecord texture;
        texture.name = name;
        texture.nextFrame = nextFrame;
        run.textures.push_back(texture);
    }
};

TEST_F(AnimatedTexturesTest, IgnoresTexturesWithoutANextFrame) {
    AddTexture("E1U1/FLAT1", "");
    AddTexture("e1u1/water\\1", "");
    CheckAnimatedTextures(run);
    EXPECT_EQ(Report(), "");
    EXPECT_EQ(run.counters.uppercaseAnimatedCount, 0);
}

TEST_F(AnimatedTexturesTest, ListsUppercaseNamesUnderOneHeadingWithBackslashMessagesBetween) {
    AddTexture("e1u1/Comp1_1", "e1u1/comp1_2");
    AddTexture("e1u1/comp2_1", "e1u1/comp2_2");
    AddTexture("E1U1/SLIME1", "e1u1\\slime2");
    AddTexture("e1u1/Fan1", "e1u1/fan2");
    CheckAnimatedTextures(run);
    EXPECT_EQ(Report(), std::string(RUNTIME_BANNER) + UPPERCASE_HEADING + "\te1u1/Comp1_1\n" + "\tE1U1/SLIME1\n" +
                            BackslashMessage("E1U1/SLIME1", "e1u1\\slime2") + "\te1u1/Fan1\n");
    EXPECT_EQ(run.counters.uppercaseAnimatedCount, 3);
}

TEST_F(AnimatedTexturesTest, GivesALowerCaseTextureOnlyTheBackslashMessage) {
    AddTexture("e2u3/lava1", "e2u3\\lava2");
    CheckAnimatedTextures(run);
    EXPECT_EQ(Report(), std::string(RUNTIME_BANNER) + BackslashMessage("e2u3/lava1", "e2u3\\lava2"));
    EXPECT_EQ(run.counters.uppercaseAnimatedCount, 0);
}

}  // namespace
}  // namespace quillon::test
