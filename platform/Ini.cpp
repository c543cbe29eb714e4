#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon::platform {

namespace {

struct IniLine {
    std::string text;       ///< without its line end
    std::string lineEnd;    ///< "\r\n", "\n" or "" for a last line without one
};

std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) {
        ++first;
    }
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) {
        --last;
    }
    return text.substr(first, last - first);
}

std::vector<IniLine> ReadLines(const std::string& path) {
    std::vector<IniLine> lines;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return lines;
    }
    std::ostringstream whole;
    whole << in.rdbuf();
    const std::string text = whole.str();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t end = newline == std::string::npos ? text.size() : newline;
        IniLine line;
        line.text = text.substr(start, end - start);
        if (newline != std::string::npos) {
            line.lineEnd = "\n";
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.lineEnd = "\r\n";
            }
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

/// The section name of a "[name]" line; nullopt for any other line.
std::optional<std::string> SectionOf(const std::string& line) {
    const std::string text = Trimmed(line);
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = text.find(']');
    return Trimmed(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

/// Splits a "key=value" line; false for comments and lines without "=".
bool SplitKeyLine(const std::string& line, std::string& key, std::string& value) {
    const std::string text = Trimmed(line);
    if (text.empty() || text.front() == ';') {
        return false;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
        return false;
    }
    key = Trimmed(text.substr(0, equals));
    value = Trimmed(text.substr(equals + 1));
    return true;
}

/// Where a key lives: the index of its section's header and of its own line (-1 when absent).
struct KeyPlace {
    int sectionLine = -1;
    int lastSectionLine = -1;  ///< the section's last non-blank line
    int keyLine = -1;
    std::string value;
};

KeyPlace FindKey(const std::vector<IniLine>& lines, const std::string& section, const std::string& key) {
    KeyPlace place;
    bool inside = false;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const std::string& text = lines[static_cast<std::size_t>(i)].text;
        if (const std::optional<std::string> name = SectionOf(text)) {
            if (place.sectionLine >= 0) {
                break;  // only the first section of that name counts
            }
            inside = EqualsIgnoringCase(*name, section);
            if (inside) {
                place.sectionLine = place.lastSectionLine = i;
            }
            continue;
        }
        std::string lineKey;
        std::string lineValue;
        if (!inside) {
            continue;
        }
        if (!Trimmed(text).empty()) {
            place.lastSectionLine = i;
        }
        if (place.keyLine < 0 && SplitKeyLine(text, lineKey, lineValue) && EqualsIgnoringCase(lineKey, key)) {
            place.keyLine = i;
            place.value = lineValue;
        }
    }
    return place;
}

/// A value written in double quotes loses them.
std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string JoinLines(const std::vector<IniLine>& lines) {
    std::string text;
    for (const IniLine& line : lines) {
        text += line.text + line.lineEnd;
    }
    return text;
}

}  // namespace

std::string GetProfileString(const std::string& iniPath, const std::string& section, const std::string& key,
                             const std::string& fallback, std::size_t capacity) {
    const KeyPlace place = FindKey(ReadLines(iniPath), section, key);
    std::string value = place.keyLine >= 0 ? Unquoted(place.value) : fallback;
    if (value.size() > capacity) {
        value.resize(capacity);
    }
    return value;
}

int GetProfileInt(const std::string& iniPath, const std::string& section, const std::string& key, int fallback) {
    const KeyPlace place = FindKey(ReadLines(iniPath), section, key);
    return place.keyLine >= 0 ? ParseProfileInt(Unquoted(place.value)) : fallback;
}

bool WriteProfileString(const std::string& iniPath, const std::string& section, const std::string& key,
                        const std::string& value) {
    std::vector<IniLine> lines = ReadLines(iniPath);
    const std::string lineEnd = lines.empty() || lines.front().lineEnd.empty() ? "\n" : lines.front().lineEnd;
    if (!lines.empty() && lines.back().lineEnd.empty()) {
        lines.back().lineEnd = lineEnd;  // a last line without its end gets one before we append
    }
    const KeyPlace place = FindKey(lines, section, key);
    const IniLine keyLine{key + "=" + value, lineEnd};
    if (place.keyLine >= 0) {
        lines[static_cast<std::size_t>(place.keyLine)].text = keyLine.text;
    } else if (place.sectionLine >= 0) {
        lines.insert(lines.begin() + place.lastSectionLine + 1, keyLine);
    } else {
        lines.push_back({"[" + section + "]", lineEnd});
        lines.push_back(keyLine);
    }
    std::string error;
    return ReplaceFileSafely(iniPath, JoinLines(lines), error, IfMissing::Create);
}

bool WriteProfileInt(const std::string& iniPath, const std::string& section, const std::string& key, int value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%04x", static_cast<unsigned>(value));
    return WriteProfileString(iniPath, section, key, text);
}

}  // namespace quillon::platform
