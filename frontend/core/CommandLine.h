#pragma once
// The front end's command line: skill options, "-tex", "-locase", "+read", "+write", "+go", "?".

#include <string>
#include <vector>

#include "frontend/core/FrontEndSettings.h"

namespace quillon {

extern const char* const USAGE_TEXT;
extern const char* const NO_MATCHING_QUOTE_TEXT;

struct CommandLineOptions {
    bool fromCommandLine = false;  ///< a command line was given: settings are not saved at exit
    bool go = false;               ///< "+go": run at once and close afterwards
    bool showUsage = false;        ///< "?": show the usage text and end
    bool assumeYes = false;        ///< "-y": replace an existing report without asking
    bool lowerCase = false;        ///< "-locase" was given
    bool showHelp = false;         ///< "--help" or "-h": print the usage and end
    bool showVersion = false;      ///< "--version": print the name and version and end
    std::vector<std::string> unknownOptions;  ///< words that are no option, in order
    std::vector<std::string> syntaxErrors;  ///< messages to show, in order
};

/// Applies `commandLine` to the game's settings the way start-up does: the stored `Show` is kept
/// unless the command line selects a level, and a skill option switches "-tex" and "-locase"
/// off unless they are given too. Options are found anywhere outside the file names, in any case;
/// file names keep their case. A word that is no option is the map file when it is the first such
/// word, does not start with "-" or "+" and no "+read" is given (a file manager opens a map so);
/// every other one is unknown.
CommandLineOptions ApplyCommandLine(const std::string& commandLine, GameSettings& game);

/// The program's arguments as one command line: an argument with white space and no double
/// quotation mark is quoted, so that "+write" "my report" names one file.
std::string JoinArguments(const std::vector<std::string>& arguments);

}  // namespace quillon
