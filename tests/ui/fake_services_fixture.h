// A stand-in for the main window in dialog and command tests: real editor
// state, scripted prompts, and a record of what was asked of the window.
#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/scripted_prompts.h"
#include "ui/main_window_services.h"

namespace vhtest {

// One QApplication for the whole test program, made on first use (offscreen
// platform in the test runs).
void EnsureQtApp();

class FakeServices : public vh::ui::MainWindowServices {
public:
    // Default settings, logging off, no terrain, the mesh hook counted;
    // makes the QApplication.
    FakeServices();
    ~FakeServices() override;

    vh::EditorState& State() override { return state; }
    vh::Prompts& UserPrompts() override { return prompts; }
    QWidget* Window() override { return window; }

    // Stops the loop as the window would, records the dialog and takes
    // ownership of it; nothing is shown.
    void OpenDialog(QDialog* dialog) override;
    void RefreshControls() override { ++refreshCount; }
    void SetWaitCursor(bool on) override { waitCursorCalls.push_back(on); }
    void RegisterCommand(const std::string& name, std::function<void()> handler) override;

    // Runs a registered command; false when none has that name.
    bool Run(const std::string& name);

    vh::EditorState state;
    ScriptedPrompts prompts;
    QWidget* window = nullptr;  // no main window unless a test sets one

    int refreshCount = 0;
    int meshUpdates = 0;  // calls of the state's mesh hook
    std::vector<bool> waitCursorCalls;
    std::vector<QPointer<QDialog>> openedDialogs;
    std::map<std::string, std::function<void()>> commands;
};

}  // namespace vhtest
