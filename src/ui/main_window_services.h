// What dialogs and command handlers need from the main window, so they can
// run against a stand-in in tests.
#pragma once

#include "core/editor_state.h"
#include "core/progress.h"
#include "core/prompts.h"
#include "tools/brush_tool.h"

class QDialog;
class QWidget;

namespace vh::view {
class TerrainView;
}  // namespace vh::view

namespace vh::ui {

class WebShell;

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    virtual EditorState& State() = 0;
    // The brush tools of this editor, with what their strokes carry.
    virtual ToolBox& Tools() = 0;
    virtual Prompts& UserPrompts() = 0;
    virtual QWidget* Window() = 0;
    // The 3D view; nullptr where there is none.
    virtual view::TerrainView* View() = 0;
    // The browser web pages open in.
    virtual WebShell& Web() = 0;

    // The dialog pattern: stops the main loop, shows the dialog without
    // waiting; when it is accepted, rejected or closed by its frame, the
    // dialog is deleted and the loop resumes when a terrain exists.
    virtual void OpenDialog(QDialog* dialog) = 0;

    // Mirror the command states of the core into the menus and toolbar.
    virtual void RefreshControls() = 0;

    // A long operation starts (true) or ends (false): the hourglass pointer
    // over the main window; at the end the progress bar goes again.
    virtual void SetWaitCursor(bool on) = 0;
    // The status line and progress bar a long operation reports to.
    virtual Progress& StatusProgress() = 0;

    // The quit flow of "&Close": the unsaved-changes prompt, the settings
    // written. True when the program ended.
    virtual bool Quit() = 0;
};

}  // namespace vh::ui
