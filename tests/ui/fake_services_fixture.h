// A stand-in for the main window in dialog and command tests: real editor
// state, scripted prompts, and a record of what was asked of the window.
#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "support/scripted_prompts.h"
#include "support/terrain_fixture.h"
#include "ui/help.h"
#include "ui/main_window_services.h"

namespace vhtest {

// One QApplication for the whole test program, made on first use (offscreen
// platform in the test runs).
void EnsureQtApp();

// A browser that is always found and records the addresses it opens.
class FakeShell : public vh::ui::WebShell {
public:
    vh::ui::BrowserLookup FindBrowser(const std::string&, const std::string&) override {
        return vh::ui::BrowserLookup::Found;
    }
    bool OpenAddress(const std::string& address) override {
        opened.push_back(address);
        return true;
    }
    std::vector<std::string> opened;
};

class FakeServices : public vh::ui::MainWindowServices {
public:
    // Default settings, logging off, no terrain, its changes recorded;
    // makes the QApplication.
    FakeServices();
    ~FakeServices() override;

    vh::EditorState& State() override { return state; }
    vh::ToolBox& Tools() override { return tools; }
    vh::Prompts& UserPrompts() override { return prompts; }
    QWidget* Window() override { return window; }
    vh::view::TerrainView* View() override { return nullptr; }
    vh::ui::WebShell& Web() override { return shell; }

    // Stops the loop as the window would, records the dialog and takes
    // ownership of it; nothing is shown.
    void OpenDialog(QDialog* dialog) override;
    void RefreshControls() override { ++refreshCount; }
    void SetWaitCursor(bool on) override { waitCursorCalls.push_back(on); }
    vh::Progress& StatusProgress() override { return vh::NoProgress(); }
    // Counted; the stand-in never ends.
    bool Quit() override {
        ++quitRequests;
        return false;
    }

    // Runs the command table's row of that name as the window would (without
    // the refresh); false when there is no such row.
    bool Run(const std::string& name);

    vh::EditorState state;
    vh::ToolBox tools;
    ScriptedPrompts prompts;
    FakeShell shell;
    QWidget* window = nullptr;  // no main window unless a test sets one

    RecordingObserver seen{state};  // what the terrain's observers were told

    int refreshCount = 0;
    int quitRequests = 0;
    std::vector<bool> waitCursorCalls;
    std::vector<QPointer<QDialog>> openedDialogs;
};

}  // namespace vhtest
