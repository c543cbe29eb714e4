#pragma once
// The tokenizer's state: the open script files, the current token and the line for messages.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace quillon {

inline constexpr int MAX_INCLUDES = 8;       ///< named in the message; 7 files may be open at once
inline constexpr int MAX_OPEN_SCRIPTS = 7;
inline constexpr std::size_t MAX_TOKEN = 1024;

struct ScriptFile {
    std::string path;
    std::string text;  ///< the whole file
    std::size_t position = 0;
    std::size_t end = 0;
    int line = 1;
    /// Set by whoever changes `text` in place (the texture-name lower-casing); only a changed map
    /// text is written back when the map ends.
    bool modified = false;
};

/// The steps of the crash-safe rewrite of the map file; tests name one to make it fail.
using WriteStep = platform::WriteStep;

struct ScriptState {
    std::vector<ScriptFile> stack;  ///< the map file first, each include above its includer
    /// The last token read. It points into the text of the file it came from, or into `heldToken`
    /// once that file has been closed.
    std::string_view currentToken;
    std::string heldToken;
    int errorLine = 0;
    bool mapEnded = false;  ///< the map file has ended; further reads return false at once
    /// The ended map file whose changed text waits until the map has been read without a fatal error.
    std::optional<ScriptFile> pendingWriteBack;
    WriteStep failWriteBackAt = WriteStep::None;  ///< test seam: this step of the write-back fails
};

}  // namespace quillon
