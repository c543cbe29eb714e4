#pragma once
// The checker's one fatal-error path.

#include <stdexcept>
#include <string>

#include "checker/report/Format.h"

namespace quillon {

struct CheckerRun;

/// Thrown by FatalError; RunChecker alone catches it.
class FatalRunError : public std::runtime_error {
public:
    explicit FatalRunError(const std::string& message) : std::runtime_error(message) {}
};

/// Prints the critical-error banner and the formatted message to the report (no line end is
/// added), writes the line file, and leaves the run with ExitCriticalError.
[[noreturn]] void FatalError(CheckerRun& run, const char* format, ...) QUILLON_PRINTF(2, 3);

/// Opens `path` for binary reading; a failure is fatal ("In SafeOpenRead, Error opening %s: %s").
std::FILE* SafeOpenRead(CheckerRun& run, const std::string& path);

}  // namespace quillon
