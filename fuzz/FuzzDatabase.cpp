// The entity database loader on an arbitrary file: loaded alone and merged over the shipped base
// database, by the checker's reader and by the front end's, then dumped and its header read.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "entitydb/EntityDatabase.h"
#include "fuzz/FuzzSupport.h"

namespace {

using namespace quillon;

const std::string& BaseText() {
    static const std::string text = [] {
        const std::optional<std::string> read = ReadDatabaseFile(QUILLON_SOURCE_DIR "/data/Quake2/quake2.db");
        if (!read) {
            std::abort();
        }
        return *read;
    }();
    return text;
}

std::FILE* NullOutput() {
    static std::FILE* out = std::fopen("/dev/null", "w");
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(fuzz::AsText(data, size));
    for (const DatabaseReader reader : {DatabaseReader::Checker, DatabaseReader::FrontEnd}) {
        EntityClassTable alone;
        LoadEntityClasses(alone, text, true, reader);
        WriteClassTableDump(NullOutput(), alone);

        EntityClassTable merged;
        merged.baseText = BaseText();
        LoadEntityClasses(merged, merged.baseText, true, reader);
        LoadEntityClasses(merged, text, false, reader);
    }
    const std::string path = fuzz::ScratchPath("fuzz.db");
    fuzz::WriteWholeFile(path, text);
    ReadDatabaseHeader(path);
    return 0;
}
