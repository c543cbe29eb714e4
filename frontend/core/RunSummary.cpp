#include "frontend/core/RunSummary.h"

#include <fstream>
#include <sstream>

#include "platform/Platform.h"

namespace quillon {

namespace {

constexpr const char* SECTION = "Summary";
constexpr std::size_t MAX_SUMMARY_TEXT = 65535;

std::string Plural(int count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string CloseUpBlanks(const std::string& line) {
    std::string result;
    for (const char c : line) {
        if (c != ' ' || (!result.empty() && result.back() != ' ')) {
            result += c;
        }
    }
    while (!result.empty() && result.back() == ' ') {
        result.pop_back();
    }
    return result;
}

}  // namespace

std::optional<CheckerSummary> ReadCheckerSummary(const std::string& path) {
    if (platform::GetProfileInt(path, SECTION, "BspErrors", -1) < 0) {
        return std::nullopt;
    }
    const auto count = [&](const char* key) { return platform::GetProfileInt(path, SECTION, key, 0); };
    CheckerSummary summary;
    summary.criticalError = platform::GetProfileString(path, SECTION, "CriticalError", "", MAX_SUMMARY_TEXT);
    summary.bspErrors = count("BspErrors");
    summary.runtimeErrors = count("RuntimeErrors");
    summary.logicNotes = count("LogicNotes");
    summary.nonStandardNotes = count("NonStandardNotes");
    summary.missingTextures = count("MissingTextures");
    summary.unextractedTextures = count("UnextractedTextures");
    std::istringstream names(platform::GetProfileString(path, SECTION, "Missing", "", MAX_SUMMARY_TEXT));
    for (std::string name; names >> name;) {
        summary.missing.push_back(name);
    }
    return summary;
}

std::vector<std::string> OverflowWarnings(const std::string& sectionsText) {
    std::vector<std::string> warnings;
    std::istringstream lines(sectionsText);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("WARNING: Too many ") != std::string::npos) {
            warnings.push_back(CloseUpBlanks(line));
        }
    }
    return warnings;
}

std::vector<std::string> SummaryLines(const RunSummary& summary) {
    std::vector<std::string> lines;
    if (summary.checker && !summary.checker->criticalError.empty()) {
        lines.push_back("Critical error: " + summary.checker->criticalError);
    }
    lines.insert(lines.end(), summary.overflowWarnings.begin(), summary.overflowWarnings.end());
    if (const std::optional<CheckerSummary>& c = summary.checker) {
        lines.push_back(Plural(c->bspErrors, "bsp error") + ", " + Plural(c->runtimeErrors, "runtime error") + ", " +
                        Plural(c->logicNotes, "logic note") + ", " + Plural(c->nonStandardNotes, "non-standard note"));
        if (summary.texturesChecked) {
            std::string textures = Plural(c->missingTextures, "missing texture");
            for (std::size_t n = 0; n < c->missing.size(); ++n) {
                textures += (n == 0 ? ": " : ", ") + c->missing[n];
            }
            lines.push_back(textures + "; " + Plural(c->unextractedTextures, "unextracted texture"));
        }
    } else {
        lines.push_back("The checker's part of the report is missing.");
    }
    lines.push_back("Report: " + summary.reportPath);
    return lines;
}

}  // namespace quillon
