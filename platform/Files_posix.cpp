#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon::platform {

namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

std::vector<std::string> DirectoryEntries(const std::string& directory) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());  // the same match on every run
    return names;
}

/// Splits at "/" and "\", dropping empty components.
std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::string current;
    for (const char c : path) {
        if (c == '/' || c == '\\') {
            if (!current.empty()) {
                parts.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        parts.push_back(current);
    }
    return parts;
}

}  // namespace

std::string OwnProgramPath() {
    std::vector<char> buffer(4096);
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return {};
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::string TempDirectory() {
    const char* fromEnvironment = std::getenv("TMPDIR");
    std::string directory = fromEnvironment != nullptr && *fromEnvironment != '\0' ? fromEnvironment : "/tmp";
    if (directory.back() != '/') {
        directory += '/';
    }
    return directory;
}

std::string CreateTempFile(const std::string& directory, const std::string& prefix) {
    std::string pattern = directory;
    if (!pattern.empty() && pattern.back() != '/') {
        pattern += '/';
    }
    pattern += prefix + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) {
        return {};
    }
    ::close(descriptor);
    return std::string(name.data());
}

std::string SystemErrorText(int errorNumber) {
    return std::strerror(errorNumber);
}

std::optional<std::string> FindFileIgnoringCase(const std::string& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    if (Exists(path)) {
        return path;
    }
    const bool absolute = path.front() == '/';
    std::string found = absolute ? "/" : "";
    for (const std::string& component : Components(path)) {
        const std::string exact = found + component;
        std::string next;
        if (Exists(exact)) {
            next = component;
        } else {
            for (const std::string& name : DirectoryEntries(found)) {
                if (EqualsIgnoringCase(name, component)) {
                    next = name;
                    break;
                }
            }
        }
        if (next.empty()) {
            return std::nullopt;
        }
        found += next + "/";
    }
    found.pop_back();  // the separator added after the last component
    return found;
}

std::vector<std::string> ListFiles(const std::string& directory, const std::string& extension) {
    std::vector<std::string> files;
    const std::string prefix = directory.empty() || directory.back() == '/' ? directory : directory + "/";
    for (const std::string& name : DirectoryEntries(directory)) {
        struct stat info {};
        if (name.size() < extension.size() || ::stat((prefix + name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
            continue;
        }
        if (EqualsIgnoringCase(name.substr(name.size() - extension.size()), extension)) {
            files.push_back(name);
        }
    }
    return files;
}

}  // namespace quillon::platform
