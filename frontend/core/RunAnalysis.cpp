#include "frontend/core/RunAnalysis.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "entitydb/EntityDatabase.h"
#include "frontend/core/OverflowReport.h"
#include "frontend/core/OverflowTable.h"
#include "frontend/core/OutputGuard.h"
#include "frontend/core/Version.h"
#include "platform/Platform.h"

namespace quillon {

namespace {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return std::move(text).str();
}

/// Writes `text`; on failure errno holds the reason.
bool WriteText(const std::string& path, const std::string& text, const char* mode) {
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written) {
        errno = writeError;
    }
    return closed && written;
}

std::string ErrorText() {
    return platform::SystemErrorText(errno);
}

/// The report under construction: a temporary file beside the target, which `LastOutputFile`
/// names while the run writes it. Unless it is committed, it goes, and the previous report stays.
class ReportDraft {
public:
    explicit ReportDraft(std::string& outputFile) : setting(outputFile), target(outputFile) {
        const platform::PathParts parts = platform::SplitPath(target);
        path = platform::CreateTempFile(parts.drive + parts.directory, "." + parts.name + parts.extension + ".");
        if (!path.empty()) {
            setting = path;
        }
    }
    ~ReportDraft() {
        setting = target;
        if (!path.empty()) {
            std::remove(path.c_str());
        }
    }
    ReportDraft(const ReportDraft&) = delete;
    ReportDraft& operator=(const ReportDraft&) = delete;

    bool Created() const { return !path.empty(); }
    /// The finished report takes the target's place; false and `error` when it cannot.
    bool Commit(std::string& error) {
        const std::optional<std::string> text = ReadWholeFile(path);
        if (!text) {
            error = ErrorText();
            return false;
        }
        return platform::ReplaceFileSafely(target, *text, error, platform::IfMissing::Create);
    }

private:
    std::string& setting;
    std::string target;
    std::string path;
};

void WriteClassTableDumpFile(const std::string& path, const EntityClassTable& table) {
    if (path.empty()) {
        return;
    }
    // Written only where a developer has made the folder; nothing happens otherwise.
    if (std::FILE* out = std::fopen(path.c_str(), "w")) {
        WriteClassTableDump(out, table);
        std::fclose(out);
    }
}

bool WriteHead(const AnalysisContext& context, const GameSettings& game) {
    const std::time_t now = context.clock ? context.clock() : std::time(nullptr);
    ReportHead head;
    head.version = context.version;
    head.mapPath = game.lastMapFile;
    head.date = FormatReportDate(now);
    head.time = FormatReportTime(now);
    head.databasePath = context.database.fullPath;
    head.databaseOrigin = context.database.originText;
    head.textureDir = game.textureDir;
    const GameData data = LocateGameData(game.textureDir, context.homeDir);
    head.assumedTextureDir = data.textureDir;
    head.gameFolder = data.baseGameDir;
    head.gameDataFound = data.found;
    return WriteText(game.lastOutputFile, FormatReportHead(head), "wb");
}

/// A damaged database is read as far as it goes; the user hears what was wrong with it.
void ReportDatabaseProblems(const EntityClassTable& table, UserInteraction& ui) {
    if (table.problems.empty()) {
        return;
    }
    std::string text = "The entity database is damaged; Quillon reads it as far as it can:";
    for (const std::string& problem : table.problems) {
        text += "\n" + problem + ".";
    }
    ui.ShowMessage(text, "Quillon", MessageIcon::Warning);
}

}  // namespace

AnalysisResult RunAnalysis(const AnalysisContext& context, FrontEndSettings& settings, UserInteraction& ui,
                           const CheckerStep& runChecker, AnalysisOutput* output) {
    AnalysisOutput unused;
    AnalysisOutput& out = output != nullptr ? *output : unused;
    GameSettings& game = settings.game;
    game.lastMapFile = MapPathWithExtension(game.lastMapFile);
    const std::optional<std::string> mapText = ReadWholeFile(game.lastMapFile);
    if (!mapText) {
        return AnalysisResult::MapNotReadable;
    }
    EntityClassTable table;
    if (!LoadEntityDatabaseFiles(table, context.gameDir + BaseDatabaseName(), context.database.fullPath,
                                 DatabaseReader::FrontEnd)) {
        return AnalysisResult::DatabaseNotReadable;
    }
    ReportDatabaseProblems(table, ui);
    WriteClassTableDumpFile(context.dumpPath, table);
    if (table.classes.empty()) {
        return AnalysisResult::EmptyClassTable;
    }
    OverflowAnalysis analysis;
    OverflowOptions options{context.ignoreList, (game.show & SHOW_CHEAT) != 0};
    BuildOverflowTable(analysis, *mapText, table, options, &ui);

    ReportDraft draft(game.lastOutputFile);
    if (!draft.Created()) {
        out.writeError = ErrorText();
        return AnalysisResult::ReportNotWritable;
    }
    LaunchResult launched = LaunchResult::Continue;
    do {
        if (!WriteHead(context, game)) {
            out.writeError = ErrorText();
            return AnalysisResult::ReportNotWritable;
        }
        launched = runChecker(settings);
    } while (launched == LaunchResult::RunAgain);
    if (launched == LaunchResult::Abort) {
        return AnalysisResult::Aborted;
    }

    ApplyAllLoadRules(analysis, table, &ui);
    const SectionOptions sections{game.show, context.database.fullPath, context.ignoreList};
    const std::string sectionsText = FormatOverflowSections(analysis, sections);
    out.overflowWarnings = OverflowWarnings(sectionsText);
    if (!WriteText(game.lastOutputFile, sectionsText, "ab")) {
        out.writeError = ErrorText();
        return AnalysisResult::ReportNotWritable;
    }
    if (!draft.Commit(out.writeError)) {
        return AnalysisResult::ReportNotWritable;
    }
    return AnalysisResult::Done;
}

std::optional<std::string> AnalysisFailureText(AnalysisResult result, const AnalysisContext& context,
                                               const GameSettings& game, const std::string& writeError) {
    switch (result) {
    case AnalysisResult::EmptyClassTable:
        return "Invalid entity database " + context.database.fullPath + "\n";
    case AnalysisResult::DatabaseNotReadable:
        return "Cannot find entity database " + context.database.fullPath + "\n";
    case AnalysisResult::MapNotReadable:
        return "Cannot find " + game.lastMapFile + "\n";
    case AnalysisResult::ReportNotWritable:
        return "Cannot write " + game.lastOutputFile + ": " + writeError + "\n";
    case AnalysisResult::Done:
    case AnalysisResult::Aborted:
        break;
    }
    return std::nullopt;
}

GoResult RunGo(const GoRequest& request, FrontEndSettings& settings, UserInteraction& ui, CheckerLaunch& launch) {
    GoResult go;
    const std::string databasePath =
        request.selectedDatabase ? request.databases.at(*request.selectedDatabase).fullPath : std::string();
    const std::vector<RunInput> inputs =
        RunInputs(request.paths, MapPathWithExtension(settings.game.lastMapFile), databasePath);
    const GoCheck check = ValidateGo(settings.game, inputs, request.selectedDatabase.has_value(), ui);
    if (!check.proceed) {
        go.focus = check.focus;
        return go;
    }
    AnalysisContext context;
    context.gameDir = request.paths.gameDir;
    context.database = request.databases.at(*request.selectedDatabase);
    context.ignoreList = request.ignoreList;
    context.version = VersionString();
    context.dumpPath = request.paths.programDir + "output/db.txt";
    context.homeDir = launch.homeDir;
    settings.game.entityDB = context.database.fileName;
    // Only a list run is ever in a list mode; a stale value would make the checker list instead of check.
    settings.game.outputType = static_cast<int>(OutputType::OutputReport);

    launch.checkerFailed = false;
    launch.criticalError = false;
    launch.summary.reset();
    launch.uppercaseOffered = false;
    ui.AdvanceBusyIndicator();
    AnalysisOutput output;
    const AnalysisResult result = RunAnalysis(
        context, settings, ui, [&](FrontEndSettings& runSettings) { return LaunchChecker(launch, runSettings, ui); },
        &output);
    ui.SetStatus("");
    go.checkerFailed = launch.checkerFailed;
    go.criticalError = launch.criticalError;
    const std::string& report = settings.game.lastOutputFile;
    if (result == AnalysisResult::Aborted) {
        go.outcome = GoOutcome::Aborted;
        go.focus = GoField::TextureDirectory;
        std::error_code error;
        ui.ShowMessage("The run was aborted. " + report +
                           (std::filesystem::exists(report, error) ? " was left as it was." : " was not written."),
                       "Quillon", MessageIcon::Information);
    } else if (const std::optional<std::string> failure =
                   AnalysisFailureText(result, context, settings.game, output.writeError)) {
        ui.ShowMessage(*failure, "Quillon", MessageIcon::Warning);
        go.outcome = GoOutcome::Failed;
    } else {
        go.outcome = GoOutcome::ReportWritten;
        go.summary = {report, settings.game.findBadWals != 0, launch.summary, output.overflowWarnings};
    }
    return go;
}

}  // namespace quillon
