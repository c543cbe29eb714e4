#include "checker/run/CheckerSettings.h"

#include "platform/Platform.h"

namespace quillon {

namespace {

constexpr const char* SECTION_GAME = "Quake2";
constexpr const char* SECTION_FIND_ENT = "FindEnt";
constexpr const char* SECTION_FILE_LIST = "FileList";

/// The SkillMask of the Show setting: bit 1 EASY, 2 NORMAL, 4 HARD, 8 DEATHMATCH.
std::uint32_t ShowMaskOf(int show) {
    return (static_cast<std::uint32_t>(show) & 0x0F) << 8;
}

}  // namespace

CheckerSettings ReadCheckerSettings(const std::string& iniPath) {
    const auto text = [&iniPath](const char* section, const char* key, std::size_t capacity) {
        return platform::GetProfileString(iniPath, section, key, "", capacity);
    };
    const auto number = [&iniPath](const char* section, const char* key, int fallback) {
        return platform::GetProfileInt(iniPath, section, key, fallback);
    };
    CheckerSettings settings;
    settings.lastMapFile = text(SECTION_GAME, "LastMapFile", MAX_SETTING_PATH);
    settings.lastOutputFile = text(SECTION_GAME, "LastOutputFile", MAX_SETTING_PATH);
    settings.summaryFile = text(SECTION_GAME, "SummaryFile", MAX_SETTING_PATH);
    settings.entityDB = text(SECTION_GAME, "EntityDB", MAX_SETTING_DATABASE);
    settings.textureDir = text(SECTION_GAME, "TextureDir", MAX_SETTING_PATH);
    settings.show = number(SECTION_GAME, "Show", 15);
    settings.findBadWals = number(SECTION_GAME, "FindBadWals", 0);
    settings.fixTextures = number(SECTION_GAME, "FixTextures", 0);
    settings.outputType = number(SECTION_GAME, "OutputType", 0);

    settings.findEntOutput = text(SECTION_FIND_ENT, "Output", MAX_SETTING_PATH);
    settings.findEntTemp = text(SECTION_FIND_ENT, "Temp", MAX_SETTING_PATH);
    settings.findEntMatch = text(SECTION_FIND_ENT, "Match", MAX_SETTING_SEARCH);
    settings.findEntClassName = text(SECTION_FIND_ENT, "ClassName", MAX_SETTING_SEARCH);
    settings.findEntOption = number(SECTION_FIND_ENT, "Option", 0);
    settings.findEntSortBy = number(SECTION_FIND_ENT, "SortBy", 0);
    settings.findEntMatchCriteria = number(SECTION_FIND_ENT, "MatchCriteria", 0);

    settings.fileListOutput = text(SECTION_FILE_LIST, "Output", MAX_SETTING_PATH);
    settings.fileListTemp = text(SECTION_FILE_LIST, "Temp", MAX_SETTING_PATH);
    return settings;
}

OutputMode ModeOfOutputType(int outputType) {
    switch (outputType) {
    case 1:
        return OutputMode::OutputEntityList;
    case 2:
        return OutputMode::OutputFileList;
    default:
        return OutputMode::OutputReport;
    }
}

DerivedSettings DeriveSettings(const CheckerSettings& settings) {
    DerivedSettings derived;
    switch (ModeOfOutputType(settings.outputType)) {
    case OutputMode::OutputEntityList:
        derived.reportPath = settings.findEntTemp;
        break;
    case OutputMode::OutputFileList:
        derived.reportPath = settings.fileListTemp;
        break;
    case OutputMode::OutputReport:
        derived.reportPath = settings.lastOutputFile;
        break;
    }
    derived.fixTextures = settings.outputType == 0 && settings.fixTextures != 0;
    derived.showMask = ShowMaskOf(settings.show);
    const platform::GameDirectories directories = platform::DeriveGameDirectories(settings.textureDir);
    derived.textureDir = directories.textureDir;
    derived.baseGameDir = directories.baseGameDir;
    return derived;
}

}  // namespace quillon
