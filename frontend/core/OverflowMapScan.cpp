#include "frontend/core/OverflowMapScan.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "frontend/core/OverflowRules.h"

namespace quillon {

namespace {

constexpr int PROGRESS_EVERY_ENTITIES = 20;

/// Walks the text line by line; a line end is LF or CR LF.
class LineReader {
public:
    explicit LineReader(std::string_view mapText) : text(mapText) {}
    bool AtEnd() const { return at >= text.size(); }
    std::size_t Position() const { return at; }

    std::string_view Next() {
        std::size_t end = text.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (end > at && text[end - 1] == '\r') {
            --end;
        }
        const std::string_view line = text.substr(at, end - at);
        at = next;
        return line;
    }

private:
    std::string_view text;
    std::size_t at = 0;
};

/// The line without its leading blanks: editors that indent their braces still open entities.
std::string_view Trimmed(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) {
        ++start;
    }
    return line.substr(start);
}

bool BeginsWith(std::string_view line, char c) {
    const std::string_view trimmed = Trimmed(line);
    return !trimmed.empty() && trimmed.front() == c;
}

/// The key between the first two quotation marks and the value between the third and fourth;
/// a value without its closing mark runs to the end of the line.
struct KeyValueLine {
    std::string_view key;
    std::string_view value;
    bool complete = false;  ///< four quotation marks
};

std::optional<KeyValueLine> SplitKeyValue(std::string_view line) {
    std::array<std::size_t, 4> quotes{};
    std::size_t found = 0;
    for (std::size_t at = 0; at < line.size() && found < quotes.size(); ++at) {
        if (line[at] == '"') {
            quotes[found++] = at;
        }
    }
    if (found < 2) {
        return std::nullopt;
    }
    KeyValueLine split;
    split.key = line.substr(quotes[0] + 1, quotes[1] - quotes[0] - 1);
    if (found >= 3) {
        const std::size_t end = found == 4 ? quotes[3] : line.size();
        split.value = line.substr(quotes[2] + 1, end - quotes[2] - 1);
    }
    split.complete = found == 4;
    return split;
}

std::string Field(std::string_view value, std::size_t limit = MAX_OVERFLOW_TEXT) {
    return std::string(value.substr(0, std::min(value.size(), limit)));
}

std::int32_t IntegerValue(std::string_view value) {
    const std::string text(value);
    return static_cast<std::int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

/// Three numbers; editors may write fractions, which are cut to whole units.
std::array<std::int32_t, 3> OriginValue(std::string_view value) {
    std::array<std::int32_t, 3> origin{};
    const std::string text(value);
    const char* at = text.c_str();
    for (std::int32_t& coordinate : origin) {
        char* end = nullptr;
        const double number = std::strtod(at, &end);
        if (end == at || !std::isfinite(number) || std::fabs(number) > 2.0e9) {
            break;
        }
        coordinate = static_cast<std::int32_t>(number);
        at = end;
    }
    return origin;
}

bool OnIgnoreList(const std::vector<std::string>& ignoreList, std::string_view className) {
    return std::find(ignoreList.begin(), ignoreList.end(), className) != ignoreList.end();
}

/// The classname of the entity opened by the "{" line just read, looked for before the first
/// line that closes a block; the reader itself does not move.
std::optional<std::string_view> LookAheadClassName(LineReader reader) {
    while (!reader.AtEnd()) {
        const std::string_view line = reader.Next();
        if (BeginsWith(line, '}')) {
            return std::nullopt;
        }
        const std::optional<KeyValueLine> split = SplitKeyValue(line);
        if (split && split->key == "classname") {
            return split->value;
        }
    }
    return std::nullopt;
}

/// The lines of one entity, from its "{" up to the "}" that closes it or the end of the text.
OverflowEntity ReadEntity(LineReader& reader) {
    OverflowEntity entity;
    int depth = 1;
    while (depth > 0 && !reader.AtEnd()) {
        const std::string_view line = reader.Next();
        if (BeginsWith(line, '{')) {
            ++depth;
        } else if (BeginsWith(line, '}')) {
            --depth;
        } else {
            ReadEntityLine(entity, line);
        }
    }
    return entity;
}

void ApplyInhibitFlags(OverflowEntity& entity, const EntityClassDef& definition) {
    if (definition.dmInhibit) {
        entity.spawnflags |= 2048;
    }
    if (definition.spInhibit) {
        entity.spawnflags |= 256 | 512 | 1024;
    }
    if (definition.noInhibit) {
        entity.spawnflags &= 0xF0FF;
    }
}

void AddMapEntity(OverflowAnalysis& analysis, OverflowEntity entity, const EntityClassTable& table,
                  const std::vector<std::string>& ignoreList) {
    if (entity.classname.empty() || entity.classname == "func_group") {
        return;
    }
    const EntityClassDef* definition = FindOverflowClass(table, entity.classname);
    if (definition == nullptr) {
        return;  // unknown classes load nothing the database can tell
    }
    ApplyInhibitFlags(entity, *definition);
    if (OnIgnoreList(ignoreList, entity.classname)) {
        entity.ignored = true;
        if (AppendOverflowEntity(analysis, std::move(entity))) {
            ++analysis.ignoredCount;
        }
        return;
    }
    if (!AppendOverflowEntity(analysis, std::move(entity))) {
        return;
    }
    ApplyEntityRules(analysis, analysis.entities.size() - 1, ClassBlockLines(table, *definition));
}

}  // namespace

int CountBrushModels(std::string_view mapText, const EntityClassTable& table, const std::vector<std::string>& ignoreList) {
    int count = 0;
    LineReader reader(mapText);
    while (!reader.AtEnd()) {
        if (!BeginsWith(reader.Next(), '{')) {
            continue;
        }
        const std::optional<std::string_view> className = LookAheadClassName(reader);
        if (!className || OnIgnoreList(ignoreList, *className)) {
            continue;
        }
        const EntityClassDef* definition = FindOverflowClass(table, *className);
        if (definition != nullptr && definition->needsBrush) {
            ++count;
        }
    }
    return count;
}

void ReadEntityLine(OverflowEntity& entity, std::string_view line) {
    const std::optional<KeyValueLine> split = SplitKeyValue(line);
    if (!split) {
        return;
    }
    const std::string_view key = split->key;
    const std::string_view value = split->value;
    if (key == "classname") entity.classname = Field(value);
    else if (key == "item") entity.item = Field(value);
    else if (key == "message") entity.message = Field(value);
    else if (key == "noise") entity.noise = Field(value);
    else if (key == "sounds") entity.sounds = IntegerValue(value);
    else if (key == "spawnflags") entity.spawnflags = IntegerValue(value);
    else if (key == "target") entity.target = Field(value);
    else if (key == "targetname") entity.targetname = Field(value);
    else if (key == "origin") entity.origin = OriginValue(value);
    else if (key == "locked_sound") entity.lockedSound = IntegerValue(value);
    else if (key == "movesnd") entity.moveSound = IntegerValue(value);
    else if (key == "spawnobject") entity.spawnObject = IntegerValue(value);
    else if (key == "stopsnd") entity.stopSound = IntegerValue(value);
    else if (key == "unlocked_sound") entity.unlockedSound = IntegerValue(value);
    else if (split->complete && entity.furtherKeys.size() < MAX_FURTHER_KEYS) entity.furtherKeys.push_back({Field(key, MAX_FURTHER_KEY), Field(value)});
}

void ReadOverflowEntities(OverflowAnalysis& analysis, std::string_view mapText, const EntityClassTable& table,
                          const std::vector<std::string>& ignoreList, const std::function<void()>& progress) {
    LineReader reader(mapText);
    int entityCount = 0;
    while (!reader.AtEnd()) {
        if (!BeginsWith(reader.Next(), '{')) {
            continue;
        }
        AddMapEntity(analysis, ReadEntity(reader), table, ignoreList);
        if (++entityCount % PROGRESS_EVERY_ENTITIES == 0 && progress) {
            progress();
        }
    }
}

}  // namespace quillon
