#include "view/terrain_mesh.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "support/terrain_fixture.h"

namespace {

using vh::view::kVertexFloats;

const float* Vertex(const vh::view::TerrainMesh& m, int point) {
    return &m.Vertices[(point - 1) * kVertexFloats];
}

TEST(TerrainMesh, EachSquareIsTwoTrianglesSplitAlongTheC3C0Diagonal) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3, 256);
    const vh::view::TerrainMesh m = vh::view::BuildTerrainMeshes(s);
    EXPECT_EQ(m.VertexCount(), 9);
    ASSERT_EQ(m.Triangles.size(), 4u * 6u);
    // Square 1: C2 = 1, C3 = 2, C0 = 4, C1 = 5 (0-based vertices one less).
    const std::vector<uint32_t> first(m.Triangles.begin(), m.Triangles.begin() + 6);
    EXPECT_EQ(first, (std::vector<uint32_t>{0, 1, 3, 1, 4, 3}));
}

TEST(TerrainMesh, WireFrameHasEveryEdgeAndDiagonalExactlyOnce) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 4, 3, 256);
    const vh::view::TerrainMesh m = vh::view::BuildTerrainMeshes(s);
    std::set<std::pair<uint32_t, uint32_t>> lines;
    for (size_t i = 0; i < m.Lines.size(); i += 2)
        lines.insert({std::min(m.Lines[i], m.Lines[i + 1]), std::max(m.Lines[i], m.Lines[i + 1])});
    EXPECT_EQ(lines.size(), m.Lines.size() / 2);  // no duplicates
    // 3 rows x 3 horizontal + 4 columns x 2 vertical + 6 diagonals.
    EXPECT_EQ(lines.size(), 9u + 8u + 6u);
    EXPECT_EQ(m.PointList.size(), 12u);
}

TEST(TerrainMesh, VerticesSitAtThePointsAndTheTextureRepeatsOncePerSquare) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3, 256);
    s.Points[5].Height = 64;
    const vh::view::TerrainMesh m = vh::view::BuildTerrainMeshes(s);
    const float* v = Vertex(m, 5);
    EXPECT_FLOAT_EQ(v[0], s.Points[5].X);
    EXPECT_FLOAT_EQ(v[1], 64.0f);
    EXPECT_FLOAT_EQ(v[2], s.Points[5].Z);
    EXPECT_FLOAT_EQ(v[6], 1.0f);
    EXPECT_FLOAT_EQ(v[7], 1.0f);
    EXPECT_FLOAT_EQ(Vertex(m, 9)[6], 2.0f);
    EXPECT_FLOAT_EQ(Vertex(m, 1)[7], 0.0f);
}

TEST(TerrainMesh, UpdateMovesSharedVerticesAndKeepsTheIndexLists) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 5, 5, 256);
    vh::view::TerrainMesh m = vh::view::BuildTerrainMeshes(s);
    const auto triangles = m.Triangles;
    const auto lines = m.Lines;
    s.Points[13].Height = 512;  // the centre point, shared by four squares
    vh::view::UpdateTerrainMesh(m, s);
    EXPECT_FLOAT_EQ(Vertex(m, 13)[1], 512.0f);
    EXPECT_EQ(m.Triangles, triangles);
    EXPECT_EQ(m.Lines, lines);
    // Every triangle that uses point 13 now reaches the new height.
    int uses = 0;
    for (uint32_t i : m.Triangles)
        if (i == 12) ++uses;
    EXPECT_EQ(uses, 6);  // two squares use it twice (diagonal), two once
}

TEST(TerrainMesh, NormalsLeanAwayFromARaisedPoint) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 5, 5, 256);
    vh::view::TerrainMesh m = vh::view::BuildTerrainMeshes(s);
    EXPECT_FLOAT_EQ(Vertex(m, 12)[4], 1.0f);  // flat: straight up
    s.Points[13].Height = 256;
    vh::view::UpdateTerrainMesh(m, s);
    // Point 12 is left (-x) of the raised point: its slope rises toward +x.
    EXPECT_LT(Vertex(m, 12)[3], 0.0f);
    EXPECT_GT(Vertex(m, 14)[3], 0.0f);
    EXPECT_NEAR(Vertex(m, 13)[3], 0.0f, 1e-6);
}

TEST(TerrainMesh, NoTerrainGivesAnEmptyMesh) {
    vh::EditorState s;
    EXPECT_TRUE(vh::view::BuildTerrainMeshes(s).Empty());
}

}  // namespace
