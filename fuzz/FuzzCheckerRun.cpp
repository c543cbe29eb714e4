// The whole checker run on an arbitrary map text, with the shipped base database and a small game
// folder (loose .wal files and a pak). The last byte of the input chooses the options:
// bits 0-1 the output type, bit 2 FindBadWals, bit 3 FixTextures, bits 4-7 Show.

#include <cstddef>
#include <cstdint>
#include <string>

#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/driver/RunChecker.h"
#include "entitydb/EntityDatabase.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/GameFolder.h"

namespace {

using namespace quillon;

CheckerSettings SettingsFor(std::uint8_t options) {
    CheckerSettings settings;
    settings.lastMapFile = fuzz::ScratchPath("fuzz.map");
    settings.lastOutputFile = "/dev/null";
    settings.entityDB = "quake2.db";
    settings.textureDir = fuzz::GameFolder() + "/quake2/baseq2/textures";
    settings.outputType = options & 3;
    settings.findBadWals = (options >> 2) & 1;
    settings.fixTextures = (options >> 3) & 1;
    settings.show = options >> 4;
    settings.findEntOutput = "/dev/null";
    settings.findEntTemp = "/dev/null";
    settings.findEntMatch = "t";
    settings.findEntClassName = "light";
    settings.findEntOption = options >> 4 & 3;
    settings.findEntSortBy = options >> 6;
    settings.findEntMatchCriteria = options >> 5 & 3;
    settings.fileListOutput = "/dev/null";
    settings.fileListTemp = "/dev/null";
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t options = size > 0 ? data[size - 1] : 0;
    CheckerRun run;
    run.settings = SettingsFor(options);
    run.derived = DeriveSettings(run.settings);
    run.mode = ModeOfOutputType(run.settings.outputType);
    run.otherMode = run.settings.outputType > 2;
    run.classes = fuzz::ShippedDatabase<DatabaseReader::Checker>();
    SetDatabasePaths(run);
    fuzz::WriteWholeFile(run.settings.lastMapFile, fuzz::AsText(data, size));
    RunChecker(run);
    return 0;
}
