#include <fcntl.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/Platform.h"

namespace quillon::platform {

namespace {

/// One lock per user: the front end holds it while its main dialog exists.
std::string PresenceLockPath() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir != nullptr && *runtimeDir != '\0') {
        return std::string(runtimeDir) + "/quillon-front-end.lock";
    }
    return "/tmp/quillon-" + std::to_string(::getuid()) + ".lock";
}

}  // namespace

FrontEndPresenceLock::FrontEndPresenceLock() {
    const int candidate = ::open(PresenceLockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (candidate < 0) {
        return;
    }
    if (::flock(candidate, LOCK_EX | LOCK_NB) != 0) {
        ::close(candidate);  // another front end holds it
        return;
    }
    descriptor = candidate;
}

FrontEndPresenceLock::~FrontEndPresenceLock() {
    if (descriptor >= 0) {
        ::flock(descriptor, LOCK_UN);
        ::close(descriptor);
    }
}

bool FrontEndIsRunning() {
    const char* standalone = std::getenv("QUILLON_STANDALONE");
    if (standalone != nullptr && std::strcmp(standalone, "1") == 0) {
        return true;
    }
    // Opened read-only and never created: the test must touch no file.
    const int probe = ::open(PresenceLockPath().c_str(), O_RDONLY | O_CLOEXEC);
    if (probe < 0) {
        return false;
    }
    const bool held = ::flock(probe, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(probe);  // closing drops our own shared lock, if we got it
    return held;
}

void WaitForKeyPress() {
    if (::isatty(STDIN_FILENO) == 0) {
        return;
    }
    termios saved {};
    if (::tcgetattr(STDIN_FILENO, &saved) != 0) {
        return;
    }
    termios raw = saved;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    ::tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    char key = 0;
    while (::read(STDIN_FILENO, &key, 1) < 0 && errno == EINTR) {
    }
    ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}

}  // namespace quillon::platform
