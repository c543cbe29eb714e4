#pragma once
// The used-file list (used-file list mode).

#include <cstdio>

namespace quillon {

struct CheckerRun;

/// Writes the used-file list into the open list file.
void WriteUsedFileList(CheckerRun& run, std::FILE* list);

}  // namespace quillon
