#include "frontend/core/FrontEndSettings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "frontend/core/ProgramPaths.h"
#include "frontend/core/Version.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

using test::ReadFileBytes;
using test::ScratchDir;

FrontEndSettings EveryKeySet(const std::string& existingMap) {
    FrontEndSettings settings;
    settings.game.show = 0x1d;
    settings.game.autoOverwrite = 1;
    settings.game.dontAsk = 1;
    settings.game.findBadWals = 1;
    settings.game.fixTextures = 1;
    settings.game.outputType = 2;
    settings.game.lastMapFile = existingMap;
    settings.game.lastOutputFile = "/home/maps/Report One.txt";
    settings.game.entityDB = "ctf.db";
    settings.game.textureDir = "/games/Quake2/baseq2/textures/";
    settings.game.mapDir = "/home/maps/";
    settings.game.outputDir = "/home/reports/";
    settings.findEnt.output = "/home/list.csv";
    settings.findEnt.match = "door";
    settings.findEnt.className = "All";
    settings.findEnt.option = 2;
    settings.findEnt.sortBy = 1;
    settings.findEnt.matchCriteria = 2;
    settings.fileList.output = "/home/files.txt";
    return settings;
}

auto EveryKey(const FrontEndSettings& s) {
    const GameSettings& g = s.game;
    return std::tie(g.show, g.autoOverwrite, g.dontAsk, g.findBadWals, g.fixTextures, g.outputType, g.lastMapFile,
                    g.lastOutputFile, g.entityDB, g.textureDir, g.mapDir, g.outputDir, s.findEnt.output, s.findEnt.match,
                    s.findEnt.className, s.findEnt.option, s.findEnt.sortBy, s.findEnt.matchCriteria, s.fileList.output);
}

TEST(FrontEndSettings, EveryKeySurvivesSaveAndLoadIntoANewFolder) {
    ScratchDir scratch;
    const std::string map = scratch.Write("My Map.map", "{\n}\n");
    const std::string ini = scratch.PathOf("config/quillon/quillon.ini");
    FrontEndSettings saved = EveryKeySet(map);
    saved.findEnt.temp = "/tmp/MAPabc";
    ASSERT_TRUE(SaveSettings(saved, ini));
    EXPECT_EQ(EveryKey(LoadSettings(ini)), EveryKey(saved));
    const std::string text = ReadFileBytes(ini);
    for (const char* line : {"Show=0x001d\n", "OutputType=0x0002\n", "LastGame=0x0000\n", "Temp=/tmp/MAPabc\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    }
    // The game's section comes first, then the global ones.
    EXPECT_LT(text.find("[Quake2]"), text.find("[Options]"));
    EXPECT_LT(text.find("[Options]"), text.find("[FindEnt]"));
    EXPECT_LT(text.find("[FindEnt]"), text.find("[FileList]"));
}

TEST(FrontEndSettings, AbsentOrUnusableValuesTakeTheirDefaults) {
    ScratchDir scratch;
    const FrontEndSettings absent = LoadSettings(scratch.PathOf("missing.ini"));
    EXPECT_EQ(absent.game.show, 15);
    EXPECT_EQ(absent.game.autoOverwrite + absent.game.fixTextures + absent.findEnt.option, 0);
    EXPECT_EQ(absent.game.entityDB, "quake2.db");
    EXPECT_TRUE(absent.game.lastMapFile.empty());
    // A zero Show, an empty database, a map that cannot be opened, texts past their capacity.
    const FrontEndSettings loaded = LoadSettings(scratch.Write(
        "quillon.ini", "[quake2]\nShow=0x0000\nEntityDB=\nlastmapfile=" + scratch.PathOf("gone.map") +
                           "\nLastOutputFile=r.txt\nTextureDir=" + std::string(300, 't') +
                           "\n[Options]\nLastGame=0x0003\n[FindEnt]\nMatch=" + std::string(70, 'm') + "\n"));
    EXPECT_EQ(loaded.game.show, 15);
    EXPECT_EQ(loaded.game.entityDB, "quake2.db");
    EXPECT_EQ(loaded.lastGame, 0);
    EXPECT_TRUE(loaded.game.lastMapFile.empty());
    EXPECT_EQ(loaded.game.lastOutputFile, "r.txt");
    EXPECT_EQ(loaded.game.textureDir, std::string(259, 't'));
    EXPECT_EQ(loaded.findEnt.match, std::string(63, 'm'));
}

TEST(SettingsFileLocation, BesideAPortableProgramElseTheUsersConfigurationFolder) {
    ScratchDir scratch;
    const std::string programDir = scratch.path().string() + "/";
    EXPECT_EQ(SettingsFileLocation(programDir, "/xdg/", "/home/u"), "/xdg/quillon/quillon.ini");
    EXPECT_EQ(SettingsFileLocation(programDir, "", "/home/u"), "/home/u/.config/quillon/quillon.ini");
    EXPECT_EQ(SettingsFileLocation(programDir, "relative/xdg", "/home/u"), "/home/u/.config/quillon/quillon.ini");
    scratch.Write("quillon.ini", "[Quake2]\n");
    EXPECT_EQ(SettingsFileLocation(programDir, "/xdg", "/home/u"), programDir + "quillon.ini");
}

TEST(FormatVersion, ShowsOnlyTheNumbersThatAreSet) {
    EXPECT_EQ(FormatVersion({0x00010001, 0, true}), "1.1 beta");
    EXPECT_EQ(FormatVersion({0x00010001, 0, false}), "1.1");
    EXPECT_EQ(FormatVersion({0x00020003, 0x00040000, false}), "2.3.4");
    EXPECT_EQ(FormatVersion({0x00020003, 0x00040005, true}), "2.3.4.5 beta");
    EXPECT_EQ(FormatVersion({0x00020003, 0x00000005, false}), "2.3.0.5");
}

TEST(Version, ThisBuildIsOnePointOneBeta) {
    EXPECT_EQ(VersionString(), "1.1 beta");
    EXPECT_EQ(WindowTitle(VersionString()), "Quillon v1.1 beta");
    EXPECT_EQ(WindowTitle(""), "Quillon");
}

}  // namespace
}  // namespace quillon
