#pragma once
// The entity database loader, shared by both programs.

#include <cstdio>
#include <optional>
#include <string>

#include "entitydb/EntityClassTable.h"

namespace quillon {

/// Which program reads: the checker honours DM_INHIBIT_NAMED; the front end skips it.
enum class DatabaseReader { Checker, FrontEnd };

/// Loads `text` into the table (from scratch when `loadedFirst`, else merged over it) and
/// returns the number of records.
int LoadEntityClasses(EntityClassTable& table, const std::string& text, bool loadedFirst, DatabaseReader reader);

/// The whole file as read, or nothing when it cannot be read.
std::optional<std::string> ReadDatabaseFile(const std::string& path);

/// The load sequence of both programs: when the paths differ (without regard to case), the base
/// database is loaded and the selected one merged over it; otherwise the selected one is loaded
/// alone. Keeps the texts and the lower-cased selected path in the table. False when a file cannot
/// be read; the table is then empty.
bool LoadEntityDatabaseFiles(EntityClassTable& table, const std::string& basePath, const std::string& selectedPath,
                             DatabaseReader reader);

/// Lines 2 and 3 of a database, shown in the front end's database list.
struct DatabaseHeader {
    std::string displayName;  ///< at most 127 characters
    std::string origin;       ///< at most 127 characters
};
/// The header of the file at `path`, or nothing when it cannot be read or its first line,
/// lower-cased, does not begin with the magic word.
std::optional<DatabaseHeader> ReadDatabaseHeader(const std::string& path);

/// Writes the table in the front end's diagnostic dump format.
void WriteClassTableDump(std::FILE* out, const EntityClassTable& table);

}  // namespace quillon
