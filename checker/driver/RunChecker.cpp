#include "checker/driver/RunChecker.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "checker/checks/CheckPasses.h"
#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/run/FatalError.h"
#include "checker/driver/RunFiles.h"
#include "checker/lists/EntityList.h"
#include "checker/lists/UsedFileList.h"
#include "checker/map/BrushGeometry.h"
#include "checker/map/MapEntities.h"
#include "checker/report/Report.h"
#include "checker/textures/TextureSections.h"
#include "platform/Platform.h"

namespace quillon {

namespace {

constexpr const char* LAUNCH_MESSAGE = "This program is meant to be launched by Quillon.exe.\nPress any key to exit.";

constexpr const char* CHECKER_USAGE =
    "Usage: quillon2 SETTINGS-FILE\n"
    "Checks the map that the settings file names and writes its report. Quillon starts it for\n"
    "each run; see quillon2(1).\n";

constexpr const char* UPPERCASE_NOTE =
    "\n============================================================\n"
    "NOTE: Uppercase animated textures were found and converted\n"
    "      to lowercase. If you save this map again using\n"
    "      shareware WorldCraft, these texture names may once\n"
    "      again be uppercase.\n"
    "============================================================\n";

/// An output file that cannot be opened ends the run before anything is written to it; there is
/// no report to say so, so the reason goes to the console.
bool OpenOutput(std::FILE*& file, const std::string& path, const char* mode, const char* what) {
    file = std::fopen(path.c_str(), mode);
    if (file == nullptr) {
        const int error = errno;
        std::fprintf(stderr, "quillon2: cannot open the %s %s: %s\n", what, path.c_str(),
                     platform::SystemErrorText(error).c_str());
        return false;
    }
    return true;
}

bool OpenReport(CheckerRun& run, const char* mode) {
    return OpenOutput(run.report, run.derived.reportPath, mode, "report file");
}

void CloseReport(CheckerRun& run) {
    if (run.report != nullptr) {
        std::fflush(run.report);
        std::fclose(run.report);
        run.report = nullptr;
    }
}

/// Step one of every mode: read the map, brush errors going into the report. The report is
/// appended to in report mode; the lists' stand-in files and an unknown mode's report start empty.
bool ReadMapPhase(CheckerRun& run) {
    const bool append = run.mode == OutputMode::OutputReport && !run.otherMode;
    if (!OpenReport(run, append ? "a" : "w")) {
        return false;
    }
    ReadMapFile(run, run.settings.lastMapFile);
    CloseReport(run);
    return true;
}

void PrintClosingLines(CheckerRun& run) {
    const RunCounters& c = run.counters;
    const long long problems = static_cast<long long>(c.bspErrors) + c.runtimeErrors + c.logicNotes +
                               c.missingTextures + c.unextractedTextures;
    if (problems == 0) {
        ReportPrint(run, run.settings.findBadWals != 0
                             ? "\nNo errors found.\n"
                             : "\nNo errors found. (Texture checks skipped as per user preference.)\n");
    }
    if (run.derived.fixTextures && c.lowercasedAnimatedCount > 0) {
        ReportPrint(run, "%s", UPPERCASE_NOTE);
    }
}

bool CheckPhases(CheckerRun& run) {
    if (!OpenReport(run, "a")) {
        return false;
    }
    MicrobrushCheck(run);
    RunCheckPasses(run);
    ScanPakFiles(run);
    WriteTextureSections(run);
    PrintClosingLines(run);
    CloseReport(run);
    return true;
}

bool FileListPhase(CheckerRun& run) {
    std::FILE* list = nullptr;
    if (!OpenOutput(list, run.settings.fileListOutput, "w", "used-file list")) {
        return false;
    }
    WriteUsedFileList(run, list);
    std::fflush(list);
    std::fclose(list);
    return true;
}

int ReportExitCode(const CheckerRun& run) {
    const RunCounters& c = run.counters;
    if (c.uppercaseAnimatedCount > 0) {
        return ExitUppercaseTextures;
    }
    const long long unavailable = static_cast<long long>(c.missingTextures) + c.unextractedTextures;
    if (!run.textures.empty() && unavailable >= static_cast<long long>(run.textures.size())) {
        return ExitAllTexturesMissing;
    }
    return ExitCompleted;
}

/// The phases after reading the map; returns the exit code.
int OutputPhase(CheckerRun& run) {
    switch (run.mode) {
    case OutputMode::OutputEntityList:
        WriteEntityList(run);
        return run.counters.matchCount != 0 ? ExitCompleted : ExitNoEntityMatch;
    case OutputMode::OutputFileList:
        return FileListPhase(run) ? ExitCompleted : ExitCriticalError;
    case OutputMode::OutputReport:
        break;
    }
    if (!CheckPhases(run)) {
        return ExitCriticalError;
    }
    WriteLineFile(run);
    return ReportExitCode(run);
}

/// The first line that says something: the summary holds one line per value.
std::string FirstLine(const std::string& text) {
    const std::size_t start = text.find_first_not_of('\n');
    if (start == std::string::npos) {
        return {};
    }
    return text.substr(start, text.find('\n', start) - start);
}

}  // namespace

int RunChecker(CheckerRun& run) {
    int exitCode = ExitCriticalError;
    std::string criticalError;
    try {
        if (ReadMapPhase(run)) {
            exitCode = OutputPhase(run);
        }
    } catch (const FatalRunError& error) {
        // FatalError has printed the message and written the line file.
        CloseReport(run);
        exitCode = ExitCriticalError;
        criticalError = FirstLine(error.what());
    }
    WriteRunSummary(run, criticalError);
    ReleaseDatabaseTexts(run);
    return exitCode;
}

int CheckerMain(int argc, char** argv) {
    // The usual questions are answered even without a front end.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("quillon2 %s\n", QUILLON_VERSION_TEXT);
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf("%s", CHECKER_USAGE);
        return 0;
    }
    if (!platform::FrontEndIsRunning()) {
        std::printf("%s", LAUNCH_MESSAGE);
        std::fflush(stdout);
        platform::WaitForKeyPress();
        return ExitCriticalError;
    }
    if (argc < 2) {
        return ExitBadInvocation;
    }
    CheckerRun run;
    run.settings = ReadCheckerSettings(argv[1]);
    run.derived = DeriveSettings(run.settings);
    run.mode = ModeOfOutputType(run.settings.outputType);
    run.otherMode = run.settings.outputType < 0 || run.settings.outputType > 2;
    if (run.settings.lastMapFile.empty() || run.derived.reportPath.empty()) {
        return ExitBadInvocation;
    }
    if (!LoadEntityDatabases(run)) {
        return ExitBadInvocation;
    }
    // Other tools start the checker too: none of them may have it write over what it reads.
    if (const std::optional<std::string> clash = OutputClash(run, argv[1])) {
        std::fprintf(stderr, "quillon2: %s.\n", clash->c_str());
        return ExitBadInvocation;
    }
    return RunChecker(run);
}

}  // namespace quillon
