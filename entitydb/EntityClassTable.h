#pragma once
// The entity classes of the loaded databases: the base database first, the selected one merged over it.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

inline constexpr int MAX_ENTITY_CLASSES = 512;
inline constexpr std::uint32_t SKILL_FLAGS = 0x0F00;

struct EntityClassDef {
    std::string className;  ///< empty for a removed class
    int definitionOffset = 0;
    std::uint32_t validSpawnflags = 0;
    bool needsBrush = false;
    bool hasBounds = false;
    bool isPickup = false;
    bool dmInhibit = false;
    bool spInhibit = false;
    bool noInhibit = false;
    bool dmInhibitIfNamed = false;  ///< read by the checker's loader only
    bool fromSelectedDatabase = false;
    std::array<float, 3> mins{};
    std::array<float, 3> maxs{};
};

/// The engine limits of a game: the 1997 game's unless the database declares others.
struct GameLimits {
    int edicts = 1024;  ///< entities the game can hold at once
    int models = 256;   ///< models of one level, the level's own included
    int sounds = 256;   ///< sounds of one level
    int images = 256;   ///< images of one level
};

/// What a database may declare about its game beside its classes, in the free text before its
/// class blocks.
struct GameDeclarations {
    std::vector<std::string> keys;  ///< entity keys the game reads beyond the checker's built-in list
    GameLimits limits;
};

struct EntityClassTable {
    std::vector<EntityClassDef> classes;  ///< at most MAX_ENTITY_CLASSES, removed classes included
    std::string baseText;                 ///< the text of the file loaded first
    std::string selectedText;             ///< the text of the file merged over it, when there was a merge
    std::string selectedPath;             ///< lower-cased path of the selected database
    GameDeclarations game;                ///< the base database's, merged with the selected one's
    /// What was wrong in the texts loaded, one sentence each, for the programs to pass on.
    std::vector<std::string> problems;
};

}  // namespace quillon
