#pragma once
// The entity databases offered to the user: every "*.db" file of the game directory whose first
// line carries the magic word.

#include <optional>
#include <string>
#include <vector>

namespace quillon {

inline constexpr std::size_t MAX_DATABASE_ENTRIES = 100;

struct EntityDatabaseEntry {
    std::string fileName;     ///< as found in the directory
    std::string fullPath;     ///< the directory followed by the file name
    std::string displayName;  ///< line 2 of the file
    std::string originText;   ///< line 3 of the file
};

/// The databases of `gameDir` (ending in "/"), sorted by file name without regard to case; at
/// most MAX_DATABASE_ENTRIES.
std::vector<EntityDatabaseEntry> BuildDatabaseList(const std::string& gameDir);

/// The entry to select for the setting `entityDB`: the one with that file name (any case), else
/// the first; nothing for an empty list.
std::optional<std::size_t> SelectDatabase(const std::vector<EntityDatabaseEntry>& list, const std::string& entityDB);

}  // namespace quillon
