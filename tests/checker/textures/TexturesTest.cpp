// The pak directories, the texture table and the texture sections of the report, on a run with
// hand-made entities, brushes and textures, a game folder with paks and .wal files, and the report
// written to a scratch file.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"
#include "checker/textures/PakFile.h"
#include "checker/textures/TextureSections.h"
#include "checker/textures/TextureTable.h"
#include "support/TestSupport.h"

namespace quillon {
namespace {

using test::ReadFileBytes;
using test::ScratchDir;

std::string LittleEndian32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xff);
    }
    return bytes;
}

/// A pak file whose directory lists `names`; `claimedEntries` overrides the directory length.
std::string MakePak(const std::vector<std::string>& names, int claimedEntries = -1) {
    const int entries = claimedEntries < 0 ? static_cast<int>(names.size()) : claimedEntries;
    std::string pak = "PACK" + LittleEndian32(12) + LittleEndian32(static_cast<std::uint32_t>(64 * entries));
    for (const std::string& name : names) {
        std::string field = name.substr(0, 56);
        field.resize(56, '\0');
        pak += field + LittleEndian32(0) + LittleEndian32(0);
    }
    return pak;
}

/// The head of a .wal file naming `nextFrame` as the next frame of its animation.
std::string MakeWal(const std::string& nextFrame, std::uint32_t flags = 0, std::uint32_t contents = 0,
                    std::uint32_t value = 0) {
    std::string wal(56, '\0');
    std::string frame = nextFrame;
    frame.resize(32, '\0');
    return wal + frame + LittleEndian32(flags) + LittleEndian32(contents) + LittleEndian32(value);
}

class SectionFixture : public ::testing::Test {
protected:
    SectionFixture() {
        run.derived.baseGameDir = dir.PathOf("quake2/baseq2/");
        run.derived.textureDir = dir.PathOf("quake2/baseq2/textures");
    }

    void WritePak(int number, const std::vector<std::string>& names) {
        dir.Write("quake2/baseq2/pak" + std::to_string(number) + ".pak", MakePak(names));
    }
    void WriteGameFile(const std::string& relative, const std::string& bytes) {
        dir.Write("quake2/baseq2/" + relative, bytes);
    }
    std::string PakPath(int number) const { return run.derived.baseGameDir + "pak" + std::to_string(number) + ".pak"; }

    /// Adds a texture record as the texture table would hold it.
    void AddTexture(const std::string& name, std::uint32_t sourceBits, const std::string& nextFrame = "") {
        TextureRecord record;
        record.name = name;
        record.sourceBits = sourceBits;
        record.nextFrame = nextFrame;
        record.source = (sourceBits & SourceDisk) != 0 ? "disk file" : "not found";
        run.textures.push_back(record);
    }

    /// Adds an entity with the given pairs (in file order).
    int AddEntity(const std::vector<std::pair<std::string, std::string>>& pairs) {
        MapEntity entity;
        for (const auto& [key, value] : pairs) {
            entity.pairs.push_back({key, value});
        }
        entity.firstBrush = static_cast<int>(run.brushes.size());
        run.entities.push_back(entity);
        return static_cast<int>(run.entities.size()) - 1;
    }

    /// Adds a brush to the last entity, with one face per texture name in side order.
    /// A non-empty `bevelTexture` adds a bevel side that carries that name.
    void AddBrush(const Vec3& mins, const Vec3& maxs, const std::vector<std::string>& faces,
                  const std::string& bevelTexture = "") {
        MapEntity& entity = run.entities.back();
        MapBrush brush;
        brush.entityNumber = static_cast<int>(run.entities.size()) - 1;
        brush.brushNumber = entity.brushCount;
        brush.mins = mins;
        brush.maxs = maxs;
        brush.firstSide = static_cast<int>(run.sides.size());
        for (const std::string& face : faces) {
            BrushSide side;
            side.textureName = face;
            run.sides.push_back(side);
        }
        if (!bevelTexture.empty()) {
            BrushSide bevel;
            bevel.bevel = true;
            bevel.textureName = bevelTexture;
            run.sides.push_back(bevel);
        }
        brush.sideCount = static_cast<int>(run.sides.size()) - brush.firstSide;
        run.brushes.push_back(brush);
        ++entity.brushCount;
    }

    void WriteWal(const std::string& name, const std::string& bytes) { WriteGameFile("textures/" + name + ".wal", bytes); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const TextureRecord& record : run.textures) {
            names.push_back(record.name);
        }
        return names;
    }
    /// The texture sections of the report.
    std::string WriteSections() {
        run.report = std::fopen(dir.PathOf("report.txt").c_str(), "w");
        ScanPakFiles(run);
        WriteTextureSections(run);
        std::fclose(run.report);
        run.report = nullptr;
        return ReadFileBytes(dir.PathOf("report.txt"));
    }

    ScratchDir dir;
    CheckerRun run;
};

using PakFileTest = SectionFixture;
using TextureTableTest = SectionFixture;
using TextureSectionsTest = SectionFixture;

TEST_F(PakFileTest, IndexesTheDirectoryForSearchesWithoutRegardToCase) {
    const std::optional<PakDirectory> pak =
        ReadPakDirectory(dir.Write("p.pak", MakePak({"textures/e1u1/Floor1.wal", "sound/world/x.wav"})), 4);
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
        const std::optional<PakDirectory> pak = ReadPakDirectory(dir.Write("bad.pak", c.bytes), 0);
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
    const std::optional<PakDirectory> pak = ReadPakDirectory(dir.Write("full.pak", MakePak({name}) + "tail"), 1);
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

TEST_F(TextureTableTest, TakesTheFieldsOfTheWalFileOnDiskFoundWithoutRegardToCase) {
    WriteWal("Base/LIGHT", MakeWal("", 1, 8, 300) + std::string(400, 'x'));
    EXPECT_EQ(FindOrAddTexture(run, "base/light"), 0);
    const TextureRecord& record = run.textures.at(0);
    EXPECT_EQ(record.surfaceFlags, 1u);
    EXPECT_EQ(record.contents, 8u);
    EXPECT_EQ(record.value, 300u);
    EXPECT_EQ(record.nextFrame, "");
    EXPECT_EQ(record.sourceBits, 1u);
    EXPECT_EQ(record.source, "disk file");
}

TEST_F(TextureTableTest, SameNameInAnotherCaseIsOneRecordKeepingTheFirstSpelling) {
    EXPECT_EQ(FindOrAddTexture(run, "Base/Wall"), 0);
    EXPECT_EQ(FindOrAddTexture(run, "base/other"), 1);
    EXPECT_EQ(FindOrAddTexture(run, "BASE/WALL"), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Base/Wall", "base/other"}));
}

TEST_F(TextureTableTest, AnimationFramesFollowTheirFirstFrame) {
    WriteWal("anim/a", MakeWal("anim/b"));
    WriteWal("anim/b", MakeWal("anim/c"));
    FindOrAddTexture(run, "base/first");
    EXPECT_EQ(FindOrAddTexture(run, "anim/a"), 1);
    FindOrAddTexture(run, "base/last");
    EXPECT_EQ(Names(), (std::vector<std::string>{"base/first", "anim/a", "anim/b", "anim/c", "base/last"}));
    EXPECT_EQ(run.textures[2].nextFrame, "anim/c");
}

TEST_F(TextureTableTest, LoopingChainEndsAtTheFirstNamePresent) {
    WriteWal("loop/a", MakeWal("loop/b"));
    WriteWal("loop/b", MakeWal("loop/c"));
    WriteWal("loop/c", MakeWal("LOOP/A"));
    EXPECT_EQ(FindOrAddTexture(run, "loop/b"), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"loop/b", "loop/c", "LOOP/A"}));
    EXPECT_EQ(FindOrAddTexture(run, "loop/a"), 2);
    EXPECT_EQ(run.textures.size(), 3u);
}

TEST_F(TextureTableTest, NextFrameWithoutItsNulEndsAtItsField) {
    WriteWal("base/full", MakeWal(std::string(40, 'n')));
    FindOrAddTexture(run, "base/full");
    EXPECT_EQ(run.textures.at(0).nextFrame, std::string(32, 'n'));
}

TEST_F(TextureTableTest, FindsNamesAgainAfterTheTableWasSorted) {
    FindOrAddTexture(run, "b");
    FindOrAddTexture(run, "a");
    std::swap(run.textures[0], run.textures[1]);
    EXPECT_EQ(FindOrAddTexture(run, "B"), 1);
    EXPECT_EQ(FindOrAddTexture(run, "a"), 0);
    EXPECT_EQ(run.textures.size(), 2u);
}

TEST_F(TextureTableTest, The1025thNameIsFatal) {
    for (int i = 0; i < MAX_MAP_TEXTURES; ++i) {
        FindOrAddTexture(run, "t/" + std::to_string(i));
    }
    EXPECT_EQ(FindOrAddTexture(run, "T/5"), 5);
    try {
        FindOrAddTexture(run, "t/new");
        ADD_FAILURE() << "no fatal error";
    } catch (const FatalRunError& error) {
        EXPECT_STREQ(error.what(), "MAX_MAP_TEXTURES (1024) - Your map contains too many unique textures.\n");
    }
}

TEST(ParseWalFields, NeedsTheWholeHead) {
    EXPECT_FALSE(ParseWalFields(std::string(99, '\0')));
    const std::optional<WalFields> fields = ParseWalFields(MakeWal("x/y", 0x80000000u, 1, 2));
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->surfaceFlags, 0x80000000u);
    EXPECT_EQ(fields->nextFrame, "x/y");
}

const std::string MISSING_HEADING =
    "\n========================== Missing Textures ==========================\n"
    "      These textures cannot be found either in a pakfile or on disk.\n\n";
const std::string UNEXTRACTED_HEADING =
    "\n======================== Unextracted Textures ========================\n"
    "     These textures are present in a pakfile, but are unextracted.\n"
    "                 Compiling errors will probably result.\n\n";

// Without the bad-wal checks only the locations are printed, and a frame found only in a pak that
// no face names is no unextracted texture: golden cases driver-no-errors-texture-checks-skipped,
// textures-report-sections and textures-frame-only-in-a-pak.

TEST_F(TextureSectionsTest, BevelSidesAreNoUseOfAMissingOrUnextractedTexture) {
    run.settings.findBadWals = 1;
    AddTexture("gone", 0);
    AddTexture("packed", 0);
    AddTexture("wall", SourceDisk);
    WritePak(0, {"textures/packed.wal", "textures/wall.wal"});
    AddEntity({{"classname", "worldspawn"}});
    AddBrush({0, 0, 0}, {1, 1, 1}, {"wall"}, "gone");
    AddBrush({0, 0, 0}, {2, 2, 2}, {"wall"}, "packed");
    AddBrush({0, 0, 0}, {3, 3, 3}, {"packed", "GONE"});
    const std::string box = "\tentity 0, brush 2, bounding box: ( 0 0 0 ) to ( 3 3 3 )\n";
    const std::string expected = MISSING_HEADING + "gone\n" + box + UNEXTRACTED_HEADING + "packed\n" + box;
    EXPECT_EQ(WriteSections().substr(0, expected.size()), expected);
    EXPECT_EQ(run.counters.missingTextures, 1);
    EXPECT_EQ(run.counters.unextractedTextures, 1);
}

TEST_F(TextureSectionsTest, AnimationWalkStopsWhereTheChainBreaks) {
    run.settings.findBadWals = 1;
    AddTexture("w1", SourceDisk, "x1");  // names a frame that is not the next record
    AddTexture("a1", SourceDisk, "a2");
    AddTexture("a2", SourceDisk, "A3");
    AddTexture("a3", 0);
    AddEntity({{"classname", "worldspawn"}});
    AddBrush({0, 0, 0}, {1, 1, 1}, {"w1"});
    AddBrush({0, 0, 0}, {2, 2, 2}, {"a1"});
    AddBrush({0, 0, 0}, {3, 3, 3}, {"a2"});
    const std::string report = WriteSections();
    EXPECT_NE(report.find("a3\n"
                          "\tentity 0, brush 1, bounding box: ( 0 0 0 ) to ( 2 2 2 ) (animation)\n"
                          "\tentity 0, brush 2, bounding box: ( 0 0 0 ) to ( 3 3 3 ) (animation)\n" +
                          UNEXTRACTED_HEADING),
              std::string::npos)
        << report;
}

}  // namespace
}  // namespace quillon
