#include "core/lifecycle.h"

#include <cstdio>

#include "core/spawn_square.h"

namespace vh {

void ResetEditor(EditorState& s) {
    // The view drops its meshes, scene and highlight of the old terrain.
    s.Observers.TerrainReset();
    s.Stroke.PickedSquare = s.Stroke.LastPickedSquare = 0;
    s.LoopRunning = false;
    s.Pose.CameraPos = {0, 200, 0};
    s.Pose.CameraTarget = {0, 20, 50};
    s.Pose.CameraPitch = 0;
    s.Pose.CameraYaw = 0;
    s.History.UndoLevels = 0;
    MarkDocumentChanged(s);  // the coming terrain is not saved anywhere yet
    s.Doc.LastExportPath.clear();
    s.Choices = {};
    s.Doc.Notice.clear();

    // Raise/lower with its radius shown, nothing to redo, locked points
    // respected; with a terrain every control comes into its editing state.
    s.History.RedoAvailable = false;
    SetCurrentTool(s, Tool::RaiseLower);
    s.Doc.TerrainExists = true;
    s.Tools.IgnoreLocked = false;
    LogLine(s, "VH RESET : VH Reset");
}

void StopMainLoop(EditorState& s) {
    s.LoopRunning = false;
    DropPick(s.Stroke);
}

bool CloseDialogAndResume(EditorState& s) {
    if (!s.LoopRunning && s.Doc.TerrainExists) {
        s.LoopRunning = true;
        return true;
    }
    return false;
}

void LogLine(const EditorState& s, const std::string& text) {
    if (s.LogPath.empty()) return;
    if (std::FILE* f = std::fopen(s.LogPath.c_str(), "ab")) {
        std::fputs(text.c_str(), f);
        std::fputs("\n", f);
        std::fclose(f);
    }
}

}  // namespace vh
