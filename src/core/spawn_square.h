// "Set Spawn Point": the map keeps the picked square as the place of its
// player start (MapChoices::SpawnSquare), which a compile-ready export uses.
#pragma once

#include "core/editor_state.h"

namespace vh {

// The square the command takes: the one under the cursor, else the last one
// picked before the cursor left the view (on its way to the menu); 0 none.
int SpawnCandidate(const EditorState& s);

// Keeps that square as the spawn point, marking the document changed when
// it moves. False when no square is picked (nothing changes).
bool SetSpawnSquare(EditorState& s);

// The pick goes (the cursor left the view, a dialog opened): the square is
// remembered for the command.
void DropPick(StrokeState& stroke);

}  // namespace vh
