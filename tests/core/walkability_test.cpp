#include "core/walkability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "support/terrain_fixture.h"

using namespace vh;

namespace {

vh::TerrainPoint P(float x, float height, float z) {
    return {x, height, z, false};
}

// The edges marked as steps, each once, as point pairs.
std::set<std::pair<int, int>> StepEdges(const Terrain& t) {
    const WalkabilityMap m = ClassifyTerrain(t);
    std::set<std::pair<int, int>> edges;
    for (int k = 1; k <= t.SquareCount; ++k) {
        const SquareCorners c = t.Corners(k);
        const std::pair<uint16_t, std::pair<int, int>> sides[] = {{WalkBits::EdgeBottom, {c.c2, c.c3}},
                                                                  {WalkBits::EdgeLeft, {c.c2, c.c0}},
                                                                  {WalkBits::EdgeDiagonal, {c.c3, c.c0}},
                                                                  {WalkBits::EdgeTop, {c.c0, c.c1}},
                                                                  {WalkBits::EdgeRight, {c.c3, c.c1}}};
        for (const auto& [bit, e] : sides)
            if (m.Codes[k] & bit) edges.insert({std::min(e.first, e.second), std::max(e.first, e.second)});
    }
    return edges;
}

}  // namespace

TEST(Walkability, TrianglesByHandComputedSlope) {
    // Rising along x over 100 units: the rise is 100 tan(angle).
    const struct {
        float rise;
        float degrees;
        Walk cls;
    } rows[] = {
        {0, 0, Walk::Walkable},
        {100 * std::tan(41.0f * 3.14159265f / 180), 41, Walk::Walkable},
        {100, 45, Walk::NearLimit},  // normal up 0.7071: walkable, close to sliding
        {100 * std::tan(46.0f * 3.14159265f / 180), 46, Walk::TooSteep},  // 0.6947
        {-100, 45, Walk::NearLimit},                                      // falling is the same slope
    };
    for (const auto& r : rows) {
        const TriangleSlope s = ClassifyTriangle(P(0, 0, 0), P(100, r.rise, 0), P(0, 0, 100));
        EXPECT_NEAR(s.Degrees, r.degrees, 0.01) << r.rise;
        EXPECT_NEAR(s.NormalUp, std::cos(r.degrees * 3.14159265f / 180), 1e-5) << r.rise;
        EXPECT_EQ(s.Class, r.cls) << r.rise;
        // Winding does not matter.
        EXPECT_EQ(ClassifyTriangle(P(0, 0, 0), P(0, 0, 100), P(100, r.rise, 0)).Class, r.cls);
    }
    // Degenerate (all corners in a line) counts as flat.
    EXPECT_EQ(ClassifyTriangle(P(0, 0, 0), P(50, 50, 0), P(100, 100, 0)).Class, Walk::Walkable);
}

TEST(Walkability, SquaresSplitAlongTheC3C0Diagonal) {
    EditorState s;
    vhtest::MakeTerrain(s, 2, 2, 256);
    // Only C1 raised: the C2 C3 C0 triangle stays flat, C3 C1 C0 rises
    // 300 over 256 along both axes: atan(300 sqrt 2 / 256) = 58.89 degrees.
    s.Terrain.Points[s.Terrain.Corners(1).c1].Height = 300;
    const SquareSlopes q = SquareWalkability(s.Terrain, 1);
    EXPECT_EQ(q.Lower.Degrees, 0);
    EXPECT_NEAR(q.Upper.Degrees, 58.89, 0.01);
    EXPECT_EQ(q.Upper.Class, Walk::TooSteep);
    const WalkabilityMap m = ClassifyTerrain(s.Terrain);
    EXPECT_EQ(m.LowerClass(1), Walk::Walkable);
    EXPECT_EQ(m.UpperClass(1), Walk::TooSteep);
    EXPECT_DOUBLE_EQ(m.WalkableShare(), 0.5);
}

TEST(Walkability, StepEdgesOnlyAboveEighteenUnitsOnWalkableGround) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3, 256);
    Terrain& t = s.Terrain;
    const int centre = 5;
    t.Points[centre].Height = 18;
    EXPECT_TRUE(StepEdges(t).empty()) << "18 units is a step the player climbs";

    // 19 units: every edge from the centre, four along the axes and the two
    // C3-C0 diagonals that end in it, and nothing else.
    t.Points[centre].Height = 19;
    const std::set<std::pair<int, int>> expected = {{2, 5}, {4, 5}, {5, 6}, {5, 8}, {3, 5}, {5, 7}};
    EXPECT_EQ(StepEdges(t), expected);
    EXPECT_DOUBLE_EQ(ClassifyTerrain(t).WalkableShare(), 1.0);

    // On a 16-unit grid the same 19 units make the six triangles around the
    // centre too steep: a slope, not a step, and no edge is marked.
    EditorState fine;
    vhtest::MakeTerrain(fine, 3, 3, 16);
    fine.Terrain.Points[centre].Height = 19;
    EXPECT_TRUE(StepEdges(fine.Terrain).empty());
    EXPECT_DOUBLE_EQ(ClassifyTerrain(fine.Terrain).WalkableShare(), 2.0 / 8);
}

TEST(Walkability, AStepBesideASteepTriangleIsNotMarked) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 2, 256);
    Terrain& t = s.Terrain;
    // The edge between points 2 and 5 rises 19 units; the cliff at point 3
    // makes the right square's triangle at that edge (2 3 5) too steep.
    t.Points[5].Height = 19;
    EXPECT_EQ(StepEdges(t).count({2, 5}), 1u);
    t.Points[3].Height = 400;
    ASSERT_EQ(ClassifyTerrain(t).LowerClass(2), Walk::TooSteep);
    EXPECT_EQ(StepEdges(t).count({2, 5}), 0u);
}

TEST(Walkability, UpdatingAroundChangedPointsGivesTheWholeClassification) {
    // Edits at corners, row ends, inside and over whole rows, on rough
    // ground where every class and step mark occurs.
    EditorState s;
    vhtest::MakeTerrain(s, 9, 7, 64);
    auto rough = [&](int seed) {
        for (int p = 1; p <= s.Terrain.PointCount; ++p)
            s.Terrain.Points[p].Height = static_cast<float>((p * 37 + seed * 11) % 7 * 12);
    };
    rough(0);
    WalkabilityMap m = ClassifyTerrain(s.Terrain);
    const struct {
        int first, last;
    } edits[] = {{1, 1}, {9, 9}, {10, 10}, {63, 63}, {55, 55}, {31, 31}, {20, 40}, {1, 63}};
    for (int seed = 1; seed <= 3; ++seed)
        for (const auto& e : edits) {
            for (int p = e.first; p <= e.last; ++p)
                s.Terrain.Points[p].Height = static_cast<float>((p * p * 7 + seed * 29 + e.first) % 11 * 9);
            UpdateWalkability(m, s.Terrain, e.first, e.last);
            const WalkabilityMap whole = ClassifyTerrain(s.Terrain);
            ASSERT_EQ(m.Codes, whole.Codes) << "points " << e.first << ".." << e.last << ", seed " << seed;
            ASSERT_EQ(m.WalkableTriangles, whole.WalkableTriangles);
            ASSERT_EQ(m.Triangles, whole.Triangles);
        }
    std::set<uint16_t> seen(m.Codes.begin() + 1, m.Codes.end());
    EXPECT_GT(seen.size(), 5u) << "the terrain should mix classes and marks";
}
