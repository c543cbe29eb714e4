// Reading database files: the load sequence of both programs, the header shown in the front end's
// database list, and the diagnostic dump of a loaded table.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "entitydb/DatabaseText.h"
#include "entitydb/EntityDatabase.h"
#include "platform/Text.h"

namespace quillon {

namespace {

constexpr std::size_t MAX_HEADER_LINE = 127;

// A whole line cut to its first 127 characters; the rest of a long line is dropped, so the
// next line is read from its own start.
bool ReadHeaderLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    line.resize(std::min(line.size(), MAX_HEADER_LINE));
    return true;
}

const char* YesNo(bool flag) {
    return flag ? "yes" : "no";
}

}  // namespace

std::optional<std::string> ReadDatabaseFile(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return std::move(text).str();
}

bool LoadEntityDatabaseFiles(EntityClassTable& table, const std::string& basePath, const std::string& selectedPath,
                             DatabaseReader reader) {
    table.classes.clear();
    table.baseText.clear();
    table.selectedText.clear();
    table.selectedPath = LowerCased(selectedPath);
    if (!EqualsIgnoringCase(basePath, selectedPath)) {
        std::optional<std::string> base = ReadDatabaseFile(basePath);
        std::optional<std::string> selected = ReadDatabaseFile(selectedPath);
        if (!base || !selected) {
            return false;
        }
        table.baseText = std::move(*base);
        table.selectedText = std::move(*selected);
        LoadEntityClasses(table, table.baseText, true, reader);
        LoadEntityClasses(table, table.selectedText, false, reader);
        return true;
    }
    std::optional<std::string> only = ReadDatabaseFile(selectedPath);
    if (!only) {
        return false;
    }
    table.baseText = std::move(*only);
    LoadEntityClasses(table, table.baseText, true, reader);
    return true;
}

std::optional<DatabaseHeader> ReadDatabaseHeader(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string first;
    if (!in || !ReadHeaderLine(in, first) || LowerCased(first).rfind("quillon", 0) != 0) {
        return std::nullopt;
    }
    DatabaseHeader header;
    ReadHeaderLine(in, header.displayName);
    ReadHeaderLine(in, header.origin);
    return header;
}

void WriteClassTableDump(std::FILE* out, const EntityClassTable& table) {
    for (const EntityClassDef& record : table.classes) {
        std::fprintf(out, "   classname: %s\n", record.className.c_str());
        std::fprintf(out, "      offset: %d\n", record.definitionOffset);
        std::fprintf(out, " need brush?: %s\n", YesNo(record.needsBrush));
        std::fprintf(out, " has bounds?: %s\n", YesNo(record.hasBounds));
        std::fprintf(out, "  is pickup?: %s\n", YesNo(record.isPickup));
        std::fprintf(out, " DM inhibit?: %s\n", YesNo(record.dmInhibit));
        std::fprintf(out, " SP inhibit?: %s\n", YesNo(record.spInhibit));
        std::fprintf(out, "Can inhibit?: %s\n", YesNo(!record.noInhibit));
        std::fprintf(out, "     UseMod?: %s\n", YesNo(record.fromSelectedDatabase));
        std::fprintf(out, "    ValidSF= 0x%08x\n", record.validSpawnflags);
        std::fprintf(out, "===================================\n");
    }
}

}  // namespace quillon
