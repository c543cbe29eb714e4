#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Platform.h"

namespace quillon::platform {

namespace {

/// More than the checker's own include depth, so that every file it could open is listed.
constexpr std::size_t MAX_LISTED_INCLUDES = 64;

bool IsBlank(char c) {
    return static_cast<signed char>(c) <= 32;
}

/// The names after each "$include" in `text`: quoted, or up to white space or ";".
std::vector<std::string> IncludeNames(const std::string& text) {
    static constexpr std::string_view directive = "$include";
    std::vector<std::string> names;
    for (std::size_t at = text.find(directive); at != std::string::npos; at = text.find(directive, at + 1)) {
        std::size_t start = at + directive.size();
        while (start < text.size() && IsBlank(text[start]) && text[start] != '\n') {
            ++start;
        }
        std::size_t end = start;
        if (start < text.size() && text[start] == '"') {
            end = text.find('"', ++start);
            end = end == std::string::npos ? text.size() : end;
        } else {
            while (end < text.size() && !IsBlank(text[end]) && text[end] != ';') {
                ++end;
            }
        }
        if (end > start) {
            names.push_back(text.substr(start, end - start));
        }
    }
    return names;
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::vector<std::string> IncludedFiles(const std::string& mapPath) {
    std::vector<std::string> files;
    std::vector<std::string> pending{mapPath};
    while (!pending.empty() && files.size() < MAX_LISTED_INCLUDES) {
        std::ifstream in(pending.back(), std::ios::binary);
        pending.pop_back();
        std::ostringstream buffer;
        if (in) {
            buffer << in.rdbuf();
        }
        const std::string text = std::move(buffer).str();
        for (std::string& name : IncludeNames(text)) {
            bool known = false;
            for (const std::string& file : files) {
                known = known || file == name || SameFile(file, name);
            }
            if (!known && files.size() < MAX_LISTED_INCLUDES) {
                files.push_back(name);
                pending.push_back(std::move(name));
            }
        }
    }
    return files;
}

}  // namespace quillon::platform
