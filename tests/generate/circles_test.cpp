#include <gtest/gtest.h>

#include <cmath>

#include "generate/generators.h"
#include "generate_fixture.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

namespace {

// 9 x 9 points of 256 units, one circle of radius 2 triangles (512 units).
void CircleGrid(EditorState& s) {
    vhtest::MakeTerrain(s, 9, 9, 256);
    s.CircleMaxRad = 2;
    s.CircleMaxChange = 256;
    s.CircleIterations = 1;
}

}  // namespace

TEST(Circles, HillProfileFallsToZeroAtTheRadius) {
    EditorState s;
    CircleGrid(s);
    s.Rnd.Script({0.5f, 0.5f});  // centre 41 (the middle); sign 0.5 rounds to 0: a hill
    vhtest::RecordingProgress p;
    Circles(s, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Running Circle Algorithm ..."});
    EXPECT_EQ(p.maxima, std::vector<int>{1});
    EXPECT_FLOAT_EQ(H(s, 41), 256);
    for (int n : {40, 42, 32, 50}) EXPECT_NEAR(H(s, n), 221.70, 0.01) << n;
    for (int n : {31, 33, 49, 51}) EXPECT_NEAR(H(s, n), 181.02, 0.01) << n;
    for (int n : {39, 43, 23, 59}) EXPECT_EQ(H(s, n), 0) << n;  // exactly at the radius
    int changed = 0;
    for (int i = 1; i <= 81; ++i) changed += H(s, i) != 0;
    EXPECT_EQ(changed, 9);
}

TEST(Circles, SignDrawAboveHalfDigsAHollow) {
    EditorState s;
    CircleGrid(s);
    s.Rnd.Script({0.5f, 0.75f});
    Circles(s, vh::NoProgress());
    EXPECT_FLOAT_EQ(H(s, 41), -256);
    EXPECT_NEAR(H(s, 42), -221.70, 0.01);
}

TEST(Circles, CornerCentreChangesOnlyTheQuarterOnTheGrid) {
    EditorState s;
    CircleGrid(s);
    s.Rnd.Script({0.0f, 0.0f});  // centre point 1
    Circles(s, vh::NoProgress());
    EXPECT_FLOAT_EQ(H(s, 1), 256);
    EXPECT_NEAR(H(s, 2), 221.70, 0.01);
    EXPECT_NEAR(H(s, 10), 221.70, 0.01);
    EXPECT_NEAR(H(s, 11), 181.02, 0.01);
    int changed = 0;
    for (int i = 1; i <= 81; ++i) changed += H(s, i) != 0;
    EXPECT_EQ(changed, 4);
}

TEST(Circles, IterationsAddUpAndZeroChangeLeavesHeights) {
    EditorState s;
    CircleGrid(s);
    s.CircleIterations = 3;
    s.Rnd.Script({0.5f, 0.0f});
    Circles(s, vh::NoProgress());
    EXPECT_FLOAT_EQ(H(s, 41), 3 * 256);
    EXPECT_EQ(s.Rnd.Draws(), 6u);  // centre, then sign, per circle

    EditorState flat;
    CircleGrid(flat);
    flat.CircleMaxChange = 0;
    flat.CircleIterations = 5;
    vhtest::RecordingProgress p;
    Circles(flat, p);
    EXPECT_EQ(p.LastValue(), 5);
    for (int i = 1; i <= 81; ++i) EXPECT_EQ(H(flat, i), 0);
}

TEST(Circles, LargeRadiusFollowsTheHalfEllipse) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 17, 256);
    s.CircleMaxRad = 6;  // R = 1536
    s.CircleMaxChange = 512;
    s.CircleIterations = 1;
    s.Rnd.Script({0.5f, 0.0f});  // centre 145
    Circles(s, vh::NoProgress());
    for (int i = 1; i <= 289; ++i) {
        const double dx = s.Points[i].X, dz = s.Points[i].Z;
        const double d = std::sqrt(dx * dx + dz * dz);
        const double expected = d < 1536 ? 512 * std::sqrt(1 - (d / 1536) * (d / 1536)) : 0;
        EXPECT_NEAR(H(s, i), expected, 0.01) << i;
    }
}
