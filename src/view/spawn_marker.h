// The map's spawn point in the view: a player-sized post over its square.
#pragma once

#include "view/overlay.h"

namespace vh::view {

constexpr Rgb kYellow{1, 1, 0};

// The player's 32 x 32 footprint around (x, z) at height y and a 56-unit post
// with a cross bar on top.
void DrawPlayerPost(OverlayScene& o, float x, float y, float z);

// The post at the chosen square's centre on its highest corner; nothing when
// the map has no spawn square.
void DrawSpawnMarker(OverlayScene& o, const EditorState& s);

}  // namespace vh::view
