#pragma once
// The texture table: the distinct texture names of the map's faces and where each was found.

#include <cstdint>
#include <string>

namespace quillon {

inline constexpr int MAX_MAP_TEXTURES = 1024;

enum TextureSource : std::uint32_t {
    SourceDisk = 1,
    SourcePak0 = 2,
    SourceOtherPak = 4,
};

struct TextureRecord {
    std::string name;  ///< at most 63 characters
    std::uint32_t surfaceFlags = 0;
    std::uint32_t value = 0;
    std::uint32_t contents = 0;
    std::uint32_t sourceBits = 0;
    std::string nextFrame;  ///< at most 63 characters
    std::string source;     ///< "disk file", "not found" or the pak's path
};

}  // namespace quillon
