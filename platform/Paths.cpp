#include <cctype>
#include <cstdlib>

#include "platform/Platform.h"

namespace quillon::platform {

PathParts SplitPath(const std::string& path) {
    PathParts parts;
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
        parts.drive = path.substr(0, 2);
        start = 2;
    }
    const std::size_t lastSeparator = path.find_last_of("/\\");
    std::size_t nameStart = start;
    if (lastSeparator != std::string::npos && lastSeparator >= start) {
        parts.directory = path.substr(start, lastSeparator + 1 - start);
        nameStart = lastSeparator + 1;
    }
    const std::string file = path.substr(nameStart);
    const std::size_t dot = file.find_last_of('.');
    if (dot == std::string::npos) {
        parts.name = file;
    } else {
        parts.name = file.substr(0, dot);
        parts.extension = file.substr(dot);
    }
    return parts;
}

int ParseProfileInt(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
        ++at;
    }
    const char* begin = text.c_str() + at;
    if (text.size() - at >= 2 && begin[0] == '0' && (begin[1] == 'x' || begin[1] == 'X')) {
        return static_cast<int>(std::strtoul(begin + 2, nullptr, 16));
    }
    return static_cast<int>(std::strtol(begin, nullptr, 10));
}

}  // namespace quillon::platform
