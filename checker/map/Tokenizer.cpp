#include "checker/map/Tokenizer.h"

#include <cstdio>
#include <utility>

#include "checker/driver/CheckerRun.h"
#include "checker/driver/FatalError.h"
#include "checker/report/Report.h"
#include "platform/Platform.h"

namespace quillon {

namespace {

/// Read as a signed byte, so that the bytes 128 to 255 separate tokens like spaces.
bool IsWhiteSpace(char byte) {
    return static_cast<signed char>(byte) <= 32;
}

[[noreturn]] void LineIncomplete(CheckerRun& run) {
    FatalError(run, "Line %i is incomplete\n", run.script.errorLine);
}

/// While a line is scanned, messages name the line before it.
void PassNewline(ScriptState& script, ScriptFile& file) {
    script.errorLine = file.line;
    ++file.line;
}

void OpenScriptFile(CheckerRun& run, const std::string& path) {
    if (run.script.stack.size() >= static_cast<std::size_t>(MAX_OPEN_SCRIPTS)) {
        FatalError(run, "script file exceeded MAX_INCLUDES");
    }
    ScriptFile file;
    file.path = path;
    file.text = LoadWholeFile(run, path);
    file.end = file.text.size();
    run.script.stack.push_back(std::move(file));
}

bool StartsLineComment(const ScriptFile& file) {
    const char byte = file.text[file.position];
    return byte == ';' || byte == '#' ||
           (byte == '/' && file.position + 1 < file.end && file.text[file.position + 1] == '/');
}

bool StartsBlockComment(const ScriptFile& file) {
    return file.text[file.position] == '/' && file.position + 1 < file.end && file.text[file.position + 1] == '*';
}

/// Steps over everything up to and including `closing`, counting newlines; false when the file ends
/// first.
bool SkipPast(ScriptState& script, ScriptFile& file, std::string_view closing) {
    while (file.position < file.end) {
        if (file.position + closing.size() <= file.end &&
            file.text.compare(file.position, closing.size(), closing) == 0) {
            if (closing == "\n") {
                PassNewline(script, file);
            }
            file.position += closing.size();
            return true;
        }
        if (file.text[file.position] == '\n') {
            PassNewline(script, file);
        }
        ++file.position;
    }
    return false;
}

/// Steps over white space and comments up to the start of a token; false when the file ends first.
/// A newline or a comment is the end of the line the caller wanted to stay on.
bool SkipToToken(CheckerRun& run, bool crossLines) {
    ScriptState& script = run.script;
    ScriptFile& file = script.stack.back();
    for (;;) {
        while (file.position < file.end && IsWhiteSpace(file.text[file.position])) {
            if (file.text[file.position] == '\n') {
                if (!crossLines) {
                    LineIncomplete(run);
                }
                PassNewline(script, file);
            }
            ++file.position;
        }
        if (file.position >= file.end) {
            return false;
        }
        const bool lineComment = StartsLineComment(file);
        if (!lineComment && !StartsBlockComment(file)) {
            return true;
        }
        if (!crossLines) {
            LineIncomplete(run);
        }
        if (!lineComment) {
            file.position += 2;
        }
        if (!SkipPast(script, file, lineComment ? "\n" : "*/")) {
            return false;
        }
    }
}

void AppendTokenByte(CheckerRun& run, char byte) {
    std::string& token = run.script.currentToken;
    if (token.size() + 1 >= MAX_TOKEN) {
        FatalError(run, "Token too large on line %i\n", run.script.errorLine);
    }
    token.push_back(byte);
}

/// Copies the token that starts at the current position: a quoted one without its quotes (white
/// space and comment marks are ordinary there), else up to white space or ";".
void CopyToken(CheckerRun& run) {
    ScriptState& script = run.script;
    ScriptFile& file = script.stack.back();
    script.currentToken.clear();
    if (file.text[file.position] == '"') {
        ++file.position;
        while (file.position < file.end && file.text[file.position] != '"') {
            if (file.text[file.position] == '\n') {
                PassNewline(script, file);
            }
            AppendTokenByte(run, file.text[file.position++]);
        }
        if (file.position < file.end) {
            ++file.position;
        }
        return;
    }
    while (file.position < file.end && !IsWhiteSpace(file.text[file.position]) && file.text[file.position] != ';') {
        AppendTokenByte(run, file.text[file.position++]);
    }
}

/// Writes the changed map text back; a failure leaves the map as it was and is reported.
void ReplaceMapText(CheckerRun& run, const ScriptFile& map) {
    std::string error;
    if (platform::ReplaceFileSafely(map.path, std::string_view(map.text.data(), map.end), error,
                                   platform::IfMissing::Fail, run.script.failWriteBackAt)) {
        return;
    }
    std::fprintf(stderr, "\nWARNING: could not write the lower-cased texture names back to %s: %s\n",
                 map.path.c_str(), error.c_str());
    ReportPrint(run, "\nWARNING: could not write the lower-cased texture names back to %s: %s\n",
                map.path.c_str(), error.c_str());
}

/// The current file has ended. False when it was the map file: the input is exhausted.
bool EndScriptFile(CheckerRun& run, bool crossLines) {
    if (!crossLines) {
        LineIncomplete(run);
    }
    ScriptState& script = run.script;
    if (script.stack.size() == 1) {
        if (run.derived.fixTextures && script.stack.front().modified) {
            script.pendingWriteBack = std::move(script.stack.front());
        }
        script.stack.clear();
        script.mapEnded = true;
        return false;
    }
    script.stack.pop_back();
    script.errorLine = script.stack.back().line;
    return true;
}

}  // namespace

void StartScript(CheckerRun& run, const std::string& path) {
    run.script.stack.clear();
    run.script.mapEnded = false;
    run.script.pendingWriteBack.reset();
    OpenScriptFile(run, path);
}

bool ReadToken(CheckerRun& run, bool crossLines) {
    for (;;) {
        if (run.script.mapEnded || run.script.stack.empty()) {
            return false;
        }
        if (!SkipToToken(run, crossLines)) {
            if (!EndScriptFile(run, crossLines)) {
                return false;
            }
            continue;
        }
        CopyToken(run);
        const std::string& token = run.script.currentToken;
        // The first character settles almost every token without a string compare.
        if (token.empty() || token[0] != '$' || token != "$include") {
            return true;
        }
        // The included file's name stands on the same line; reading goes on inside that file.
        ReadToken(run, false);
        OpenScriptFile(run, std::string(run.script.currentToken));
    }
}

void WriteBackMapText(CheckerRun& run) {
    std::optional<ScriptFile> map = std::move(run.script.pendingWriteBack);
    run.script.pendingWriteBack.reset();
    if (map) {
        ReplaceMapText(run, *map);
    }
}

bool TokenOnLine(CheckerRun& run) {
    if (run.script.mapEnded || run.script.stack.empty()) {
        return false;
    }
    const ScriptFile& file = run.script.stack.back();
    std::size_t at = file.position;
    if (at >= file.end) {
        return false;
    }
    while (IsWhiteSpace(file.text[at])) {
        if (file.text[at] == '\n' || ++at == file.end) {
            return false;
        }
    }
    // Only ";" counts as a comment here; "//" or "#" is seen as a token.
    return file.text[at] != ';';
}

}  // namespace quillon
