#pragma once
// The entity database loader, shared by both programs.

#include <string>

#include "entitydb/EntityClassTable.h"

namespace quillon {

/// Which program reads: the checker honours DM_INHIBIT_NAMED; the front end skips it.
enum class DatabaseReader { Checker, FrontEnd };

/// Loads `text` into the table (from scratch when `loadedFirst`, else merged over it) and
/// returns the number of records.
int LoadEntityClasses(EntityClassTable& table, const std::string& text, bool loadedFirst, DatabaseReader reader);

}  // namespace quillon
