// Handlers of the "&File" and "&Edit" menus and of the toolbar buttons that
// stand for them (rows of the command table).
#pragma once

#include "ui/main_window_services.h"

namespace vh::ui {

// "&New": the unsaved-changes prompt, then the New Map dialog.
void NewMap(MainWindowServices& sv, int);
void OpenMap(MainWindowServices& sv, int);
void SaveMap(MainWindowServices& sv, int);
void SaveMapAs(MainWindowServices& sv, int);
// Recent item k (1..8).
void OpenRecentMap(MainWindowServices& sv, int k);
// "&Close": the quit flow; the window closes when the program ended.
void CloseProgram(MainWindowServices& sv, int);

// "Export To .&MAP", "Export .MAP Again", "Export &Options", "Export To .&BMP".
// The exports run to their end under the hourglass, reporting in the status
// line and progress bar; a failure is shown afterwards.
void ExportToMap(MainWindowServices& sv, int);
void ExportMapAgain(MainWindowServices& sv, int);
void ExportOptions(MainWindowServices& sv, int);
void ExportToBmp(MainWindowServices& sv, int);

void UndoEdit(MainWindowServices& sv, int);
void RedoEdit(MainWindowServices& sv, int);

}  // namespace vh::ui
