#include "frontend/core/RunValidation.h"

#include <filesystem>

namespace quillon {

namespace {

constexpr const char* TITLE = "Quillon";

GoCheck Refuse(UserInteraction& ui, const char* text, GoField focus) {
    ui.ShowMessage(text, TITLE, MessageIcon::Warning);
    return {false, focus};
}

}  // namespace

GoCheck ValidateGo(const GameSettings& game, const std::vector<RunInput>& inputs, bool databaseSelected,
                   UserInteraction& ui) {
    if (game.lastMapFile.empty()) {
        return Refuse(ui, "You must supply a map filename.", GoField::MapFile);
    }
    if (game.lastOutputFile.empty()) {
        return Refuse(ui, "You must supply an output filename.", GoField::OutputFile);
    }
    if (const std::optional<std::string> refusal = OutputRefusal(game.lastOutputFile, inputs)) {
        return Refuse(ui, refusal->c_str(), GoField::OutputFile);
    }
    std::error_code error;
    if (game.autoOverwrite == 0 && std::filesystem::exists(game.lastOutputFile, error)) {
        const std::string question = game.lastOutputFile + "\nThis file already exists.\n\nReplace existing file?";
        if (!ui.AskYesNo(QuestionKind::ReplaceOutputFile, question, "Quillon Output File")) {
            return {false, GoField::None};
        }
    }
    if (!databaseSelected) {
        return Refuse(ui, "You must select an entity database.", GoField::Database);
    }
    if (game.show == 0) {
        return Refuse(ui, "You must select at least one output option.", GoField::None);
    }
    return {true, GoField::None};
}

}  // namespace quillon
