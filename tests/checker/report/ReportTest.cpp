#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "checker/report/Report.h"
#include "checker/report/ReportFixture.h"

namespace quillon {
namespace {

using test::ReportFixture;

// The banners themselves are compared byte for byte by the golden cases.
TEST(ReportSections, PrintTheirBannerBeforeTheFirstMessageOnlyAndCountEachMessage) {
    const std::pair<void (*)(CheckerRun&), int RunCounters::*> sections[] = {
        {BeginBspErrors, &RunCounters::bspErrors},
        {BeginRuntimeErrors, &RunCounters::runtimeErrors},
        {BeginLogicNotes, &RunCounters::logicNotes},
        {BeginNonStandardNotes, &RunCounters::nonStandardNotes}};
    for (const auto& [begin, counter] : sections) {
        ReportFixture fixture;
        for (int message = 0; message < 3; ++message) {
            begin(fixture.run);
            ReportPrint(fixture.run, "\nmessage %d\n", message);
        }
        const std::string report = fixture.Report();
        EXPECT_TRUE(report.starts_with("\n==") || report.starts_with("\n**")) << report;
        EXPECT_EQ(report.substr(report.find("\nmessage 0")), "\nmessage 0\n\nmessage 1\n\nmessage 2\n");
        EXPECT_EQ(fixture.run.counters.*counter, 3);
    }
    // Without an open report nothing is written, but messages are counted.
    CheckerRun closed;
    ReportPrint(closed, "lost %d\n", 1);
    BeginBspErrors(closed);
    EXPECT_EQ(closed.counters.bspErrors, 1);
}

TEST(PrintSkillLevels, PrintsTheFourLevelsInFixedOrderAndNoOtherBits) {
    ReportFixture fixture;
    PrintSkillLevels(fixture.run, SKILL_DEATHMATCH | SKILL_EASY | SKILL_HARD | SKILL_NORMAL);
    PrintSkillLevels(fixture.run, 0);
    PrintSkillLevels(fixture.run, 1 | 2 | 4096 | SKILL_HARD);
    EXPECT_EQ(fixture.Report(), "EASY\nNORMAL\nHARD\nDEATHMATCH\nHARD\n");
}

TEST(PadField, FillsWithDotsAndCutsToWidth) {
    EXPECT_EQ(PadField(10, "light"), "light.....");
    EXPECT_EQ(PadField(3, "light"), "lig");
    EXPECT_EQ(PadField(5, "light"), "light");
    EXPECT_EQ(PadField(4, ""), "....");
    EXPECT_EQ(PadField(70, "ab"), "ab" + std::string(63, '.')) << "at most 63 dots";
    EXPECT_EQ(PadField(0, "light"), "");
}

TEST(PrintEntityLocation, PointEntityTheFirstClassAndAnUnknownClassPrintTheirOriginValueABrushClassItsCentre) {
    ReportFixture fixture;
    fixture.AddClass("worldspawn", true);
    fixture.AddClass("info_null", false);
    fixture.AddEntity({{"classname", "worldspawn"}});
    fixture.AddBrush({0, 0, 0}, {8, 8, 8});
    PrintEntityLocation(fixture.run, fixture.AddEntity({{"classname", "info_null"}}));
    PrintEntityLocation(fixture.run, 0);  // the class at the first index prints its origin too
    PrintEntityLocation(fixture.run, fixture.AddEntity({{"classname", "monster_nothing"}, {"origin", "16 -8  4"}}));
    // A brush class prints the centre of all its brushes.
    fixture.AddClass("func_door", true);
    const int door = fixture.AddEntity({{"classname", "FUNC_DOOR"}, {"origin", "1 1 1"}});
    fixture.AddBrush({0, 0, 0}, {64, 32, 16});
    fixture.AddBrush({-64, 16, 8}, {32, 48, 96});
    PrintEntityLocation(fixture.run, door);
    EXPECT_EQ(fixture.Report(), "      origin:\n      origin:\n      origin:16 -8  4\nCenter of this FUNC_DOOR: ( 0 24 48 )\n");
}

/// A brush whose windings count as built (the first side has one), so the box is printed as it is.
int AddBuiltBrush(ReportFixture& fixture, const Vec3& mins, const Vec3& maxs, int sides) {
    const int brush = fixture.AddBrush(mins, maxs);
    for (int s = 0; s < sides; ++s) {
        BrushSide side;
        side.winding = Winding{};
        side.points = {IntPoint{s, 0, 0}, IntPoint{0, s, 0}, IntPoint{0, 0, -s}};
        side.bevel = s == 1;
        fixture.run.sides.push_back(side);
    }
    fixture.run.brushes[static_cast<std::size_t>(brush)].sideCount = sides;
    return brush;
}

TEST(PrintBrushBounds, ClearedBoxListsTheOriginalSidesButNoBevelsAndAPartlyClearedOneIsValid) {
    ReportFixture fixture;
    fixture.AddEntity({{"classname", "worldspawn"}});
    PrintBrushBounds(fixture.run, AddBuiltBrush(fixture, {-16, 0, 0.5f}, {16, 32, 64}, 4));
    EXPECT_FALSE(fixture.run.printingBounds);
    PrintBrushBounds(fixture.run, AddBuiltBrush(fixture, {99999, 99999, 0}, {-99999, -99999, -99999}, 1));
    PrintBrushBounds(fixture.run, AddBuiltBrush(fixture, {99999, 99999, 99999}, {-99999, -99999, -99999}, 3));
    EXPECT_EQ(fixture.Report(), "Bounding box for this brush: ( -16 0 0.5 ) to ( 16 32 64 )\n"
                                "Bounding box for this brush: ( 99999 99999 0 ) to ( -99999 -99999 -99999 )\n"
                                "Bounding box for this brush: ( 99999 99999 99999 ) to ( -99999 -99999 -99999 )\n"
                                "Invalid bounding box. Original brush sides:\n"
                                "( 0 0 0 ) ( 0 0 0 ) ( 0 0 0 ) \n"
                                "( 2 0 0 ) ( 0 2 0 ) ( 0 0 -2 ) \n");
}

TEST(LineFilePath, ReplacesOrAddsTheExtension) {
    EXPECT_EQ(LineFilePath("c:\\maps\\base1.map"), "c:\\maps\\base1.lin");
    EXPECT_EQ(LineFilePath("/home/me/maps/base1.MAP"), "/home/me/maps/base1.lin");
    EXPECT_EQ(LineFilePath("maps.d/noextension"), "maps.d/noextension.lin");
    EXPECT_EQ(LineFilePath("test.map"), "test.lin");
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
    const std::string lines = test::ReadFileBytes(fixture.scratch.PathOf("many.lin"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 128 * 15);
    EXPECT_EQ(lines.substr(lines.size() - 29), "127.000000 0.000000 0.000000\n");
}

TEST(WriteLineFile, NoProblemBrushLeavesAnOldLineFileAloneAndAnUnwritableFolderGetsNothing) {
    ReportFixture fixture;
    fixture.run.settings.lastMapFile = fixture.scratch.PathOf("clean.map");
    const std::string old = fixture.scratch.Write("clean.lin", "old path\n");
    WriteLineFile(fixture.run);
    EXPECT_EQ(test::ReadFileBytes(old), "old path\n");
    fixture.run.settings.lastMapFile = fixture.scratch.PathOf("absent/x.map");
    fixture.AddEntity({{"classname", "worldspawn"}});
    fixture.AddBrush({0, 0, 0}, {1, 1, 1});
    RecordProblemBrush(fixture.run, 0, 0);
    WriteLineFile(fixture.run);
    EXPECT_FALSE(std::filesystem::exists(fixture.scratch.PathOf("absent")));
}

}  // namespace
}  // namespace quillon
