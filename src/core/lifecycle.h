// Reset, the main-loop flags of the dialog pattern, and the debug log.
#pragma once

#include <string>

#include "core/editor_state.h"

namespace vh {

// Prepare for a new or opened terrain: drop the view objects, camera and undo
// back to their start; raise/lower becomes the tool and locked points count
// again. With TerrainExists set, the controls come into the editing state.
void ResetEditor(EditorState& s);

// A dialog is about to open: the loop stops and nothing stays picked.
void StopMainLoop(EditorState& s);

// A dialog has closed. True when the main loop should run again (a terrain
// exists and the loop was stopped); LoopRunning is then already true.
bool CloseDialogAndResume(EditorState& s);

// Append "text" as one line to the debug log (no-op when LogPath is empty).
void LogLine(const EditorState& s, const std::string& text);

}  // namespace vh
