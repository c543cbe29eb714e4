#pragma once
// Helpers the platform files share with each other; not part of the platform's interface.

#include <string>

namespace quillon::platform {

/// Writes `content` to a new file beside `path` and renames it over `path`, so a reader sees the
/// old or the new file, never half of one. Keeps the old file's permissions.
bool ReplaceFileAtomically(const std::string& path, const std::string& content);

}  // namespace quillon::platform
