#include "checker/textures/PakFile.h"

#include <gtest/gtest.h>

#include "checker/textures/SectionFixture.h"

namespace quillon {
namespace {

using test::LittleEndian32;
using test::MakePak;

class PakFileTest : public test::SectionFixture, public ::testing::Test {
protected:
    std::string WriteFile(const std::string& name, const std::string& bytes) { return dir.Write(name, bytes); }
};

TEST_F(PakFileTest, IndexesTheDirectoryForSearchesWithoutRegardToCase) {
    const std::optional<PakDirectory> pak =
        ReadPakDirectory(WriteFile("p.pak", MakePak({"textures/e1u1/Floor1.wal", "sound/world/x.wav"})), 4);
    ASSERT_TRUE(pak);
    EXPECT_EQ(pak->number, 4);
    EXPECT_TRUE(pak->Contains("TEXTURES/e1u1/floor1.wal"));
    EXPECT_TRUE(pak->Contains("sound/world/x.wav"));
    EXPECT_FALSE(pak->Contains("sound/world/x"));
    EXPECT_EQ(pak->damage, "");
}

std::string Header(std::uint32_t offset, std::uint32_t length) {
    return "PACK" + LittleEndian32(offset) + LittleEndian32(length);
}

TEST_F(PakFileTest, DamagedPakIsNeverReadPastItsEnd) {
    struct {
        const char* name;
        std::string bytes;
        bool readable;
        std::size_t entries;
        bool damaged;
    } const cases[] = {
        {"empty", "", false, 0, false},
        {"short header", "PACK\1\0\0", false, 0, false},
        {"foreign magic", "PKZIP" + std::string(20, '\0'), false, 0, false},
        {"no entries", Header(12, 0), true, 0, false},
        {"directory past the end", Header(4000, 64), true, 0, true},
        {"absurd length", MakePak({"a", "b"}, 0x1ffffff), true, 2, true},
        {"huge offset and length", Header(0xffffffffu, 0xffffffffu), true, 0, true},
        {"length not whole entries", MakePak({"a"}, -1) + std::string(10, '\0'), true, 1, false},
        {"name without NUL", Header(12, 64) + std::string(56, 'N') + std::string(8, '\0'), true, 1, false}};
    for (const auto& c : cases) {
        const std::optional<PakDirectory> pak = ReadPakDirectory(WriteFile("bad.pak", c.bytes), 0);
        ASSERT_EQ(pak.has_value(), c.readable) << c.name;
        if (pak) {
            EXPECT_EQ(pak->lowerNames.size(), c.entries) << c.name;
            EXPECT_EQ(!pak->damage.empty(), c.damaged) << c.name << ": " << pak->damage;
        }
    }
}

TEST_F(PakFileTest, NameFillingItsWholeFieldIsFoundByAllFiftySixCharacters) {
    const std::string name = "textures/" + std::string(43, 'q') + ".wal";
    ASSERT_EQ(name.size(), 56u);
    const std::optional<PakDirectory> pak = ReadPakDirectory(WriteFile("full.pak", MakePak({name}) + "tail"), 1);
    ASSERT_TRUE(pak);
    EXPECT_TRUE(pak->Contains(name));
}

TEST_F(PakFileTest, PakWrittenInCapitalsIsFoundAndNamedAsTheGameDirectorySpellsIt) {
    WriteGameFile("PAK2.PAK", MakePak({"sound/a.wav"}));
    EXPECT_EQ(PakSearch(run, "sound/A.wav"), PakPath(2));
    EXPECT_EQ(PakSearch(run, "sound/b.wav"), std::nullopt);
}

TEST_F(PakFileTest, RunReadsEachDirectoryOnce) {
    WritePak(0, {"textures/a.wal"});
    EXPECT_EQ(PakSearch(run, "textures/a.wal"), PakPath(0));
    WritePak(0, {"textures/b.wal"});
    EXPECT_EQ(PakSearch(run, "textures/a.wal"), PakPath(0));
    EXPECT_EQ(&PakFilesOf(run), &PakFilesOf(run));
}

}  // namespace
}  // namespace quillon
