#pragma once
// The desktop as the dialog tests see it: every message, question, picker and opened document is
// recorded, and answers come from a script, so nothing ever waits for a person.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "frontend/ui/DialogServices.h"

namespace quillon::test {

class RecordingServices : public DialogServices {
public:
    std::vector<std::string> messages;  ///< the texts of the messages shown
    std::vector<std::string> messageTitles;
    std::vector<std::string> questions;  ///< the texts of the questions asked
    std::vector<std::string> questionTitles;
    std::deque<bool> yesNoAnswers;  ///< taken in order; No when empty
    int uppercaseOffers = 0;
    std::vector<std::string> uppercaseNames;
    UppercaseFixAnswer uppercaseAnswer;
    std::vector<FileRequest> fileRequests;
    std::optional<QString> fileAnswer;  ///< nothing: Cancel
    std::vector<QString> directoryStarts;
    std::optional<QString> directoryAnswer;
    std::vector<QString> openedDocuments;
    bool desktopOpensDocuments = true;
    std::vector<QUrl> openedUrls;
    bool desktopOpensUrls = true;
    int beeps = 0;

    void ShowMessage(QWidget*, const std::string& text, const std::string& title, MessageIcon) override {
        messages.push_back(text);
        messageTitles.push_back(title);
    }
    bool AskYesNo(QWidget*, QuestionKind, const std::string& text, const std::string& title) override {
        questions.push_back(text);
        questionTitles.push_back(title);
        const bool answer = !yesNoAnswers.empty() && yesNoAnswers.front();
        if (!yesNoAnswers.empty()) {
            yesNoAnswers.pop_front();
        }
        return answer;
    }
    UppercaseFixAnswer AskUppercaseFix(QWidget*, bool, const std::vector<std::string>& names) override {
        ++uppercaseOffers;
        uppercaseNames = names;
        return uppercaseAnswer;
    }
    std::optional<QString> PickFile(QWidget*, const FileRequest& request) override {
        fileRequests.push_back(request);
        return fileAnswer;
    }
    std::optional<QString> PickDirectory(QWidget*, const QString&, const QString& start) override {
        directoryStarts.push_back(start);
        return directoryAnswer;
    }
    bool OpenDocument(const QString& path) override {
        openedDocuments.push_back(path);
        return desktopOpensDocuments;
    }
    bool OpenUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return desktopOpensUrls;
    }
    void Beep() override { ++beeps; }
};

}  // namespace quillon::test
