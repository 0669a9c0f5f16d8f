// Handlers of the "&Tool", "&Map" and "&Help" menus and of the toolbar's
// tool, radius and grid controls (rows of the command table).
#pragma once

#include "ui/help.h"
#include "ui/main_window_services.h"

namespace vh::ui {

// The six tool items and buttons; arg is the Tool.
void ChooseTool(MainWindowServices& sv, int tool);
// The radius items and drop-down entries; arg is the radius 1..4.
void ChooseRadius(MainWindowServices& sv, int mode);
// "tbRadius": between Small and Large.
void NextRadius(MainWindowServices& sv, int);
// "&Configuration" and "tbDetails": the current tool's dialog, if it has one.
void ToolConfiguration(MainWindowServices& sv, int);
void UnlockAllPoints(MainWindowServices& sv, int);
void IgnoreLockedPoints(MainWindowServices& sv, int);

// The grid items and drop-down entries; arg is the position 1..8.
void ChooseGrid(MainWindowServices& sv, int index);
// "tbGrid": the next grid choice.
void NextGrid(MainWindowServices& sv, int);

// The whole-map passes (one undo step each, under the hourglass) and their
// configuration dialogs.
void SmoothingPassCommand(MainWindowServices& sv, int);
void NoisePassCommand(MainWindowServices& sv, int);
void ScalingPassCommand(MainWindowServices& sv, int);
void SmoothPassConfiguration(MainWindowServices& sv, int);
void NoisePassConfiguration(MainWindowServices& sv, int);
void ScalePassConfiguration(MainWindowServices& sv, int);
void MapProperties(MainWindowServices& sv, int);
// The picked square becomes the map's spawn point; without one, a message.
void SetSpawnPoint(MainWindowServices& sv, int);

// "&Online Help" (the manual in the browser) and "&About".
void OnlineHelp(MainWindowServices& sv, int);
void AboutBox(MainWindowServices& sv, int);

}  // namespace vh::ui
