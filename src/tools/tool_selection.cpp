#include "tools/tool_selection.h"

namespace vh {

void SelectTool(EditorState& s, ToolBox& tools, Tool tool) {
    if (tool == Tool::None) return;
    SetCurrentTool(s, tool);
    if (tool == Tool::TouchUp) tools.TouchUp.TouchUpCorner = 1;
}

int* CurrentRadiusField(EditorState& s) {
    return RadiusField(s.Tools, s.CurrentTool);
}

void RadiusCommand(EditorState& s, int mode) {
    if (mode < 1 || mode > 4) return;
    s.Tools.RadiusChoice = mode;
    if (mode <= 2) {
        if (int* field = CurrentRadiusField(s)) *field = mode;
    } else {
        s.Tools.FlattenRadius = mode;
    }
}

void GridCommand(EditorState& s, int index) {
    if (index < 1 || index > 8) return;
    s.Tools.GridChoice = index;
    s.Tools.Grid = kGridChoices[index];
}

void ToolbarClearPick(EditorState& s) {
    s.Stroke.PickedSquare = 0;
    s.Stroke.ToolActive = false;
}

void ToolbarRadiusClick(EditorState& s) {
    ToolbarClearPick(s);
    RadiusCommand(s, s.Tools.RadiusChoice == 2 ? 1 : 2);
}

void ToolbarGridClick(EditorState& s) {
    ToolbarClearPick(s);
    for (int k = 1; k <= 8; ++k) {
        if (kGridChoices[k] == s.Tools.Grid) {
            GridCommand(s, k % 8 + 1);
            return;
        }
    }
}

void UnlockAll(EditorState& s) {
    const int n = s.Terrain.PointCount;
    bool changed = false;
    for (int i = 1; i <= n && i < static_cast<int>(s.Terrain.Points.size()); ++i) {
        changed = changed || s.Terrain.Points[i].Locked;
        s.Terrain.Points[i].Locked = false;
    }
    if (changed) MarkDocumentChanged(s);
}

void ToggleIgnoreLocked(EditorState& s) {
    s.Tools.IgnoreLocked = !s.Tools.IgnoreLocked;
}

}  // namespace vh
