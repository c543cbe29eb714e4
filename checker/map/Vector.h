#pragma once
// Three-float vectors. Values are stored as 32-bit floats; computations run in double.

#include <array>

namespace quillon {

using Vec3 = std::array<float, 3>;
using IntPoint = std::array<int, 3>;

}  // namespace quillon
