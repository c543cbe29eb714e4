// The ini reader and writer on an arbitrary file: both programs' settings are read from it, a few
// keys are looked up, and a key is written into it and read back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "checker/run/CheckerSettings.h"
#include "frontend/core/FrontEndSettings.h"
#include "fuzz/FuzzSupport.h"
#include "platform/Platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillon;
    const std::string text(fuzz::AsText(data, size));
    const std::string path = fuzz::ScratchPath("fuzz.ini");
    fuzz::WriteWholeFile(path, text);

    ReadCheckerSettings(path);
    LoadSettings(path);
    platform::ParseProfileInt(text);
    platform::GetProfileString(path, "quake2", "LASTMAPFILE", "none", 259);
    platform::GetProfileInt(path, "Options", "Show", 7);

    // Writing keeps every other line; the value written is the value read.
    const std::string value = "written value";
    if (!platform::WriteProfileString(path, "Quake2", "EntityDB", value)) {
        return 0;
    }
    if (platform::GetProfileString(path, "QUAKE2", "entitydb", "", 255) != value) {
        std::abort();
    }
    if (!platform::WriteProfileInt(path, "New Section", "Count", 77) ||
        platform::GetProfileInt(path, "new section", "count", 0) != 77) {
        std::abort();
    }
    return 0;
}
