#pragma once
// The program's version and window title, taken from the build.

#include <cstdint>
#include <string>

namespace quillon {

/// A version block as the build stamps it: two 32-bit words and the pre-release flag.
struct VersionBlock {
    std::uint32_t fileVersionMS = 0;  ///< major << 16 | minor
    std::uint32_t fileVersionLS = 0;  ///< patch << 16 | tweak
    bool preRelease = false;
};

/// The version block of this build (1.1.0.0 with the pre-release flag for the shipped program).
VersionBlock BuildVersionBlock();
/// "1.1", "1.1.2" or "1.1.2.3" as the block's low words require, with " beta" for a pre-release.
std::string FormatVersion(const VersionBlock& block);
/// The version string of this build ("1.1 beta").
std::string VersionString();
/// "Quillon", followed by " v" and the version string when there is one.
std::string WindowTitle(const std::string& version);

}  // namespace quillon
