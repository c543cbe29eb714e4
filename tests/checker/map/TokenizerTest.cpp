#include "checker/map/Tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/map/BrushFixture.h"

namespace quillon {
namespace {

using test::FatalMessageOf;
using Tokens = std::vector<std::string>;

class TokenizerTest : public ::testing::Test {
protected:
    /// Starts a fresh run on the text.
    void Start(const std::string& text) {
        run = CheckerRun();
        tokens.clear();
        StartScript(run, scratch.Write("test.map", text));
    }

    /// Every token to the end of the script, each allowed on a later line.
    Tokens AllTokens() {
        while (ReadToken(run, true)) {
            tokens.emplace_back(run.script.currentToken);
        }
        return tokens;
    }

    /// Reads the map to its end, its tokens kept; the message of the fatal error that stopped it, or "".
    std::string ReadAll(const std::string& mapText) {
        Start(mapText);
        return FatalMessageOf([&] { AllTokens(); });
    }

    /// Reads `crossing` tokens that may lie on later lines, then demands tokens on the same line
    /// until the script ends or a fatal error stops it.
    std::string FatalAfter(int crossing) {
        return FatalMessageOf([&] {
            for (int i = 0; i < crossing; ++i) {
                ASSERT_TRUE(ReadToken(run, true));
            }
            while (ReadToken(run, false)) {
            }
        });
    }

    test::ScratchDir scratch;
    CheckerRun run;
    Tokens tokens;
};

TEST_F(TokenizerTest, GivesTheTokensToTheEndOfTheScript) {
    const std::pair<const char*, Tokens> rows[] = {
        {"{\r\n\"classname\" \"worldspawn\"\r\n}\r\n{ a\tb }", {"{", "classname", "worldspawn", "}", "{", "a", "b", "}"}},
        {"a\x80" "b\xff" "c \"d\x80 e\xff\"", {"a", "b", "c", "d\x80 e\xff"}},  // bytes from 128 split outside quotes
        {"\"a//b;c#d /* e\" \"\" \"x\"y", {"a//b;c#d /* e", "", "x", "y"}},
        {"key \"open value\n", {"key", "open value\n"}},
        {"abc;def ghi\nxyz # more\n// line\nlast", {"abc", "xyz", "last"}},
        {"a /* lone * and lone / and */ b /*/ still inside */ c /**/d", {"a", "b", "c", "d"}},
        {"}\n\n// trailing comment\n/* block\n*/\n   \n", {"}"}},
        {"a /", {"a", "/"}},
        {"a /* never closed *", {"a"}},
        {"$INCLUDE name", {"$INCLUDE", "name"}}};
    for (const auto& [text, expected] : rows) {
        Start(text);
        EXPECT_EQ(AllTokens(), expected) << text;
    }
}

TEST_F(TokenizerTest, IncompleteLineNamesTheLineBeforeTheOneScanned) {
    struct Row {
        const char* text;
        int crossing;  ///< tokens read that may lie on later lines before same-line reads start
        int line;
    };
    for (const Row& row : {Row{"key\nvalue\n", 1, 0}, Row{"x\ny\nkey\nvalue", 3, 2}, Row{"x\r\ny\r\nkey\r\nvalue\r\n", 3, 2},
                           Row{"x\ny\n// c\nkey\nvalue", 3, 3}, Row{"x\n; c\nkey\nvalue", 2, 2}, Row{"x\n# c\nkey\nvalue", 2, 2},
                           Row{"x\n/* a\nb\n*/ key\nvalue", 2, 3}, Row{"\"a\nb\nc\" key\nvalue", 2, 2},
                           Row{"x\nkey // value\n", 2, 1}, Row{"key /* value */\n", 1, 0}, Row{"x\nkey", 2, 1},
                           Row{"x\nkey  ", 2, 1}, Row{"x\n$include\ninc.map\n", 2, 1}}) {
        Start(row.text);
        EXPECT_EQ(FatalAfter(row.crossing), "Line " + std::to_string(row.line) + " is incomplete\n") << row.text;
    }
}

TEST_F(TokenizerTest, SameLineReadsFindTokensOnThatLine) {
    Start("x\n( 1 2 3 )\n");
    ASSERT_TRUE(ReadToken(run, true));
    ASSERT_TRUE(ReadToken(run, true));
    Tokens rest;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(ReadToken(run, false));
        rest.emplace_back(run.script.currentToken);
    }
    EXPECT_EQ(rest, (Tokens{"1", "2", "3", ")"}));
    EXPECT_EQ(run.script.errorLine, 1);
    // After the end every read gives false again.
    EXPECT_FALSE(ReadToken(run, true));
    EXPECT_FALSE(ReadToken(run, true));
    EXPECT_FALSE(ReadToken(run, false));
    EXPECT_FALSE(TokenOnLine(run));
}

TEST_F(TokenizerTest, TokenOf1023IsAcceptedAnd1024IsFatal) {
    for (const bool quoted : {false, true}) {
        const std::string token(1023, 'w');
        Start("x\n" + (quoted ? "\"" + token + "\"" : token) + " y\n");
        EXPECT_EQ(AllTokens(), (Tokens{"x", token, "y"}));
        Start("x\n" + (quoted ? "\"" + token + "w\"" : token + "w") + " y\n");
        EXPECT_EQ(FatalMessageOf([&] { AllTokens(); }), "Token too large on line 1\n") << quoted;
    }
    // Larger than the limit at the end of the file.
    Start(std::string(1500, 'w'));
    EXPECT_EQ(FatalMessageOf([&] { AllTokens(); }), "Token too large on line 0\n");
}

TEST_F(TokenizerTest, TokenOnLineLooksAheadOnTheCurrentLineOnly) {
    // A slash or hash comment counts as a token; a high byte is white space.
    for (const auto& [text, expected] : {std::pair{"a \t b\n", true}, {"a  \nb", false}, {"a\r\nb", false}, {"a ;b", false},
                                        {"a //b", true}, {"a #b", true}, {"a", false}, {"a   ", false}, {"a\x90\n", false}}) {
        Start(text);
        ASSERT_TRUE(ReadToken(run, true));
        const std::size_t before = run.script.stack.back().position;
        EXPECT_EQ(TokenOnLine(run), expected) << text;
        EXPECT_EQ(run.script.stack.back().position, before) << text;
    }
}

TEST(WholeFile, LoadsEveryByteAndTryLoadReportsMissingFile) {
    test::ScratchDir scratch;
    const std::string bytes("a\0b\r\n\xff", 6);
    const std::string path = scratch.Write("data.bin", bytes);
    CheckerRun run;
    EXPECT_EQ(LoadWholeFile(run, path), bytes);
    std::string text;
    EXPECT_TRUE(TryLoadWholeFile(path, text));
    EXPECT_EQ(text, bytes);
    EXPECT_FALSE(TryLoadWholeFile(scratch.PathOf("absent"), text));
    EXPECT_TRUE(text.empty());
    EXPECT_FALSE(TryLoadWholeFile(scratch.path().string(), text));
}

TEST_F(TokenizerTest, ReadingGoesOnInTheIncludedFileAndBackAfterItsNameSevenFilesDeep) {
    const std::string inc = scratch.Write("inc.map", "i1 i2");
    std::string map = "a $include " + inc + " b\nc\n";
    for (int i = 0; i < 9; ++i) {
        map += "$include " + inc + "\n";  // included files may follow one another
    }
    EXPECT_EQ(ReadAll(map), "");
    EXPECT_EQ(Tokens(tokens.begin(), tokens.begin() + 6), (Tokens{"a", "i1", "i2", "b", "c", "i1"}));
    EXPECT_EQ(tokens.size(), 23u);
    // Seven open files: the map includes inc1, inc1 includes inc2, and so on; each file holds its own name
    // before and after its include.
    std::string next;
    for (int level = 6; level >= 1; --level) {
        const std::string name = "inc" + std::to_string(level);
        next = scratch.Write(name, name + "a\n" + (next.empty() ? "" : "$include " + next + "\n") + name + "b\n");
    }
    EXPECT_EQ(ReadAll("mapa\n$include " + next + "\nmapb\n"), "");
    EXPECT_EQ(tokens, (Tokens{"mapa", "inc1a", "inc2a", "inc3a", "inc4a", "inc5a", "inc6a", "inc6b", "inc5b",
                              "inc4b", "inc3b", "inc2b", "inc1b", "mapb"}));
}

TEST_F(TokenizerTest, LinesInsideAnIncludedFileCountFromItsStartAndItsEndEndsTheLine) {
    const std::string inc = scratch.Write("inc.map", "i1\n\ni2 key\nvalue");
    Start("a\nb\nc\n$include " + inc);
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(ReadToken(run, true));
    }
    ASSERT_EQ(run.script.currentToken, "key");
    EXPECT_EQ(FatalMessageOf([&] { ReadToken(run, false); }), "Line 2 is incomplete\n");
    // The end of an included file ends the line.
    Start("x\n$include " + scratch.Write("inc.map", "( 1 2") + " 3 )\n");
    ASSERT_TRUE(ReadToken(run, true));
    ASSERT_TRUE(ReadToken(run, true));
    ASSERT_TRUE(ReadToken(run, false));
    ASSERT_TRUE(ReadToken(run, false));
    EXPECT_EQ(FatalMessageOf([&] { ReadToken(run, false); }), "Line 1 is incomplete\n");
}

}  // namespace
}  // namespace quillon
