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
    void Start(const std::string& text) { StartScript(run, scratch.Write("test.map", text)); }

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

    /// A chain of `depth` files: the map includes inc1, inc1 includes inc2, and so on; each file
    /// holds its own name as a token before and after its include.
    std::string WriteChain(int depth) {
        std::string next;
        for (int level = depth - 1; level >= 1; --level) {
            const std::string name = "inc" + std::to_string(level);
            const std::string include = next.empty() ? "" : "$include " + next + "\n";
            next = scratch.Write(name, name + "a\n" + include + name + "b\n");
        }
        return "mapa\n$include " + next + "\nmapb\n";
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

struct SplitCase {
    const char* name;
    const char* text;
    Tokens tokens;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << c.name;
}

class TokenSplitTest : public TokenizerTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(TokenSplitTest, GivesTheTokensToTheEndOfTheScript) {
    Start(GetParam().text);
    EXPECT_EQ(AllTokens(), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TokenSplitTest,
    ::testing::Values(
        SplitCase{"WhiteSpaceAndNoLastLineEnd", "{\r\n\"classname\" \"worldspawn\"\r\n}\r\n{ a\tb }",
                  {"{", "classname", "worldspawn", "}", "{", "a", "b", "}"}},
        SplitCase{"BytesFrom128SplitOutsideQuotes", "a\x80" "b\xff" "c \"d\x80 e\xff\"", {"a", "b", "c", "d\x80 e\xff"}},
        SplitCase{"QuotesKeepCommentMarks", "\"a//b;c#d /* e\" \"\" \"x\"y", {"a//b;c#d /* e", "", "x", "y"}},
        SplitCase{"QuoteOpenAtEndOfFile", "key \"open value\n", {"key", "open value\n"}},
        SplitCase{"SemicolonEndsTokenAndStartsComment", "abc;def ghi\nxyz # more\n// line\nlast", {"abc", "xyz", "last"}},
        SplitCase{"BlockCommentEndsOnlyAtStarSlash", "a /* lone * and lone / and */ b /*/ still inside */ c /**/d",
                  {"a", "b", "c", "d"}},
        SplitCase{"CommentsAfterTheLastToken", "}\n\n// trailing comment\n/* block\n*/\n   \n", {"}"}},
        SplitCase{"SlashAtEndOfFile", "a /", {"a", "/"}},
        SplitCase{"UnclosedBlockComment", "a /* never closed *", {"a"}},
        SplitCase{"IncludeIsCaseSensitive", "$INCLUDE name", {"$INCLUDE", "name"}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct LineCase {
    const char* name;
    const char* text;
    int crossing;  ///< tokens read that may lie on later lines before same-line reads start
    const char* message;
};

class ErrorLineTest : public TokenizerTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(ErrorLineTest, IncompleteLineNamesTheLineBeforeTheOneScanned) {
    Start(GetParam().text);
    EXPECT_EQ(FatalAfter(GetParam().crossing), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ErrorLineTest,
    ::testing::Values(LineCase{"FirstLine", "key\nvalue\n", 1, "Line 0 is incomplete\n"},
                      LineCase{"ThirdLine", "x\ny\nkey\nvalue", 3, "Line 2 is incomplete\n"},
                      LineCase{"CrLf", "x\r\ny\r\nkey\r\nvalue\r\n", 3, "Line 2 is incomplete\n"},
                      LineCase{"SlashCommentLine", "x\ny\n// c\nkey\nvalue", 3, "Line 3 is incomplete\n"},
                      LineCase{"SemicolonCommentLine", "x\n; c\nkey\nvalue", 2, "Line 2 is incomplete\n"},
                      LineCase{"HashCommentLine", "x\n# c\nkey\nvalue", 2, "Line 2 is incomplete\n"},
                      LineCase{"BlockCommentLines", "x\n/* a\nb\n*/ key\nvalue", 2, "Line 3 is incomplete\n"},
                      LineCase{"NewlinesInQuotes", "\"a\nb\nc\" key\nvalue", 2, "Line 2 is incomplete\n"},
                      LineCase{"CommentEndsTheLine", "x\nkey // value\n", 2, "Line 1 is incomplete\n"},
                      LineCase{"BlockCommentEndsTheLine", "key /* value */\n", 1, "Line 0 is incomplete\n"},
                      LineCase{"EndOfFileEndsTheLine", "x\nkey", 2, "Line 1 is incomplete\n"},
                      LineCase{"EndOfFileAfterWhiteSpace", "x\nkey  ", 2, "Line 1 is incomplete\n"},
                      LineCase{"IncludeNameOnTheNextLine", "x\n$include\ninc.map\n", 2, "Line 1 is incomplete\n"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

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
}

struct TokenSizeCase {
    const char* name;
    std::size_t length;
    bool quoted;
    bool accepted;
};

class TokenSizeTest : public TokenizerTest, public ::testing::WithParamInterface<TokenSizeCase> {};

TEST_P(TokenSizeTest, TokenOf1023IsAcceptedAnd1024IsFatal) {
    const std::string token(GetParam().length, 'w');
    Start("x\n" + (GetParam().quoted ? "\"" + token + "\"" : token) + " y\n");
    if (GetParam().accepted) {
        EXPECT_EQ(AllTokens(), (Tokens{"x", token, "y"}));
    } else {
        EXPECT_EQ(FatalMessageOf([&] { AllTokens(); }), "Token too large on line 1\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, TokenSizeTest,
                         ::testing::Values(TokenSizeCase{"Plain1023", 1023, false, true},
                                           TokenSizeCase{"Plain1024", 1024, false, false},
                                           TokenSizeCase{"Quoted1023", 1023, true, true},
                                           TokenSizeCase{"Quoted1024", 1024, true, false}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(TokenizerTest, TokenLargerThanTheLimitAtEndOfFileIsFatal) {
    Start(std::string(1500, 'w'));
    EXPECT_EQ(FatalMessageOf([&] { AllTokens(); }), "Token too large on line 0\n");
}

struct OnLineCase {
    const char* name;
    const char* text;
    bool expected;
};

class TokenOnLineTest : public TokenizerTest, public ::testing::WithParamInterface<OnLineCase> {};

TEST_P(TokenOnLineTest, LooksAheadOnTheCurrentLineOnly) {
    Start(GetParam().text);
    ASSERT_TRUE(ReadToken(run, true));
    const std::size_t before = run.script.stack.back().position;
    EXPECT_EQ(TokenOnLine(run), GetParam().expected);
    EXPECT_EQ(run.script.stack.back().position, before);
}

INSTANTIATE_TEST_SUITE_P(Rules, TokenOnLineTest,
                         ::testing::Values(OnLineCase{"NextToken", "a \t b\n", true},
                                           OnLineCase{"LineEnd", "a  \nb", false},
                                           OnLineCase{"CrLfLineEnd", "a\r\nb", false},
                                           OnLineCase{"SemicolonComment", "a ;b", false},
                                           OnLineCase{"SlashCommentCountsAsToken", "a //b", true},
                                           OnLineCase{"HashCommentCountsAsToken", "a #b", true},
                                           OnLineCase{"EndOfFile", "a", false},
                                           OnLineCase{"WhiteSpaceToEndOfFile", "a   ", false},
                                           OnLineCase{"HighByteIsWhiteSpace", "a\x90\n", false}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(TokenizerTest, ReadsFalseAgainAfterTheMapEnded) {
    Start("a");
    EXPECT_EQ(AllTokens(), (Tokens{"a"}));
    EXPECT_FALSE(ReadToken(run, true));
    EXPECT_FALSE(ReadToken(run, false));
    EXPECT_FALSE(TokenOnLine(run));
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

TEST_F(TokenizerTest, ReadingGoesOnInTheIncludedFileAndBackAfterItsName) {
    const std::string inc = scratch.Write("inc.map", "i1 i2");
    EXPECT_EQ(ReadAll("a $include " + inc + " b\nc"), "");
    EXPECT_EQ(tokens, (Tokens{"a", "i1", "i2", "b", "c"}));
}

TEST_F(TokenizerTest, SevenOpenFilesAreRead) {
    EXPECT_EQ(ReadAll(WriteChain(7)), "");
    EXPECT_EQ(tokens, (Tokens{"mapa", "inc1a", "inc2a", "inc3a", "inc4a", "inc5a", "inc6a", "inc6b", "inc5b",
                              "inc4b", "inc3b", "inc2b", "inc1b", "mapb"}));
}

TEST_F(TokenizerTest, IncludedFilesMayFollowOneAnother) {
    const std::string inc = scratch.Write("inc.map", "i\n");
    std::string map;
    for (int i = 0; i < 10; ++i) {
        map += "$include " + inc + "\n";
    }
    EXPECT_EQ(ReadAll(map), "");
    EXPECT_EQ(tokens.size(), 10u);
}

TEST_F(TokenizerTest, LinesInsideAnIncludedFileCountFromItsStart) {
    const std::string inc = scratch.Write("inc.map", "i1\n\ni2 key\nvalue");
    Start("a\nb\nc\n$include " + inc);
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(ReadToken(run, true));
    }
    ASSERT_EQ(run.script.currentToken, "key");
    EXPECT_EQ(FatalMessageOf([&] { ReadToken(run, false); }), "Line 2 is incomplete\n");
}

TEST_F(TokenizerTest, IncludeEndingInsideASameLineReadIsIncomplete) {
    const std::string inc = scratch.Write("inc.map", "( 1 2");
    Start("x\n$include " + inc + " 3 )\n");
    ASSERT_TRUE(ReadToken(run, true));
    ASSERT_TRUE(ReadToken(run, true));
    ASSERT_TRUE(ReadToken(run, false));
    ASSERT_TRUE(ReadToken(run, false));
    // The end of an included file ends the line.
    EXPECT_EQ(FatalMessageOf([&] { ReadToken(run, false); }), "Line 1 is incomplete\n");
}

}  // namespace
}  // namespace quillon
