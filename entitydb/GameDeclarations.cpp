// What a database declares about its game beside its classes: the entity keys the game reads
// beyond the checker's built-in list, and the limits of its engine. Both stand in the free text
// before the start marker, which the class loader never reads, so a database with declarations
// still loads everywhere and one without them reads as before.

#include <algorithm>
#include <array>
#include <charconv>

#include "entitydb/DatabaseText.h"
#include "entitydb/EntityClassTable.h"

namespace quillon {

namespace {

// Lines 1 to 3 are the magic word, the display name and the origin text.
constexpr int HEADER_LINES = 3;
constexpr int MAX_DECLARED_LIMIT = 65536;

struct LimitName {
    std::string_view name;
    int GameLimits::*value;
};

constexpr std::array<LimitName, 4> LIMIT_NAMES = {{
    {"edicts", &GameLimits::edicts},
    {"models", &GameLimits::models},
    {"sounds", &GameLimits::sounds},
    {"images", &GameLimits::images},
}};

std::string Quoted(std::string_view word) {
    return "\"" + std::string(word) + "\"";
}

void ReadKeys(std::string_view arguments, GameDeclarations& game, const std::string& where,
              std::vector<std::string>& problems) {
    std::size_t at = 0;
    bool any = false;
    for (std::string_view key = NextWord(arguments, at); !key.empty(); key = NextWord(arguments, at)) {
        any = true;
        const auto sameKey = [key](const std::string& declared) { return EqualsIgnoringCase(declared, key); };
        const bool known = std::any_of(game.keys.begin(), game.keys.end(), sameKey);
        if (!known) {
            game.keys.emplace_back(key);
        }
    }
    if (!any) {
        problems.push_back(where + ": GAME_KEYS names no key");
    }
}

void ReadLimit(std::string_view arguments, GameDeclarations& game, const std::string& where,
               std::vector<std::string>& problems) {
    std::size_t at = 0;
    const std::string_view name = NextWord(arguments, at);
    const std::string_view number = NextWord(arguments, at);
    const auto sameName = [name](const LimitName& candidate) { return EqualsIgnoringCase(candidate.name, name); };
    const auto limit = std::find_if(LIMIT_NAMES.begin(), LIMIT_NAMES.end(), sameName);
    if (limit == LIMIT_NAMES.end()) {
        problems.push_back(where + ": GAME_LIMIT names " + (name.empty() ? "nothing" : Quoted(name)) +
                           ", not edicts, models, sounds or images; the line is skipped");
        return;
    }
    int& value = game.limits.*(limit->value);
    int read = 0;
    const char* end = number.data() + number.size();
    const std::from_chars_result parsed = std::from_chars(number.data(), end, read);
    if (number.empty() || parsed.ec != std::errc() || parsed.ptr != end || read < 1 || read > MAX_DECLARED_LIMIT) {
        problems.push_back(where + ": the " + std::string(limit->name) + " limit must be a whole number from 1 to " +
                           std::to_string(MAX_DECLARED_LIMIT) + ", not " +
                           (number.empty() ? "nothing" : Quoted(number)) + "; it stays " + std::to_string(value));
        return;
    }
    value = read;
    if (!NextWord(arguments, at).empty()) {
        problems.push_back(where + ": the words after the " + std::string(limit->name) + " limit are ignored");
    }
}

}  // namespace

void ReadGameDeclarations(std::string_view text, std::size_t startMarker, GameDeclarations& game,
                          std::vector<std::string>& problems) {
    const std::string_view freeText = text.substr(0, std::min(startMarker, text.size()));
    int lineNumber = 1;
    for (std::size_t at = 0; at < freeText.size(); at = NextLineStart(freeText, at), ++lineNumber) {
        if (lineNumber <= HEADER_LINES) {
            continue;
        }
        const KeywordLine line = SplitKeywordLine(LineAt(freeText, at));
        const std::string where = "line " + std::to_string(lineNumber);
        if (line.keyword == "GAME_KEYS") {
            ReadKeys(line.arguments, game, where, problems);
        } else if (line.keyword == "GAME_LIMIT") {
            ReadLimit(line.arguments, game, where, problems);
        }
    }
}

}  // namespace quillon
