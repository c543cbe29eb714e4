#include "frontend/core/HeadlessRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillon {
namespace {

/// A stream that keeps what a headless interaction printed.
class PrintedMessages {
public:
    std::FILE* Stream() { return file.get(); }
    std::string Text() {
        std::fflush(file.get());
        std::rewind(file.get());
        std::string text;
        for (int c = std::fgetc(file.get()); c != EOF; c = std::fgetc(file.get())) {
            text += static_cast<char>(c);
        }
        return text;
    }

private:
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{std::tmpfile(), &std::fclose};
};

// The replace question with and without "-y" and the abort question without it are whole headless
// cases (existing-report-kept, missing-map-after-yes, all-textures-missing-continues).
TEST(HeadlessInteraction, NeverAbortsAndConvertsUpperCaseOnlyWhenTheCommandLineSaidSo) {
    PrintedMessages printed;
    HeadlessInteraction cautious(printed.Stream(), false, false);
    EXPECT_FALSE(cautious.AskUppercaseFix(false).convert);
    HeadlessInteraction told(printed.Stream(), true, true);
    EXPECT_FALSE(told.AskYesNo(QuestionKind::AbortForTextureDirectory, "all missing", "Quillon"))
        << "a run is never aborted without a person to re-enter the directory";
    const UppercaseFixAnswer answer = told.AskUppercaseFix(true);
    EXPECT_TRUE(answer.convert);
    EXPECT_TRUE(answer.dontAskAgain);
    const std::string text = printed.Text();
    EXPECT_EQ(text.rfind("Quillon: Found uppercase animated texture name(s).", 0), 0U) << text;
    EXPECT_NE(text.find("Quillon: Answer: No\nQuillon: all missing\nQuillon: Answer: No\n"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 21), "Quillon: Answer: Yes\n");
}

struct AtOnceCase {
    const char* name;
    std::vector<std::string> arguments;
    std::optional<int> status;  ///< nothing: the program goes on
    const char* out;
    const char* errors;
};

class AnswerAtOnce : public testing::TestWithParam<AtOnceCase> {};

TEST_P(AnswerAtOnce, AnswersOrGoesOn) {
    const AtOnceCase& c = GetParam();
    PrintedMessages out;
    PrintedMessages errors;
    EXPECT_EQ(AnswerCommandLineAtOnce(c.arguments, out.Stream(), errors.Stream()), c.status);
    const std::string printed = out.Text();
    EXPECT_EQ(printed.substr(0, std::string(c.out).size()), c.out);
    EXPECT_EQ(printed.empty(), std::string(c.out).empty());
    EXPECT_EQ(errors.Text(), c.errors);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, AnswerAtOnce,
    testing::Values(
        AtOnceCase{"Help", {"--help"}, 0, "Usage: quillon [options]", ""},
        AtOnceCase{"ShortHelpAmongOptions", {"-dm", "-h"}, 0, "Usage: quillon [options]", ""},
        AtOnceCase{"Version", {"--version"}, 0, "Quillon 1.1 beta\n", ""},
        AtOnceCase{"UnknownOptionIsNamed", {"-dm", "--bogus", "+go"}, 2, "",
                   "Quillon: Unknown option: --bogus (quillon --help lists the options)\n"},
        AtOnceCase{"SecondLoneWordIsUnknown", {"a.map", "b.map"}, 2, "",
                   "Quillon: Unknown option: b.map (quillon --help lists the options)\n"},
        AtOnceCase{"NearMissOfAnOption", {"+go", "-yes"}, 2, "",
                   "Quillon: Unknown option: -yes (quillon --help lists the options)\n"},
        // "?" belongs to the program proper, which shows the usage where it can.
        AtOnceCase{"QuestionMarkGoesOn", {"?", "-bogus"}, std::nullopt, "", ""},
        AtOnceCase{"ReportRunGoesOn", {"-sp", "-y", "+read", "my maps/e1", "+write", "r", "+go"}, std::nullopt, "", ""},
        AtOnceCase{"MapAloneGoesOn", {"/maps/My Level.map"}, std::nullopt, "", ""}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quillon
