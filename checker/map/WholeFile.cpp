// Whole-file reading for the tokenizer, the databases and the texture lookups.
#include "checker/map/Tokenizer.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "checker/run/FatalError.h"

namespace quillon {

namespace {

constexpr std::size_t READ_CHUNK = 1 << 16;
/// Lengths beyond this are not trusted for one allocation (a directory reports a huge length).
constexpr long MAX_RESERVE = 1L << 30;

/// Reads the whole of an open file into `text` and closes it; false when fewer bytes than the
/// file's length could be read.
bool ReadOpenFile(std::FILE* file, std::string& text) {
    text.clear();
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        length = std::ftell(file);
    }
    if (length < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        return false;
    }
    if (length <= MAX_RESERVE) {
        text.reserve(static_cast<std::size_t>(length));
    }
    const std::size_t wanted = static_cast<std::size_t>(length);
    char buffer[READ_CHUNK];
    while (text.size() < wanted) {
        const std::size_t count = std::fread(buffer, 1, std::min(READ_CHUNK, wanted - text.size()), file);
        if (count == 0) {
            break;
        }
        text.append(buffer, count);
    }
    std::fclose(file);
    return text.size() == wanted;
}

}  // namespace

std::string LoadWholeFile(CheckerRun& run, const std::string& path) {
    std::FILE* file = SafeOpenRead(run, path);
    std::string text;
    if (!ReadOpenFile(file, text)) {
        FatalError(run, "File read failure");
    }
    return text;
}

bool TryLoadWholeFile(const std::string& path, std::string& text) {
    text.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    if (!ReadOpenFile(file, text)) {
        text.clear();
        return false;
    }
    return true;
}

}  // namespace quillon
