// Building the grid of points and squares.
#pragma once

#include "core/editor_state.h"
#include "core/progress.h"
#include "core/result.h"

namespace vh {

constexpr int kMaxPoints = 32767;

// Fails (Invalid, with a message for the user) when X x Y points cannot be
// held: more than 32767 points, fewer than 2 along an axis, a non-positive
// spacing, or a side so long that a float cannot hold every coordinate of it.
Status CheckGridSize(int x, int y, int size);

// Build an x by y grid of points `size` apart: counts, the point array and
// the point coordinates ("Generating Points..."), then the stages
// "Building Squares..." and "Sorting Squares...". The caller checks the size
// first; any size stays inside the arrays.
void BuildGrid(Terrain& t, int x, int y, int size, Progress& progress = NoProgress());

// The grid of the New Map settings X, Y and Size, with room in the undo
// history for its points.
void BuildGrid(EditorState& s, Progress& progress = NoProgress());

}  // namespace vh
