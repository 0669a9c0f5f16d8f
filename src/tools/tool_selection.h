// Making a tool current, the radius and grid commands, the toolbar's radius
// and grid buttons, and the two locked-point commands. They change only
// EditorState (settings, working values and s.Commands); the window mirrors
// s.Commands and calls RefreshControls() afterwards.
#pragma once

#include "core/editor_state.h"

namespace vh {

// The six tool items ("cmdRaiseLower" .. "cmdTouchUp", "tbRaiseLower" ..):
// checks the tool, sets the radius menu, Configuration and the tool buttons
// for it, shows its own radius; touch-up starts again at corner 1.
void SelectTool(EditorState& s, Tool tool);

// "cmdRadSmall" (1), "cmdRadLarge" (2), "cmdRadXLarge" (3), "cmdRadYLarge" (4),
// also the toolbar entries "tbSmall" .. "tbYLarge". Other modes are ignored.
void RadiusCommand(EditorState& s, int mode);

// "cmdGrid1".."cmdGrid8" and the toolbar entries "tb1".."tb128": Grid becomes
// 1, 2, 4, ... 128. Other indices are ignored.
void GridCommand(EditorState& s, int index);

// What every toolbar click does first: nothing stays picked and no tool is
// active until the next pick (the view drops the highlight when it sees
// PickedSquare 0).
void ToolbarClearPick(EditorState& s);

// "tbRadius": Large -> Small, anything else -> Large. Includes ToolbarClearPick.
void ToolbarRadiusClick(EditorState& s);

// "tbGrid": the next grid choice, 128 wrapping to 1; a Grid that is not one
// of the eight choices makes it do nothing. Includes ToolbarClearPick.
void ToolbarGridClick(EditorState& s);

// "cmdUnlockAll": every point unlocked (a change to the document when one was locked).
void UnlockAll(EditorState& s);

// "cmdIgnoreLocked": toggles the check mark and IgnoreLocked with it.
void ToggleIgnoreLocked(EditorState& s);

// The radius field of the current tool (RaiseLowerRadius, SmoothRadius,
// NoiseRadius or FlattenRadius); nullptr for mountain/valley and touch-up.
int* CurrentRadiusField(EditorState& s);

}  // namespace vh
