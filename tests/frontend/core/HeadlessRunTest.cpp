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

// Messages, statuses and the replies to the report and texture-directory questions are headless
// cases (missing-map-after-yes, existing-report-kept, all-textures-missing-continues).
TEST(HeadlessInteraction, SafeAnswersAreNoUnlessTheCommandLineSaidYes) {
    PrintedMessages printed;
    EXPECT_FALSE(HeadlessInteraction(printed.Stream(), false, false).AskUppercaseFix(false, {"e1u1/Anim1"}).convert);
    HeadlessInteraction told(printed.Stream(), true, true);
    EXPECT_FALSE(told.AskYesNo(QuestionKind::AbortForTextureDirectory, "all missing", "Quillon"))
        << "a run is never aborted without a person to re-enter the directory";
    const UppercaseFixAnswer answer = told.AskUppercaseFix(true, {"e1u1/Anim1", "e2/Fan1"});
    EXPECT_TRUE(answer.convert);
    EXPECT_TRUE(answer.dontAskAgain);
    const std::string text = printed.Text();
    EXPECT_NE(text.find("Quillon: Found uppercase animated texture name(s)."), std::string::npos);
    EXPECT_NE(text.find("\nQuillon: Uppercase animated textures in the map file: e1u1/Anim1, e2/Fan1\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 21), "Quillon: Answer: Yes\n");
}

// Help, version and unknown options are headless cases (help-among-options, version, ...-unknown).
TEST(AnswerCommandLineAtOnce, LeavesARunOrTheUsageToTheProgramProper) {
    // "?" belongs to the program proper, which shows the usage where it can.
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"?", "-bogus"}, {"-sp", "-y", "+read", "my maps/e1", "+write", "r", "+go"},
          {"/maps/My Level.map"}}) {
        PrintedMessages out;
        PrintedMessages errors;
        EXPECT_EQ(AnswerCommandLineAtOnce(arguments, out.Stream(), errors.Stream()), std::nullopt) << arguments[0];
        EXPECT_EQ(out.Text() + errors.Text(), "");
    }
}

}  // namespace
}  // namespace quillon
