#include "checker/textures/TextureTable.h"

#include <gtest/gtest.h>

#include "checker/run/FatalError.h"
#include "checker/textures/SectionFixture.h"

namespace quillon {
namespace {

class TextureTableTest : public test::SectionFixture, public ::testing::Test {
protected:
    void WriteWal(const std::string& name, const std::string& bytes) { WriteGameFile("textures/" + name + ".wal", bytes); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const TextureRecord& record : run.textures) {
            names.push_back(record.name);
        }
        return names;
    }
};

TEST_F(TextureTableTest, TakesTheFieldsOfTheWalFileOnDisk) {
    WriteWal("base/light", test::MakeWal("", 1, 8, 300) + std::string(400, 'x'));
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

TEST_F(TextureTableTest, FileIsFoundWithoutRegardToCase) {
    WriteWal("Base/WATER1", test::MakeWal("", 0, 32, 0));
    FindOrAddTexture(run, "base/water1");
    EXPECT_EQ(run.textures.at(0).contents, 32u);
    EXPECT_EQ(run.textures.at(0).source, "disk file");
}

TEST_F(TextureTableTest, AnimationFramesFollowTheirFirstFrame) {
    WriteWal("anim/a", test::MakeWal("anim/b"));
    WriteWal("anim/b", test::MakeWal("anim/c"));
    FindOrAddTexture(run, "base/first");
    EXPECT_EQ(FindOrAddTexture(run, "anim/a"), 1);
    FindOrAddTexture(run, "base/last");
    EXPECT_EQ(Names(), (std::vector<std::string>{"base/first", "anim/a", "anim/b", "anim/c", "base/last"}));
    EXPECT_EQ(run.textures[2].nextFrame, "anim/c");
}

TEST_F(TextureTableTest, LoopingChainEndsAtTheFirstNamePresent) {
    WriteWal("loop/a", test::MakeWal("loop/b"));
    WriteWal("loop/b", test::MakeWal("loop/c"));
    WriteWal("loop/c", test::MakeWal("LOOP/A"));
    EXPECT_EQ(FindOrAddTexture(run, "loop/b"), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"loop/b", "loop/c", "LOOP/A"}));
    EXPECT_EQ(FindOrAddTexture(run, "loop/a"), 2);
    EXPECT_EQ(run.textures.size(), 3u);
}

TEST_F(TextureTableTest, NextFrameWithoutItsNulEndsAtItsField) {
    WriteWal("base/full", test::MakeWal(std::string(40, 'n')));
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
    const std::optional<WalFields> fields = ParseWalFields(test::MakeWal("x/y", 0x80000000u, 1, 2));
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->surfaceFlags, 0x80000000u);
    EXPECT_EQ(fields->nextFrame, "x/y");
}

}  // namespace
}  // namespace quillon
