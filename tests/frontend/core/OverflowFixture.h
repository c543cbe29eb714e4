#pragma once
// Small databases and maps for the index-overflow analysis, built in memory.

#include <algorithm>
#include <string>
#include <vector>

#include "entitydb/EntityDatabase.h"
#include "frontend/core/OverflowTable.h"

namespace quillon::test {

/// A database text with CR LF line ends from lines written with "\n".
inline std::string DatabaseText(const std::string& blocks) {
    const std::string plain = "quillon\nTest database\nthe tests\n__START__\n" + blocks;
    std::string text;
    for (const char c : plain) {
        if (c == '\n') {
            text += '\r';
        }
        text += c;
    }
    return text;
}

/// One map entity from "key value" pairs.
inline std::string MapEntity(const std::vector<std::pair<std::string, std::string>>& pairs, int brushes = 0) {
    std::string text = "{\n";
    for (const auto& [key, value] : pairs) {
        text += "\"" + key + "\" \"" + value + "\"\n";
    }
    for (int i = 0; i < brushes; ++i) {
        text += "{\n( 0 0 0 ) ( 0 1 0 ) ( 1 0 0 ) e1u1/floor1_1 0 0 0 1 1\n}\n";
    }
    return text + "}\n";
}

inline EntityClassTable LoadTable(const std::string& blocks) {
    EntityClassTable table;
    table.baseText = DatabaseText(blocks);
    LoadEntityClasses(table, table.baseText, true, DatabaseReader::FrontEnd);
    return table;
}

inline OverflowAnalysis Analyse(const EntityClassTable& table, const std::string& mapText,
                                const OverflowOptions& options = {}) {
    OverflowAnalysis analysis;
    BuildOverflowTable(analysis, mapText, table, options, nullptr);
    ApplyAllLoadRules(analysis, table, nullptr);
    return analysis;
}

inline bool Holds(const OverflowAnalysis& analysis, ResourceKind kind, int level, const std::string& name) {
    const std::vector<std::string>& names = analysis.List(kind, level).names;
    return std::find(names.begin(), names.end(), name) != names.end();
}

/// The levels (bit 1 << level) whose list of `kind` holds `name`.
inline int LevelsHolding(const OverflowAnalysis& analysis, ResourceKind kind, const std::string& name) {
    int levels = 0;
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        levels |= Holds(analysis, kind, level, name) ? 1 << level : 0;
    }
    return levels;
}

}  // namespace quillon::test
