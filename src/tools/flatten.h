// Flatten: levels the picked square (and a block or strip around it) to the
// grid-snapped mean of the picked square, every pass while the button is held.
#pragma once

#include "core/editor_state.h"

namespace vh {

void FlattenTool(EditorState& s);

// Sets every unprotected corner of the square to target; square 0 is skipped.
void FlattenSquare(HeightEdit& edit, int square, float target);

}  // namespace vh
