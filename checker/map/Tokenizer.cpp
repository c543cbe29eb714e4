#include "checker/map/Tokenizer.h"

#include <cstdio>
#include <utility>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"
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

/// A read position in the current file, kept in locals while bytes are scanned and stored back
/// before anything else can look at the file (a fatal error reports the line).
struct Cursor {
    ScriptState& script;
    ScriptFile& file;
    const char* text;
    std::size_t at;
    std::size_t end;
    int line;
    int errorLine;

    explicit Cursor(ScriptState& state)
        : script(state),
          file(state.stack.back()),
          text(file.text.data()),
          at(file.position),
          end(file.end),
          line(file.line),
          errorLine(state.errorLine) {}

    /// While a line is scanned, messages name the line before it.
    void PassNewline() {
        errorLine = line;
        ++line;
    }

    void Store() const {
        file.position = at;
        file.line = line;
        script.errorLine = errorLine;
    }
};

[[noreturn]] void LineIncomplete(CheckerRun& run, const Cursor& cursor) {
    cursor.Store();
    LineIncomplete(run);
}

bool StartsLineComment(const Cursor& cursor) {
    const char byte = cursor.text[cursor.at];
    return byte == ';' || byte == '#' || (byte == '/' && cursor.at + 1 < cursor.end && cursor.text[cursor.at + 1] == '/');
}

bool StartsBlockComment(const Cursor& cursor) {
    return cursor.text[cursor.at] == '/' && cursor.at + 1 < cursor.end && cursor.text[cursor.at + 1] == '*';
}

/// Steps past the end of the line; false when the file ends first.
bool SkipLine(Cursor& cursor) {
    for (; cursor.at < cursor.end; ++cursor.at) {
        if (cursor.text[cursor.at] == '\n') {
            cursor.PassNewline();
            ++cursor.at;
            return true;
        }
    }
    return false;
}

/// Steps past the next "*/", counting newlines; false when the file ends first.
bool SkipBlockComment(Cursor& cursor) {
    for (; cursor.at < cursor.end; ++cursor.at) {
        const char byte = cursor.text[cursor.at];
        if (byte == '*' && cursor.at + 1 < cursor.end && cursor.text[cursor.at + 1] == '/') {
            cursor.at += 2;
            return true;
        }
        if (byte == '\n') {
            cursor.PassNewline();
        }
    }
    return false;
}

/// Steps over white space and comments up to the start of a token; false when the file ends first.
/// A newline or a comment is the end of the line the caller wanted to stay on.
bool SkipToToken(CheckerRun& run, Cursor& cursor, bool crossLines) {
    for (;;) {
        while (cursor.at < cursor.end && IsWhiteSpace(cursor.text[cursor.at])) {
            if (cursor.text[cursor.at] == '\n') {
                if (!crossLines) {
                    LineIncomplete(run, cursor);
                }
                cursor.PassNewline();
            }
            ++cursor.at;
        }
        if (cursor.at >= cursor.end) {
            return false;
        }
        const bool lineComment = StartsLineComment(cursor);
        if (!lineComment && !StartsBlockComment(cursor)) {
            return true;
        }
        if (!crossLines) {
            LineIncomplete(run, cursor);
        }
        if (lineComment ? !SkipLine(cursor) : (cursor.at += 2, !SkipBlockComment(cursor))) {
            return false;
        }
    }
}

[[noreturn]] void TokenTooLarge(CheckerRun& run, const Cursor& cursor) {
    cursor.Store();
    FatalError(run, "Token too large on line %i\n", run.script.errorLine);
}

/// Takes the token that starts at the cursor: a quoted one without its quotes (white space and
/// comment marks are ordinary there), else up to white space or ";". A token may hold
/// MAX_TOKEN - 1 bytes.
void TakeToken(CheckerRun& run, Cursor& cursor) {
    const char* const text = cursor.text;
    if (text[cursor.at] == '"') {
        const std::size_t start = ++cursor.at;
        for (; cursor.at < cursor.end && text[cursor.at] != '"'; ++cursor.at) {
            if (text[cursor.at] == '\n') {
                cursor.PassNewline();
            }
            if (cursor.at - start + 1 >= MAX_TOKEN) {
                TokenTooLarge(run, cursor);
            }
        }
        run.script.currentToken = std::string_view(text + start, cursor.at - start);
        if (cursor.at < cursor.end) {
            ++cursor.at;
        }
        return;
    }
    const std::size_t start = cursor.at;
    const std::size_t end = cursor.end;
    std::size_t at = start;
    while (at < end && !IsWhiteSpace(text[at]) && text[at] != ';') {
        ++at;
    }
    if (at - start >= MAX_TOKEN) {
        cursor.at = start + MAX_TOKEN - 1;  // the first byte with no room
        TokenTooLarge(run, cursor);
    }
    cursor.at = at;
    run.script.currentToken = std::string_view(text + start, cursor.at - start);
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
    // The last token may lie in the text about to go.
    if (script.currentToken.data() != script.heldToken.data()) {
        script.heldToken.assign(script.currentToken);
        script.currentToken = script.heldToken;
    }
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
    // Tokens point into the texts; the stack never grows past this, so they never move.
    run.script.stack.reserve(static_cast<std::size_t>(MAX_OPEN_SCRIPTS));
    run.script.currentToken = {};
    run.script.mapEnded = false;
    run.script.pendingWriteBack.reset();
    OpenScriptFile(run, path);
}

bool ReadToken(CheckerRun& run, bool crossLines) {
    for (;;) {
        if (run.script.mapEnded || run.script.stack.empty()) {
            return false;
        }
        Cursor cursor(run.script);
        const bool found = SkipToToken(run, cursor, crossLines);
        if (found) {
            TakeToken(run, cursor);
        }
        cursor.Store();
        if (!found) {
            if (!EndScriptFile(run, crossLines)) {
                return false;
            }
            continue;
        }
        const std::string_view token = run.script.currentToken;
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
