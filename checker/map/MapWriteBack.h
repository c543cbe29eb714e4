#pragma once
// Writing the lower-cased map text back over the map file without risking the original.

#include <string>
#include <string_view>

#include "checker/map/ScriptTypes.h"

namespace quillon {

/// Replaces the content of `path` by `text`: a temporary file beside it is written, synced and
/// renamed over it, keeping the file's permissions. On failure the original is untouched, the
/// temporary file is gone, `error` says why and the result is false. `failAt` makes one step fail.
bool ReplaceFileSafely(const std::string& path, std::string_view text, std::string& error,
                       WriteStep failAt = WriteStep::None);

}  // namespace quillon
