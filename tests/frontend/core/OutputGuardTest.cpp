#include "frontend/core/OutputGuard.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestSupport.h"

namespace quillon {
namespace {

struct GuardRow {
    const char* name;
    const char* output;         ///< relative to the scratch folder
    const char* refusedAs;      ///< the role named in the refusal; nullptr: accepted
};

void PrintTo(const GuardRow& row, std::ostream* out) {
    *out << row.name;
}

class OutputGuard : public testing::TestWithParam<GuardRow> {};

TEST_P(OutputGuard, RefusesEveryFileTheRunReads) {
    const test::ScratchDir scratch;
    namespace fs = std::filesystem;
    ProgramPaths paths;
    paths.gameDir = scratch.path().string() + "/Quake2/";
    paths.settingsFile = scratch.Write("quillon.ini", "[Quake2]\n");
    scratch.Write("Quake2/quake2.db", "base");
    const std::string database = scratch.Write("Quake2/mod.db", "mod");
    const std::string map = scratch.Write("maps/v.map", "$include \"" + scratch.PathOf("maps/inc.map") + "\"\n{\n}\n");
    scratch.Write("maps/inc.map", "// included\n");
    fs::create_symlink(map, scratch.PathOf("link.txt"));
    fs::create_hard_link(map, scratch.PathOf("hard.txt"));

    const GuardRow& row = GetParam();
    const std::string output = scratch.PathOf(row.output);
    // On a file system that ignores case, "V.MAP" is the map itself and must be refused too.
    const bool caseFolds = fs::exists(scratch.PathOf("maps/V.MAP"));
    const bool refused = row.refusedAs != nullptr || (std::string(row.name) == "other case" && caseFolds);
    const std::optional<std::string> refusal = OutputRefusal(output, RunInputs(paths, map, database));
    ASSERT_EQ(refusal.has_value(), refused) << refusal.value_or("");
    if (row.refusedAs != nullptr) {
        EXPECT_EQ(refusal->rfind("Cannot write " + output + ": it is " + row.refusedAs, 0), 0U) << *refusal;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, OutputGuard,
    testing::Values(GuardRow{"map", "maps/v.map", "the map file"},
                    GuardRow{"dot spelling", "maps/./../maps/v.map", "the map file"},
                    GuardRow{"symbolic link", "link.txt", "the map file"},
                    GuardRow{"hard link", "hard.txt", "the map file"},
                    GuardRow{"other case", "maps/V.MAP", nullptr},
                    GuardRow{"included file", "maps/inc.map", "the included file"},
                    GuardRow{"base database", "Quake2/quake2.db", "the entity database"},
                    GuardRow{"selected database", "Quake2/mod.db", "the entity database"},
                    GuardRow{"settings file", "quillon.ini", "the settings file"},
                    GuardRow{"folder", "maps", "a folder"},
                    GuardRow{"new file", "report.txt", nullptr}),
    [](const testing::TestParamInfo<GuardRow>& row) {
        std::string name = row.param.name;
        for (char& c : name) {
            c = c == ' ' ? '_' : c;
        }
        return name;
    });

}  // namespace
}  // namespace quillon
