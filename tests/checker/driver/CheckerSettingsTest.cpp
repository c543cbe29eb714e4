#include <gtest/gtest.h>

#include <tuple>

#include "checker/run/CheckerSettings.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

using test::ScratchDir;

TEST(ReadCheckerSettings, AbsentKeysAndAMissingFileKeepTheDefaults) {
    ScratchDir scratch;
    for (const std::string& ini : {scratch.Write("s.ini", "[Quake2]\n"), scratch.PathOf("absent.ini")}) {
        const CheckerSettings s = ReadCheckerSettings(ini);
        EXPECT_EQ(std::tie(s.lastMapFile, s.show, s.findBadWals, s.fixTextures, s.outputType, s.findEntOption,
                           s.findEntClassName),
                  std::tuple("", 15, 0, 0, 0, 0, ""));
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
    EXPECT_EQ(std::tie(s.lastMapFile, s.lastOutputFile, s.entityDB, s.textureDir, s.show, s.findBadWals, s.fixTextures,
                       s.outputType),
              std::tuple("m.map", "r.txt", "mod.db", "/q2/baseq2/textures/", 5, 1, 1, 2));
    EXPECT_EQ(std::tie(s.findEntOutput, s.findEntTemp, s.findEntMatch, s.findEntClassName, s.findEntOption,
                       s.findEntSortBy, s.findEntMatchCriteria, s.fileListOutput, s.fileListTemp),
              std::tuple("list.csv", "t1.txt", "door", "all", 2, 1, -1, "files.txt", "t2.txt"));
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
    EXPECT_EQ(std::tie(s.lastMapFile, s.entityDB, s.findEntMatch, s.findEntClassName, s.findEntTemp),
              std::tuple(path.substr(0, 259), db.substr(0, 255), search.substr(0, 63), search.substr(0, 63),
                         path.substr(0, 259)));
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
