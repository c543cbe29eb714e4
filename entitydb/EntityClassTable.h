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

struct EntityClassTable {
    std::vector<EntityClassDef> classes;  ///< at most MAX_ENTITY_CLASSES, removed classes included
    std::string baseText;                 ///< the text of the file loaded first
    std::string selectedText;             ///< the text of the file merged over it, when there was a merge
    std::string selectedPath;             ///< lower-cased path of the selected database
    /// What was wrong in the texts loaded, one sentence each, for the programs to pass on.
    std::vector<std::string> problems;
};

}  // namespace quillon
