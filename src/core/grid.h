// Building the grid of points and squares.
#pragma once

#include <optional>
#include <string>

#include "core/editor_state.h"
#include "core/progress.h"

namespace vh {

constexpr int kMaxPoints = 32767;

// A message when X x Y points cannot be held (more than 32767 points, fewer
// than 2 along an axis, a non-positive spacing, or a side so long that a
// float cannot hold every coordinate of it); nullopt when fine.
std::optional<std::string> CheckGridSize(int x, int y, int size);

// Build the grid from X, Y and Size: counts, arrays (points, squares, undo),
// point coordinates, square corners ("Building Squares...") and neighbour
// links ("Sorting Squares..."). The caller checks the size first; any size
// stays inside the arrays.
void BuildGrid(EditorState& s, Progress& progress = NoProgress());

// Size every per-point and per-square array to the current counts.
void SizeTerrainArrays(EditorState& s);

}  // namespace vh
