#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "checker/report/Report.h"
#include "checker/report/ReportFixture.h"

namespace quillon {
namespace {

using test::ReportFixture;

struct BannerCase {
    const char* name;
    void (*begin)(CheckerRun&);
    int RunCounters::*counter;
    const char* banner;
};

void PrintTo(const BannerCase& c, std::ostream* out) {
    *out << c.name;
}

class BannerTest : public testing::TestWithParam<BannerCase> {};

TEST_P(BannerTest, PrintsBannerBeforeFirstMessageOnlyAndCountsEachMessage) {
    ReportFixture fixture;
    for (int message = 0; message < 3; ++message) {
        GetParam().begin(fixture.run);
        ReportPrint(fixture.run, "\nmessage %d\n", message);
    }
    EXPECT_EQ(fixture.Report(), std::string(GetParam().banner) + "\nmessage 0\n\nmessage 1\n\nmessage 2\n");
    EXPECT_EQ(fixture.run.counters.*(GetParam().counter), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, BannerTest,
    testing::Values(
        BannerCase{"bsp", BeginBspErrors, &RunCounters::bspErrors,
                   "\n============================= bsp Errors =============================\n"},
        BannerCase{"runtime", BeginRuntimeErrors, &RunCounters::runtimeErrors,
                   "\n=================== Runtime Errors/Inconsistencies ===================\n"},
        BannerCase{"logic", BeginLogicNotes, &RunCounters::logicNotes,
                   "\n********************************************************\n"
                   "NOTE: The following messages do NOT necessarily indicate\n"
                   "      game errors, but MAY indicate logic problems in\n"
                   "      your map.\n"
                   "********************************************************\n"},
        BannerCase{"nonstandard", BeginNonStandardNotes, &RunCounters::nonStandardNotes,
                   "\n********************************************************\n"
                   "NOTE: The following messages do NOT indicate errors,\n"
                   "      but MAY require extra attention to non-standard\n"
                   "      map details.\n"
                   "********************************************************\n"}),
    [](const testing::TestParamInfo<BannerCase>& param) { return std::string(param.param.name); });

TEST(PrintSkillLevels, PrintsTheFourLevelsInFixedOrderAndNoOtherBits) {
    ReportFixture fixture;
    PrintSkillLevels(fixture.run, SKILL_DEATHMATCH | SKILL_EASY | SKILL_HARD | SKILL_NORMAL);
    PrintSkillLevels(fixture.run, 0);
    PrintSkillLevels(fixture.run, 1 | 2 | 4096 | SKILL_HARD);
    EXPECT_EQ(fixture.Report(), "EASY\nNORMAL\nHARD\nDEATHMATCH\nHARD\n");
}

struct PadCase {
    int width;
    const char* text;
    std::string expected;
};

class PadFieldTest : public testing::TestWithParam<PadCase> {};

TEST_P(PadFieldTest, FillsWithDotsAndCutsToWidth) {
    EXPECT_EQ(PadField(GetParam().width, GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, PadFieldTest,
                         testing::Values(PadCase{10, "light", "light....."}, PadCase{3, "light", "lig"},
                                         PadCase{5, "light", "light"}, PadCase{4, "", "...."},
                                         // At most 63 dots: a short text in a wide field stays short.
                                         PadCase{70, "ab", "ab" + std::string(63, '.')},
                                         PadCase{0, "light", ""}));

TEST(ReportPrint, WithoutAnOpenReportWritesNothing) {
    CheckerRun run;
    ReportPrint(run, "lost %d\n", 1);
    BeginBspErrors(run);
    EXPECT_EQ(run.counters.bspErrors, 1);
}

TEST(PrintEntityLocation, PointEntityAndTheFirstClassPrintTheirOriginValue) {
    ReportFixture fixture;
    fixture.AddClass("worldspawn", true);
    fixture.AddClass("info_null", false);
    fixture.AddEntity({{"classname", "worldspawn"}});
    fixture.AddBrush({0, 0, 0}, {8, 8, 8});
    const int entity = fixture.AddEntity({{"classname", "info_null"}});
    PrintEntityLocation(fixture.run, entity);
    PrintEntityLocation(fixture.run, 0);  // the class at the first index prints its origin too
    EXPECT_EQ(fixture.Report(), "      origin:\n      origin:\n");
}

TEST(PrintEntityLocation, UnknownClassPrintsOriginAsWritten) {
    ReportFixture fixture;
    const int entity = fixture.AddEntity({{"classname", "monster_nothing"}, {"origin", "16 -8  4"}});
    PrintEntityLocation(fixture.run, entity);
    EXPECT_EQ(fixture.Report(), "      origin:16 -8  4\n");
}

TEST(PrintEntityLocation, BrushClassPrintsCentreOfAllItsBrushes) {
    ReportFixture fixture;
    fixture.AddClass("worldspawn", true);
    fixture.AddClass("func_door", true);
    fixture.AddEntity({{"classname", "worldspawn"}});
    fixture.AddBrush({-512, -512, -512}, {512, 512, 512});
    const int door = fixture.AddEntity({{"classname", "FUNC_DOOR"}, {"origin", "1 1 1"}});
    fixture.AddBrush({0, 0, 0}, {64, 32, 16});
    fixture.AddBrush({-64, 16, 8}, {32, 48, 96});
    PrintEntityLocation(fixture.run, door);
    EXPECT_EQ(fixture.Report(), "Center of this FUNC_DOOR: ( 0 24 48 )\n");
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

using test::ReadFileBytes;

int CountLines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
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
