// What dialogs and command handlers need from the main window. Handlers are
// registered by command name ("cmdSmoothingPass", "tbRadius", ...) so each
// group of commands lives in its own file.
#pragma once

#include <functional>
#include <string>

#include "core/editor_state.h"
#include "core/prompts.h"

class QDialog;
class QWidget;

namespace vh::ui {

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    virtual EditorState& State() = 0;
    virtual Prompts& UserPrompts() = 0;
    virtual QWidget* Window() = 0;

    // The dialog pattern: stops the main loop, shows the dialog without
    // waiting; when it is accepted, rejected or closed by its frame, the
    // dialog is deleted and the loop resumes when a terrain exists.
    virtual void OpenDialog(QDialog* dialog) = 0;

    // Mirror the command states of the core into the menus and toolbar.
    virtual void RefreshControls() = 0;

    // Hourglass pointer over the main window during long operations.
    virtual void SetWaitCursor(bool on) = 0;

    // Handler for a menu item or toolbar key; a later registration replaces
    // an earlier one.
    virtual void RegisterCommand(const std::string& name, std::function<void()> handler) = 0;
};

}  // namespace vh::ui
