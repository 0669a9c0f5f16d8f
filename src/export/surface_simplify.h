// Simplification within a tolerance: fewer, larger triangles whose surface
// stays within the tolerance (measured vertically) of the exact exported
// surface everywhere, with the outline and every locked point kept exact.
#pragma once

#include "export/surface_mesh.h"

namespace vh {

// Greedy vertex removal by half-edge collapse, cheapest first: a grid point
// goes when the triangles that replace its fan stay within `tolerance` units of
// the exact surface. Their error is measured where it can be largest: at the
// grid points they cover and where their edges cross the exact surface's edges
// (grid lines and square diagonals). After each removal, edges flip towards a
// Delaunay triangulation where the new pair stays within the tolerance too:
// fat triangles cross fewer exact edges and leave more points removable. An
// outline point goes only where the outline runs straight through it.
// Tolerance <= 0 gives SplitSurface.
PolygonMesh SimplifySurface(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance);

}  // namespace vh
