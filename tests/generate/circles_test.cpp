#include <gtest/gtest.h>

#include "generate/generators.h"
#include "generate_fixture.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

TEST(Circles, HillProfileFallsToZeroAtTheRadius) {
    EditorState s;
    vhtest::MakeTerrain(s, 9, 9, 256);  // one circle of radius 2 triangles (512 units)
    s.CircleMaxRad = 2;
    s.CircleMaxChange = 256;
    s.CircleIterations = 1;
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
