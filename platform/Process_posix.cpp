#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/Platform.h"

extern char** environ;

namespace quillon::platform {

namespace {

constexpr int POLL_MILLISECONDS = 200;

int ExitCodeOf(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return 128;
}

}  // namespace

std::optional<ChildProcess> StartProcess(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        errno = EINVAL;
        return std::nullopt;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t id = 0;
    // posix_spawn returns its error rather than setting errno; callers read errno.
    const int error = ::posix_spawn(&id, argv[0], nullptr, nullptr, argv.data(), environ);
    if (error != 0) {
        errno = error;
        return std::nullopt;
    }
    return ChildProcess{static_cast<long>(id)};
}

std::optional<int> WaitForProcess(ChildProcess& child, int milliseconds) {
    if (child.id <= 0) {
        return std::nullopt;
    }
    int waited = 0;
    for (;;) {
        int status = 0;
        const pid_t result = ::waitpid(static_cast<pid_t>(child.id), &status, WNOHANG);
        if (result == static_cast<pid_t>(child.id)) {
            child.id = -1;
            return ExitCodeOf(status);
        }
        if (result < 0 && errno != EINTR) {
            child.id = -1;  // not our child any more; nothing to wait for
            return -1;
        }
        if (waited >= milliseconds) {
            return std::nullopt;
        }
        const int step = std::min(POLL_MILLISECONDS, milliseconds - waited);
        std::this_thread::sleep_for(std::chrono::milliseconds(step));
        waited += step;
    }
}

void KillProcess(ChildProcess& child) {
    if (child.id <= 0) {
        return;
    }
    ::kill(static_cast<pid_t>(child.id), SIGKILL);
    int status = 0;
    while (::waitpid(static_cast<pid_t>(child.id), &status, 0) < 0 && errno == EINTR) {
    }
    child.id = -1;
}

}  // namespace quillon::platform
