#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <tuple>

#include "checker/map/BrushFixture.h"
#include "checker/map/ContentFlags.h"
#include "checker/map/MapBrushes.h"

namespace quillon {
namespace {

using test::Box;
using test::BoxFaces;
using test::BrushFixture;
using test::World;

/// The lines of the 64-unit box from the origin, one per face (-x, +x, -y, +y, -z, +z).
std::vector<std::string> CubeLines(const std::string& tail = "") {
    const std::string faces = BoxFaces({0, 0, 0}, {64, 64, 64}, "base/wall", tail);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = faces.find('\n'); end != std::string::npos; end = faces.find('\n', start)) {
        lines.push_back(faces.substr(start, end - start + 1));
        start = end + 1;
    }
    return lines;
}

class BrushReadingTest : public BrushFixture, public ::testing::Test {
protected:
    const BrushSide& SideOf(int brush, int s) {
        return run.sides[static_cast<std::size_t>(run.brushes[static_cast<std::size_t>(brush)].firstSide + s)];
    }
};

TEST_F(BrushReadingTest, CubeGivesSixSolidSidesInSlotOrderWithFileFaceNumbers) {
    // Faces written +z, -y, +x, -z, +y, -x.
    const std::vector<std::string> cube = CubeLines();
    ASSERT_EQ(Read(World("{\n" + cube[5] + cube[2] + cube[1] + cube[4] + cube[3] + cube[0] + "}\n")), "");
    ASSERT_EQ(run.brushes.size(), 1u);
    const MapBrush& brush = run.brushes[0];
    EXPECT_EQ(brush.sideCount, 6);
    EXPECT_EQ(brush.contents, CONTENTS_SOLID);
    EXPECT_EQ(run.entities[0].brushCount, 1);
    const int expectedFaceNumbers[6] = {5, 2, 1, 4, 3, 0};
    for (int s = 0; s < 6; ++s) {
        const BrushSide& side = SideOf(0, s);
        EXPECT_FALSE(side.bevel);
        const Vec3& normal = run.planes[static_cast<std::size_t>(side.planeNumber)].normal;
        EXPECT_EQ(normal[static_cast<std::size_t>(s / 2)], s % 2 == 0 ? -1.0f : 1.0f) << "slot " << s;
        EXPECT_EQ(side.faceNumber, expectedFaceNumbers[s]) << "slot " << s;
    }
    EXPECT_EQ(SideOf(0, 0).points[0], (IntPoint{0, 0, 1}));
    EXPECT_EQ(SideOf(0, 0).textureName, "base/wall");
    EXPECT_EQ(Report(), "");
}

TEST_F(BrushReadingTest, FaceAndBrushContentsFollowTheRules) {
    // No numbers is solid; translucent faces and water; player clip is detail; mist is not solid; a ladder alone
    // is solid; hint and skip have no contents; text values read as zero.
    const std::tuple<const char*, std::uint32_t, std::uint32_t> rows[] = {
        {"", 1, 1},
        {" 0 16 0", 1 | CONTENTS_DETAIL, 2 + 134217728 + 268435456},
        {" 32 32 0", 32 | CONTENTS_DETAIL, 32 | CONTENTS_DETAIL | CONTENTS_TRANSLUCENT},
        {" 65536 0 0", 65536 | CONTENTS_DETAIL, 65536 | CONTENTS_DETAIL},
        {" 64 0 0", 64, 64},
        {" 536870912 0 0", 536870912 | 1, 536870912 | 1},
        {" 1 256 0", 0, 0},
        {" 0 512 0", 0, 0},
        {" abc 0 0", 1, 1}};
    for (const auto& [tail, sideContents, brushContents] : rows) {
        Reset();
        ASSERT_EQ(Read(World(Box({0, 0, 0}, {64, 64, 64}, "base/wall", tail))), "");
        ASSERT_EQ(run.brushes.size(), 1u);
        EXPECT_EQ(run.sides[0].contents, sideContents) << tail;
        EXPECT_EQ(run.brushes[0].contents, brushContents) << tail;
    }
    EXPECT_EQ(Report(), "");
}

TEST_F(BrushReadingTest, OptionalNumbersMayBeMixedAndValueIsKept) {
    std::vector<std::string> lines = CubeLines();
    lines[2] = lines[2].substr(0, lines[2].size() - 1) + " 0 1 300\n";
    ASSERT_EQ(Read(World("{\n" + std::accumulate(lines.begin(), lines.end(), std::string()) + "}\n")), "");
    const MapBrush& brush = run.brushes.at(0);
    for (int s = 0; s < brush.sideCount; ++s) {
        const BrushSide& side = SideOf(0, s);
        EXPECT_EQ(side.value, side.faceNumber == 2 ? 300 : 0);
        EXPECT_EQ(side.surfaceFlags, side.faceNumber == 2 ? 1u : 0u);
    }
}

TEST_F(BrushReadingTest, BrushEndingWithTheFileIsKeptBeforeTheEntityError) {
    EXPECT_EQ(Read("{\n\"classname\" \"worldspawn\"\n{\n" + BoxFaces({0, 0, 0}, {64, 64, 64})),
              "ParseEntity: EOF without closing brace\nCorrective action: You'll probably have to fix this with a text editor.");
    ASSERT_EQ(run.brushes.size(), 1u);
    EXPECT_EQ(run.brushes[0].sideCount, 6);
}

TEST_F(BrushReadingTest, DiamondGetsFourAxialBevelsFirst) {
    // The brush |x| + |y| <= 64, 0 <= z <= 64: no side faces along x or y.
    ASSERT_EQ(Read(World("{\n( 63 1 0 ) ( 64 0 0 ) ( 64 0 2 ) base/wall 0 0 0 1 1\n"
                         "( -65 -1 0 ) ( -64 0 0 ) ( -64 0 2 ) base/wall 0 0 0 1 1\n"
                         "( 65 1 0 ) ( 64 0 0 ) ( 64 0 2 ) base/wall 0 0 0 1 1\n"
                         "( -63 -1 0 ) ( -64 0 0 ) ( -64 0 2 ) base/wall 0 0 0 1 1\n"
                         "( 1 0 64 ) ( 0 0 64 ) ( 0 1 64 ) base/wall 0 0 0 1 1\n"
                         "( 1 0 0 ) ( 0 0 0 ) ( 0 -1 0 ) base/wall 0 0 0 1 1\n}\n")),
              "");
    const MapBrush& brush = run.brushes.at(0);
    ASSERT_GE(brush.sideCount, 10);
    for (int s = 0; s < 6; ++s) {
        const BrushSide& side = SideOf(0, s);
        const MapPlane& plane = run.planes[static_cast<std::size_t>(side.planeNumber)];
        EXPECT_EQ(plane.normal[static_cast<std::size_t>(s / 2)], s % 2 == 0 ? -1.0f : 1.0f) << "slot " << s;
        EXPECT_EQ(side.bevel, s < 4) << "slot " << s;
        EXPECT_EQ(plane.dist, s < 4 ? 64.0f : (s == 4 ? 0.0f : 64.0f)) << "slot " << s;
    }
    int faces = 0;
    for (int s = 0; s < brush.sideCount; ++s) {
        faces += SideOf(0, s).bevel ? 0 : 1;
    }
    EXPECT_EQ(faces, 6);
    EXPECT_EQ(brush.mins, (Vec3{-64, -64, 0}));
    EXPECT_EQ(Report(), "");
}

}  // namespace
}  // namespace quillon
