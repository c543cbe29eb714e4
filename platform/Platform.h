#pragma once
// The operating-system services Quillon needs, as plain functions. Each is implemented once per
// platform (*_posix.cpp, *_win32.cpp); nothing here includes any other part of Quillon.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::platform {

// ---- ini profiles -------------------------------------------------------------------------------
// Sections and keys compare without regard to case. A missing file reads as empty.

/// The value of `key` in `section`, or `fallback`; at most `capacity` characters are kept.
std::string GetProfileString(const std::string& iniPath, const std::string& section, const std::string& key,
                             const std::string& fallback, std::size_t capacity);
/// The integer value of `key`: "0x" hexadecimal or signed decimal, trailing text ignored.
int GetProfileInt(const std::string& iniPath, const std::string& section, const std::string& key, int fallback);
/// Sets `key` in `section`, creating the file, the section or the key as needed.
bool WriteProfileString(const std::string& iniPath, const std::string& section, const std::string& key,
                        const std::string& value);
/// Writes an integer the way every settings file stores it: "0x%04x".
bool WriteProfileInt(const std::string& iniPath, const std::string& section, const std::string& key, int value);
/// Reads an integer text: "0x" hexadecimal or signed decimal, trailing text ignored, 0 when absent.
int ParseProfileInt(const std::string& text);

// ---- program and files --------------------------------------------------------------------------

/// The full path of the running program.
std::string OwnProgramPath();
/// The system's temporary directory, ending in a separator ($TMPDIR or /tmp on POSIX).
std::string TempDirectory();
/// Creates a new empty file with a unique name starting with `prefix` in `directory` and returns
/// its path, or an empty text when that fails.
std::string CreateTempFile(const std::string& directory, const std::string& prefix);
/// The steps of a safe file replacement; tests name one to make it fail.
enum class WriteStep {
    None,
    Create,  ///< the temporary file beside the target
    Write,
    Sync,
    Rename,  ///< the temporary file over the target
};
enum class IfMissing { Fail, Create };
/// Replaces the content of `path` by `text`: a temporary file beside it is written, synced and
/// renamed over it, keeping the file's permissions; a symbolic link stays a link and its target
/// gets the text. On failure the original is untouched, the temporary file is gone, `error` says
/// why and the result is false. A missing `path` fails or is created, as `ifMissing` says.
/// `failAt` makes one step fail.
bool ReplaceFileSafely(const std::string& path, std::string_view text, std::string& error,
                       IfMissing ifMissing = IfMissing::Fail, WriteStep failAt = WriteStep::None);
/// The system's text for an error number (errno).
std::string SystemErrorText(int errorNumber);
/// True when both paths name one existing file: the same device and inode, however spelt (links,
/// "./", a case-insensitive file system).
bool SameFile(const std::string& a, const std::string& b);
/// True when `path` names an existing folder.
bool IsFolder(const std::string& path);
/// The files that a map names with "$include", and the files those name in turn, as written (a
/// relative name is taken from the working directory, as the checker opens it). A name in a
/// comment counts too: the list errs towards more files, never fewer.
std::vector<std::string> IncludedFiles(const std::string& mapPath);

/// A path split like the C runtime's _splitpath: drive ("" on POSIX), directory (ending in a
/// separator or empty), file name, extension (with its dot, or empty).
struct PathParts {
    std::string drive;
    std::string directory;
    std::string name;
    std::string extension;
};
PathParts SplitPath(const std::string& path);
/// Finds a game file the way a case-insensitive file system would: the exact path when it exists,
/// else a match per path component without regard to case.
std::optional<std::string> FindFileIgnoringCase(const std::string& path);
/// The names of the files in `directory` that end in `extension` (compared without regard to case).
std::vector<std::string> ListFiles(const std::string& directory, const std::string& extension);

/// The texture directory and game directory derived from the `TextureDir` setting: the game
/// directory is the path up to a component "quake2" (any case) followed by "baseq2/"; without such a
/// component, the texture directory's parent when that is named "baseq2" (any case); else the
/// system's default game directory. "/" and a backslash both separate.
struct GameDirectories {
    std::string textureDir;   ///< one trailing separator removed
    std::string baseGameDir;  ///< ends with a separator
};
GameDirectories DeriveGameDirectories(const std::string& textureDirSetting);

// ---- the front end's presence -------------------------------------------------------------------

/// True when the front end's main dialog exists (or QUILLON_STANDALONE=1 is set). The lock is
/// $XDG_RUNTIME_DIR/quillon-front-end.lock, else /tmp/quillon-<uid>.lock; testing it creates nothing.
bool FrontEndIsRunning();

/// Held by the front end while its main dialog exists; the checker tests for it.
class FrontEndPresenceLock {
public:
    FrontEndPresenceLock();
    ~FrontEndPresenceLock();
    FrontEndPresenceLock(const FrontEndPresenceLock&) = delete;
    FrontEndPresenceLock& operator=(const FrontEndPresenceLock&) = delete;
    /// False when another front end already holds the lock.
    bool held() const { return descriptor >= 0; }

private:
    int descriptor = -1;
};

/// Waits for one key press on the console without echo; returns at once when stdin is no terminal.
void WaitForKeyPress();

// ---- processes ----------------------------------------------------------------------------------

struct ChildProcess {
    long id = -1;
};
/// Starts `arguments[0]` with the given arguments and no console window; when it cannot, errno
/// says why.
std::optional<ChildProcess> StartProcess(const std::vector<std::string>& arguments);
/// Waits at most `milliseconds` for the child, looking every 200 ms; returns its exit code when it
/// has ended. POSIX gives the low 8 bits (a child's -1 reads 255); a child ended by a signal gives
/// 128 + the signal number; a child that cannot be waited for gives -1.
std::optional<int> WaitForProcess(ChildProcess& child, int milliseconds);
/// Ends a child that is still running.
void KillProcess(ChildProcess& child);

}  // namespace quillon::platform
