#include "entitydb/DatabaseText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

namespace quillon {

namespace {

struct KeywordSpelling {
    std::string_view text;
    bool exactCase;
    DatabaseKeyword keyword;
};

// Some keywords were always matched exactly and others in any case; files rely on both.
constexpr std::array<KeywordSpelling, 22> KEYWORDS = {{
    {"IS_SOLID", true, DatabaseKeyword::IsSolid},
    {"IS_PICKUP", true, DatabaseKeyword::IsPickup},
    {"DM_INHIBIT", false, DatabaseKeyword::DmInhibit},
    {"DM_INHIBIT_NAMED", false, DatabaseKeyword::DmInhibitNamed},
    {"SP_INHIBIT", false, DatabaseKeyword::SpInhibit},
    {"NO_INHIBIT", false, DatabaseKeyword::NoInhibit},
    {"SPAWNFLAGS", false, DatabaseKeyword::Spawnflags},
    {"REMOVE", false, DatabaseKeyword::Remove},
    {"HAS_NOISE", true, DatabaseKeyword::HasNoise},
    {"SF_AND", false, DatabaseKeyword::SfAnd},
    {"SF_NOT", false, DatabaseKeyword::SfNot},
    {"SOUND_EQ", true, DatabaseKeyword::SoundEq},
    {"SOUND_NEQ", true, DatabaseKeyword::SoundNeq},
    {"TALK_WAV", false, DatabaseKeyword::TalkWav},
    {"LOCKSND_EQ", true, DatabaseKeyword::LockSndEq},
    {"MOVESND_EQ", true, DatabaseKeyword::MoveSndEq},
    {"STOPSND_EQ", true, DatabaseKeyword::StopSndEq},
    {"UNLKSND_EQ", true, DatabaseKeyword::UnlkSndEq},
    {"SPAWNOBJ", true, DatabaseKeyword::SpawnObj},
    {"SPAWN", false, DatabaseKeyword::Spawn},
    {"NEEDS", false, DatabaseKeyword::Needs},
    {"LOAD", true, DatabaseKeyword::Load},
}};

constexpr std::size_t MAX_FLAG_NAME = 31;

}  // namespace

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view NextWord(std::string_view line, std::size_t& at) {
    while (at < line.size() && IsBlank(line[at])) {
        ++at;
    }
    const std::size_t start = at;
    while (at < line.size() && !IsBlank(line[at])) {
        ++at;
    }
    return line.substr(start, at - start);
}

std::optional<DatabaseKeyword> MatchDatabaseKeyword(std::string_view word) {
    for (const KeywordSpelling& spelling : KEYWORDS) {
        const bool same = spelling.exactCase ? word == spelling.text : EqualsIgnoringCase(word, spelling.text);
        if (same) {
            return spelling.keyword;
        }
    }
    return std::nullopt;
}

bool IsAttributeKeyword(DatabaseKeyword keyword) {
    return keyword <= DatabaseKeyword::Remove;
}

KeywordLine SplitKeywordLine(std::string_view line) {
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) {
        ++end;
    }
    return {line.substr(0, end), line.substr(end)};
}

std::string_view LineAt(std::string_view text, std::size_t start) {
    if (start >= text.size()) {
        return {};
    }
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
        end = text.size();
    }
    if (end > start && text[end - 1] == '\r') {
        --end;
    }
    return text.substr(start, end - start);
}

std::size_t NextLineStart(std::string_view text, std::size_t at) {
    const std::size_t end = text.find('\n', std::min(at, text.size()));
    return end == std::string_view::npos ? text.size() : end + 1;
}

std::int32_t LeadingInteger(std::string_view arguments, std::size_t* consumed) {
    std::size_t at = 0;
    while (at < arguments.size() && IsBlank(arguments[at])) {
        ++at;
    }
    bool negative = false;
    if (at < arguments.size() && (arguments[at] == '-' || arguments[at] == '+')) {
        negative = arguments[at] == '-';
        ++at;
    }
    std::int64_t value = 0;
    const std::size_t digitsStart = at;
    while (at < arguments.size() && std::isdigit(static_cast<unsigned char>(arguments[at]))) {
        value = std::min<std::int64_t>(value * 10 + (arguments[at] - '0'), std::int64_t{1} << 32);
        ++at;
    }
    if (at == digitsStart) {
        if (consumed != nullptr) {
            *consumed = 0;
        }
        return 0;
    }
    if (consumed != nullptr) {
        *consumed = at;
    }
    value = negative ? -value : value;
    value = std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(value);
}

bool OpensClassBlock(std::string_view line) {
    return SplitKeywordLine(line).keyword == "CLASSNAME";
}

bool ClosesClassBlock(std::string_view line) {
    return !line.empty() && line.front() == ']';
}

std::vector<std::string_view> BlockLines(std::string_view text, int definitionOffset) {
    std::vector<std::string_view> lines;
    if (definitionOffset < 0 || static_cast<std::size_t>(definitionOffset) >= text.size()) {
        return lines;
    }
    for (std::size_t at = NextLineStart(text, static_cast<std::size_t>(definitionOffset)); at < text.size();
         at = NextLineStart(text, at)) {
        const std::string_view line = LineAt(text, at);
        if (ClosesClassBlock(line) || OpensClassBlock(line)) {
            break;
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::pair<std::uint32_t, std::string>> ReadSpawnflagNames(std::string_view text, int definitionOffset) {
    std::vector<std::pair<std::uint32_t, std::string>> names;
    for (const std::string_view line : BlockLines(text, definitionOffset)) {
        const KeywordLine split = SplitKeywordLine(line);
        if (split.keyword != "SPAWNFLAGS") {
            continue;  // another case still counts as valid, but is not listed by name
        }
        std::size_t afterNumber = 0;
        const std::int32_t value = LeadingInteger(split.arguments, &afterNumber);
        const std::size_t open = split.arguments.find('"', afterNumber);
        if (open == std::string_view::npos) {
            continue;
        }
        std::string_view name = split.arguments.substr(open + 1);
        name = name.substr(0, std::min(name.find('"'), MAX_FLAG_NAME));
        names.emplace_back(static_cast<std::uint32_t>(value), std::string(name));
    }
    return names;
}

}  // namespace quillon
