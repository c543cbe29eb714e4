#include "checker/textures/TextureSections.h"

#include <gtest/gtest.h>

#include <string>

#include "checker/textures/SectionFixture.h"

namespace quillon {
namespace {

const std::string MISSING_HEADING =
    "\n========================== Missing Textures ==========================\n"
    "      These textures cannot be found either in a pakfile or on disk.\n\n";
const std::string UNEXTRACTED_HEADING =
    "\n======================== Unextracted Textures ========================\n"
    "     These textures are present in a pakfile, but are unextracted.\n"
    "                 Compiling errors will probably result.\n\n";

// Without the bad-wal checks only the locations are printed, and a frame found only in a pak that
// no face names is no unextracted texture: golden cases driver-no-errors-texture-checks-skipped,
// textures-report-sections and textures-frame-only-in-a-pak.
class TextureSectionsTest : public ::testing::Test, protected test::SectionFixture {
protected:
    std::string WriteSections() {
        OpenReport();
        ScanPakFiles(run);
        WriteTextureSections(run);
        return Report();
    }
};

TEST_F(TextureSectionsTest, BevelSidesAreNoUseOfAMissingOrUnextractedTexture) {
    run.settings.findBadWals = 1;
    AddTexture("gone", 0);
    AddTexture("packed", 0);
    AddTexture("wall", SourceDisk);
    WritePak(0, {"textures/packed.wal", "textures/wall.wal"});
    AddEntity({{"classname", "worldspawn"}});
    AddBrush({0, 0, 0}, {1, 1, 1}, {"wall"}, "gone");
    AddBrush({0, 0, 0}, {2, 2, 2}, {"wall"}, "packed");
    AddBrush({0, 0, 0}, {3, 3, 3}, {"packed", "GONE"});
    const std::string box = "\tentity 0, brush 2, bounding box: ( 0 0 0 ) to ( 3 3 3 )\n";
    const std::string expected = MISSING_HEADING + "gone\n" + box + UNEXTRACTED_HEADING + "packed\n" + box;
    EXPECT_EQ(WriteSections().substr(0, expected.size()), expected);
    EXPECT_EQ(run.counters.missingTextures, 1);
    EXPECT_EQ(run.counters.unextractedTextures, 1);
}

TEST_F(TextureSectionsTest, AnimationWalkStopsWhereTheChainBreaks) {
    run.settings.findBadWals = 1;
    AddTexture("w1", SourceDisk, "x1");  // names a frame that is not the next record
    AddTexture("a1", SourceDisk, "a2");
    AddTexture("a2", SourceDisk, "A3");
    AddTexture("a3", 0);
    AddEntity({{"classname", "worldspawn"}});
    AddBrush({0, 0, 0}, {1, 1, 1}, {"w1"});
    AddBrush({0, 0, 0}, {2, 2, 2}, {"a1"});
    AddBrush({0, 0, 0}, {3, 3, 3}, {"a2"});
    const std::string report = WriteSections();
    EXPECT_NE(report.find("a3\n"
                          "\tentity 0, brush 1, bounding box: ( 0 0 0 ) to ( 2 2 2 ) (animation)\n"
                          "\tentity 0, brush 2, bounding box: ( 0 0 0 ) to ( 3 3 3 ) (animation)\n" +
                          UNEXTRACTED_HEADING),
              std::string::npos)
        << report;
}

}  // namespace
}  // namespace quillon
