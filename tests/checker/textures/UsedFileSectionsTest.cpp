#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "checker/lists/UsedFileList.h"
#include "checker/textures/SectionFixture.h"
#include "checker/textures/TextureSections.h"

namespace quillon {
namespace {

const std::string TEXTURES_HEADING = "\n============================= TEXTURES USED =============================\n";
const std::string SOUNDS_HEADING = "\n========= TARGET_SPEAKER/FUNC_TRAIN LOCATIONS AND .WAV SOURCE =========\n";

class UsedFileSectionsTest : public ::testing::Test, protected test::SectionFixture {
protected:
    std::string WriteList() {
        const std::string path = dir.PathOf("files.txt");
        std::FILE* list = std::fopen(path.c_str(), "w");
        WriteUsedFileList(run, list);
        std::fclose(list);
        return test::ReadFileBytes(path);
    }
};

TEST_F(UsedFileSectionsTest, TexturesAreListedByNameWithTheirSource) {
    AddTexture("Zeta", 0);
    AddTexture("e1u1/Floor", SourceDisk);
    AddTexture("mid", 0);
    AddTexture("both", SourceDisk);
    WritePak(1, {"textures/mid.wal", "textures/both.wal"});
    WriteGameFile("textures/e1u1/floor.wal", test::MakeWal(""));
    WriteGameFile("textures/both.wal", test::MakeWal(""));
    AddEntity({{"classname", "worldspawn"}});
    EXPECT_EQ(WriteList(), TEXTURES_HEADING +
                               "both........................... " + PakPath(1) + "\n" +
                               "e1u1/Floor..................... disk file\n"
                               "mid............................ " + PakPath(1) + "\n" +
                               "Zeta........................... not found\n" + SOUNDS_HEADING + "No .wav's\n");
}

TEST_F(UsedFileSectionsTest, MapWithoutTexturesBeginsWithTheSounds) {
    AddEntity({{"classname", "worldspawn"}});
    AddEntity({{"classname", "light"}, {"noise", "x.wav"}});
    EXPECT_EQ(WriteList(), SOUNDS_HEADING + "No .wav's\n");
}

TEST_F(UsedFileSectionsTest, SoundsAreGroupedByNoiseInMapOrder) {
    WritePak(0, {"sound/doors/dr1_strt.wav"});
    WriteGameFile("sound/world/amb10.wav", "RIFF");
    AddEntity({{"classname", "worldspawn"}});
    AddEntity({{"classname", "target_speaker"}, {"noise", "world/amb10.wav"}, {"origin", "1 2 3"}});
    AddEntity({{"classname", "func_train"}, {"noise", "world/amb10.wav"}});
    AddBrush({0, 0, 0}, {16, 16, 16}, {"t"});
    AddBrush({32, -8, 0}, {48, 0, 8}, {"t"});
    AddEntity({{"classname", "target_speaker"}, {"noise", "world/amb10.wav"}, {"origin", "-4.5 0 8"}});
    AddEntity({{"classname", "Target_Speaker"}, {"noise", "a.wav"}, {"origin", "0 0 0"}});
    AddEntity({{"classname", "target_speaker"}, {"noise", ""}, {"origin", "0 0 0"}});
    AddEntity({{"classname", "target_speaker"}, {"noise", "doors/dr1_strt.wav"}, {"origin", "0 0 0"}});
    AddEntity({{"classname", "func_train"}, {"noise", "missing.wav"}, {"origin", "8 8 8"}});
    EXPECT_EQ(WriteList(), SOUNDS_HEADING +
                               "\ndoors/dr1_strt.wav............. " + PakPath(0) + "\n" +
                               "\ttarget_speaker at (0 0 0)\n"
                               "\nmissing.wav.................... not found\n"
                               "\tfunc_train at (8 8 8)\n"
                               "\nworld/amb10.wav................ disk file\n"
                               "\ttarget_speaker at (1 2 3)\n"
                               "\tfunc_train bounding box: ( 0 -8 0 ) to ( 48 16 16 )\n"
                               "\ttarget_speaker at (-4.5 0 8)\n");
}

TEST_F(UsedFileSectionsTest, NoiseInOtherCaseStartsANewGroupButFindsTheSameFile) {
    WriteGameFile("sound/world/amb10.wav", "RIFF");
    AddEntity({{"classname", "target_speaker"}, {"noise", "world/amb10.wav"}, {"origin", "1 0 0"}});
    AddEntity({{"classname", "target_speaker"}, {"noise", "World/AMB10.wav"}, {"origin", "2 0 0"}});
    AddEntity({{"classname", "target_speaker"}, {"noise", "world\\amb10.wav"}, {"origin", "3 0 0"}});
    EXPECT_EQ(WriteList(), SOUNDS_HEADING +
                               "\nworld/amb10.wav................ disk file\n"
                               "\ttarget_speaker at (1 0 0)\n"
                               "\nWorld/AMB10.wav................ disk file\n"
                               "\ttarget_speaker at (2 0 0)\n"
                               "\nworld\\amb10.wav................ disk file\n"
                               "\ttarget_speaker at (3 0 0)\n");
}

TEST_F(UsedFileSectionsTest, TrainWithoutBrushesPrintsTheClearedBox) {
    AddEntity({{"classname", "func_train"}, {"noise", "t.wav"}});
    EXPECT_EQ(WriteList(), SOUNDS_HEADING + "\nt.wav.......................... not found\n" +
                               "\tfunc_train bounding box: ( 99999 99999 99999 ) to ( -99999 -99999 -99999 )\n");
}

}  // namespace
}  // namespace quillon
