#include "frontend/core/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>

#include "platform/Text.h"

namespace quillon {

const char* const USAGE_TEXT =
    "Usage: quillon [options] [+read mapfile] [+write fileout] [+go]\n"
    " Options:\n"
    " -easy\tShow totals for Easy single-player\n"
    " -normal\tShow totals for Normal single-player\n"
    " -hard\tShow totals for Hard single-player\n"
    " -sp\tShow totals for all single-player levels\n"
    " -dm\tShow deathmatch totals\n"
    " -cheat\tStress-test by adding all dropable pickups\n"
    "\tother than health.\n"
    "\n"
    " -tex\tReport missing textures\n"
    " -locase\tConvert all texture names to lowercase\n"
    " -y\tReplace an existing report without asking\n"
    " +go\tRun Quillon and exit\n"
    "\n"
    " Exit status after +go: 0 report written, 1 no report,\n"
    " 2 no +go or unknown option, 3 critical error in the map,\n"
    " 4 too many models, sounds or images in a selected level";

const char* const NO_MATCHING_QUOTE_TEXT = "Syntax error: No matching double-quotation mark";

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

/// The file name part of a path: extension rules look at it alone, so "../maps/e1" still needs
/// its ".map".
std::string LastComponent(const std::string& path) {
    const std::size_t separator = path.find_last_of('/');
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

struct NameScan {
    std::string original;  ///< the command line as given
    std::string masked;    ///< lower-cased, with file names blanked out once taken
    std::vector<std::string> errors;
};

/// Reads the file name that starts at `start` (blanks skipped): a quoted text or the next word.
/// Returns the name; `end` is set past it.
std::string ReadName(NameScan& scan, std::size_t start, std::size_t& end) {
    while (start < scan.original.size() && IsBlank(scan.original[start])) {
        ++start;
    }
    end = start;
    if (start < scan.original.size() && scan.original[start] == '"') {
        const std::size_t closing = scan.original.find('"', start + 1);
        if (closing == std::string::npos) {
            scan.errors.push_back(NO_MATCHING_QUOTE_TEXT);
            end = scan.original.size();
            return {};
        }
        end = closing + 1;
        return scan.original.substr(start + 1, closing - start - 1);
    }
    while (end < scan.original.size() && !IsBlank(scan.original[end])) {
        ++end;
    }
    return scan.original.substr(start, end - start);
}

/// Blanks out a taken file name: a file name is no option text, so "my-dm.map" must not select
/// deathmatch.
void Mask(NameScan& scan, std::size_t from, std::size_t end) {
    std::fill(scan.masked.begin() + static_cast<std::ptrdiff_t>(from),
              scan.masked.begin() + static_cast<std::ptrdiff_t>(end), ' ');
}

/// Takes the file name after `option` ("+read " or "+write "); nothing when the option is absent.
std::optional<std::string> TakeFileName(NameScan& scan, const std::string& option) {
    const std::size_t found = scan.masked.find(option);
    if (found == std::string::npos) {
        return std::nullopt;
    }
    std::size_t end = 0;
    std::string name = ReadName(scan, found + option.size(), end);
    Mask(scan, found, end);
    return name;
}

bool Contains(const std::string& text, const char* word) {
    return text.find(word) != std::string::npos;
}

bool ContainsWord(const std::string& text, const std::string& word) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const bool startsWord = at == 0 || IsBlank(text[at - 1]);
        const std::size_t after = at + word.size();
        if (startsWord && (after == text.size() || IsBlank(text[after]))) {
            return true;
        }
    }
    return false;
}

void ApplySkillOptions(const std::string& text, GameSettings& game) {
    int show = 0;
    if (Contains(text, "-easy")) show |= SHOW_EASY;
    if (Contains(text, "-normal")) show |= SHOW_NORMAL;
    if (Contains(text, "-hard")) show |= SHOW_HARD;
    if (Contains(text, "-sp")) show |= SHOW_EASY | SHOW_NORMAL | SHOW_HARD;
    if (Contains(text, "-dm")) show |= SHOW_DEATHMATCH;
    if (Contains(text, "-cheat")) show |= SHOW_CHEAT;
    if (show != 0) {
        // Texture options of the stored settings do not carry into a run that names its levels.
        game.findBadWals = 0;
        game.fixTextures = 0;
    }
    game.show |= show;
}

void SetMapFile(std::string map, GameSettings& game) {
    if (!map.empty() && !Contains(LowerCased(LastComponent(map)), ".map")) {
        map += ".map";
    }
    game.lastMapFile = map;
}

/// Returns whether "+read" named the map.
bool ApplyFileNames(NameScan& scan, GameSettings& game) {
    const std::optional<std::string> map = TakeFileName(scan, "+read ");
    if (map) {
        SetMapFile(*map, game);
    }
    if (std::optional<std::string> report = TakeFileName(scan, "+write ")) {
        if (!report->empty() && !Contains(LastComponent(*report), ".")) {
            *report += ".txt";
        }
        game.lastOutputFile = *report;
    }
    return map.has_value();
}

bool IsKnownWord(const std::string& word) {
    static const char* const known[] = {"-easy", "-normal", "-hard", "-sp",     "-dm",     "-cheat",
                                        "-tex",  "-locase", "-y",    "+go",     "+read",   "+write",
                                        "-h",    "--help",  "--version"};
    return std::any_of(std::begin(known), std::end(known), [&](const char* option) { return word == option; });
}

/// Looks at every word that is left once "+read" and "+write" took their names: a lone file name
/// is the map, anything else unknown.
void SortWords(NameScan& scan, bool mapNamed, GameSettings& game, CommandLineOptions& options) {
    std::size_t at = 0;
    while (at < scan.masked.size()) {
        if (IsBlank(scan.masked[at])) {
            ++at;
            continue;
        }
        std::size_t end = 0;
        const std::string word = ReadName(scan, at, end);
        if (word.empty()) {
            at = end;
            continue;
        }
        const std::string lower = LowerCased(word);
        const bool looksLikeOption = (word.front() == '-' || word.front() == '+');
        if (IsKnownWord(lower) || lower.find('?') != std::string::npos) {
            // An option: found below, wherever it stands.
        } else if (!looksLikeOption && !mapNamed) {
            SetMapFile(word, game);
            mapNamed = true;
            Mask(scan, at, end);
        } else {
            options.unknownOptions.push_back(word);
        }
        at = end;
    }
}

}  // namespace

CommandLineOptions ApplyCommandLine(const std::string& commandLine, GameSettings& game) {
    CommandLineOptions options;
    const int remembered = game.show;
    game.show = 0;
    const bool blank = std::all_of(commandLine.begin(), commandLine.end(), IsBlank);
    if (!blank) {
        options.fromCommandLine = true;
        NameScan scan{commandLine, LowerCased(commandLine), {}};
        const bool mapNamed = ApplyFileNames(scan, game);
        SortWords(scan, mapNamed, game, options);
        options.syntaxErrors = std::move(scan.errors);
        const std::string& text = scan.masked;
        ApplySkillOptions(text, game);
        if (Contains(text, "-tex")) game.findBadWals = 1;
        if (Contains(text, "-locase")) {
            game.fixTextures = 1;
            options.lowerCase = true;
        }
        options.go = Contains(text, "+go");
        options.showUsage = Contains(text, "?");
        options.assumeYes = ContainsWord(text, "-y");
        options.showHelp = ContainsWord(text, "--help") || ContainsWord(text, "-h");
        options.showVersion = ContainsWord(text, "--version");
    }
    // "-cheat" alone keeps the stored choice of levels.
    if ((game.show & SHOW_LEVELS) == 0) {
        game.show |= remembered;
    }
    return options;
}

std::string JoinArguments(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty()) {
            line += ' ';
        }
        const bool hasBlank = std::any_of(argument.begin(), argument.end(), IsBlank);
        if (hasBlank && argument.find('"') == std::string::npos) {
            line += '"' + argument + '"';
        } else {
            line += argument;
        }
    }
    return line;
}

}  // namespace quillon
