#pragma once
// Small helpers shared by the map-wide, spawnflag, face and placement checks.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "checker/checks/CheckState.h"
#include "checker/run/CheckerSettings.h"
#include "checker/map/Vector.h"
#include "platform/Text.h"

namespace quillon {

/// The level bits in the order the map-wide messages list them.
inline constexpr std::array<std::uint32_t, LEVEL_COUNT> LEVEL_BITS = {SKILL_EASY, SKILL_NORMAL, SKILL_HARD,
                                                                     SKILL_DEATHMATCH};
inline constexpr std::array<const char*, LEVEL_COUNT> LEVEL_NAMES = {"EASY", "NORMAL", "HARD", "DEATHMATCH"};
inline constexpr int DEATHMATCH_LEVEL = 3;

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

/// A point as the report's "%g" formats take it.
inline std::array<double, 3> Printable(const Vec3& point) {
    return {static_cast<double>(point[0]), static_cast<double>(point[1]), static_cast<double>(point[2])};
}

inline bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

}  // namespace quillon
