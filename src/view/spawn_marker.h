// The map's spawn point in the view: a player-sized post over its square.
#pragma once

#include "view/overlay.h"

namespace vh::view {

constexpr Rgb kYellow{1, 1, 0};

// The 32 x 32 footprint at the square's centre on its highest corner and a
// 56-unit post with a cross bar; nothing when the map has no spawn square.
void DrawSpawnMarker(OverlayScene& o, const EditorState& s);

}  // namespace vh::view
