#include "support/scripted_prompts.h"

namespace vhtest {

vh::PromptAnswer ScriptedPrompts::Message(const std::string& text, const std::string& title,
                                          vh::PromptButtons buttons, vh::PromptIcon icon) {
    Messages.push_back({text, title, buttons, icon});
    if (Answers.empty())
        return buttons == vh::PromptButtons::Ok ? vh::PromptAnswer::Ok : vh::PromptAnswer::Cancel;
    vh::PromptAnswer a = Answers.front();
    Answers.pop_front();
    return a;
}

vh::FileChoice ScriptedPrompts::OpenFile(const vh::FileDialogRequest& request) {
    OpenRequests.push_back(request);
    if (FileAnswers.empty()) return {};
    vh::FileChoice c = FileAnswers.front();
    FileAnswers.pop_front();
    return c;
}

vh::FileChoice ScriptedPrompts::SaveFile(const vh::FileDialogRequest& request) {
    SaveRequests.push_back(request);
    if (FileAnswers.empty()) return {};
    vh::FileChoice c = FileAnswers.front();
    FileAnswers.pop_front();
    return c;
}

vh::FileChoice ScriptedPrompts::Choose(const std::string& path) {
    return {path, vh::FileTitleOf(path)};
}

}  // namespace vhtest
