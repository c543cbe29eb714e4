#include "frontend/core/HeadlessRun.h"

#include "frontend/core/CheckerLaunch.h"
#include "frontend/core/DatabaseList.h"
#include "frontend/core/RunAnalysis.h"
#include "frontend/core/Version.h"
#include "platform/Platform.h"

namespace quillon {

HeadlessInteraction::HeadlessInteraction(std::FILE* errorStream, bool replace, bool lowerCaseTextures)
    : errors(errorStream), replaceOutput(replace), lowerCase(lowerCaseTextures) {}

void HeadlessInteraction::Print(const std::string& text) {
    std::string line = text;
    while (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    std::fprintf(errors, "Quillon: %s\n", line.c_str());
    std::fflush(errors);
}

void HeadlessInteraction::ShowMessage(const std::string& text, const std::string&, MessageIcon) {
    Print(text);
}

bool HeadlessInteraction::AskYesNo(QuestionKind kind, const std::string& text, const std::string&) {
    // Without a person to ask, nothing is replaced and nothing is aborted.
    const bool yes = kind == QuestionKind::ReplaceOutputFile && replaceOutput;
    Print(text);
    Print(yes ? "Answer: Yes" : "Answer: No");
    return yes;
}

UppercaseFixAnswer HeadlessInteraction::AskUppercaseFix(bool dontAsk, const std::vector<std::string>& names) {
    Print(UPPERCASE_FIX_TEXT);
    Print(UppercaseNamesLine(names));
    Print(lowerCase ? "Answer: Yes" : "Answer: No");
    return {lowerCase, dontAsk};
}

void HeadlessInteraction::SetStatus(const std::string&) {}

void HeadlessInteraction::AdvanceBusyIndicator() {}

int RunHeadlessGo(const ProgramPaths& paths, FrontEndSettings& settings, const CommandLineOptions& options,
                  std::FILE* errors) {
    HeadlessInteraction ui(errors, options.assumeYes, options.lowerCase);
    GoRequest request;
    request.paths = paths;
    request.databases = BuildDatabaseList(paths.gameDir);
    request.selectedDatabase = SelectDatabase(request.databases, settings.game.entityDB);
    CheckerLaunch launch;
    launch.checkerPath = paths.checkerPath;
    launch.tempDirectory = platform::TempDirectory();
    const GoResult go = RunGo(request, settings, ui, launch);
    if (go.outcome != GoOutcome::ReportWritten) {
        return HeadlessFailed;
    }
    if (go.checkerFailed) {
        ui.ShowMessage("The report " + settings.game.lastOutputFile + " lacks the checker's part.", "Quillon",
                       MessageIcon::Warning);
    }
    for (const std::string& line : SummaryLines(go.summary)) {
        ui.ShowMessage(line, "Quillon", MessageIcon::Information);
    }
    return HeadlessExitStatus(go);
}

int HeadlessExitStatus(const GoResult& go) {
    if (go.outcome != GoOutcome::ReportWritten || go.checkerFailed) {
        return HeadlessFailed;
    }
    if (go.criticalError) {
        return HeadlessCriticalError;
    }
    return go.summary.overflowWarnings.empty() ? HeadlessReportWritten : HeadlessIndexOverflow;
}

std::optional<int> AnswerCommandLineAtOnce(const std::vector<std::string>& arguments, std::FILE* out,
                                           std::FILE* errors) {
    GameSettings scratch;
    const CommandLineOptions options = ApplyCommandLine(JoinArguments(arguments), scratch);
    if (options.showUsage) {
        return std::nullopt;
    }
    if (options.showHelp) {
        std::fprintf(out, "%s\n", USAGE_TEXT);
        return HeadlessReportWritten;
    }
    if (options.showVersion) {
        std::fprintf(out, "Quillon %s\n", VersionString().c_str());
        return HeadlessReportWritten;
    }
    if (!options.unknownOptions.empty()) {
        std::fprintf(errors, "Quillon: Unknown option: %s (quillon --help lists the options)\n",
                     options.unknownOptions.front().c_str());
        return HeadlessUnknownOption;
    }
    return std::nullopt;
}

int RunFrontEndHeadless(const std::vector<std::string>& arguments, std::FILE* errors) {
    const ProgramPaths paths = ComputeProgramPaths(platform::OwnProgramPath());
    FrontEndSettings settings = LoadSettings(paths.settingsFile);
    const CommandLineOptions options = ApplyCommandLine(JoinArguments(arguments), settings.game);
    HeadlessInteraction ui(errors, options.assumeYes, options.lowerCase);
    for (const std::string& error : options.syntaxErrors) {
        ui.ShowMessage(error, "Quillon", MessageIcon::Warning);
    }
    if (options.showUsage) {
        ui.ShowMessage(USAGE_TEXT, "Quillon", MessageIcon::Information);
        return HeadlessReportWritten;
    }
    // The checker runs only beside a front end, and this is one. A report run from the command line
    // goes ahead even when a dialog is open elsewhere: that front end satisfies the checker too.
    const platform::FrontEndPresenceLock presence;
    if (!options.go) {
        if (!presence.held()) {
            ui.ShowMessage("Quillon is already running.", "Quillon", MessageIcon::Information);
            return HeadlessReportWritten;
        }
        ui.ShowMessage("No display to show the dialogs on. Run a report with: Quillon [options] +read mapfile "
                       "+write fileout +go",
                       "Quillon", MessageIcon::Information);
        return HeadlessNothingToDo;
    }
    // A run from the command line leaves the stored settings as they were.
    return RunHeadlessGo(paths, settings, options, errors);
}

}  // namespace quillon
