#include "frontend/core/Version.h"

namespace quillon {

std::string VersionString() {
    std::string version = std::to_string(QUILLON_VERSION_MAJOR) + "." + std::to_string(QUILLON_VERSION_MINOR);
    if (QUILLON_PRERELEASE) {
        version += " beta";
    }
    return version;
}

}  // namespace quillon
