// The run-time records of an editing session: the open document, the undo
// history, the mouse stroke in progress and the camera's place.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vh {

struct Vec3f {
    float x = 0, y = 0, z = 0;
};

struct DocumentInfo {
    std::string DocPath;         // empty for a terrain not saved yet
    std::string DocTitle;        // file name shown in the window title
    bool DocClean = true;        // no unsaved changes
    bool TerrainExists = false;  // set by the first reset, never cleared
    std::string LastExportPath;  // kept in the document; empty after a reset
    // A .MAP file was chosen in this run, or the opened document named one:
    // "Export .MAP Again" is offered from then on (a reset keeps it).
    bool ExportAgainOffered = false;
    std::string Caption = "Varnholm";
    // What the status line says while no square is picked, after an export.
    std::string Notice;
};

// Three snapshots of all heights, newest first, and one redo.
struct UndoHistory {
    int UndoLevels = 0;  // 0..3
    // An undo has put RedoHeights aside and no redo has used them yet. A new
    // snapshot leaves it, so a redo after a fresh edit is still possible.
    bool RedoAvailable = false;
    std::vector<float> UndoHeights1, UndoHeights2, UndoHeights3, RedoHeights;  // [1..points]

    // Room for a terrain of `points` points; the snapshots are cleared.
    void Resize(int points);
};

// One mouse stroke: what the pick found, whether the tool runs, the mouse
// values the drag tools compare, and the tools' own working values.
struct StrokeState {
    int PickedSquare = 0;      // the square under the cursor; 0 none
    int LastPickedSquare = 0;  // the one picked before the pick went; 0 none
    bool ToolActive = false;
    bool StrokeUndoTaken = false;
    int32_t MouseY = 0;
    float LastMouseY = 0;
    int32_t PreviousWheel = 0;
    // What only one tool carries is kept by that tool (tools/brush_tool.h).
};

// Where the camera is and how fast it moves; back to the start after a reset.
struct CameraPose {
    Vec3f CameraPos{0, 200, 0};
    Vec3f CameraTarget{0, 20, 50};
    float CameraPitch = 0, CameraYaw = 0;
    float WalkVelocity = 0, StrafeVelocity = 0;
};

}  // namespace vh
