#pragma once
// What the fuzz targets share: a private scratch folder per process, whole-file writes and the
// shipped base database.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "entitydb/EntityDatabase.h"

namespace quillon::fuzz {

/// A folder of its own for this fuzzing process, made on first use and kept until it exits
/// (libFuzzer runs several processes side by side with -jobs).
inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/quillon-fuzz.XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        return pattern;
    }();
    return folder;
}

inline std::string ScratchPath(const std::string& name) {
    return ScratchFolder() + "/" + name;
}

/// Writes `bytes` over the file at `path`; a failure ends the process, as the target is then useless.
inline void WriteWholeFile(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

/// The shipped base database as `reader` reads it, loaded once per process; a failure ends the
/// process, as the target is then useless.
template <DatabaseReader reader>
const EntityClassTable& ShippedDatabase() {
    static const EntityClassTable table = [] {
        EntityClassTable loaded;
        const std::string path = QUILLON_SOURCE_DIR "/data/Quake2/quake2.db";
        if (!LoadEntityDatabaseFiles(loaded, path, path, reader)) {
            std::perror(path.c_str());
            std::abort();
        }
        return loaded;
    }();
    return table;
}

}  // namespace quillon::fuzz
