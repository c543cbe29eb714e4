#pragma once
// Content flags of brushes and faces, and the surface flags the brush reader looks at.

#include <cstdint>

namespace quillon {

inline constexpr std::uint32_t CONTENTS_SOLID = 1;
inline constexpr std::uint32_t CONTENTS_WINDOW = 2;
inline constexpr std::uint32_t CONTENTS_AREAPORTAL = 32768;
inline constexpr std::uint32_t CONTENTS_PLAYERCLIP = 65536;
inline constexpr std::uint32_t CONTENTS_MONSTERCLIP = 131072;
inline constexpr std::uint32_t CONTENTS_ORIGIN = 16777216;
inline constexpr std::uint32_t CONTENTS_DETAIL = 134217728;
inline constexpr std::uint32_t CONTENTS_TRANSLUCENT = 268435456;
/// Solid, window, aux, lava, slime, water, mist and the two clips: a face with none is solid.
inline constexpr std::uint32_t CONTENTS_VISIBLE_OR_CLIP = 196735;

inline constexpr std::uint32_t SURF_TRANS33 = 16;
inline constexpr std::uint32_t SURF_TRANS66 = 32;
inline constexpr std::uint32_t SURF_HINT = 256;
inline constexpr std::uint32_t SURF_SKIP = 512;

}  // namespace quillon
