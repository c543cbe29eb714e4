#include "frontend/core/OutputGuard.h"

#include "frontend/core/FrontEndSettings.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon {

std::vector<RunInput> RunInputs(const ProgramPaths& paths, const std::string& mapPath,
                                const std::string& databasePath) {
    std::vector<RunInput> inputs{{"the map file", mapPath}};
    for (const std::string& included : platform::IncludedFiles(mapPath)) {
        inputs.push_back({"the included file", included});
    }
    inputs.push_back({"the entity database", paths.gameDir + BaseDatabaseName()});
    if (!databasePath.empty()) {
        inputs.push_back({"the entity database", databasePath});
    }
    inputs.push_back({"the settings file", paths.settingsFile});
    return inputs;
}

std::optional<std::string> OutputRefusal(const std::string& output, const std::vector<RunInput>& inputs) {
    if (platform::IsFolder(output)) {
        return "Cannot write " + output + ": it is a folder. Give the name of a file.";
    }
    for (const RunInput& input : inputs) {
        if (platform::SameFile(output, input.path)) {
            return "Cannot write " + output + ": it is " + input.role + " " + input.path +
                   ", which the run reads. Give another output file.";
        }
    }
    return std::nullopt;
}

std::string MapPathWithExtension(std::string path) {
    const std::size_t separator = path.find_last_of('/');
    const std::string lower = LowerCased(separator == std::string::npos ? path : path.substr(separator + 1));
    if (lower.find(".map") == std::string::npos) {
        path += ".map";
    }
    return path;
}

}  // namespace quillon
