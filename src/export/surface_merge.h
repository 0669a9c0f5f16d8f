// Exact merging: neighbouring surface polygons that lie in one plane become
// one convex polygon. No point moves, so the surface stays exactly the same.
#pragma once

#include <functional>

#include "export/surface_mesh.h"

namespace vh {

// Heights within this of a plane count as on it (a compiler's own distance
// epsilon): far below anything a point could be moved by.
constexpr double kOnPlaneEpsilon = 0.0001;

// Merges neighbours sharing an edge while the union stays convex and planar.
PolygonMesh MergeCoplanar(const HeightField& f, const PolygonMesh& mesh);

// Squares gathered into rectangles of one plane (in square order, each from
// the first square not yet taken, as wide and then as tall as the plane
// goes); a square that is not planar on its own is a piece alone.
struct GridPiece {
    int C = 0, R = 0, W = 1, H = 1;  // first square's column and row, squares across and up
    bool Planar = false;
};
void GridPieces(const HeightField& f, const std::function<void(const GridPiece&)>& each);

// For the grid surface of a style: planar squares of one plane are gathered
// into rectangles first, then everything merges as above.
PolygonMesh MergeGridSurface(const HeightField& f, const std::vector<SquareSplit>& splits);

// Edges between two polygons that do not lie in one plane (each polygon side
// between consecutive corners counted once): where the surface bends.
size_t CountCreases(const HeightField& f, const PolygonMesh& mesh);
// The same with each polygon's PlaneOfPolygon() and the sides already at hand.
size_t CountCreases(const HeightField& f, const PolygonMesh& mesh, std::span<const GridPlane> planes,
                    const PolygonSides& sides);

}  // namespace vh
