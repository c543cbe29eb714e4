#include "frontend/core/OutputGuard.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestSupport.h"

namespace quillon {
namespace {

TEST(OutputGuard, RefusesEveryFileTheRunReads) {
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
    // On a file system that ignores case, "V.MAP" is the map itself and must be refused too.
    const char* otherCase = fs::exists(scratch.PathOf("maps/V.MAP")) ? "the map file" : nullptr;

    const std::pair<const char*, const char*> rows[] = {  // output, the role named in the refusal (null: accepted)
        {"maps/v.map", "the map file"},       {"maps/./../maps/v.map", "the map file"},
        {"link.txt", "the map file"},         {"hard.txt", "the map file"},
        {"maps/V.MAP", otherCase},            {"maps/inc.map", "the included file"},
        {"Quake2/quake2.db", "the entity database"}, {"Quake2/mod.db", "the entity database"},
        {"quillon.ini", "the settings file"}, {"maps", "a folder"},
        {"report.txt", nullptr}};
    for (const auto& [relative, refusedAs] : rows) {
        const std::string output = scratch.PathOf(relative);
        const std::optional<std::string> refusal = OutputRefusal(output, RunInputs(paths, map, database));
        ASSERT_EQ(refusal.has_value(), refusedAs != nullptr) << relative << ": " << refusal.value_or("");
        if (refusedAs != nullptr) {
            EXPECT_EQ(refusal->rfind("Cannot write " + output + ": it is " + refusedAs, 0), 0U) << *refusal;
        }
    }
}

}  // namespace
}  // namespace quillon
