#pragma once
// Reading the text of an entity database: lines, keyword lines, keywords and their integers.
// Both programs read blocks through these, so the checker's listing, the loader and the front
// end's rules see the same lines. Every scan stops at the end of the text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Text.h"

namespace quillon {

struct GameDeclarations;

/// White space as the database files use it: blank, tab, and the line and page ends.
bool IsBlank(char c);
/// The next blank-delimited word of `line` from `at`; `at` moves past it.
std::string_view NextWord(std::string_view line, std::size_t& at);

/// Every keyword that may open a line of a class block.
enum class DatabaseKeyword {
    // Attributes, read by the loaders.
    IsSolid, IsPickup, DmInhibit, DmInhibitNamed, SpInhibit, NoInhibit, Spawnflags, Remove,
    // Rules for the resources of one entity, read by the front end's analysis.
    HasNoise, SfAnd, SfNot, SoundEq, SoundNeq, TalkWav, LockSndEq, MoveSndEq, StopSndEq, UnlkSndEq,
    SpawnObj, Spawn, Needs, Load,
};

/// The keyword that `word` names, honouring each keyword's case rule (some must be written in
/// upper case, the others may be written in any case); nothing for any other word.
std::optional<DatabaseKeyword> MatchDatabaseKeyword(std::string_view word);
/// True for the keywords that describe the class itself (read by the loaders).
bool IsAttributeKeyword(DatabaseKeyword keyword);

/// A line of a block split at its first blank: the keyword stands at column 1, so an indented
/// line has an empty keyword.
struct KeywordLine {
    std::string_view keyword;
    std::string_view arguments;  ///< the rest of the line after the keyword
};
KeywordLine SplitKeywordLine(std::string_view line);

/// The line that starts at `start`, without its line end (LF or CR LF).
std::string_view LineAt(std::string_view text, std::size_t start);
/// Where the line after the one containing `at` starts, or the text's size.
std::size_t NextLineStart(std::string_view text, std::size_t at);

/// The decimal integer at the start of `arguments` after blanks, or 0 when there is none. Values
/// beyond 32 bits are clamped. `consumed`, when given, receives the position after the number.
std::int32_t LeadingInteger(std::string_view arguments, std::size_t* consumed = nullptr);

/// True for a line that opens a class block: its keyword is "CLASSNAME".
bool OpensClassBlock(std::string_view line);
/// True for a line that closes a class block: it starts with "]".
bool ClosesClassBlock(std::string_view line);

/// The lines of the block whose "CLASSNAME" stands at `definitionOffset`: from the line after the
/// CLASSNAME line up to the "]" line (excluded). A block whose "]" is missing ends before the next
/// line that opens a block, or at the end of the text.
std::vector<std::string_view> BlockLines(std::string_view text, int definitionOffset);

/// The named SPAWNFLAGS lines of that block, in file order: the value and the name between double
/// quotes (at most 31 characters). Only lines whose keyword is written "SPAWNFLAGS" and that carry
/// a quote are listed.
std::vector<std::pair<std::uint32_t, std::string>> ReadSpawnflagNames(std::string_view text, int definitionOffset);

/// Reads the "GAME_KEYS" and "GAME_LIMIT" lines of a database's free text, from its fourth line up
/// to the line that holds the start marker at `startMarker`, into `game`. A malformed line adds one
/// sentence to `problems` and changes nothing it cannot read.
void ReadGameDeclarations(std::string_view text, std::size_t startMarker, GameDeclarations& game,
                          std::vector<std::string>& problems);

}  // namespace quillon
