#include "core/spawn_square.h"

#include "core/document.h"

namespace vh {

int SpawnCandidate(const EditorState& s) {
    const int k = s.Stroke.PickedSquare ? s.Stroke.PickedSquare : s.Stroke.LastPickedSquare;
    return s.Terrain.IsSquare(k) ? k : 0;
}

bool SetSpawnSquare(EditorState& s) {
    const int k = SpawnCandidate(s);
    if (k == 0) return false;
    EditDocumentSettings(s, [k](EditorState& e) { e.Choices.SpawnSquare = k; });
    return true;
}

void DropPick(StrokeState& stroke) {
    if (stroke.PickedSquare != 0) stroke.LastPickedSquare = stroke.PickedSquare;
    stroke.PickedSquare = 0;
}

}  // namespace vh
