#pragma once
// What a run needs from the person at the screen: message boxes, yes/no questions, the uppercase
// texture offer, the status line and the busy indicator. The dialogs implement it with widgets;
// a headless run prints to stderr and takes safe answers.

#include <string>
#include <vector>

namespace quillon {

enum class MessageIcon { Warning, Information, Question };

/// The questions a run may ask; a headless run answers each by its kind.
enum class QuestionKind {
    ReplaceOutputFile,         ///< an output file exists and AutoOverwrite is 0
    AbortForTextureDirectory,  ///< every texture of the map is missing or unextracted
};

struct UppercaseFixAnswer {
    bool convert = false;       ///< "&Yes": run the checker again with FixTextures on
    bool dontAskAgain = false;  ///< the state of "&Don't ask me again."
};

extern const char* const UPPERCASE_FIX_TEXT;

/// The line under the offer that names the textures a rewrite of the map would change.
std::string UppercaseNamesLine(const std::vector<std::string>& names);

class UserInteraction {
public:
    virtual ~UserInteraction() = default;
    virtual void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    /// True for Yes.
    virtual bool AskYesNo(QuestionKind kind, const std::string& text, const std::string& title) = 0;
    /// The "UPPERCASEFIX" offer for the map's texture `names`; `dontAsk` is the check box's state when it opens.
    virtual UppercaseFixAnswer AskUppercaseFix(bool dontAsk, const std::vector<std::string>& names) = 0;
    virtual void SetStatus(const std::string& text) = 0;
    /// One step of the busy indicator; also the moment to keep the window alive.
    virtual void AdvanceBusyIndicator() = 0;
};

}  // namespace quillon
