#pragma once
// What the game-logic passes carry from one step to a later one (player-start tallies and the like).

#include <array>
#include <optional>
#include <vector>

#include "checker/checks/LinkIndex.h"

namespace quillon {

/// Levels in the order the map-wide messages list them: EASY, NORMAL, HARD, DEATHMATCH.
inline constexpr int LEVEL_COUNT = 4;

/// Tallies of the map-wide checks, kept for all four levels whatever the user chose to show.
struct MapWideState {
    std::array<int, LEVEL_COUNT> entityCount{};    ///< entities the game spawns at startup
    std::array<int, LEVEL_COUNT> unnamedStarts{};  ///< info_player_start without a targetname
    std::array<int, LEVEL_COUNT> namedStarts{};    ///< info_player_start with a targetname
    int deathmatchStarts = 0;                      ///< info_player_deathmatch present in deathmatch
};

/// The box of a solid world brush, packed for the inside-solid scan.
struct SolidBrushBox {
    std::array<float, 3> mins{};
    std::array<float, 3> maxs{};
    int brushNumber = 0;  ///< within the world
};

/// The solid world brushes in world order, and a grid over x and y: each cell lists (by their place
/// in `boxes`, ascending) the brushes whose box reaches into it. `everywhere` holds the brushes
/// whose box has no usable numbers; they are candidates in every cell.
struct SolidWorldIndex {
    std::vector<SolidBrushBox> boxes;
    std::array<float, 2> origin{};
    float cellSize = 1;
    int columns = 0;
    int rows = 0;
    std::vector<std::vector<int>> cells;
    std::vector<int> everywhere;
};

struct CheckState {
    MapWideState mapWide;
    LinkIndex links;  ///< the entities' link values, filled before the first pass
    /// Built on the first inside-solid test.
    std::optional<SolidWorldIndex> solidWorld;
};

}  // namespace quillon
