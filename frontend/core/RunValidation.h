#pragma once
// The checks before a report run starts, each with its message.

#include <vector>

#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/OutputGuard.h"
#include "frontend/core/UserInteraction.h"

namespace quillon {

/// The field that takes the focus after a failed check.
enum class GoField { None, MapFile, OutputFile, Database, TextureDirectory };

struct GoCheck {
    bool proceed = false;
    GoField focus = GoField::None;
};

/// Map and report names, a report that is no folder and none of the run's `inputs`, the replace
/// question for an existing report, a selected database and at least one output option, in that order.
GoCheck ValidateGo(const GameSettings& game, const std::vector<RunInput>& inputs, bool databaseSelected,
                   UserInteraction& ui);

}  // namespace quillon
