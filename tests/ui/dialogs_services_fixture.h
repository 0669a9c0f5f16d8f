// A stand-in for the main window in the tool, map and help command tests and
// the dialog tests: real editor state, scripted prompts, and a record of what
// was asked of the window.
#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/scripted_prompts.h"
#include "ui/main_window_services.h"

namespace vhtest {

// Makes the test program's one QApplication on first use.
void EnsureDialogsApp();

class DialogServices : public vh::ui::MainWindowServices {
public:
    // Default settings, logging off, no terrain.
    DialogServices();
    ~DialogServices() override;

    vh::EditorState& State() override { return state; }
    vh::Prompts& UserPrompts() override { return prompts; }
    QWidget* Window() override { return nullptr; }

    // Keeps the dialog (deleted with the fixture); nothing is shown.
    void OpenDialog(QDialog* dialog) override;
    void RefreshControls() override { ++refreshCount; }
    void SetWaitCursor(bool on) override { waitCursorCalls.push_back(on); }
    void TerrainChanged() override { ++terrainChangedCount; }
    void RegisterCommand(const std::string& name, std::function<void()> handler) override;

    // Runs a registered command; false when none has that name.
    bool Run(const std::string& name);

    vh::EditorState state;
    ScriptedPrompts prompts;
    int refreshCount = 0;
    int terrainChangedCount = 0;
    std::vector<bool> waitCursorCalls;
    std::vector<QPointer<QDialog>> openedDialogs;
    std::map<std::string, std::function<void()>> commands;
};

}  // namespace vhtest
