#pragma once
// A stand-in for the dialogs: records what a run shows and answers from a script.

#include <deque>
#include <string>
#include <vector>

#include "frontend/core/UserInteraction.h"

namespace quillon::test {

class RecordingInteraction : public UserInteraction {
public:
    struct Shown {
        std::string text;
        std::string title;
    };

    std::vector<Shown> messages;
    std::vector<Shown> questions;
    std::vector<QuestionKind> questionKinds;
    std::vector<std::string> statuses;
    int uppercaseOffers = 0;
    std::vector<std::string> uppercaseNames;  ///< named by the last offer
    int progressSteps = 0;

    std::deque<bool> yesNoAnswers;  ///< taken in order; No when empty
    UppercaseFixAnswer uppercaseAnswer;

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon) override {
        messages.push_back({text, title});
    }
    bool AskYesNo(QuestionKind kind, const std::string& text, const std::string& title) override {
        questions.push_back({text, title});
        questionKinds.push_back(kind);
        if (yesNoAnswers.empty()) {
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    UppercaseFixAnswer AskUppercaseFix(bool, const std::vector<std::string>& names) override {
        ++uppercaseOffers;
        uppercaseNames = names;
        return uppercaseAnswer;
    }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void AdvanceBusyIndicator() override { ++progressSteps; }
};

}  // namespace quillon::test
