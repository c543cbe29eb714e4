#include "checker/textures/PakFile.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "checker/run/CheckerRun.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::uint32_t LittleEndian32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

/// The file's length, or -1 when it cannot be measured.
long FileLength(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return -1;
    }
    const long length = std::ftell(file);
    return std::fseek(file, 0, SEEK_SET) == 0 ? length : -1;
}

/// How many whole entries of the directory lie inside the file; notes why some do not.
std::uint64_t UsableEntries(std::uint64_t offset, std::uint64_t length, std::uint64_t fileLength,
                            std::string& damage) {
    if (length % PAK_ENTRY_SIZE != 0) {
        damage = "its directory length is not a whole number of entries";
    }
    if (offset > fileLength) {
        damage = "its directory starts past the end of the file";
        return 0;
    }
    const std::uint64_t entries = length / PAK_ENTRY_SIZE;
    const std::uint64_t room = (fileLength - offset) / PAK_ENTRY_SIZE;
    if (entries > room) {
        damage = "its directory runs past the end of the file";
        return room;
    }
    return entries;
}

/// Reads the entries one by one, so that no claimed length decides how much memory is taken.
void ReadEntries(std::FILE* file, std::uint64_t count, PakDirectory& pak) {
    unsigned char entry[PAK_ENTRY_SIZE];
    for (std::uint64_t i = 0; i < count; ++i) {
        if (std::fread(entry, 1, sizeof entry, file) != sizeof entry) {
            pak.damage = "its directory could not be read to its end";
            return;
        }
        // A name without its NUL ends at the field's end.
        const void* nul = std::memchr(entry, 0, PAK_NAME_SIZE);
        const std::size_t length =
            nul != nullptr ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - entry) : PAK_NAME_SIZE;
        pak.lowerNames.insert(LowerCased(std::string(reinterpret_cast<const char*>(entry), length)));
    }
}

}  // namespace

bool PakDirectory::Contains(const std::string& name) const {
    return lowerNames.count(LowerCased(name)) != 0;
}

std::optional<PakDirectory> ReadPakDirectory(const std::string& filePath, int number) {
    const FileHandle file(std::fopen(filePath.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    const long fileLength = FileLength(file.get());
    unsigned char header[PAK_HEADER_SIZE];
    if (fileLength < PAK_HEADER_SIZE || std::fread(header, 1, sizeof header, file.get()) != sizeof header ||
        std::memcmp(header, "PACK", 4) != 0) {
        return std::nullopt;
    }
    PakDirectory pak;
    pak.number = number;
    pak.path = filePath;
    pak.filePath = filePath;
    const std::uint64_t offset = LittleEndian32(header + 4);
    const std::uint64_t length = LittleEndian32(header + 8);
    const std::uint64_t count = UsableEntries(offset, length, static_cast<std::uint64_t>(fileLength), pak.damage);
    if (count > 0 && std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) == 0) {
        ReadEntries(file.get(), count, pak);
    }
    return pak;
}

std::vector<PakDirectory> LoadPakFiles(const std::string& baseGameDir) {
    std::vector<PakDirectory> paks;
    for (int number = 0; number < MAX_PAK_FILES; ++number) {
        const std::string path = baseGameDir + "pak" + std::to_string(number) + ".pak";
        const std::optional<std::string> file = platform::FindFileIgnoringCase(path);
        if (!file) {
            continue;
        }
        if (std::optional<PakDirectory> pak = ReadPakDirectory(*file, number)) {
            pak->path = path;
            paks.push_back(std::move(*pak));
        }
    }
    return paks;
}

const PakDirectory* FindInPaks(const std::vector<PakDirectory>& paks, const std::string& name) {
    const std::string wanted = LowerCased(name);
    for (const PakDirectory& pak : paks) {
        if (pak.lowerNames.count(wanted) != 0) {
            return &pak;
        }
    }
    return nullptr;
}

const std::vector<PakDirectory>& PakFilesOf(CheckerRun& run) {
    if (!run.paks) {
        run.paks = LoadPakFiles(run.derived.baseGameDir);
        for (const PakDirectory& pak : *run.paks) {
            if (!pak.damage.empty()) {
                std::fprintf(stderr, "quillon2: %s is damaged (%s); only its readable entries are searched.\n",
                             pak.filePath.c_str(), pak.damage.c_str());
            }
        }
    }
    return *run.paks;
}

std::optional<std::string> PakSearch(CheckerRun& run, const std::string& name) {
    if (const PakDirectory* pak = FindInPaks(PakFilesOf(run), name)) {
        return pak->path;
    }
    return std::nullopt;
}

}  // namespace quillon
