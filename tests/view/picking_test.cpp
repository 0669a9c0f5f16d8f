#include "view/picking.h"

#include <gtest/gtest.h>

#include <cmath>

#include "view/terrain_mesh.h"
#include "view_test_fixture.h"

namespace {

class Picking : public ::testing::Test {
protected:
    void SetUp() override {
        vhtest::MakeTerrain(s, 17, 17, 256);
        // Rolling ground, so squares are not flat and triangles matter.
        for (int p = 1; p <= s.Terrain.PointCount; ++p)
            s.Terrain.Points[p].Height = std::round(300 * std::sin(s.Terrain.Points[p].X / 700.0f) +
                                                    200 * std::cos(s.Terrain.Points[p].Z / 500.0f));
    }
    vh::Vec3f Centre(int k) const {
        const vh::SquareCorners c = s.Terrain.Corners(k);
        vh::Vec3f m{};
        for (int p : {c.c0, c.c1, c.c2, c.c3})
            m = {m.x + s.Terrain.Points[p].X / 4, m.y + s.Terrain.Points[p].Height / 4,
                 m.z + s.Terrain.Points[p].Z / 4};
        return m;
    }
    static vh::view::Ray Towards(vh::Vec3f from, vh::Vec3f to) {
        const float dx = to.x - from.x, dy = to.y - from.y, dz = to.z - from.z;
        const float len = std::sqrt(dx * dx + dy * dy + dz * dz);
        return {from, {dx / len, dy / len, dz / len}};
    }
    vh::EditorState s;
};

TEST_F(Picking, RayThroughTheCentreOfASquarePicksThatSquare) {
    for (int k : {1, 2, 17, 100, 137, 255, 256}) {
        const vh::Vec3f c = Centre(k);
        EXPECT_EQ(vh::view::PickSquareAlongRay(s.Terrain, Towards({c.x + 300, c.y + 3000, c.z - 200}, c)), k);
        EXPECT_EQ(vh::view::PickSquareAlongRay(s.Terrain, Towards({c.x - 150, c.y + 2000, c.z + 400}, c)), k);
    }
}

TEST_F(Picking, RayAlongASharedEdgeOrCornerPicksOneOfItsSquares) {
    // Squares 20 and 21 share the edge between their C3/C1 and C2/C0 corners.
    const vh::SquareCorners c = s.Terrain.Corners(20);
    const vh::TerrainPoint& a = s.Terrain.Points[c.c3];
    const vh::TerrainPoint& b = s.Terrain.Points[c.c1];
    const int hit =
        vh::view::PickSquareAlongRay(s.Terrain, {{(a.X + b.X) / 2, 4000, (a.Z + b.Z) / 2}, {0, -1, 0}});
    EXPECT_TRUE(hit == 20 || hit == 21) << hit;
    const int corner = vh::view::PickSquareAlongRay(s.Terrain, {{a.X, 4000, a.Z}, {0, -1, 0}});
    EXPECT_TRUE(corner == 20 || corner == 21 || corner == 4 || corner == 5) << corner;
}

TEST_F(Picking, RaysIntoTheSkyBesideTheMapOrAwayFromTheGroundMiss) {
    EXPECT_EQ(vh::view::PickSquareAlongRay(s.Terrain, {{0, 1000, 0}, {0.6f, 0.8f, 0}}), 0);
    EXPECT_EQ(vh::view::PickSquareAlongRay(s.Terrain, {{5000, 1000, 0}, {0, -1, 0}}), 0);
    const vh::Vec3f c = Centre(42);
    EXPECT_EQ(vh::view::PickSquareAlongRay(s.Terrain, {{c.x, c.y + 500, c.z}, {0, 1, 0}}), 0);
    vh::EditorState empty;
    EXPECT_EQ(vh::view::PickSquareAlongRay(empty.Terrain, {{0, 1000, 0}, {0, -1, 0}}), 0);
}

}  // namespace
