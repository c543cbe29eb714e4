#pragma once
// The script tokenizer: whitespace-separated tokens, comments, quotes and $include.

#include <string>

namespace quillon {

struct CheckerRun;

void StartScript(CheckerRun& run, const std::string& path);
/// Reads the next token into run.script.currentToken; false once the map file has ended.
bool ReadToken(CheckerRun& run, bool crossLines);
/// True when another token follows on the current line.
bool TokenOnLine(CheckerRun& run);
/// Writes the map text, as changed in place while it was read, back over the map file. Called once
/// the whole map has been read: a map that stops with a fatal error is never rewritten.
void WriteBackMapText(CheckerRun& run);

/// Reads a whole file; failure is fatal.
std::string LoadWholeFile(CheckerRun& run, const std::string& path);
/// Reads a whole file; returns false when it cannot be opened.
bool TryLoadWholeFile(const std::string& path, std::string& text);

}  // namespace quillon
