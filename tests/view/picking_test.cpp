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
        viewtest::ShapeTerrain(s, [](float x, float z) {
            return std::round(300 * std::sin(x / 700.0f) + 200 * std::cos(z / 500.0f));
        });
    }

    vh::Vec3f Centre(int k) const {
        const vh::view::SquareCorners c = vh::view::CornersOf(s, k);
        vh::Vec3f m{};
        for (int p : {c.c0, c.c1, c.c2, c.c3}) {
            m.x += s.Points[p].X / 4;
            m.y += s.Points[p].Height / 4;
            m.z += s.Points[p].Z / 4;
        }
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
        // Slanted rays from well above, from different sides.
        EXPECT_EQ(vh::view::PickSquareAlongRay(s, Towards({c.x + 300, c.y + 3000, c.z - 200}, c)), k);
        EXPECT_EQ(vh::view::PickSquareAlongRay(s, Towards({c.x - 150, c.y + 2000, c.z + 400}, c)), k);
    }
}

TEST_F(Picking, StraightDownRayPicksTheSquareBelow) {
    const vh::Vec3f c = Centre(42);
    EXPECT_EQ(vh::view::PickSquareAlongRay(s, {{c.x, 5000, c.z}, {0, -1, 0}}), 42);
}

TEST_F(Picking, RayAlongASharedEdgePicksOneOfTheTwoSquares) {
    // Squares 20 and 21 share the edge between their C3/C1 and C2/C0 corners.
    const vh::view::SquareCorners c = vh::view::CornersOf(s, 20);
    const vh::TerrainPoint& a = s.Points[c.c3];
    const vh::TerrainPoint& b = s.Points[c.c1];
    const vh::Vec3f mid{(a.X + b.X) / 2, (a.Height + b.Height) / 2, (a.Z + b.Z) / 2};
    const int hit = vh::view::PickSquareAlongRay(s, {{mid.x, 4000, mid.z}, {0, -1, 0}});
    EXPECT_TRUE(hit == 20 || hit == 21) << hit;
    // Through a corner shared by four squares.
    const int corner = vh::view::PickSquareAlongRay(s, {{a.X, 4000, a.Z}, {0, -1, 0}});
    EXPECT_TRUE(corner == 20 || corner == 21 || corner == 4 || corner == 5) << corner;
}

TEST_F(Picking, RayIntoTheSkyOrBesideTheMapMisses) {
    EXPECT_EQ(vh::view::PickSquareAlongRay(s, {{0, 1000, 0}, {0.6f, 0.8f, 0}}), 0);
    EXPECT_EQ(vh::view::PickSquareAlongRay(s, {{5000, 1000, 0}, {0, -1, 0}}), 0);
    EXPECT_EQ(vh::view::PickSquareAlongRay(s, {{5000, 1000, 0}, {1, 0, 0}}), 0);
}

TEST_F(Picking, TargetsBehindTheRayOriginAreNotPicked) {
    const vh::Vec3f c = Centre(42);
    EXPECT_EQ(vh::view::PickSquareAlongRay(s, {{c.x, c.y + 500, c.z}, {0, 1, 0}}), 0);
}

TEST_F(Picking, NearestOfSeveralSquaresOnTheRayWins) {
    vhtest::MakeTerrain(s, 17, 17, 256);
    // A wall of points at x = 0 hides the squares behind it from a low ray.
    viewtest::ShapeTerrain(s, [](float x, float) { return x == 0 ? 2000.0f : 0.0f; });
    const vh::view::Ray ray{{-3000, 500, 100}, {1, 0, 0}};
    const int hit = vh::view::PickSquareAlongRay(s, ray);
    ASSERT_NE(hit, 0);
    const vh::view::SquareCorners c = vh::view::CornersOf(s, hit);
    EXPECT_EQ(s.Points[c.c3].X, 0.0f);  // the square just before the wall
}

TEST_F(Picking, PixelOverASquaresProjectedCentrePicksIt) {
    s.CameraPos = {-500, 2600, -3000};
    s.CameraTarget = {0, 0, 0};
    const vh::view::ViewCamera cam = vh::view::MakeViewCamera(s, 640, 480);
    for (int k : {120, 136, 137, 150}) {
        float sx = 0, sy = 0;
        ASSERT_TRUE(vh::view::ProjectToScreen(cam, Centre(k), sx, sy));
        EXPECT_EQ(vh::view::PickSquareAt(s, 640, 480, static_cast<int>(sx), static_cast<int>(sy)), k);
    }
}

TEST_F(Picking, ScreenIsMirroredSoPlusZIsLeftWhenLookingAlongPlusX) {
    s.CameraPos = {0, 100, 0};
    s.CameraTarget = {1, 100, 0};
    const vh::view::ViewCamera cam = vh::view::MakeViewCamera(s, 400, 300);
    float lx = 0, ly = 0, rx = 0, ry = 0;
    ASSERT_TRUE(vh::view::ProjectToScreen(cam, {500, 100, 200}, lx, ly));
    ASSERT_TRUE(vh::view::ProjectToScreen(cam, {500, 100, -200}, rx, ry));
    EXPECT_LT(lx, 200.0f);
    EXPECT_GT(rx, 200.0f);
    EXPECT_FALSE(vh::view::ProjectToScreen(cam, {-500, 100, 0}, lx, ly));
}

TEST_F(Picking, NoTerrainPicksNothing) {
    vh::EditorState empty;
    EXPECT_EQ(vh::view::PickSquareAlongRay(empty, {{0, 1000, 0}, {0, -1, 0}}), 0);
}

}  // namespace
