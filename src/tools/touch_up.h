// Touch-up: one corner of the picked square, chosen with the wheel, moved by
// dragging or by Page Up/Down, locked and unlocked with L. It moves its
// corner whether locked or not.
#pragma once

#include "core/editor_state.h"
#include "core/input_state.h"

namespace vh {

// The corner the tool works on and the state of its keys.
struct TouchUpStroke {
    int TouchUpCorner = 1;     // 1..4
    int TouchUpDirection = 0;  // +1 Page Up, -1 Page Down, 0 none
    float TouchUpKeyTime = 0;  // ms a Page key has been held
    bool TouchUpLockKeyDown = false;
};

// Point index of corner 1..4 (1 CornerLeft, 2 CornerNextLeft, 3
// CornerNextRight, 4 CornerRight) of a square; 0 when t has no such square
// or the corner number is out of range.
int TouchUpCornerOf(const Terrain& t, int square, int corner);

// TouchUpCornerOf the picked square and TouchUpCorner.
int TouchUpPoint(const EditorState& s, const TouchUpStroke& u);

// The drag pass; a held Page key stops the drag.
void TouchUpTool(EditorState& s, const TouchUpStroke& u, const InputState& in);

// Moves the corner by TouchUpDirection x Grid; the first step of a key press
// pushes an undo snapshot.
void TouchUpKeyStep(EditorState& s, const TouchUpStroke& u);

// Locks an unlocked corner, unlocks a locked one.
void TouchUpToggleLock(EditorState& s, const TouchUpStroke& u);

// Page keys with the 250 ms wait before repeating, and the lock key edge.
void TouchUpPageAndLockKeys(EditorState& s, TouchUpStroke& u, const InputState& in);

// The wheel moved the corner number by delta; it is then kept in 1 .. 4.
void TouchUpWheel(TouchUpStroke& u, int delta);

}  // namespace vh
