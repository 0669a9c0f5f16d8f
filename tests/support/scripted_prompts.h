// A Prompts fake: answers come from queues, every question is recorded.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/prompts.h"

namespace vhtest {

struct RecordedMessage {
    std::string Text, Title;
    vh::PromptButtons Buttons;
    vh::PromptIcon Icon;
};

class ScriptedPrompts : public vh::Prompts {
public:
    std::deque<vh::PromptAnswer> Answers;   // for Message; Ok/Cancel when empty
    std::deque<vh::FileChoice> FileAnswers; // for OpenFile/SaveFile; cancelled when empty

    std::vector<RecordedMessage> Messages;
    std::vector<vh::FileDialogRequest> OpenRequests, SaveRequests;

    vh::PromptAnswer Message(const std::string& text, const std::string& title,
                             vh::PromptButtons buttons, vh::PromptIcon icon) override;
    vh::FileChoice OpenFile(const vh::FileDialogRequest& request) override;
    vh::FileChoice SaveFile(const vh::FileDialogRequest& request) override;

    // A file answer for a full path, with its title.
    static vh::FileChoice Choose(const std::string& path);
};

}  // namespace vhtest
