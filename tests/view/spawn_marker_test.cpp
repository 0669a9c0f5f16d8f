#include "view/spawn_marker.h"

#include <gtest/gtest.h>

#include "support/terrain_fixture.h"

namespace {

TEST(SpawnMarker, APlayerSizedPostStandsOnTheHighestCornerOfTheSquare) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 5, 5, 256);
    for (int k : {0, -3, 17}) {  // none, and squares that are not on the map
        s.Choices.SpawnSquare = k;
        vh::view::OverlayScene o;
        vh::view::DrawSpawnMarker(o, s);
        EXPECT_TRUE(o.Lines.empty()) << k;
    }
    s.Choices.SpawnSquare = 6;
    const vh::SquareCorners c = s.Terrain.Corners(6);
    s.Terrain.Points[c.c2].Height = 80;
    s.Terrain.Points[c.c1].Height = -40;
    vh::view::OverlayScene o;
    vh::view::DrawSpawnMarker(o, s);
    ASSERT_FALSE(o.Lines.empty());
    float cx = 0, cz = 0, lowest = 1e9f, highest = -1e9f;
    for (int p : {c.c0, c.c1, c.c2, c.c3}) cx += s.Terrain.Points[p].X / 4, cz += s.Terrain.Points[p].Z / 4;
    for (const vh::view::Line3& l : o.Lines) {
        for (const vh::Vec3f& v : {l.a, l.b}) {
            EXPECT_LE(std::abs(v.x - cx), 16.0f);
            EXPECT_LE(std::abs(v.z - cz), 16.0f);
            lowest = std::min(lowest, v.y), highest = std::max(highest, v.y);
        }
    }
    EXPECT_EQ(lowest, 80.0f);
    EXPECT_EQ(highest, 80.0f + 56.0f);
}

}  // namespace
