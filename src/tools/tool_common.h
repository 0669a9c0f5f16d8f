// Small helpers every tool shares: the locked rule, corners and means.
#pragma once

#include "core/editor_state.h"

namespace vh {

// Square index held as a float -> int (0 for none or out of range).
int SquareIndex(const EditorState& s, float square);

// True when the point may not be changed: locked while locked points are not
// being ignored.
inline bool PointProtected(const EditorState& s, int point) {
    return s.Points[point].Locked != 0 && s.IgnoreLocked == 0;
}

inline int CornerLeftOf(const EditorState& s, int sq) {
    return static_cast<int>(s.Squares[sq].CornerLeft);
}
inline int CornerRightOf(const EditorState& s, int sq) {
    return static_cast<int>(s.Squares[sq].CornerRight);
}
inline int CornerNextLeftOf(const EditorState& s, int sq) {
    return static_cast<int>(s.Squares[sq].CornerNextLeft);
}
inline int CornerNextRightOf(const EditorState& s, int sq) {
    return static_cast<int>(s.Squares[sq].CornerNextRight);
}

// Mean Height of the square's four corners, locked or not.
float SquareMean(const EditorState& s, int square);

// The picked square as an index, 0 when none (or not a valid square).
inline int PickedIndex(const EditorState& s) {
    return SquareIndex(s, s.PickedSquare);
}

}  // namespace vh
