#pragma once
// The checks before an entity-list or used-file-list run, and how its result is opened. Plain
// logic on the settings, apart from the widgets.

#include <string>

#include <vector>

#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/OutputGuard.h"
#include "frontend/core/UserInteraction.h"

namespace quillon {

/// The field that takes the focus after a failed check.
enum class ListField { None, Output, Match };

struct ListCheck {
    bool proceed = false;
    ListField focus = ListField::None;
};

/// Find Entities: an output name, a match text when targetnames or keys and values are searched,
/// an output that is no folder and none of the run's `inputs`, and the replace question for an
/// existing output file.
ListCheck ValidateFindEntities(const FrontEndSettings& settings, const std::vector<RunInput>& inputs,
                               UserInteraction& ui);
/// List Used Files: an output name, the same output checks and the replace question.
ListCheck ValidateFileList(const FrontEndSettings& settings, const std::vector<RunInput>& inputs,
                           UserInteraction& ui);

/// True when the list is opened with the desktop's "open" action: its name, lower-cased, holds
/// ".csv" or ".txt". Other names go straight to the text viewer.
bool OpensWithDesktop(const std::string& outputName);

/// A typed list name whose file name has no "." gets ".txt", as a report name does.
std::string WithTextExtension(const std::string& outputName);

/// The drive and directory of `path`, ending in a separator: what the pickers remember.
std::string DirectoryOf(const std::string& path);

/// True when the name, lower-cased, holds ".csv": the picker then offers the CSV filter first.
bool NamesCsvFile(const std::string& outputName);

}  // namespace quillon
