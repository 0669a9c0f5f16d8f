// Exact merging: neighbouring surface polygons that lie in one plane become
// one convex polygon. No point moves, so the surface stays exactly the same.
#pragma once

#include "export/surface_mesh.h"

namespace vh {

// Heights within this of a plane count as on it (a compiler's own distance
// epsilon): far below anything a point could be moved by.
constexpr double kOnPlaneEpsilon = 0.0001;

// Merges neighbours sharing an edge while the union stays convex and planar.
PolygonMesh MergeCoplanar(const HeightField& f, const PolygonMesh& mesh);

// For the grid surface of a style: planar squares of one plane are gathered
// into rectangles first, then everything merges as above.
PolygonMesh MergeGridSurface(const HeightField& f, const std::vector<SquareSplit>& splits);

// Edges between two polygons that do not lie in one plane (each polygon side
// between consecutive corners counted once): where the surface bends.
size_t CountCreases(const HeightField& f, const PolygonMesh& mesh);

}  // namespace vh
