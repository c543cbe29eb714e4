#include "entitydb/EntityDatabase.h"

#include <cctype>
#include <charconv>
#include <string_view>

#include "entitydb/DatabaseText.h"

namespace quillon {

namespace {

constexpr std::string_view MAGIC_WORD = "quillon";
constexpr std::string_view START_MARKER = "__START__";
constexpr std::string_view NO_PARENT_MARKER = "__NOPARENT__";
constexpr std::string_view CLASSNAME_KEYWORD = "CLASSNAME";

// Only the magic word's length is compared, so "QUILLONDB" passes too.
bool HasMagicWord(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    std::size_t end = start;
    while (end < text.size() && !IsBlank(text[end]) && end - start < MAGIC_WORD.size()) {
        ++end;
    }
    return EqualsIgnoringCase(text.substr(start, end - start), MAGIC_WORD);
}

// "CLASSNAME name [six numbers]": the box counts only when all six numbers are there.
void ReadClassnameLine(std::string_view line, EntityClassDef& record) {
    std::size_t at = CLASSNAME_KEYWORD.size();
    record.className = std::string(NextWord(line, at));
    float numbers[6] = {};
    int count = 0;
    while (count < 6) {
        const std::string_view word = NextWord(line, at);
        const char* end = word.data() + word.size();
        if (word.empty() || std::from_chars(word.data(), end, numbers[count]).ptr != end) {
            break;
        }
        ++count;
    }
    if (count == 6) {
        record.hasBounds = true;
        record.mins = {numbers[0], numbers[1], numbers[2]};
        record.maxs = {numbers[3], numbers[4], numbers[5]};
    }
}

struct ClassBlock {
    EntityClassDef record;
    bool removal = false;
    bool closed = true;  ///< false when the "]" line is missing
};

// A flag keyword only ever sets its flag; a later 0 does not clear it.
void ApplyAttribute(ClassBlock& block, DatabaseKeyword keyword, std::string_view arguments, DatabaseReader reader) {
    const bool set = LeadingInteger(arguments) != 0;
    EntityClassDef& record = block.record;
    switch (keyword) {
    case DatabaseKeyword::IsSolid: record.needsBrush = record.needsBrush || set; break;
    case DatabaseKeyword::IsPickup: record.isPickup = record.isPickup || set; break;
    case DatabaseKeyword::DmInhibit: record.dmInhibit = record.dmInhibit || set; break;
    case DatabaseKeyword::DmInhibitNamed:
        if (reader == DatabaseReader::Checker) {
            record.dmInhibitIfNamed = record.dmInhibitIfNamed || set;
        }
        break;
    case DatabaseKeyword::SpInhibit: record.spInhibit = record.spInhibit || set; break;
    case DatabaseKeyword::NoInhibit: record.noInhibit = record.noInhibit || set; break;
    case DatabaseKeyword::Spawnflags:
        record.validSpawnflags |= static_cast<std::uint32_t>(LeadingInteger(arguments));
        break;
    case DatabaseKeyword::Remove: block.removal = block.removal || set; break;
    default: break;  // rule keywords belong to the analysis
    }
}

// Reads the block whose "CLASSNAME" stands at `offset`; returns where the text after it starts.
// A block whose "]" line is missing ends before the next block's CLASSNAME line, so that one
// missing "]" does not swallow the classes after it, or at the end of the text.
std::size_t ReadClassBlock(std::string_view text, std::size_t offset, DatabaseReader reader, ClassBlock& block) {
    block.record.definitionOffset = static_cast<int>(offset);
    block.record.validSpawnflags = SKILL_FLAGS;
    ReadClassnameLine(LineAt(text, offset), block.record);
    std::size_t at = NextLineStart(text, offset);
    for (;;) {
        if (at >= text.size()) {
            block.closed = false;
            break;
        }
        const std::string_view line = LineAt(text, at);
        if (OpensClassBlock(line)) {
            block.closed = false;
            break;
        }
        at = NextLineStart(text, at);
        if (ClosesClassBlock(line)) {
            break;
        }
        const KeywordLine split = SplitKeywordLine(line);
        const std::optional<DatabaseKeyword> keyword = MatchDatabaseKeyword(split.keyword);
        if (keyword && IsAttributeKeyword(*keyword)) {
            ApplyAttribute(block, *keyword, split.arguments, reader);
        }
    }
    return at;
}

// Merging looks at the records as they stand, so a later block of the same file sees earlier ones.
void MergeClassBlock(std::vector<EntityClassDef>& classes, ClassBlock& block) {
    for (EntityClassDef& existing : classes) {
        if (!existing.className.empty() && EqualsIgnoringCase(existing.className, block.record.className)) {
            if (block.removal) {
                existing = EntityClassDef{};  // stays in place, all zero, matching no name
            } else {
                existing = block.record;
                existing.fromSelectedDatabase = true;
            }
            return;
        }
    }
    // A removal of a class nobody defined defines it.
    block.record.fromSelectedDatabase = true;
    classes.push_back(block.record);
}

}  // namespace

int LoadEntityClasses(EntityClassTable& table, const std::string& text, bool loadedFirst, DatabaseReader reader) {
    std::vector<EntityClassDef>& classes = table.classes;
    if (loadedFirst) {
        classes.clear();
        table.problems.clear();
    }
    const std::string_view view = text;
    const std::size_t start = view.find(START_MARKER);
    if (!HasMagicWord(view) || start == std::string_view::npos) {
        classes.clear();
        table.game = GameDeclarations{};
        return 0;
    }
    // A file that stands alone declares for its game alone; otherwise its declarations add to
    // the base database's.
    const bool standsAlone = view.find(NO_PARENT_MARKER, start) != std::string_view::npos;
    if (standsAlone) {
        classes.clear();
    }
    if (loadedFirst || standsAlone) {
        table.game = GameDeclarations{};
    }
    ReadGameDeclarations(view, start, table.game, table.problems);
    std::size_t at = start + START_MARKER.size();
    while (classes.size() < static_cast<std::size_t>(MAX_ENTITY_CLASSES)) {
        const std::size_t found = view.find(CLASSNAME_KEYWORD, at);
        if (found == std::string_view::npos) {
            break;
        }
        ClassBlock block;
        at = ReadClassBlock(view, found, reader, block);
        if (!block.closed) {
            table.problems.push_back("the block of class \"" + block.record.className +
                                     "\" has no closing \"]\" line; it ends where the next block begins");
        }
        if (block.record.className.empty()) {
            continue;  // a block without a name could only ever match removed records
        }
        if (loadedFirst) {
            classes.push_back(block.record);
        } else {
            MergeClassBlock(classes, block);
        }
    }
    return static_cast<int>(classes.size());
}

}  // namespace quillon
