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
const std::string LOCATIONS_HEADING = "\n========================== Texture Locations =========================\n\n";
const std::string OTHER_PAK_NOTE =
    "\nNOTE: End users may not have Quake2 pak files OTHER than\n"
    "      pak0.pak, since these files were distributed after\n"
    "      the initial release of Quake2.\n";

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

TEST_F(TextureSectionsTest, WithoutBadWalChecksOnlyTheLocationsArePrinted) {
    AddTexture("gone", 0);
    AddTexture("only/in/a/pak/with_a_long_name", 0);
    WritePak(1, {"textures/only/in/a/pak/with_a_long_name.wal"});
    AddEntity({{"classname", "worldspawn"}});
    AddBrush({0, 0, 0}, {8, 8, 8}, {"gone", "only/in/a/pak/with_a_long_name"});
    EXPECT_EQ(WriteSections(), LOCATIONS_HEADING + "None of the textures were found in " +
                                   run.derived.baseGameDir + "pak0.pak\n\n" + "gone.................... not found\n" +
                                   "only/in/a/pak/with_a_lon " + PakPath(1) + "\n" + OTHER_PAK_NOTE);
    EXPECT_EQ(run.counters.missingTextures, 0);
    EXPECT_EQ(run.counters.unextractedTextures, 0);
}

TEST_F(TextureSectionsTest, TextureInAPakThatNoFaceUsesIsNotCounted) {
    run.settings.findBadWals = 1;
    AddTexture("frame1", SourceDisk, "frame2");
    AddTexture("frame2", 0);
    WritePak(0, {"textures/frame2.wal"});
    AddEntity({{"classname", "worldspawn"}});
    AddBrush({0, 0, 0}, {8, 8, 8}, {"frame1"});
    const std::string report = WriteSections();
    EXPECT_NE(report.find(UNEXTRACTED_HEADING + "NONE\n"), std::string::npos) << report;
    EXPECT_EQ(run.counters.unextractedTextures, 0);
}

}  // namespace
}  // namespace quillon
