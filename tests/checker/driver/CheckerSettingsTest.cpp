#include <gtest/gtest.h>

#include "checker/run/CheckerSettings.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

using test::ScratchDir;

TEST(ReadCheckerSettings, AbsentKeysAndAMissingFileKeepTheDefaults) {
    ScratchDir scratch;
    for (const std::string& ini : {scratch.Write("s.ini", "[Quake2]\n"), scratch.PathOf("absent.ini")}) {
        const CheckerSettings settings = ReadCheckerSettings(ini);
        EXPECT_EQ(settings.lastMapFile, "");
        EXPECT_EQ(settings.show, 15);
        EXPECT_EQ(settings.findBadWals, 0);
        EXPECT_EQ(settings.fixTextures, 0);
        EXPECT_EQ(settings.outputType, 0);
        EXPECT_EQ(settings.findEntOption, 0);
        EXPECT_EQ(settings.findEntClassName, "");
    }
}

TEST(ReadCheckerSettings, ReadsEveryKeyWithoutRegardToCase) {
    ScratchDir scratch;
    const std::string ini = scratch.Write("s.ini",
                                          "[QUAKE2]\r\nlastmapfile=m.map\r\nLASTOUTPUTFILE=r.txt\r\nentitydb=mod.db\r\n"
                                          "TextureDir=/q2/baseq2/textures/\r\nShow=0x0005\r\nFindBadWals=0x0001\r\n"
                                          "FixTextures=1\r\nOutputType=0x0002\r\n"
                                          "[findent]\r\nOUTPUT=list.csv\r\ntemp=t1.txt\r\nmatch=door\r\nclassname=all\r\n"
                                          "option=2\r\nsortby=0x0001\r\nmatchcriteria=-1\r\n"
                                          "[FILELIST]\r\noutput=files.txt\r\nTEMP=t2.txt\r\n");
    const CheckerSettings s = ReadCheckerSettings(ini);
    EXPECT_EQ(s.lastMapFile, "m.map");
    EXPECT_EQ(s.lastOutputFile, "r.txt");
    EXPECT_EQ(s.entityDB, "mod.db");
    EXPECT_EQ(s.textureDir, "/q2/baseq2/textures/");
    EXPECT_EQ(s.show, 5);
    EXPECT_EQ(s.findBadWals, 1);
    EXPECT_EQ(s.fixTextures, 1);
    EXPECT_EQ(s.outputType, 2);
    EXPECT_EQ(s.findEntOutput, "list.csv");
    EXPECT_EQ(s.findEntTemp, "t1.txt");
    EXPECT_EQ(s.findEntMatch, "door");
    EXPECT_EQ(s.findEntClassName, "all");
    EXPECT_EQ(s.findEntOption, 2);
    EXPECT_EQ(s.findEntSortBy, 1);
    EXPECT_EQ(s.findEntMatchCriteria, -1);
    EXPECT_EQ(s.fileListOutput, "files.txt");
    EXPECT_EQ(s.fileListTemp, "t2.txt");
}

TEST(ReadCheckerSettings, CutsEachTextToItsCapacity) {
    ScratchDir scratch;
    const std::string path(300, 'p');
    const std::string db(300, 'd');
    const std::string search(100, 's');
    const std::string ini = scratch.Write("s.ini", "[Quake2]\nLastMapFile=" + path + "\nEntityDB=" + db +
                                                       "\n[FindEnt]\nMatch=" + search + "\nClassName=" + search +
                                                       "\nTemp=" + path + "\n");
    const CheckerSettings s = ReadCheckerSettings(ini);
    EXPECT_EQ(s.lastMapFile, std::string(259, 'p'));
    EXPECT_EQ(s.entityDB, std::string(255, 'd'));
    EXPECT_EQ(s.findEntMatch, std::string(63, 's'));
    EXPECT_EQ(s.findEntClassName, std::string(63, 's'));
    EXPECT_EQ(s.findEntTemp, std::string(259, 'p'));
}

TEST(DeriveSettings, ModeChoosesReportFileAndTextureFix) {
    struct {
        int outputType;
        OutputMode mode;
        const char* reportPath;
        bool fixTextures;
    } const cases[] = {{0, OutputMode::OutputReport, "report.txt", true},
                       {1, OutputMode::OutputEntityList, "find-temp.txt", false},
                       {2, OutputMode::OutputFileList, "list-temp.txt", false},
                       {3, OutputMode::OutputReport, "report.txt", false},
                       {-1, OutputMode::OutputReport, "report.txt", false}};
    CheckerSettings settings;
    settings.lastOutputFile = "report.txt";
    settings.findEntTemp = "find-temp.txt";
    settings.fileListTemp = "list-temp.txt";
    settings.fixTextures = 1;
    for (const auto& c : cases) {
        settings.outputType = c.outputType;
        const DerivedSettings derived = DeriveSettings(settings);
        EXPECT_EQ(ModeOfOutputType(settings.outputType), c.mode) << c.outputType;
        EXPECT_EQ(derived.reportPath, c.reportPath) << c.outputType;
        EXPECT_EQ(derived.fixTextures, c.fixTextures) << c.outputType;
    }
}

TEST(DeriveSettings, ShowBitsSelectTheSkillLevelsAndTheTextureFixStaysOffByDefault) {
    CheckerSettings settings;
    EXPECT_EQ(DeriveSettings(settings).showMask, static_cast<std::uint32_t>(SKILL_ALL));
    EXPECT_FALSE(DeriveSettings(settings).fixTextures);
    settings.show = 0;
    EXPECT_EQ(DeriveSettings(settings).showMask, 0u);
    settings.show = 1 | 8;
    EXPECT_EQ(DeriveSettings(settings).showMask, static_cast<std::uint32_t>(SKILL_EASY | SKILL_DEATHMATCH));
    settings.show = 0x12;
    EXPECT_EQ(DeriveSettings(settings).showMask, static_cast<std::uint32_t>(SKILL_NORMAL));
}

TEST(DeriveSettings, TextureDirLosesItsTrailingSeparator) {
    CheckerSettings settings;
    settings.textureDir = "/games/Quake2/mymod/textures/";
    const DerivedSettings derived = DeriveSettings(settings);
    EXPECT_EQ(derived.textureDir, "/games/Quake2/mymod/textures");
    EXPECT_EQ(derived.baseGameDir, "/games/Quake2/baseq2/");
}

}  // namespace
}  // namespace quillon
