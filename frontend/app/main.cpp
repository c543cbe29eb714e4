// Quillon without its dialogs: "+go" runs a report from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "frontend/core/HeadlessRun.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return quillon::RunFrontEndHeadless(arguments, stderr);
}
