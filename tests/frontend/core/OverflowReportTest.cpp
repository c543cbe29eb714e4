#include "frontend/core/OverflowReport.h"

#include <gtest/gtest.h>

#include "frontend/core/OverflowFixture.h"

namespace quillon {
namespace {

using test::Analyse;
using test::LoadTable;
using test::MapEntity;

TEST(OverflowSections, LongNamesAreCutAtTheirColumn) {
    EXPECT_EQ(DotFilled("monster_soldier_light_extra", 24), "monster_soldier_light_ex");
    EXPECT_EQ(DotFilled("", 5), ".....");
}

struct LimitCase {
    int brushEntities;
    int models;
    int sounds;
    int images;
    const char* expectedWarnings;
    GameLimits declared{};  ///< as the entity database declares them
};

/// Brush entities, one entity per model, sound and image, in every level but DM.
std::string LimitMap(const LimitCase& c) {
    std::string map;
    for (int i = 0; i < c.brushEntities; ++i) {
        map += MapEntity({{"classname", "func_wall"}}, 1);
    }
    for (int i = 0; i < c.models; ++i) {
        map += MapEntity({{"classname", "misc_model"}, {"spawnflags", "2048"}, {"model", "m" + std::to_string(i) + ".md2"}});
    }
    for (int i = 0; i < c.sounds; ++i) {
        map += MapEntity({{"classname", "target_speaker"}, {"spawnflags", "2048"}, {"noise", std::to_string(i) + ".wav"}});
    }
    for (int i = 0; i < c.images; ++i) {
        map += MapEntity({{"classname", "misc_picture"}, {"spawnflags", "2048"}, {"message", "pics/" + std::to_string(i) + ".pcx"}});
    }
    return map;
}

TEST(OverflowSections, WarnAboveTheGamesLimits) {
    const LimitCase cases[] = {
        {255, 0, 256, 256, ""},
        {254, 1, 0, 0, ""},
        {255, 1, 0, 0, "   WARNING: Too many models in   EASY\n"},
        {256, 1, 0, 0, "   WARNING: Too many models in   EASY\n   WARNING: Too many models in     DM\n"},
        {0, 0, 257, 0, "WARNING: Too many sounds in   EASY\n"},
        {0, 0, 0, 257, "WARNING: Too many images in   EASY\n"},
        {0, 256, 257, 257,
         "   WARNING: Too many models in   EASY\nWARNING: Too many sounds in   EASY\nWARNING: Too many images in   EASY\n"},
        // Limits declared by the database replace the game's.
        {298, 1, 300, 0, "", {1024, 300, 300, 256}},
        {299, 1, 301, 0, "   WARNING: Too many models in   EASY\nWARNING: Too many sounds in   EASY\n",
         {1024, 300, 300, 256}},
        {0, 0, 0, 3, "WARNING: Too many images in   EASY\n", {1024, 256, 256, 2}}};
    EntityClassTable table = LoadTable(
        "CLASSNAME func_wall\nIS_SOLID 1\n]\nCLASSNAME misc_model\nLOAD @model\n]\n"
        "CLASSNAME target_speaker\nHAS_NOISE\n]\nCLASSNAME misc_picture\nLOAD @message\n]\n");
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.brushEntities) + " brush models, " + std::to_string(c.models) + " models, " +
                     std::to_string(c.sounds) + " sounds, " + std::to_string(c.images) + " images");
        table.game.limits = c.declared;
        const std::string sections = FormatOverflowSections(Analyse(table, LimitMap(c)), {1 | 8, "", {}});
        const std::size_t start = sections.find("\n\n", sections.find("Images ")) + 2;
        const std::size_t end = sections.find("\n=========================== ENTITY LIST");
        EXPECT_EQ(sections.substr(start, end - start), c.expectedWarnings);
    }
}

TEST(OverflowSections, ModelTotalCountsBrushModelsModelsAndTheLevel) {
    const EntityClassTable table = LoadTable("CLASSNAME func_wall\nIS_SOLID 1\n]\nCLASSNAME misc_model\nLOAD @model\n]\n");
    const LimitCase c{256, 1, 0, 0, ""};
    const std::string sections = FormatOverflowSections(Analyse(table, LimitMap(c)), {1, "", {}});
    EXPECT_NE(sections.find("\nModels     258\t\n"), std::string::npos);
    EXPECT_NE(sections.find("\n(includes 256 brush models + .bsp)\n"), std::string::npos);
}

TEST(ReportHead, DateIsMonthDayTwoDigitYear) {
    std::tm when{};
    when.tm_year = 2024 - 1900;
    when.tm_mon = 6;
    when.tm_mday = 4;
    when.tm_hour = 13;
    when.tm_min = 5;
    when.tm_sec = 9;
    when.tm_isdst = -1;
    const std::time_t time = std::mktime(&when);
    EXPECT_EQ(FormatReportDate(time), "07/04/24");
    EXPECT_EQ(FormatReportTime(time), "13:05:09");
}

}  // namespace
}  // namespace quillon
