#pragma once
// Helpers shared by the unit tests: scratch folders and whole-file reading and writing.

#include <filesystem>
#include <string>
#include <vector>

namespace quillon::test {

/// A fresh folder under the system's temporary directory, removed with its content on destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return dir; }
    /// Writes `content` byte for byte to `name` inside the folder and returns the full path.
    std::string Write(const std::string& name, const std::string& content) const;
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }

private:
    std::filesystem::path dir;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& content);

}  // namespace quillon::test
