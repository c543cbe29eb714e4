#pragma once
// The texture table: find-or-add by name, with the data of each texture's .wal file on disk.

#include <cstdint>
#include <optional>
#include <string>

namespace quillon {

struct CheckerRun;

inline constexpr std::size_t WAL_NEXT_FRAME_OFFSET = 56;
inline constexpr std::size_t WAL_NEXT_FRAME_SIZE = 32;
inline constexpr std::size_t WAL_FLAGS_OFFSET = 88;
inline constexpr std::size_t WAL_CONTENTS_OFFSET = 92;
inline constexpr std::size_t WAL_VALUE_OFFSET = 96;
inline constexpr std::size_t WAL_HEADER_SIZE = 100;

/// The fields the checker takes from a .wal file.
struct WalFields {
    std::uint32_t surfaceFlags = 0;
    std::uint32_t contents = 0;
    std::uint32_t value = 0;
    std::string nextFrame;  ///< empty when the texture is not animated
};

/// Takes the fields from the bytes of a .wal file; a file too short for them gives none.
std::optional<WalFields> ParseWalFields(const std::string& bytes);

/// The path of a texture's file on disk: "%s/%s.wal" with the texture directory and the name,
/// looked up without regard to case when the exact path does not exist. None when not found.
std::optional<std::string> FindTextureFile(const std::string& textureDir, const std::string& name);

/// The index of `name` in run.textures (compared without regard to case), adding it and the rest
/// of its animation chain when new. More than MAX_MAP_TEXTURES names is fatal.
int FindOrAddTexture(CheckerRun& run, const std::string& name);

/// True when the two names are equal without regard to ASCII case.
bool SameTextureName(const std::string& a, const std::string& b);

}  // namespace quillon
