#include "frontend/core/Version.h"

#include <cstdio>

namespace quillon {

VersionBlock BuildVersionBlock() {
    VersionBlock block;
    block.fileVersionMS = (static_cast<std::uint32_t>(QUILLON_VERSION_MAJOR) << 16) | QUILLON_VERSION_MINOR;
    block.fileVersionLS = (static_cast<std::uint32_t>(QUILLON_VERSION_PATCH + 0) << 16) | (QUILLON_VERSION_TWEAK + 0);
    block.preRelease = QUILLON_PRERELEASE;
    return block;
}

std::string FormatVersion(const VersionBlock& block) {
    const unsigned msHigh = block.fileVersionMS >> 16;
    const unsigned msLow = block.fileVersionMS & 0xFFFF;
    const unsigned lsHigh = block.fileVersionLS >> 16;
    const unsigned lsLow = block.fileVersionLS & 0xFFFF;
    char text[64];
    if (lsLow != 0) {
        std::snprintf(text, sizeof text, "%u.%u.%u.%u", msHigh, msLow, lsHigh, lsLow);
    } else if (block.fileVersionLS == 0) {
        std::snprintf(text, sizeof text, "%u.%u", msHigh, msLow);
    } else {
        std::snprintf(text, sizeof text, "%u.%u.%u", msHigh, msLow, lsHigh);
    }
    std::string version = text;
    if (block.preRelease) {
        version += " beta";
    }
    return version;
}

std::string VersionString() {
    return FormatVersion(BuildVersionBlock());
}

std::string WindowTitle(const std::string& version) {
    return version.empty() ? std::string("Quillon") : "Quillon v" + version;
}

}  // namespace quillon
