// The terrain's drawing data on the CPU: one vertex per grid point (position,
// normal, texture coordinate) and index lists for the square quads, the wire
// frame and the points. Each square is drawn as the quad C2, C3, C0, C1 split
// along its C3-C0 diagonal; the texture repeats once per square.
#pragma once

#include <cstdint>
#include <vector>

#include "core/terrain.h"
#include "core/terrain_edit.h"

namespace vh::view {

constexpr int kVertexFloats = 8;  // x y z, nx ny nz, u v

struct TerrainMesh {
    // Vertex v (0-based) belongs to point v + 1.
    std::vector<float> Vertices;
    std::vector<uint32_t> Triangles;  // 6 per square
    std::vector<uint32_t> Lines;      // every edge and diagonal once
    std::vector<uint32_t> PointList;  // every point once
    int VertexCount() const { return static_cast<int>(Vertices.size() / kVertexFloats); }
    bool Empty() const { return Triangles.empty(); }
};

// Vertices First..Last (from 0, both included); empty when Last < First.
struct VertexRange {
    int First = 0;
    int Last = -1;
    bool Empty() const { return Last < First; }
};

// The smallest range holding both.
inline VertexRange Union(VertexRange a, VertexRange b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {a.First < b.First ? a.First : b.First, a.Last > b.Last ? a.Last : b.Last};
}

// Build the whole mesh for the grid of t (a new or opened terrain).
TerrainMesh BuildTerrainMeshes(const Terrain& t);

// Move the vertices of the changed points to their heights and recompute
// every normal that depends on them: a vertex's normal follows the heights
// of its neighbours in the row and in the rows above and below, so the
// normals of the points up to one row before and after the range change
// too. The index lists stay as they are. Returns the vertices whose data
// changed, positions and normals together.
VertexRange UpdateTerrainMesh(TerrainMesh& mesh, const Terrain& t, PointRange changed);

// Every vertex and normal.
VertexRange UpdateTerrainMesh(TerrainMesh& mesh, const Terrain& t);

}  // namespace vh::view
