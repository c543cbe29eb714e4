// The map reader's tables at their limits: 8192 brushes, 65536 brush sides (face lines and bevels)
// and 1024 textures. Each limit is filled exactly, then passed by one.

#include <gtest/gtest.h>

#include <string>

#include "checker/driver/CheckerRun.h"
#include "checker/driver/FatalError.h"
#include "checker/map/MapEntities.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

const char* const BRUSH_LIMIT_MESSAGE =
    "MAX_MAP_BRUSHES (8192) - The map has too many brushes.\nCorrective action: Simplify, make it smaller, or split it up.";
const char* const SIDE_LIMIT_WHILE_READING =
    "MAX_MAP_BRUSHSIDES (65536) - Your map is too complex.\nCorrective action: Simplify, make it smaller, or split it up.";
const char* const SIDE_LIMIT_WHILE_BEVELLING =
    "MAX_MAP_BRUSHSIDES (65536) - The map is too complex.\nCorrective action: Simplify, make it smaller, or split it up.";
const char* const TEXTURE_LIMIT_MESSAGE = "MAX_MAP_TEXTURES (1024) - Your map contains too many unique textures.\n";

// The faces of a 32-unit cube around the origin, each plane given by three points.
const char* const MINUS_X = "( -16 -16 -16 ) ( -16 -15 -16 ) ( -16 -16 -15 )";
const char* const MINUS_Y = "( -16 -16 -16 ) ( -16 -16 -15 ) ( -15 -16 -16 )";
const char* const MINUS_Z = "( -16 -16 -16 ) ( -15 -16 -16 ) ( -16 -15 -16 )";
const char* const PLUS_X = "( 16 16 16 ) ( 16 16 17 ) ( 16 17 16 )";
const char* const PLUS_Y = "( 16 16 16 ) ( 17 16 16 ) ( 16 16 17 )";
const char* const PLUS_Z = "( 16 16 16 ) ( 16 17 16 ) ( 17 16 16 )";
// Vertical planes that cut the cube's upright edges: x + y = 24, -x - y = 24, x + y = 16, x - y = 16.
const char* const CUT_PLUS_XY = "( 16 8 -1 ) ( 16 8 0 ) ( 15 9 0 )";
const char* const CUT_MINUS_XY = "( -16 -8 -1 ) ( -16 -8 0 ) ( -15 -9 0 )";
const char* const WEDGE_PLUS_XY = "( 16 0 -1 ) ( 16 0 0 ) ( 15 1 0 )";
const char* const WEDGE_PLUS_X_MINUS_Y = "( 16 0 -1 ) ( 16 0 0 ) ( 17 1 0 )";

std::string Brush(std::initializer_list<const char*> planes, const std::string& texture = "base/floor") {
    std::string text = "{\n";
    for (const char* plane : planes) {
        text += std::string(plane) + " " + texture + " 0 0 0 1 1\n";
    }
    return text + "}\n";
}

/// The cube: six axial sides, no bevels.
std::string Cube(const std::string& texture = "base/floor") {
    return Brush({MINUS_X, MINUS_Y, MINUS_Z, PLUS_X, PLUS_Y, PLUS_Z}, texture);
}

/// The cube with two upright edges cut off: eight sides, none of them a bevel.
std::string EightSided() {
    return Brush({MINUS_X, MINUS_Y, MINUS_Z, PLUS_X, PLUS_Y, PLUS_Z, CUT_PLUS_XY, CUT_MINUS_XY});
}

/// The eight-sided brush with one more cut: nine face lines.
std::string NineSided() {
    return Brush({MINUS_X, MINUS_Y, MINUS_Z, PLUS_X, PLUS_Y, PLUS_Z, CUT_PLUS_XY, CUT_MINUS_XY,
                  "( -16 8 -1 ) ( -16 8 0 ) ( -17 7 0 )"});
}

/// Eight face lines without a +x face: two cuts meet in an upright edge, so reading adds a +x bevel.
std::string EightLinesNeedingABevel() {
    return Brush({MINUS_X, MINUS_Y, MINUS_Z, PLUS_Y, PLUS_Z, WEDGE_PLUS_XY, WEDGE_PLUS_X_MINUS_Y, CUT_MINUS_XY});
}

std::string World(const std::string& brushes) {
    return "{\n\"classname\" \"worldspawn\"\n" + brushes + "}\n";
}

std::string Repeated(const std::string& text, int count) {
    std::string all;
    all.reserve(text.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        all += text;
    }
    return all;
}

class MapLimitsTest : public ::testing::Test {
protected:
    /// Reads the map text; the message of the fatal error that stopped it, or "".
    std::string Read(const std::string& text) {
        run = CheckerRun();
        run.report = std::fopen("/dev/null", "w");
        run.settings.lastMapFile = scratch.Write("test.map", text);
        std::string message;
        try {
            ReadMapFile(run, run.settings.lastMapFile);
        } catch (const FatalRunError& error) {
            message = error.what();
        }
        std::fclose(run.report);
        run.report = nullptr;
        return message;
    }

    /// The sides one brush takes once read, bevels included.
    std::size_t SidesOf(const std::string& brush) {
        EXPECT_EQ(Read(World(brush)), "");
        return run.sides.size();
    }

    test::ScratchDir scratch;
    CheckerRun run;
};

TEST_F(MapLimitsTest, TheBrushesOfTheseTestsTakeTheSidesTheirShapesNeed) {
    EXPECT_EQ(SidesOf(Cube()), 6u);
    EXPECT_EQ(SidesOf(EightSided()), 8u);
    EXPECT_EQ(SidesOf(NineSided()), 9u);
    EXPECT_GT(SidesOf(EightLinesNeedingABevel()), 8u);
}

TEST_F(MapLimitsTest, The8192ndBrushAndThe65536thSideAreAccepted) {
    ASSERT_EQ(Read(World(Repeated(EightSided(), MAX_MAP_BRUSHES))), "");
    EXPECT_EQ(run.brushes.size(), 8192u);
    EXPECT_EQ(run.sides.size(), 65536u);
}

TEST_F(MapLimitsTest, The8193rdBrushIsFatal) {
    EXPECT_EQ(Read(World(Repeated(Cube(), MAX_MAP_BRUSHES + 1))), BRUSH_LIMIT_MESSAGE);
    EXPECT_EQ(run.brushes.size(), 8192u);
}

TEST_F(MapLimitsTest, BrushesOfLaterEntitiesCountTowardsTheSameLimit) {
    const std::string text = World(Repeated(Cube(), MAX_MAP_BRUSHES - 1)) +
                             "{\n\"classname\" \"func_wall\"\n" + Cube() + Cube() + "}\n";
    EXPECT_EQ(Read(text), BRUSH_LIMIT_MESSAGE);
}

TEST_F(MapLimitsTest, The65537thFaceLineIsFatal) {
    // 8191 brushes of 8 sides, then one of 9 face lines: the ninth would be side 65537.
    EXPECT_EQ(Read(World(Repeated(EightSided(), MAX_MAP_BRUSHES - 1) + NineSided())), SIDE_LIMIT_WHILE_READING);
    EXPECT_EQ(run.sides.size(), 65536u);
}

TEST_F(MapLimitsTest, ABevelBeyondThe65536thSideIsFatal) {
    // The last brush's eight face lines fill the table; its +x bevel has no room.
    EXPECT_EQ(Read(World(Repeated(EightSided(), MAX_MAP_BRUSHES - 1) + EightLinesNeedingABevel())),
              SIDE_LIMIT_WHILE_BEVELLING);
    EXPECT_EQ(run.sides.size(), 65536u);
}

/// Cubes whose faces carry the names t0, t1, ... t(count - 1), the last cube padded with t0.
std::string CubesWithTextures(int count) {
    std::string brushes;
    for (int first = 0; first < count; first += 6) {
        std::string faces[6];
        for (int f = 0; f < 6; ++f) {
            faces[f] = "t" + std::to_string(first + f < count ? first + f : 0);
        }
        brushes += "{\n" + std::string(MINUS_X) + " " + faces[0] + " 0 0 0 1 1\n" + MINUS_Y + " " + faces[1] +
                   " 0 0 0 1 1\n" + MINUS_Z + " " + faces[2] + " 0 0 0 1 1\n" + PLUS_X + " " + faces[3] +
                   " 0 0 0 1 1\n" + PLUS_Y + " " + faces[4] + " 0 0 0 1 1\n" + PLUS_Z + " " + faces[5] +
                   " 0 0 0 1 1\n}\n";
    }
    return World(brushes);
}

TEST_F(MapLimitsTest, The1024thTextureIsAcceptedAndThe1025thIsFatal) {
    ASSERT_EQ(Read(CubesWithTextures(MAX_MAP_TEXTURES)), "");
    EXPECT_EQ(run.textures.size(), 1024u);
    EXPECT_EQ(Read(CubesWithTextures(MAX_MAP_TEXTURES + 1)), TEXTURE_LIMIT_MESSAGE);
    EXPECT_EQ(run.textures.size(), 1024u);
}

}  // namespace
}  // namespace quillon
