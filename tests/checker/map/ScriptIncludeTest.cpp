#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/map/BrushFixture.h"
#include "checker/map/Tokenizer.h"

namespace quillon {
namespace {

using Tokens = std::vector<std::string>;

class ScriptIncludeTest : public ::testing::Test {
protected:
    /// Writes a file into the scratch folder and returns its full path.
    std::string Write(const std::string& name, const std::string& text) { return scratch.Write(name, text); }

    /// Reads the map to its end; the message of the fatal error that stopped it, or "".
    std::string Fatal(const std::string& mapText) {
        StartScript(run, Write("test.map", mapText));
        return test::FatalMessageOf([&] {
            while (ReadToken(run, true)) {
                tokens.push_back(run.script.currentToken);
            }
        });
    }

    /// A chain of `depth` files: the map includes inc1, inc1 includes inc2, and so on; each file
    /// holds its own name as a token before and after its include.
    std::string WriteChain(int depth) {
        std::string next;
        for (int level = depth - 1; level >= 1; --level) {
            const std::string name = "inc" + std::to_string(level);
            const std::string include = next.empty() ? "" : "$include " + next + "\n";
            next = Write(name, name + "a\n" + include + name + "b\n");
        }
        return "mapa\n$include " + next + "\nmapb\n";
    }

    test::ScratchDir scratch;
    CheckerRun run;
    Tokens tokens;
};

TEST_F(ScriptIncludeTest, ReadingGoesOnInTheIncludedFileAndBackAfterItsName) {
    const std::string inc = Write("inc.map", "i1 i2");
    EXPECT_EQ(Fatal("a $include " + inc + " b\nc"), "");
    EXPECT_EQ(tokens, (Tokens{"a", "i1", "i2", "b", "c"}));
}

TEST_F(ScriptIncludeTest, SevenOpenFilesAreReadAndAnEighthIsFatal) {
    EXPECT_EQ(Fatal(WriteChain(7)), "");
    EXPECT_EQ(tokens, (Tokens{"mapa", "inc1a", "inc2a", "inc3a", "inc4a", "inc5a", "inc6a", "inc6b", "inc5b",
                              "inc4b", "inc3b", "inc2b", "inc1b", "mapb"}));
    run = CheckerRun();
    EXPECT_EQ(Fatal(WriteChain(8)), "script file exceeded MAX_INCLUDES");
}

TEST_F(ScriptIncludeTest, IncludedFilesMayFollowOneAnother) {
    const std::string inc = Write("inc.map", "i\n");
    std::string map;
    for (int i = 0; i < 10; ++i) {
        map += "$include " + inc + "\n";
    }
    EXPECT_EQ(Fatal(map), "");
    EXPECT_EQ(tokens.size(), 10u);
}

TEST_F(ScriptIncludeTest, FileNameOnTheNextLineIsIncomplete) {
    Write("inc.map", "i");
    EXPECT_EQ(Fatal("x\n$include\ninc.map\n"), "Line 1 is incomplete\n");
}

TEST_F(ScriptIncludeTest, DirectiveIsCaseSensitive) {
    EXPECT_EQ(Fatal("$INCLUDE name"), "");
    EXPECT_EQ(tokens, (Tokens{"$INCLUDE", "name"}));
}

TEST_F(ScriptIncludeTest, LinesInsideAnIncludedFileCountFromItsStart) {
    const std::string inc = Write("inc.map", "i1\n\ni2 key\nvalue");
    StartScript(run, Write("test.map", "a\nb\nc\n$include " + inc));
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(ReadToken(run, true));
    }
    ASSERT_EQ(run.script.currentToken, "key");
    EXPECT_EQ(test::FatalMessageOf([&] { ReadToken(run, false); }), "Line 2 is incomplete\n");
}

TEST_F(ScriptIncludeTest, EndOfIncludeSetsTheLineOfTheIncludingFile) {
    // The map's third line holds the include; once the include has ended, messages name line 3
    // itself, not the line before it as elsewhere.
    const std::string inc = Write("inc.map", "i1\ni2\n");
    EXPECT_EQ(Fatal("a\nb\n$include " + inc + " key\nvalue"), "");
    EXPECT_EQ(tokens, (Tokens{"a", "b", "i1", "i2", "key", "value"}));
    run = CheckerRun();
    StartScript(run, scratch.PathOf("test.map"));
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(ReadToken(run, true));
    }
    ASSERT_EQ(run.script.currentToken, "key");
    EXPECT_EQ(run.script.errorLine, 3);
}

TEST_F(ScriptIncludeTest, IncludeEndingInsideASameLineReadIsIncomplete) {
    const std::string inc = Write("inc.map", "( 1 2");
    StartScript(run, Write("test.map", "x\n$include " + inc + " 3 )\n"));
    ASSERT_TRUE(ReadToken(run, true));
    ASSERT_TRUE(ReadToken(run, true));
    ASSERT_TRUE(ReadToken(run, false));
    ASSERT_TRUE(ReadToken(run, false));
    // The end of an included file ends the line.
    EXPECT_EQ(test::FatalMessageOf([&] { ReadToken(run, false); }), "Line 1 is incomplete\n");
}

}  // namespace
}  // namespace quillon
