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

// ---- The pak scan --------------------------------------------------------------------------

TEST_F(TextureSectionsTest, ScanPlacesEachTextureInTheFirstPakThatHoldsIt) {
    AddTexture("e1u1/wall", SourceDisk);
    AddTexture("e1u1/sky", 0);
    AddTexture("e1u1/gone", 0);
    WritePak(0, {"textures/e1u1/wall.wal"});
    WritePak(2, {"textures/E1U1/SKY.WAL", "textures/e1u1/wall.wal"});
    ScanPakFiles(run);
    EXPECT_EQ(run.textures[0].sourceBits, SourceDisk | SourcePak0);
    EXPECT_EQ(run.textures[0].source, PakPath(0));
    EXPECT_EQ(run.textures[1].sourceBits, SourceOtherPak);
    EXPECT_EQ(run.textures[1].source, PakPath(2));
    EXPECT_EQ(run.textures[2].sourceBits, 0u);
    EXPECT_EQ(run.textures[2].source, "not found");
}

TEST_F(TextureSectionsTest, ScanSkipsForeignShortAndMissingPaks) {
    AddTexture("a", 0);
    AddTexture("b", 0);
    AddTexture("c", 0);
    std::string foreign = test::MakePak({"textures/a.wal"});
    foreign[0] = 'J';
    WriteGameFile("pak0.pak", foreign);
    WriteGameFile("pak1.pak", "PACK\x0c\0");
    // pak2 is absent; pak3 claims a thousand entries but holds two.
    WriteGameFile("pak3.pak", test::MakePak({"textures/b.wal", "textures/a.wal"}, 1000));
    WritePak(9, {"textures/c.wal"});
    ScanPakFiles(run);
    EXPECT_EQ(run.textures[0].source, PakPath(3));
    EXPECT_EQ(run.textures[1].source, PakPath(3));
    EXPECT_EQ(run.textures[2].source, PakPath(9));
    EXPECT_EQ(run.textures[2].sourceBits, SourceOtherPak);
}

TEST_F(TextureSectionsTest, PakWithDirectoryPastItsEndIsReadUpToItsEnd) {
    AddTexture("a", 0);
    std::string pak = test::MakePak({"textures/a.wal"});
    pak.replace(4, 4, test::LittleEndian32(0xfffffff0u));  // the directory lies past the end
    WriteGameFile("pak0.pak", pak);
    ScanPakFiles(run);
    EXPECT_EQ(run.textures[0].sourceBits, 0u);
}

// ---- The report sections -------------------------------------------------------------------

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

TEST_F(TextureSectionsTest, EverythingInPakZeroPrintsNoneAndTheLocationsSortTheTable) {
    run.settings.findBadWals = 1;
    AddTexture("b", SourceDisk);
    AddTexture("a", SourceDisk);
    WritePak(0, {"textures/a.wal", "textures/b.wal"});
    AddEntity({{"classname", "worldspawn"}});
    AddBrush({0, 0, 0}, {8, 8, 8}, {"a", "b"});
    EXPECT_TRUE(WriteSections().ends_with(UNEXTRACTED_HEADING + "NONE\n" + LOCATIONS_HEADING +
                                          "All textures have been found in " + run.derived.baseGameDir + "pak0.pak\n"));
    EXPECT_EQ(run.textures[0].name, "a");
    EXPECT_EQ(run.textureIndex.at("b"), 1);
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
