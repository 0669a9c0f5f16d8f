#include "core/undo.h"

#include <algorithm>

namespace vh {

void UndoHistory::Resize(int points) {
    const size_t n = static_cast<size_t>(std::max(points, 0)) + 1;
    for (std::vector<float>* v : {&UndoHeights1, &UndoHeights2, &UndoHeights3, &RedoHeights})
        v->assign(n, 0.0f);
}

void PushUndo(EditorState& s) {
    const int n = s.History.UndoLevels;
    const int count = s.Terrain.PointCount;
    for (int i = 1; i <= count; ++i) {
        const float h = s.Terrain.Points[i].Height;
        if (n >= 2) s.History.UndoHeights3[i] = s.History.UndoHeights2[i];
        if (n >= 1) s.History.UndoHeights2[i] = s.History.UndoHeights1[i];
        s.History.UndoHeights1[i] = h;
    }
    s.History.UndoLevels = std::min(n + 1, 3);
}

void Undo(EditorState& s) {
    const int n = s.History.UndoLevels;
    if (n < 1) return;  // the command is disabled then
    const int count = s.Terrain.PointCount;
    // Snapshots hold every point's height, locked or not.
    HeightEdit edit = EditHeights(s);
    for (int i = 1; i <= count; ++i) {
        s.History.RedoHeights[i] = edit.Height(i);
        edit.SetEvenIfLocked(i, s.History.UndoHeights1[i]);
        if (n >= 2) s.History.UndoHeights1[i] = s.History.UndoHeights2[i];
        if (n >= 3) s.History.UndoHeights2[i] = s.History.UndoHeights3[i];
    }
    s.History.RedoAvailable = true;
    s.History.UndoLevels = n - 1;
    // Even back at the saved heights: counting it as a change is the safe side.
    MarkDocumentChanged(s);
    edit.Commit();
}

void Redo(EditorState& s) {
    if (!s.History.RedoAvailable) return;  // only once after an undo
    s.History.RedoAvailable = false;
    const int n = s.History.UndoLevels;
    const int count = s.Terrain.PointCount;
    HeightEdit edit = EditHeights(s);
    for (int i = 1; i <= count; ++i) {
        if (n >= 2) s.History.UndoHeights3[i] = s.History.UndoHeights2[i];
        if (n >= 1) s.History.UndoHeights2[i] = s.History.UndoHeights1[i];
        s.History.UndoHeights1[i] = edit.Height(i);
        edit.SetEvenIfLocked(i, s.History.RedoHeights[i]);
    }
    s.History.UndoLevels = std::min(n + 1, 3);
    MarkDocumentChanged(s);
    edit.Commit();
}

}  // namespace vh
