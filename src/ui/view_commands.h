// Handlers of the "&View" menu's dialogs: "&Cammera Options" and "Specift
// Editor &Textures".
#pragma once

#include "ui/main_window_services.h"

namespace vh::ui {

// Registers "cmdCammera" and "cmdTextures". After the textures dialog's
// "&Okey" the view (the TerrainView among the window's children) reloads its
// ground texture and sky box.
void InstallViewCommands(MainWindowServices& services);

}  // namespace vh::ui
