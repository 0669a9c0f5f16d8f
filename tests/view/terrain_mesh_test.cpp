#include "view/terrain_mesh.h"

#include <gtest/gtest.h>

#include "support/terrain_fixture.h"

namespace {

// The vertices whose data differs between two meshes of the same grid.
vh::view::VertexRange Differing(const vh::view::TerrainMesh& a, const vh::view::TerrainMesh& b) {
    vh::view::VertexRange r;
    for (int v = 0; v < a.VertexCount(); ++v) {
        for (int f = 0; f < vh::view::kVertexFloats; ++f) {
            if (a.Vertices[v * vh::view::kVertexFloats + f] == b.Vertices[v * vh::view::kVertexFloats + f])
                continue;
            if (r.Empty()) r.First = v;
            r.Last = v;
        }
    }
    return r;
}

}  // namespace

TEST(TerrainMesh, UpdatingTheChangedPointsGivesTheMeshOfAFullRebuild) {
    // Single points at the corners and row ends (whose normals look across
    // the row boundary), and spans inside and over whole rows of a 7 x 5 grid.
    const struct {
        int first, last;
    } table[] = {{1, 1}, {7, 7}, {8, 8}, {29, 29}, {35, 35}, {17, 17}, {10, 20}, {1, 35}};
    for (const auto& row : table) {
        vh::EditorState s;
        vhtest::MakeTerrain(s, 7, 5);
        for (int p = 1; p <= s.Terrain.PointCount; ++p)
            s.Terrain.Points[p].Height = static_cast<float>(p % 3 * 48);
        vh::view::TerrainMesh mesh = vh::view::BuildTerrainMeshes(s.Terrain);
        const vh::view::TerrainMesh before = mesh;
        for (int p = row.first; p <= row.last; ++p)
            s.Terrain.Points[p].Height += 100.0f + static_cast<float>(p);

        const vh::view::VertexRange updated =
            vh::view::UpdateTerrainMesh(mesh, s.Terrain, {row.first, row.last});
        const vh::view::TerrainMesh rebuilt = vh::view::BuildTerrainMeshes(s.Terrain);
        EXPECT_EQ(mesh.Vertices, rebuilt.Vertices) << row.first << ".." << row.last;
        // What the update reports covers every vertex that moved or turned.
        const vh::view::VertexRange moved = Differing(before, rebuilt);
        ASSERT_FALSE(moved.Empty());
        EXPECT_LE(updated.First, moved.First) << row.first;
        EXPECT_GE(updated.Last, moved.Last) << row.last;
    }
}

TEST(TerrainMesh, NothingChangedOrNoMeshUpdatesNothing) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    vh::view::TerrainMesh mesh = vh::view::BuildTerrainMeshes(s.Terrain);
    EXPECT_TRUE(vh::view::UpdateTerrainMesh(mesh, s.Terrain, {}).Empty());
    vh::view::TerrainMesh none;
    EXPECT_TRUE(vh::view::UpdateTerrainMesh(none, s.Terrain, {1, 9}).Empty());
    EXPECT_TRUE(none.Vertices.empty());
}
