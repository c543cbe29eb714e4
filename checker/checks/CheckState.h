#pragma once
// What the game-logic passes carry from one step to a later one (player-start tallies and the like).

namespace quillon {

struct CheckState {
};

}  // namespace quillon
