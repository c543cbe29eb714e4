#include "frontend/core/CheckerLaunch.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "platform/Platform.h"

namespace quillon {

const char* const UPPERCASE_FIX_TEXT =
    "Found uppercase animated texture name(s). This will cause a crash w/o warning in Quake2, unless you "
    "convert the texture names to lowercase. Quillon can perform this conversion automatically for you. "
    "Do you want to convert all texture names to lowercase?";

std::string UppercaseNamesLine(const std::vector<std::string>& names) {
    std::string line = "Uppercase animated textures in the map file:";
    for (std::size_t i = 0; i < names.size(); ++i) {
        line += (i == 0 ? " " : ", ") + names[i];
    }
    return line;
}

namespace {

constexpr const char* UPPERCASE_HEADING = "Found uppercase animated texture name(s).";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

/// True when `name` stands in `text` as a token of its own.
bool HasToken(const std::string& text, const std::string& name) {
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        if ((at == 0 || IsBlank(text[at - 1])) && (end == text.size() || IsBlank(text[end]))) {
            return true;
        }
    }
    return false;
}

std::string ReadFileText(const std::string& path) {
    std::string text;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[65536];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
            text.append(buffer, got);
        }
        std::fclose(file);
    }
    return text;
}

constexpr const char* TITLE = "Quillon";
constexpr const char* ALL_TEXTURES_MISSING_TEXT =
    "NOTE: Quillon has found that ALL textures specified in the map are either unextracted or missing. "
    "This is probably an indication that you have incorrectly set the texture directory. Proceeding at "
    "this point will produce a report filled with texture errors. Do you want to abort this run and "
    "re-enter the texture directory?";
constexpr const char* ENTITY_LIST_CRITICAL_TEXT =
    "A critical error occurred while examining the map file, and the entity list could not be generated. "
    "Generate a normal Quillon report and correct the errors reported.";
constexpr const char* FILE_LIST_CRITICAL_TEXT =
    "A critical error occurred while examining the map file, and the file list could not be generated. "
    "Generate a normal Quillon report and correct the errors reported.";

/// The temporary settings file goes away however the run ends.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string filePath) : path(std::move(filePath)) {}
    ~TemporaryFile() {
        if (!path.empty()) {
            std::remove(path.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& Path() const { return path; }

private:
    std::string path;
};

std::string Format(const char* format, const std::string& text, int number) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d", number);
    std::string result = format;
    result.replace(result.find("%s"), 2, text);
    result.replace(result.find("%d"), 2, buffer);
    return result;
}

/// The system's reason why the checker did not start: the spawn layer's own error when it left
/// one, else what the file system says about the program file.
int StartErrorNumber(const std::string& checkerPath, int errorAfterStart) {
    if (errorAfterStart != 0) {
        return errorAfterStart;
    }
    std::error_code error;
    return std::filesystem::exists(checkerPath, error) ? EACCES : ENOENT;
}

/// The checker's own exit code for a process status; nothing for a crash, a kill or a lost child.
std::optional<CheckerExit> CheckerExitOf(int status) {
    if (status == 255) {
        return CheckerExit::ExitBadInvocation;
    }
    if (status >= static_cast<int>(CheckerExit::ExitCriticalError) &&
        status <= static_cast<int>(CheckerExit::ExitNoEntityMatch)) {
        return static_cast<CheckerExit>(status);
    }
    return std::nullopt;
}

LaunchResult HandleEntityListExit(CheckerExit exit, FrontEndSettings& settings, UserInteraction& ui) {
    if (exit == CheckerExit::ExitNoEntityMatch) {
        ui.ShowMessage(NoMatchText(settings.findEnt), TITLE, MessageIcon::Warning);
        std::remove(settings.findEnt.output.c_str());
        return LaunchResult::Stop;
    }
    if (exit == CheckerExit::ExitCriticalError) {
        ui.ShowMessage(ENTITY_LIST_CRITICAL_TEXT, TITLE, MessageIcon::Warning);
        return LaunchResult::Stop;
    }
    return LaunchResult::Continue;
}

bool IsReportRun(int outputType) {
    return outputType != static_cast<int>(OutputType::OutputEntityList) &&
           outputType != static_cast<int>(OutputType::OutputFileList);
}

std::optional<int> WaitWithProgress(platform::ChildProcess& child, UserInteraction& ui) {
    for (;;) {
        if (std::optional<int> code = platform::WaitForProcess(child, CHECKER_POLL_MILLISECONDS)) {
            return code;
        }
        ui.AdvanceBusyIndicator();
    }
}

/// The offer to lower-case the map's texture names, made only when that can change something.
bool OfferUppercaseFix(CheckerLaunch& launch, FrontEndSettings& settings, UserInteraction& ui) {
    if (settings.game.dontAsk != 0 || launch.uppercaseOffered) {
        return false;
    }
    const std::vector<std::string> names =
        UppercaseNamesInMap(ReadFileText(settings.game.lastMapFile), ReadFileText(settings.game.lastOutputFile));
    if (names.empty()) {
        return false;
    }
    launch.uppercaseOffered = true;
    const UppercaseFixAnswer answer = ui.AskUppercaseFix(false, names);
    settings.game.dontAsk = answer.dontAskAgain ? 1 : 0;
    if (!answer.convert) {
        return false;
    }
    launch.fixTexturesForNextRun = true;
    if (answer.dontAskAgain) {
        settings.game.fixTextures = 1;
    }
    return true;
}

}  // namespace

std::vector<std::string> UppercaseNamesInMap(const std::string& mapText, const std::string& reportText) {
    std::vector<std::string> names;
    std::size_t at = reportText.find(UPPERCASE_HEADING);
    while (at != std::string::npos) {
        at = reportText.find('\n', at);
        if (at == std::string::npos) {
            break;
        }
        ++at;
        const std::size_t end = std::min(reportText.find('\n', at), reportText.size());
        // The checker lists each name on a line of its own, after a tab.
        if (end > at + 1 && reportText[at] == '\t') {
            const std::string name = reportText.substr(at + 1, end - at - 1);
            const bool single = std::none_of(name.begin(), name.end(), IsBlank) &&
                                std::any_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
            if (single && std::find(names.begin(), names.end(), name) == names.end() && HasToken(mapText, name)) {
                names.push_back(name);
            }
        }
    }
    return names;
}

std::string CheckerStatusText(int outputType) {
    switch (outputType) {
    case static_cast<int>(OutputType::OutputEntityList):
        return "Building entity list";
    case static_cast<int>(OutputType::OutputFileList):
        return "Building used file list";
    default:
        return "Performing qbsp3 and game diagnostics";
    }
}

std::string NoMatchText(const FindEntSettings& findEnt) {
    std::string format;
    if (findEnt.option == 1) {
        format = findEnt.matchCriteria == 1   ? "No matches on targetnames starting with %s"
                 : findEnt.matchCriteria == 2 ? "No matches on targetnames containing %s"
                                              : "No matches on targetname %s";
    } else if (findEnt.option == 2) {
        format = findEnt.matchCriteria == 1   ? "No matches on keys or values starting with %s"
                 : findEnt.matchCriteria == 2 ? "No matches on keys or values containing %s"
                                              : "No matches on keys or value for %s";
    } else {
        return "This error should not happen. It indicates the map contains NO entities.";
    }
    return format.replace(format.find("%s"), 2, findEnt.match);
}

LaunchResult HandleCheckerExit(int exitCode, CheckerLaunch& launch, FrontEndSettings& settings, UserInteraction& ui) {
    const int outputType = settings.game.outputType;
    const std::optional<CheckerExit> known = CheckerExitOf(exitCode);
    if (!known) {
        // A crash or a kill: whatever the checker wrote is incomplete, and no list is worth opening.
        launch.checkerFailed = true;
        ui.ShowMessage(Format("%s ended abnormally (exit code=%d).", launch.checkerPath, exitCode), TITLE,
                       MessageIcon::Warning);
        return outputType == static_cast<int>(OutputType::OutputReport) ? LaunchResult::Continue
                                                                          : LaunchResult::Stop;
    }
    const CheckerExit exit = *known;
    // The checker refused its settings before writing anything.
    launch.checkerFailed = exit == CheckerExit::ExitBadInvocation;
    launch.criticalError = exit == CheckerExit::ExitCriticalError && IsReportRun(outputType);
    if (exit == CheckerExit::ExitUppercaseTextures && OfferUppercaseFix(launch, settings, ui)) {
        return LaunchResult::RunAgain;
    }
    if (exit == CheckerExit::ExitAllTexturesMissing &&
        ui.AskYesNo(QuestionKind::AbortForTextureDirectory, ALL_TEXTURES_MISSING_TEXT, TITLE)) {
        return LaunchResult::Abort;
    }
    if (outputType == static_cast<int>(OutputType::OutputEntityList)) {
        return HandleEntityListExit(exit, settings, ui);
    }
    if (outputType == static_cast<int>(OutputType::OutputFileList) && exit == CheckerExit::ExitCriticalError) {
        ui.ShowMessage(FILE_LIST_CRITICAL_TEXT, TITLE, MessageIcon::Warning);
        return LaunchResult::Stop;
    }
    return LaunchResult::Continue;
}

LaunchResult LaunchChecker(CheckerLaunch& launch, FrontEndSettings& settings, UserInteraction& ui) {
    launch.checkerFailed = false;
    launch.criticalError = false;
    launch.summary.reset();
    FrontEndSettings runSettings = settings;
    if (launch.fixTexturesForNextRun) {
        runSettings.game.fixTextures = 1;
        launch.fixTexturesForNextRun = false;
    }
    if (runSettings.game.textureDir.empty()) {
        // The checker looks for the game where the report head says it was found.
        if (const GameData data = LocateGameData("", launch.homeDir); data.found) {
            runSettings.game.textureDir = data.textureDir;
        }
    }
    const TemporaryFile settingsFile(platform::CreateTempFile(launch.tempDirectory, "MAP"));
    if (settingsFile.Path().empty() || !SaveSettings(runSettings, settingsFile.Path())) {
        launch.checkerFailed = true;
        ui.ShowMessage("Cannot write the settings file for " + launch.checkerPath + " in " + launch.tempDirectory,
                       TITLE, MessageIcon::Warning);
        return LaunchResult::Stop;
    }
    // A report run's checker tells what it found in a file of its own; the report stays as it is.
    const TemporaryFile summaryFile(IsReportRun(settings.game.outputType)
                                        ? platform::CreateTempFile(launch.tempDirectory, "MAP")
                                        : std::string());
    if (!summaryFile.Path().empty()) {
        platform::WriteProfileString(settingsFile.Path(), "Quake2", "SummaryFile", summaryFile.Path());
    }
    ui.SetStatus(CheckerStatusText(settings.game.outputType));
    const std::string commandLine = launch.checkerPath + " " + settingsFile.Path();
    errno = 0;
    std::optional<platform::ChildProcess> child = platform::StartProcess({launch.checkerPath, settingsFile.Path()});
    if (!child) {
        const int error = StartErrorNumber(launch.checkerPath, errno);
        ui.SetStatus("");
        launch.checkerFailed = true;
        ui.ShowMessage(Format("%s failed with an error code=%d", commandLine, error), TITLE, MessageIcon::Warning);
        return LaunchResult::Stop;
    }
    const std::optional<int> exitCode = WaitWithProgress(*child, ui);
    ui.SetStatus("");
    if (!summaryFile.Path().empty()) {
        launch.summary = ReadCheckerSummary(summaryFile.Path());
    }
    return HandleCheckerExit(exitCode.value_or(-1), launch, settings, ui);
}

LaunchResult RunListLaunch(CheckerLaunch& launch, FrontEndSettings& settings, UserInteraction& ui, OutputType mode) {
    std::string& temp =
        mode == OutputType::OutputEntityList ? settings.findEnt.temp : settings.fileList.temp;
    const TemporaryFile tempFile(platform::CreateTempFile(launch.tempDirectory, "MAP"));
    temp = tempFile.Path();
    settings.game.outputType = static_cast<int>(mode);
    const LaunchResult result = LaunchChecker(launch, settings, ui);
    settings.game.outputType = static_cast<int>(OutputType::OutputReport);
    temp.clear();
    return result;
}

}  // namespace quillon
