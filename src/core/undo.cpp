#include "core/undo.h"

#include <algorithm>

namespace vh {

namespace {

void SetUndoEnabled(EditorState& s, bool on) {
    s.Commands.cmdUndo.Enabled = on;
    s.Commands.tbUndo.Enabled = on;
}

void SetRedoEnabled(EditorState& s, bool on) {
    s.Commands.cmdRedo.Enabled = on;
    s.Commands.tbRedo.Enabled = on;
}

}  // namespace

void PushUndo(EditorState& s) {
    SetUndoEnabled(s, true);
    const int n = s.UndoLevels;
    const int count = s.PointTotal();
    for (int i = 1; i <= count; ++i) {
        const float h = s.Points[i].Height;
        if (n >= 2) s.UndoHeights3[i] = s.UndoHeights2[i];
        if (n >= 1) s.UndoHeights2[i] = s.UndoHeights1[i];
        s.UndoHeights1[i] = h;
    }
    s.UndoLevels = static_cast<int16_t>(std::min(n + 1, 3));
}

void Undo(EditorState& s) {
    const int n = s.UndoLevels;
    if (n < 1) return;  // the command is disabled then
    const int count = s.PointTotal();
    for (int i = 1; i <= count; ++i) {
        s.RedoHeights[i] = s.Points[i].Height;
        s.Points[i].Height = s.UndoHeights1[i];
        if (n >= 2) s.UndoHeights1[i] = s.UndoHeights2[i];
        if (n >= 3) s.UndoHeights2[i] = s.UndoHeights3[i];
    }
    SetRedoEnabled(s, true);
    s.UndoLevels = static_cast<int16_t>(n - 1);
    if (s.UndoLevels == 0) SetUndoEnabled(s, false);
    // Even back at the saved heights: counting it as a change is the safe side.
    MarkDocumentChanged(s);
    UpdateTerrainMesh(s);
}

void Redo(EditorState& s) {
    if (!s.Commands.cmdRedo.Enabled) return;  // only once after an undo
    SetUndoEnabled(s, true);
    SetRedoEnabled(s, false);
    const int n = s.UndoLevels;
    const int count = s.PointTotal();
    for (int i = 1; i <= count; ++i) {
        if (n >= 2) s.UndoHeights3[i] = s.UndoHeights2[i];
        if (n >= 1) s.UndoHeights2[i] = s.UndoHeights1[i];
        s.UndoHeights1[i] = s.Points[i].Height;
        s.Points[i].Height = s.RedoHeights[i];
    }
    s.UndoLevels = static_cast<int16_t>(std::min(n + 1, 3));
    MarkDocumentChanged(s);
    UpdateTerrainMesh(s);
}

}  // namespace vh
