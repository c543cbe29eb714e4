#pragma once
// The program's version, taken from the build.

#include <string>

namespace quillon {

/// "1.1" for a release, "1.1 beta" for a pre-release; the tweak and patch numbers show when set.
std::string VersionString();

}  // namespace quillon
