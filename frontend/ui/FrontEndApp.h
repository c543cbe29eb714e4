#pragma once
// The front end's start with its dialogs: one copy per user, the settings and command line, the
// main dialog, and the settings saved at the end.

#include <string>
#include <vector>

namespace quillon {

/// True when Qt can show windows: a platform other than offscreen or minimal was asked for, or a
/// display server is named in the environment.
bool DisplayAvailable();

/// Runs the program with its dialogs; `argc` and `argv` as main received them.
int RunFrontEndWithDialogs(int& argc, char** argv);

}  // namespace quillon
