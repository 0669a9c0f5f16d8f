// The three export commands around the file writers of map_export.h and
// height_image.h: choosing the output file, headless through Prompts; the
// main loop paused for an export; the log line of a written file; a failure
// shown to the user.
#pragma once

#include <string>

#include "core/editor_state.h"
#include "core/progress.h"
#include "core/prompts.h"
#include "core/result.h"
#include "export/map_export.h"

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

// The .MAP export of the editor's terrain and settings with the map's own
// choices (CompileOptionsOf), or with `options`: the main loop is stopped for
// it and resumed at the end (the caller restarts its loop tick when
// LoopRunning is true afterwards); a written file is logged as
// "MAP EXPORT : Map Exporting " + path.
Result<ExportSummary> RunMapExport(EditorState& s, const std::string& path, Progress& progress);
Result<ExportSummary> RunMapExport(EditorState& s, const std::string& path, const CompileOptions& options,
                                   Progress& progress);

// The height-image export of the editor's terrain; a written file is logged
// as "BMP EXPORT : BitMap Exporting " + path.
Status RunHeightImageExport(const EditorState& s, const std::string& path);

// A failed export in a "Varnholm" message box: "The <what> could not be
// exported." and why.
void ShowExportFailure(Prompts& prompts, const std::string& what, const Status& failed);

}  // namespace vh
