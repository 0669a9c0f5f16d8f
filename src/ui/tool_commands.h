// Handlers of the "&Tool", "&Map" and "&Help" menus and of the toolbar's
// radius and grid buttons, registered on the main window by command name.
#pragma once

#include "ui/main_window_services.h"

namespace vh::ui {

void InstallToolCommands(MainWindowServices& services);

}  // namespace vh::ui
