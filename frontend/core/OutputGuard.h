#pragma once
// No run writes over a file it reads: an output file is refused when it is the map, a file the map
// includes, an entity database or the settings file, however its path is spelt, or a folder.

#include <optional>
#include <string>
#include <vector>

#include "frontend/core/ProgramPaths.h"

namespace quillon {

struct RunInput {
    std::string role;  ///< "the map file", "an included file", ...
    std::string path;
};

/// The files a run reads: the map (`mapPath` as the run will open it), what it includes, the base
/// and the selected database and the settings file.
std::vector<RunInput> RunInputs(const ProgramPaths& paths, const std::string& mapPath,
                                const std::string& databasePath);

/// Why `output` cannot be written by a run that reads `inputs`; nothing when it can.
std::optional<std::string> OutputRefusal(const std::string& output, const std::vector<RunInput>& inputs);

/// The map's file name needs ".map" somewhere; folders with dots in their names do not count.
std::string MapPathWithExtension(std::string path);

}  // namespace quillon
