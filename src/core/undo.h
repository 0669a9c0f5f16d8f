// Three undo snapshots of all heights and one redo.
#pragma once

#include "core/editor_state.h"

namespace vh {

void PushUndo(EditorState& s);
void Undo(EditorState& s);
void Redo(EditorState& s);

}  // namespace vh
