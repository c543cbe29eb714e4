#pragma once
// The front end's start with its dialogs: one copy per user, the settings and command line, the
// main dialog, and the settings saved at the end.

#include <string>
#include <vector>

namespace quillon {

class SingleInstance;
struct CommandLineOptions;

/// How a start goes on when it may find another copy running.
enum class StartMode {
    HandOver,         ///< another copy was asked to come to the front; this one ends
    RunBesideOther,   ///< "+go" with another copy running: run here, leave that copy its socket
    RunAndListen,     ///< no other copy: run and answer later starts
};

/// A start without "+go" hands over to a running copy. A start with "+go" never does: a script
/// waits for its report, so the run happens in this process.
StartMode DecideStart(const CommandLineOptions& options, SingleInstance& instance);

/// True when Qt can show windows: a platform other than offscreen or minimal was asked for, or a
/// display server is named in the environment.
bool DisplayAvailable();

/// Runs the program with its dialogs; `argc` and `argv` as main received them.
int RunFrontEndWithDialogs(int& argc, char** argv);

}  // namespace quillon
