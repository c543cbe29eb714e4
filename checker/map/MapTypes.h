#pragma once
// The records the map reader fills: entities with their pairs, brushes, sides and planes.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "checker/map/Vector.h"
#include "checker/map/Winding.h"

namespace quillon {

inline constexpr int MAX_MAP_ENTITIES = 2048;
inline constexpr int MAX_MAP_BRUSHES = 8192;
inline constexpr int MAX_MAP_BRUSHSIDES = 65536;
inline constexpr int MAX_MAP_PLANES = 65536;
inline constexpr int MAX_KEY = 30;
inline constexpr int MAX_VALUE = 1022;

struct EntityPair {
    std::string key;    ///< as written, trailing white space removed
    std::string value;  ///< as written, trailing white space removed
};

struct MapEntity {
    int listIndex = 0;
    Vec3 origin{};
    int firstBrush = 0;
    int brushCount = 0;
    /// In the order read; lookups search from the back, so the pair read last wins.
    std::vector<EntityPair> pairs;
};

struct MapPlane {
    Vec3 normal{};
    float dist = 0;
    int type = 0;
    int hashLink = -1;  ///< next plane in the same hash bucket, -1 at the end
};

struct BrushSide {
    int planeNumber = 0;
    std::optional<Winding> winding;
    std::uint32_t contents = 0;
    std::uint32_t surfaceFlags = 0;
    int value = 0;
    bool bevel = false;
    std::array<IntPoint, 3> points{};
    std::string textureName;
    int faceNumber = 0;
};

struct MapBrush {
    int entityNumber = 0;
    int brushNumber = 0;
    std::uint32_t contents = 0;
    Vec3 mins{99999, 99999, 99999};
    Vec3 maxs{-99999, -99999, -99999};
    int sideCount = 0;
    int firstSide = 0;  ///< index of the brush's first side in the side table
};

}  // namespace quillon
