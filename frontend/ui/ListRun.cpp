#include "frontend/ui/ListRun.h"

#include <filesystem>

#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon {

namespace {

constexpr const char* TITLE = "Quillon";

ListCheck Refuse(UserInteraction& ui, const char* text, ListField focus) {
    ui.ShowMessage(text, TITLE, MessageIcon::Warning);
    return {false, focus};
}

/// Refuses a folder or an input as the output, then asks before an existing output file is
/// replaced, unless the preferences say not to.
bool MayReplace(const std::string& output, const std::vector<RunInput>& inputs, int autoOverwrite, const char* title,
                UserInteraction& ui) {
    if (const std::optional<std::string> refusal = OutputRefusal(output, inputs)) {
        ui.ShowMessage(*refusal, TITLE, MessageIcon::Warning);
        return false;
    }
    std::error_code error;
    if (autoOverwrite != 0 || !std::filesystem::exists(output, error)) {
        return true;
    }
    return ui.AskYesNo(QuestionKind::ReplaceOutputFile,
                       output + "\nThis file already exists.\n\nReplace existing file?", title);
}

}  // namespace

ListCheck ValidateFindEntities(const FrontEndSettings& settings, const std::vector<RunInput>& inputs,
                               UserInteraction& ui) {
    const FindEntSettings& findEnt = settings.findEnt;
    if (findEnt.output.empty()) {
        return Refuse(ui, "You must enter an output filename.", ListField::Output);
    }
    if ((findEnt.option == 1 || findEnt.option == 2) && findEnt.match.empty()) {
        return Refuse(ui, "You must supply a character string to search for with this option.", ListField::Match);
    }
    if (!MayReplace(findEnt.output, inputs, settings.game.autoOverwrite, "Entity List", ui)) {
        return {false, ListField::Output};
    }
    return {true, ListField::None};
}

ListCheck ValidateFileList(const FrontEndSettings& settings, const std::vector<RunInput>& inputs,
                           UserInteraction& ui) {
    if (settings.fileList.output.empty()) {
        return Refuse(ui, "You must enter an output filename.", ListField::Output);
    }
    if (!MayReplace(settings.fileList.output, inputs, settings.game.autoOverwrite, "File List", ui)) {
        return {false, ListField::Output};
    }
    return {true, ListField::None};
}

bool OpensWithDesktop(const std::string& outputName) {
    const std::string lower = LowerCased(outputName);
    return lower.find(".csv") != std::string::npos || lower.find(".txt") != std::string::npos;
}

bool NamesCsvFile(const std::string& outputName) {
    return LowerCased(outputName).find(".csv") != std::string::npos;
}

std::string WithTextExtension(const std::string& outputName) {
    const platform::PathParts parts = platform::SplitPath(outputName);
    if (outputName.empty() || parts.name.empty() || !parts.extension.empty() ||
        parts.name.find('.') != std::string::npos) {
        return outputName;
    }
    return outputName + ".txt";
}

std::string DirectoryOf(const std::string& path) {
    const platform::PathParts parts = platform::SplitPath(path);
    return parts.drive + parts.directory;
}

}  // namespace quillon
