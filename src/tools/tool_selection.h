// Making a tool current, the radius and grid commands, the toolbar's radius
// and grid buttons, and the two locked-point commands. They change only the
// editor's state; the window shows the result afterwards.
#pragma once

#include "core/editor_state.h"
#include "tools/brush_tool.h"

namespace vh {

// The six tool items ("cmdRaiseLower" .. "cmdTouchUp", "tbRaiseLower" ..):
// the tool becomes current and the radius menu shows its radius; touch-up
// starts again at corner 1.
void SelectTool(EditorState& s, ToolBox& tools, Tool tool);

// "cmdRadSmall" (1), "cmdRadLarge" (2), "cmdRadXLarge" (3), "cmdRadYLarge" (4),
// also the toolbar entries "tbSmall" .. "tbYLarge": the radius menu shows the
// mode; Small and Large set the current tool's radius, X and Y Axes Large
// the flatten radius. Other modes are ignored.
void RadiusCommand(EditorState& s, int mode);

// "cmdGrid1".."cmdGrid8" and the toolbar entries "tb1".."tb128": the Grid
// menu checks that position and Grid becomes 1, 2, 4, ... 128. Other
// indices are ignored.
void GridCommand(EditorState& s, int index);

// What every toolbar click does first: nothing stays picked and no tool is
// active until the next pick (the view drops the highlight when it sees
// PickedSquare 0).
void ToolbarClearPick(EditorState& s);

// "tbRadius": Large shown -> Small, anything else -> Large. Includes
// ToolbarClearPick.
void ToolbarRadiusClick(EditorState& s);

// "tbGrid": the next grid choice, 128 wrapping to 1; a Grid that is not one
// of the eight choices makes it do nothing. Includes ToolbarClearPick.
void ToolbarGridClick(EditorState& s);

// "cmdUnlockAll": every point unlocked (a change to the document when one was locked).
void UnlockAll(EditorState& s);

// "cmdIgnoreLocked": toggles IgnoreLocked.
void ToggleIgnoreLocked(EditorState& s);

// The radius field of the current tool (RaiseLowerRadius, SmoothRadius,
// NoiseRadius or FlattenRadius); nullptr for mountain/valley and touch-up.
int* CurrentRadiusField(EditorState& s);

}  // namespace vh
