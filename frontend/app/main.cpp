// Quillon without its dialogs: "+go" runs a report from the command line.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "frontend/core/HeadlessRun.h"

int main(int argc, char** argv) {
    if (const std::optional<int> status =
            quillon::AnswerCommandLineAtOnce(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr)) {
        return *status;
    }
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return quillon::RunFrontEndHeadless(arguments, stderr);
}
