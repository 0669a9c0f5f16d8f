// Texts about the selection: the status line and the five info lines drawn
// in the top-left corner of the view.
#pragma once

#include <array>
#include <string>

#include "core/editor_state.h"
#include "tools/brush_tool.h"

namespace vh::view {

// "No Selection." or "Block: k Origin: X Z H" (the touch-up corner's
// coordinates with the touch-up tool).
std::string StatusLineText(const EditorState& s, const ToolBox& tools);

// "Slope: 44.3° 12.0° walkable": the picked square's two triangles (lower,
// upper) and whether the player can stand on both ("too steep" otherwise);
// empty with nothing picked.
std::string SlopeText(const EditorState& s);

// The tool, radius, block, origin and grid lines, top to bottom.
std::array<std::string, 5> InfoOverlayLines(const EditorState& s, const ToolBox& tools);

// Pixel rows of the info lines.
constexpr std::array<int, 5> kInfoRows = {8, 20, 32, 44, 56};

}  // namespace vh::view
