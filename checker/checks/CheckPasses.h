#pragma once
// The three game-logic passes over the entities, in their fixed order.

namespace quillon {

struct CheckerRun;

/// Pass 1 (Runtime Errors), pass 2 (logic notes) and pass 3 (non-standard notes).
void RunCheckPasses(CheckerRun& run);

}  // namespace quillon
