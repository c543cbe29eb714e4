// Quillon with its dialogs. Without a display, "+go" runs the report from the command line alone.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "frontend/core/HeadlessRun.h"
#include "frontend/ui/FrontEndApp.h"

int main(int argc, char** argv) {
    if (const std::optional<int> status =
            quillon::AnswerCommandLineAtOnce(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr)) {
        return *status;
    }
    if (!quillon::DisplayAvailable()) {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        return quillon::RunFrontEndHeadless(arguments, stderr);
    }
    return quillon::RunFrontEndWithDialogs(argc, argv);
}
