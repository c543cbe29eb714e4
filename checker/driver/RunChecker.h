#pragma once
// The checker's entry: the launch handshake, the settings, the databases and the phases of a run.

#include <string>

namespace quillon {

struct CheckerRun;

/// The whole program: handshake, settings, run. Returns the process exit code.
int CheckerMain(int argc, char** argv);

/// Runs the phases of one run whose settings are read; catches the fatal error. Returns the exit code.
int RunChecker(CheckerRun& run);

}  // namespace quillon
