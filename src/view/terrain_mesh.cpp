#include "view/terrain_mesh.h"

#include <algorithm>
#include <cmath>

namespace vh::view {

namespace {

// The vertices the mesh and the terrain both have.
int SharedVertices(const TerrainMesh& m, const Terrain& t) {
    return std::min(m.VertexCount(), static_cast<int>(t.Points.size()) - 1);
}

// Normals of vertices from..to from the heights of their grid neighbours
// (central differences), so the lighting is smooth across squares.
void FillNormals(TerrainMesh& m, const Terrain& t, int from, int to) {
    const int n = SharedVertices(m, t);
    const int row = t.PointsPerRow;
    auto height = [&](int v) { return t.Points[v + 1].Height; };
    auto coordX = [&](int v) { return t.Points[v + 1].X; };
    auto coordZ = [&](int v) { return t.Points[v + 1].Z; };
    for (int v = std::max(from, 0); v <= to && v < n; ++v) {
        float* out = &m.Vertices[v * kVertexFloats + 3];
        if (row < 2) {
            out[0] = 0, out[1] = 1, out[2] = 0;
            continue;
        }
        const int col = v % row;
        const int left = col > 0 ? v - 1 : v, right = col < row - 1 ? v + 1 : v;
        const int down = v - row >= 0 ? v - row : v, up = v + row < n ? v + row : v;
        const float dx = coordX(right) - coordX(left), dz = coordZ(up) - coordZ(down);
        const float sx = dx != 0 ? (height(right) - height(left)) / dx : 0;
        const float sz = dz != 0 ? (height(up) - height(down)) / dz : 0;
        const float len = std::sqrt(sx * sx + 1 + sz * sz);
        out[0] = -sx / len, out[1] = 1 / len, out[2] = -sz / len;
    }
}

}  // namespace

TerrainMesh BuildTerrainMeshes(const Terrain& t) {
    TerrainMesh m;
    const int points = std::min(t.PointCount, static_cast<int>(t.Points.size()) - 1);
    if (points < 1) return m;
    m.Vertices.assign(static_cast<size_t>(points) * kVertexFloats, 0.0f);

    // Texture coordinates count squares from the first point, so a repeating
    // texture covers each square exactly once.
    float spacingX = 1, spacingZ = 1;
    if (t.HasSquare(1)) {
        const SquareCorners c = t.Corners(1);
        spacingX = t.Points[c.c3].X - t.Points[c.c2].X;
        spacingZ = t.Points[c.c0].Z - t.Points[c.c2].Z;
        if (spacingX == 0) spacingX = 1;
        if (spacingZ == 0) spacingZ = 1;
    }
    const float x0 = t.Points[1].X, z0 = t.Points[1].Z;
    for (int v = 0; v < points; ++v) {
        m.Vertices[v * kVertexFloats + 6] = (t.Points[v + 1].X - x0) / spacingX;
        m.Vertices[v * kVertexFloats + 7] = (t.Points[v + 1].Z - z0) / spacingZ;
    }

    const int squares = t.SquareCount;
    m.Triangles.reserve(static_cast<size_t>(squares) * 6);
    m.Lines.reserve(static_cast<size_t>(squares) * 7);
    for (int k = 1; k <= squares; ++k) {
        if (!t.HasSquare(k)) continue;
        const SquareCorners c = t.Corners(k);
        const uint32_t v2 = c.c2 - 1, v3 = c.c3 - 1, v0 = c.c0 - 1, v1 = c.c1 - 1;
        // C3 last in both: the vertex that gives a triangle its flat
        // attributes (the walkability code) is the same for the square.
        m.Triangles.insert(m.Triangles.end(), {v0, v2, v3, v1, v0, v3});
        // Edges shared with a neighbour are drawn by one of the two squares.
        m.Lines.insert(m.Lines.end(), {v2, v3, v2, v0, v3, v0});
        if (t.Neighbour(k, Dir::Next) == 0) m.Lines.insert(m.Lines.end(), {v0, v1});
        if (t.Neighbour(k, Dir::Right) == 0) m.Lines.insert(m.Lines.end(), {v3, v1});
    }
    m.PointList.resize(points);
    for (int v = 0; v < points; ++v) m.PointList[v] = v;
    UpdateTerrainMesh(m, t);
    return m;
}

VertexRange UpdateTerrainMesh(TerrainMesh& m, const Terrain& t, PointRange changed) {
    const int n = SharedVertices(m, t);
    if (changed.Empty() || n < 1) return {};
    const int first = std::max(changed.First - 1, 0), last = std::min(changed.Last - 1, n - 1);
    if (first > last) return {};
    for (int v = first; v <= last; ++v) {
        const TerrainPoint& p = t.Points[v + 1];
        float* out = &m.Vertices[v * kVertexFloats];
        out[0] = p.X, out[1] = p.Height, out[2] = p.Z;
    }
    const int row = std::max(t.PointsPerRow, 1);
    const VertexRange touched{std::max(first - row, 0), std::min(last + row, n - 1)};
    FillNormals(m, t, touched.First, touched.Last);
    return touched;
}

VertexRange UpdateTerrainMesh(TerrainMesh& m, const Terrain& t) {
    return UpdateTerrainMesh(m, t, PointRange{1, SharedVertices(m, t)});
}

}  // namespace vh::view
