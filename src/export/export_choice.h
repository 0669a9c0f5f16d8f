// Choosing the output file of the three export commands, headless through
// Prompts, and running an export with its failure shown to the user.
#pragma once

#include <string>

#include "core/editor_state.h"
#include "core/progress.h"
#include "core/prompts.h"

namespace vh {

// The save-file dialog proposed for an export: from the last export path when
// it ends in ".map", else from the document path when it ends in ".vhm", else
// "untitled" in the folder of the most recent document; otherwise nothing
// proposed in Paths.DialogFolder. A last export path that is not a full path
// of this system (one the Windows program stored) gives only the file name.
// ext is ".map" or ".bmp"; a name typed without an extension gets it.
FileDialogRequest ProposeExportFile(const EditorState& s, const std::string& title, const std::string& filter,
                                    const std::string& ext);

// "Export To .&MAP": asks for the file. A chosen name ending in ".map" (any
// case) becomes LastExportPath, offers "Export .MAP Again" and is returned;
// anything else returns "" (nothing to do, nothing shown).
std::string ChooseMapExportPath(EditorState& s, Prompts& prompts);

// "Export .MAP Again": LastExportPath without asking, or the Export To .MAP
// flow when there is none yet or it is not a full path of this system.
std::string ExportAgainPath(EditorState& s, Prompts& prompts);

// "Export To .&BMP": asks for the file; a name ending in ".bmp" (any case) is
// returned, anything else gives "". The choice is not remembered.
std::string ChooseBmpExportPath(const EditorState& s, Prompts& prompts);

// Runs ExportMap; a failure is shown in a "Varnholm" message box.
bool RunMapExport(EditorState& s, const std::string& path, Progress& progress, Prompts& prompts);

// Runs ExportHeightImage; a failure is shown in a "Varnholm" message box.
bool RunHeightImageExport(const EditorState& s, const std::string& path, Prompts& prompts);

}  // namespace vh
