// Small helpers every tool shares: corners and means. The locked rule is
// the height funnel's (HeightEdit::Protected).
#pragma once

#include "core/editor_state.h"

namespace vh {

// The square number when t has that square, else 0.
inline int SquareIndex(const Terrain& t, int square) {
    return t.IsSquare(square) ? square : 0;
}

inline int CornerLeftOf(const Terrain& t, int sq) {
    return t.Corners(sq).c2;
}
inline int CornerRightOf(const Terrain& t, int sq) {
    return t.Corners(sq).c3;
}
inline int CornerNextLeftOf(const Terrain& t, int sq) {
    return t.Corners(sq).c0;
}
inline int CornerNextRightOf(const Terrain& t, int sq) {
    return t.Corners(sq).c1;
}

// Mean Height of the square's four corners, locked or not.
float SquareMean(const Terrain& t, int square);

// The picked square, 0 when none (or not a square of the terrain).
inline int PickedIndex(const EditorState& s) {
    return SquareIndex(s.Terrain, s.Stroke.PickedSquare);
}

}  // namespace vh
