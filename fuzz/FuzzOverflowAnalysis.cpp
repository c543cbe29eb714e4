// The front end's analysis on an arbitrary map text: both readings of the map (brush models, then
// the entity table with its rules), the LOAD pass and the report sections. The last byte of the
// input chooses the levels shown and the cheat option.

#include <cstddef>
#include <cstdint>
#include <string>

#include "entitydb/EntityDatabase.h"
#include "frontend/core/OverflowReport.h"
#include "frontend/core/OverflowTable.h"
#include "fuzz/FuzzSupport.h"

namespace {

using namespace quillon;

const EntityClassTable& Database() {
    static const EntityClassTable table = [] {
        EntityClassTable loaded;
        const std::string path = QUILLON_SOURCE_DIR "/data/Quake2/quake2.db";
        if (!LoadEntityDatabaseFiles(loaded, path, path, DatabaseReader::FrontEnd)) {
            std::abort();
        }
        return loaded;
    }();
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t options = size > 0 ? data[size - 1] : 0;
    OverflowOptions overflowOptions;
    overflowOptions.ignoreList = {"light", "misc_explobox"};
    overflowOptions.cheat = (options & 16) != 0;
    OverflowAnalysis analysis;
    BuildOverflowTable(analysis, fuzz::AsText(data, size), Database(), overflowOptions, nullptr);
    ApplyAllLoadRules(analysis, Database(), nullptr);

    SectionOptions sections;
    sections.show = options & 31;
    sections.databasePath = "quake2.db";
    sections.ignoreList = overflowOptions.ignoreList;
    FormatOverflowSections(analysis, sections);
    return 0;
}
