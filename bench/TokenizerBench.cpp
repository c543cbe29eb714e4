// Times the tokenizer alone, and the whole map reader, on one map file.
// Run: build/bench/TokenizerBench path/to/some.map
// With --once, makes one bare tokenizer pass (read the file, split it into tokens) and exits, so a
// script can time it as a process beside the checker's runs (bench/run_all.sh).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"
#include "checker/map/MapEntities.h"
#include "checker/map/Tokenizer.h"

namespace {

constexpr int RUNS = 5;

template <typename Action>
double BestSeconds(Action action) {
    double best = 1e9;
    for (int run = 0; run < RUNS; ++run) {
        const auto start = std::chrono::steady_clock::now();
        action();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

/// One pass of the tokenizer over the whole file; the number of tokens.
long TokenizeOnce(const std::string& path) {
    quillon::CheckerRun run;
    quillon::StartScript(run, path);
    long tokens = 0;
    while (quillon::ReadToken(run, true)) {
        ++tokens;
    }
    return tokens;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--once") {
        try {
            std::printf("%ld tokens\n", TokenizeOnce(argv[2]));
        } catch (const quillon::FatalRunError& error) {
            std::fprintf(stderr, "fatal: %s\n", error.what());
            return 1;
        }
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: TokenizerBench MAP\n");
        return 2;
    }
    const std::string path = argv[1];
    std::string text;
    if (!quillon::TryLoadWholeFile(path, text)) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 2;
    }
    long tokens = 0;
    try {
        const double tokenizing = BestSeconds([&] { tokens = TokenizeOnce(path); });
        const double reading = BestSeconds([&] {
            quillon::CheckerRun run;
            quillon::ReadMapFile(run, path);
        });
        const double megabytes = static_cast<double>(text.size()) / 1e6;
        std::printf("%s: %.2f MB, %ld tokens\n", path.c_str(), megabytes, tokens);
        std::printf("tokenizer:  %.3f s (%.0f MB/s)\n", tokenizing, megabytes / tokenizing);
        std::printf("map reader: %.3f s\n", reading);
    } catch (const quillon::FatalRunError& error) {
        std::fprintf(stderr, "fatal: %s\n", error.what());
        return 1;
    }
    return 0;
}
