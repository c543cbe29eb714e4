#include "checker/run/FatalError.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "checker/run/CheckerRun.h"
#include "checker/report/Report.h"
#include "platform/Platform.h"

namespace quillon {

namespace {

std::string FormatArguments(const char* format, va_list arguments) {
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, arguments);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

void FatalError(CheckerRun& run, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const std::string message = FormatArguments(format, arguments);
    va_end(arguments);

    ReportPrint(run, "\n*** Critical Error - cannot continue ***\n");
    ReportPrint(run, "%s", message.c_str());
    if (run.report != nullptr) {
        std::fflush(run.report);
    }
    WriteLineFile(run);
    throw FatalRunError(message);
}

std::FILE* SafeOpenRead(CheckerRun& run, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        const int error = errno;
        FatalError(run, "In SafeOpenRead, Error opening %s: %s", path.c_str(), platform::SystemErrorText(error).c_str());
    }
    return file;
}

}  // namespace quillon
