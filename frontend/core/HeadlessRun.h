#pragma once
// The front end without a display: "Quillon [options] +read map +write report +go" runs the whole
// analysis and the checker, writes the report and exits. Messages go to stderr as
// "Quillon: text"; every question takes its safe answer, which is printed too.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "frontend/core/CommandLine.h"
#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/ProgramPaths.h"
#include "frontend/core/RunAnalysis.h"
#include "frontend/core/UserInteraction.h"

namespace quillon {

/// Exit statuses of a headless run.
enum HeadlessExit : int {
    HeadlessReportWritten = 0,
    HeadlessFailed = 1,         ///< nothing or only part of the report was written; see the message
    HeadlessNothingToDo = 2,    ///< no "+go": there are no dialogs to show
    HeadlessUnknownOption = 2,  ///< the command line holds a word that is no option
    HeadlessCriticalError = 3,  ///< the report was written; the checker stopped at a critical error
    HeadlessIndexOverflow = 4,  ///< the report was written; a selected level has too many models, sounds or images
};

class HeadlessInteraction : public UserInteraction {
public:
    /// `replaceOutput`: answer Yes to replacing an existing report ("-y");
    /// `lowerCase`: accept the lower-casing offer ("-locase").
    HeadlessInteraction(std::FILE* errors, bool replaceOutput, bool lowerCase);

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool AskYesNo(QuestionKind kind, const std::string& text, const std::string& title) override;
    UppercaseFixAnswer AskUppercaseFix(bool dontAsk, const std::vector<std::string>& names) override;
    void SetStatus(const std::string& text) override;
    void AdvanceBusyIndicator() override;

private:
    void Print(const std::string& text);
    std::FILE* errors;
    bool replaceOutput;
    bool lowerCase;
};

/// The exit status of a Go whose report was written, and the summary printed before it.
int HeadlessExitStatus(const GoResult& go);

/// Go without a display, for settings already loaded and given their command line. The caller
/// holds the front end's presence lock (or another front end does), so the checker agrees to run.
int RunHeadlessGo(const ProgramPaths& paths, FrontEndSettings& settings, const CommandLineOptions& options,
                  std::FILE* errors);

/// What the program answers before it looks for a display or its settings: "--help" and "-h"
/// print the usage and "--version" the name and version on `out`, returning 0; an unknown option
/// is named on `errors`, returning 2. Nothing when the program goes on ("?" is the dialogs' own).
std::optional<int> AnswerCommandLineAtOnce(const std::vector<std::string>& arguments, std::FILE* out,
                                           std::FILE* errors);

/// The whole program without its dialogs: settings, command line, usage, the presence lock, and
/// "+go". Without "+go" there is nothing to show: a second copy says so and returns 0.
int RunFrontEndHeadless(const std::vector<std::string>& arguments, std::FILE* errors);

}  // namespace quillon
