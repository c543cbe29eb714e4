#pragma once
// Three-float vectors. Values are stored as 32-bit floats; computations run in double.

#include <array>
#include <cmath>

namespace quillon {

using Vec3 = std::array<float, 3>;
using IntPoint = std::array<int, 3>;

/// The coordinate a cleared box holds: mins all +99999, maxs all -99999.
inline constexpr float BOX_CLEARED = 99999.0f;

/// A coordinate widened for computing.
inline double Wide(float value) {
    return static_cast<double>(value);
}

inline double VecDot(const Vec3& a, const Vec3& b) {
    return Wide(a[0]) * Wide(b[0]) + Wide(a[1]) * Wide(b[1]) + Wide(a[2]) * Wide(b[2]);
}

inline float VecLength(const Vec3& v) {
    return static_cast<float>(std::sqrt(VecDot(v, v)));
}

/// Rounds half-way values up: floor(x + 0.5).
inline double RoundToNearest(double x) {
    return std::floor(x + 0.5);
}

inline Vec3 VecSubtract(const Vec3& a, const Vec3& b) {
    Vec3 out{};
    for (int i = 0; i < 3; ++i) {
        out[i] = static_cast<float>(Wide(a[i]) - Wide(b[i]));
    }
    return out;
}

inline Vec3 VecAdd(const Vec3& a, const Vec3& b) {
    Vec3 out{};
    for (int i = 0; i < 3; ++i) {
        out[i] = static_cast<float>(Wide(a[i]) + Wide(b[i]));
    }
    return out;
}

/// out = a + scale * b, per coordinate.
inline void VecScaledAdd(const Vec3& a, double scale, const Vec3& b, Vec3& out) {
    for (int i = 0; i < 3; ++i) {
        out[i] = static_cast<float>(Wide(a[i]) + scale * Wide(b[i]));
    }
}

/// out = a x b.
inline void VecCross(const Vec3& a, const Vec3& b, Vec3& out) {
    const double x = Wide(a[1]) * Wide(b[2]) - Wide(a[2]) * Wide(b[1]);
    const double y = Wide(a[2]) * Wide(b[0]) - Wide(a[0]) * Wide(b[2]);
    const double z = Wide(a[0]) * Wide(b[1]) - Wide(a[1]) * Wide(b[0]);
    out = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

/// out = v / |v| and returns |v|; a zero vector gives (0, 0, 0) and 0.
inline float VecNormalize(const Vec3& v, Vec3& out) {
    const double length = std::sqrt(VecDot(v, v));
    if (length == 0) {
        out = {0, 0, 0};
        return 0;
    }
    for (int i = 0; i < 3; ++i) {
        out[i] = static_cast<float>(Wide(v[i]) / length);
    }
    return static_cast<float>(length);
}

inline void VecNegate(Vec3& v) {
    for (float& c : v) {
        c = -c;
    }
}

inline void ResetBox(Vec3& mins, Vec3& maxs) {
    mins = {BOX_CLEARED, BOX_CLEARED, BOX_CLEARED};
    maxs = {-BOX_CLEARED, -BOX_CLEARED, -BOX_CLEARED};
}

/// True while no point has extended the box since ResetBox.
inline bool IsBoxCleared(const Vec3& mins, const Vec3& maxs) {
    for (int i = 0; i < 3; ++i) {
        if (mins[i] != BOX_CLEARED || maxs[i] != -BOX_CLEARED) {
            return false;
        }
    }
    return true;
}

inline void ExtendBox(const Vec3& p, Vec3& mins, Vec3& maxs) {
    for (int i = 0; i < 3; ++i) {
        if (p[i] < mins[i]) {
            mins[i] = p[i];
        }
        if (p[i] > maxs[i]) {
            maxs[i] = p[i];
        }
    }
}

}  // namespace quillon
