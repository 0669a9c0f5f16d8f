// Handlers of the "&Tool", "&Map" and "&Help" menus and of the toolbar's
// radius and grid buttons, registered on the main window by command name.
#pragma once

#include "ui/help.h"
#include "ui/main_window_services.h"

namespace vh::ui {

// Pages open through the desktop's browser.
void InstallToolCommands(MainWindowServices& services);

// The same with another way of reaching the browser; shell must outlive the
// registered handlers.
void InstallToolCommands(MainWindowServices& services, WebShell& shell);

}  // namespace vh::ui
