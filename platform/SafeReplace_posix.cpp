#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/Platform.h"

namespace quillon::platform {

namespace {

/// Runs the steps of the rewrite and keeps the errno of the first that fails. The step named by
/// `failAt` is not run at all and fails with EIO.
class WriteSteps {
public:
    explicit WriteSteps(WriteStep failAtStep) : failAt(failAtStep) {}

    template <typename Action>
    bool Run(WriteStep step, Action action) {
        if (step == failAt) {
            errno = EIO;
            return Fail();
        }
        errno = 0;
        return action() ? true : Fail();
    }
    int errorNumber = 0;

private:
    bool Fail() {
        if (errorNumber == 0) {
            errorNumber = errno != 0 ? errno : EIO;
        }
        return false;
    }
    WriteStep failAt;
};

/// A symbolic link stays a link: the file it names gets the new text.
std::string ResolveTarget(const std::string& path) {
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(path, error);
    return error ? path : resolved.string();
}

std::string TemporaryPattern(const std::string& target) {
    const std::filesystem::path file(target);
    const std::filesystem::path directory = file.has_parent_path() ? file.parent_path() : ".";
    return (directory / ("." + file.filename().string() + ".XXXXXX")).string();
}

bool WriteAllOf(int descriptor, std::string_view text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(descriptor, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

/// A newly created file may be read by everyone and written by its owner. (Asking for the umask
/// would change it for a moment under the other threads of the front end.)
constexpr mode_t NEW_FILE_MODE = 0644;

/// Makes the rename itself durable; a file system that cannot sync a directory loses nothing here.
void SyncDirectoryOf(const std::string& target) {
    const std::filesystem::path file(target);
    const std::string directory = file.has_parent_path() ? file.parent_path().string() : ".";
    const int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

/// Gives the temporary file the original's permissions (a new file those of a fresh text file),
/// then writes and syncs it. The descriptor is closed in every case.
bool FillTemporary(int descriptor, std::string_view text, const std::optional<struct stat>& original,
                   WriteSteps& steps) {
    const mode_t mode = original ? (original->st_mode & 07777) : NEW_FILE_MODE;
    bool ok = steps.Run(WriteStep::Create, [&] { return ::fchmod(descriptor, mode) == 0; });
    if (ok && original && ::fchown(descriptor, original->st_uid, original->st_gid) != 0) {
        // Only a privileged user may give a file away; the text matters more than its owner.
    }
    ok = ok && steps.Run(WriteStep::Write, [&] { return WriteAllOf(descriptor, text); });
    ok = ok && steps.Run(WriteStep::Sync, [&] { return ::fsync(descriptor) == 0; });
    const bool closed = ::close(descriptor) == 0;
    return ok && steps.Run(WriteStep::Write, [&] { return closed; });
}

}  // namespace

bool ReplaceFileSafely(const std::string& path, std::string_view text, std::string& error, IfMissing ifMissing,
                       WriteStep failAt) {
    const std::string target = ResolveTarget(path);
    WriteSteps steps(failAt);
    std::optional<struct stat> original;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        original = info;
    } else if (errno != ENOENT || ifMissing == IfMissing::Fail) {
        error = SystemErrorText(errno);
        return false;
    }
    const std::string pattern = TemporaryPattern(target);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int descriptor = -1;
    if (!steps.Run(WriteStep::Create, [&] { return (descriptor = ::mkstemp(name.data())) >= 0; })) {
        error = SystemErrorText(steps.errorNumber);
        return false;
    }
    const std::string temporary = name.data();
    bool ok = FillTemporary(descriptor, text, original, steps);
    ok = ok && steps.Run(WriteStep::Rename, [&] { return ::rename(temporary.c_str(), target.c_str()) == 0; });
    if (!ok) {
        ::unlink(temporary.c_str());
        error = SystemErrorText(steps.errorNumber);
        return false;
    }
    SyncDirectoryOf(target);
    return true;
}

}  // namespace quillon::platform
