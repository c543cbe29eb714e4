#include "checker/driver/RunFiles.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "checker/run/CheckerRun.h"
#include "checker/report/Report.h"
#include "platform/Platform.h"

namespace quillon {

namespace {

constexpr const char* LINE_FILE = "line file";

std::vector<std::pair<const char*, std::string>> Outputs(const CheckerRun& run) {
    std::vector<std::pair<const char*, std::string>> outputs{{"report file", run.derived.reportPath}};
    switch (run.mode) {
    case OutputMode::OutputEntityList:
        outputs.emplace_back("entity list", run.settings.findEntOutput);
        break;
    case OutputMode::OutputFileList:
        outputs.emplace_back("used-file list", run.settings.fileListOutput);
        break;
    case OutputMode::OutputReport:
        outputs.emplace_back(LINE_FILE, LineFilePath(run.settings.lastMapFile));
        break;
    }
    return outputs;
}

}  // namespace

std::optional<std::string> OutputClash(const CheckerRun& run, const std::string& settingsPath) {
    std::vector<std::pair<const char*, std::string>> inputs{{"the map file", run.settings.lastMapFile}};
    for (const std::string& included : platform::IncludedFiles(run.settings.lastMapFile)) {
        inputs.emplace_back("the included file", included);
    }
    inputs.emplace_back("the entity database", run.derived.baseDatabasePath);
    inputs.emplace_back("the entity database", run.derived.selectedDatabasePath);
    inputs.emplace_back("the settings file", settingsPath);
    for (const auto& [what, output] : Outputs(run)) {
        // The line file is written only when a brush is faulty; a folder in its way is named then.
        if (what != LINE_FILE && platform::IsFolder(output)) {
            return std::string("cannot write the ") + what + " " + output + ": it is a folder";
        }
        for (const auto& [role, input] : inputs) {
            if (platform::SameFile(output, input)) {
                return std::string("cannot write the ") + what + " " + output + ": it is " + role + " " + input +
                       ", which the run reads";
            }
        }
    }
    return std::nullopt;
}

void WriteRunSummary(const CheckerRun& run, const std::string& criticalError) {
    const std::string& path = run.settings.summaryFile;
    if (path.empty()) {
        return;
    }
    const RunCounters& c = run.counters;
    std::string missing;
    for (const std::string& name : run.missingTextureNames) {
        missing += (missing.empty() ? "" : " ") + name;
    }
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (out == nullptr) {
        return;  // the front end then has no summary to show, and says nothing it does not know
    }
    std::fprintf(out,
                 "[Summary]\nCriticalError=%s\nBspErrors=%d\nRuntimeErrors=%d\nLogicNotes=%d\nNonStandardNotes=%d\n"
                 "MissingTextures=%d\nUnextractedTextures=%d\nMissing=%s\n",
                 criticalError.c_str(), c.bspErrors, c.runtimeErrors, c.logicNotes, c.nonStandardNotes,
                 c.missingTextures, c.unextractedTextures, missing.c_str());
    std::fclose(out);
}

}  // namespace quillon
