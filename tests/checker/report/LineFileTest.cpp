#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "checker/report/Report.h"
#include "checker/report/ReportFixture.h"

namespace quillon {
namespace {

using test::ReadFileBytes;
using test::ReportFixture;

int CountLines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(LineFilePath, ReplacesOrAddsTheExtension) {
    EXPECT_EQ(LineFilePath("c:\\maps\\base1.map"), "c:\\maps\\base1.lin");
    EXPECT_EQ(LineFilePath("/home/me/maps/base1.MAP"), "/home/me/maps/base1.lin");
    EXPECT_EQ(LineFilePath("maps.d/noextension"), "maps.d/noextension.lin");
    EXPECT_EQ(LineFilePath("test.map"), "test.lin");
}

TEST(WriteLineFile, TracesElevenEdgesOfEachBoxInOnePath) {
    ReportFixture fixture;
    fixture.run.settings.lastMapFile = fixture.scratch.PathOf("unit.map");
    fixture.AddEntity({{"classname", "worldspawn"}});
    fixture.AddBrush({0, 0, 0}, {8, 8, 8});
    fixture.AddEntity({{"classname", "func_wall"}});
    fixture.AddBrush({-1, -2, -3}, {1, 2, 3.5f});
    RecordProblemBrush(fixture.run, 1, 0);
    WriteLineFile(fixture.run);
    EXPECT_EQ(ReadFileBytes(fixture.scratch.PathOf("unit.lin")),
              "-1.000000 -2.000000 -3.000000\n"
              "1.000000 -2.000000 -3.000000\n"
              "1.000000 2.000000 -3.000000\n"
              "-1.000000 2.000000 -3.000000\n"
              "-1.000000 -2.000000 -3.000000\n"
              "-1.000000 -2.000000 3.500000\n"
              "1.000000 -2.000000 3.500000\n"
              "1.000000 -2.000000 -3.000000\n"
              "1.000000 -2.000000 3.500000\n"
              "1.000000 2.000000 3.500000\n"
              "1.000000 2.000000 -3.000000\n"
              "1.000000 2.000000 3.500000\n"
              "-1.000000 2.000000 3.500000\n"
              "-1.000000 2.000000 -3.000000\n"
              "-1.000000 -2.000000 -3.000000\n");
}

TEST(WriteLineFile, WritesOnly128BoxesOf200Recorded) {
    ReportFixture fixture;
    fixture.run.settings.lastMapFile = fixture.scratch.PathOf("many.map");
    fixture.AddEntity({{"classname", "worldspawn"}});
    for (int i = 0; i < 200; ++i) {
        const float x = static_cast<float>(i);
        fixture.AddBrush({x, 0, 0}, {x + 1, 1, 1});
        RecordProblemBrush(fixture.run, 0, i);
    }
    WriteLineFile(fixture.run);
    const std::string lines = ReadFileBytes(fixture.scratch.PathOf("many.lin"));
    EXPECT_EQ(CountLines(lines), 128 * 15);
    EXPECT_EQ(lines.substr(lines.size() - 29), "127.000000 0.000000 0.000000\n");
}

TEST(WriteLineFile, NoProblemBrushLeavesAnOldLineFileAlone) {
    ReportFixture fixture;
    fixture.run.settings.lastMapFile = fixture.scratch.PathOf("clean.map");
    const std::string old = fixture.scratch.Write("clean.lin", "old path\n");
    WriteLineFile(fixture.run);
    EXPECT_EQ(ReadFileBytes(old), "old path\n");
}

TEST(WriteLineFile, UnwritableFolderWritesNothing) {
    ReportFixture fixture;
    fixture.run.settings.lastMapFile = fixture.scratch.PathOf("absent/x.map");
    fixture.AddEntity({{"classname", "worldspawn"}});
    fixture.AddBrush({0, 0, 0}, {1, 1, 1});
    RecordProblemBrush(fixture.run, 0, 0);
    WriteLineFile(fixture.run);
    EXPECT_FALSE(std::filesystem::exists(fixture.scratch.PathOf("absent")));
}

}  // namespace
}  // namespace quillon
