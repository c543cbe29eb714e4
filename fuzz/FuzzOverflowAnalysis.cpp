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

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const EntityClassTable& database = fuzz::ShippedDatabase<DatabaseReader::FrontEnd>();
    const std::uint8_t options = size > 0 ? data[size - 1] : 0;
    OverflowOptions overflowOptions;
    overflowOptions.ignoreList = {"light", "misc_explobox"};
    overflowOptions.cheat = (options & 16) != 0;
    OverflowAnalysis analysis;
    BuildOverflowTable(analysis, fuzz::AsText(data, size), database, overflowOptions, nullptr);
    ApplyAllLoadRules(analysis, database, nullptr);

    SectionOptions sections;
    sections.show = options & 31;
    sections.databasePath = "quake2.db";
    sections.ignoreList = overflowOptions.ignoreList;
    FormatOverflowSections(analysis, sections);
    return 0;
}
