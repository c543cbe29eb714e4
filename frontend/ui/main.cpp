// Quillon with its dialogs. Without a display, "+go" runs the report from the command line alone.
#include <cstdio>
#include <string>
#include <vector>

#include "frontend/core/HeadlessRun.h"
#include "frontend/ui/FrontEndApp.h"

int main(int argc, char** argv) {
    if (!quillon::DisplayAvailable()) {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        return quillon::RunFrontEndHeadless(arguments, stderr);
    }
    return quillon::RunFrontEndWithDialogs(argc, argv);
}
