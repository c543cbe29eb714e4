#include "frontend/core/DatabaseList.h"

#include <algorithm>

#include "entitydb/DatabaseText.h"
#include "entitydb/EntityDatabase.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(AsciiLower(x)) < static_cast<unsigned char>(AsciiLower(y));
    });
}

}  // namespace

std::vector<EntityDatabaseEntry> BuildDatabaseList(const std::string& gameDir) {
    std::vector<std::string> names = platform::ListFiles(gameDir, ".db");
    // The directory's own order differs between file systems; the list should not.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return LessIgnoringCase(a, b) || (!LessIgnoringCase(b, a) && a < b);
    });
    std::vector<EntityDatabaseEntry> list;
    for (const std::string& name : names) {
        if (list.size() == MAX_DATABASE_ENTRIES) {
            break;
        }
        const std::string path = gameDir + name;
        if (std::optional<DatabaseHeader> header = ReadDatabaseHeader(path)) {
            list.push_back({name, path, header->displayName, header->origin});
        }
    }
    return list;
}

std::optional<std::size_t> SelectDatabase(const std::vector<EntityDatabaseEntry>& list, const std::string& entityDB) {
    if (list.empty()) {
        return std::nullopt;
    }
    for (std::size_t index = 0; index < list.size(); ++index) {
        if (EqualsIgnoringCase(list[index].fileName, entityDB)) {
            return index;
        }
    }
    return 0;
}

}  // namespace quillon
