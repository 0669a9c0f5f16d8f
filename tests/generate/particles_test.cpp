#include <gtest/gtest.h>

#include "generate/generators.h"
#include "generate_fixture.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

namespace {

// Draw that makes a direction d: 7 x r rounds to d.
float DirectionDraw(int d) {
    return static_cast<float>(d) / 7.0f;
}

void ParticleGrid(EditorState& s, int side, const char* style, float lim, int iterations) {
    vhtest::MakeTerrain(s, side, side);
    s.ParticleStyle = style;
    s.ParticlePercentLimiter = lim;
    s.particleIterations = static_cast<int16_t>(iterations);
    s.MaxSeed = 48;
}

}  // namespace

TEST(ParticleWalkStep, DirectionsMoveByRowsAndColumns) {
    const int expected[8] = {1, -1, 17, -17, 2, -2, 34, -34};
    for (int d = 0; d < 8; ++d) EXPECT_EQ(ParticleWalkStep(d, 17), expected[d]) << d;
}

TEST(ParticleDeposition, AugmentAtLimitOneDepositsTheSameAmountAndWalks) {
    EditorState s;
    ParticleGrid(s, 3, "Augment", 1.0f, 2);
    s.Rnd.Script({0.0f, 0.5f, 0.25f,               // square 1, amount 48, positive
                  0.9f, DirectionDraw(2),          // factor 1, walk +X to square 4
                  0.3f, DirectionDraw(7), 0.0f});  // factor 1, walk -2X off: square 1
    vhtest::RecordingProgress p;
    ParticleDeposition(s, p);
    EXPECT_EQ(s.Rnd.Draws(), 8u);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Running Particle Algorithm ..."});
    EXPECT_EQ(p.maxima, std::vector<int>{2});
    EXPECT_EQ(p.LastValue(), 2);
    // Square 1 has corners 1, 2, 4, 5; square 4 has 5, 6, 8, 9.
    const float expected[10] = {0, 48, 48, 0, 48, 96, 48, 0, 48, 48};
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(H(s, i), expected[i]) << i;
}

TEST(ParticleDeposition, AmountOutsideWindowDropsANewParticleEachIteration) {
    EditorState s;
    ParticleGrid(s, 2, "Augment", 1.0f, 2);
    s.MaxNormal = 8;                                    // below Grid: no amount fits the window
    s.Rnd.Script({0.1f, 0.5f, 0.9f,                     // first particle, -48
                  0.25f, 0.3f, 0.1f, 0.0f, 0.0f, 0.7f,  // new +24, factor, walk off, back
                  0.75f, 0.3f, 0.2f, 0.0f, 0.0f, 0.7f});
    ParticleDeposition(s, vh::NoProgress());
    EXPECT_EQ(s.Rnd.Draws(), 15u);
    // One square: every deposit lands on all four points.
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(H(s, i), 24 + 72) << i;
}

TEST(ParticleDeposition, DiminishShrinksTheAmount) {
    EditorState s;
    ParticleGrid(s, 2, "DIMINISH", 1.75f, 2);
    s.MaxSeed = 64;
    s.Rnd.Script({0.0f, 0.5f, 0.0f,    // 64
                  0.5f, 0.0f, 0.0f,    // x0.5 = 32, walk +1 off, back to 1
                  0.1f, 0.0f, 0.0f});  // x0.25 (raised to 2 - lim) = 8
    ParticleDeposition(s, vh::NoProgress());
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(H(s, i), 40) << i;
}

TEST(ParticleDeposition, RandomStyleDrawsTwiceForItsFactor) {
    EditorState s;
    ParticleGrid(s, 2, "random", 1.75f, 1);
    s.Rnd.Script({0.0f, 0.5f, 0.0f, 0.5f, 0.25f, 0.0f, 0.0f});
    ParticleDeposition(s, vh::NoProgress());
    EXPECT_EQ(s.Rnd.Draws(), 7u);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(H(s, i), 36) << i;  // 48 x 0.75
}

TEST(ParticleDeposition, UnknownStyleOnlyDrawsTheFirstParticle) {
    EditorState s;
    ParticleGrid(s, 5, "Sideways", 1.75f, 100);
    vhtest::RecordingProgress p;
    ParticleDeposition(s, p);
    EXPECT_EQ(s.Rnd.Draws(), 3u);
    EXPECT_EQ(p.values, std::vector<int>{0});
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(H(s, i), 0);
}

TEST(ParticleDeposition, WalkOffTheRangeLandsOnARandomSquare) {
    EditorState s;
    ParticleGrid(s, 5, "Augment", 1.0f, 2);  // 16 squares
    // Start on square 16, walk +2 (off the end), land on square 6.
    s.Rnd.Script({1.0f - 1e-7f, 0.5f, 0.0f, 0.0f, DirectionDraw(4), 5.0f / 15.0f,  //
                  0.0f, DirectionDraw(0)});
    ParticleDeposition(s, vh::NoProgress());
    // Square 16 has corners 19, 20, 24, 25; square 6 has 7, 8, 12, 13.
    for (int i : {19, 20, 24, 25, 7, 8, 12, 13}) EXPECT_EQ(H(s, i), 48) << i;
    float total = 0;
    for (int i = 1; i <= 25; ++i) total += H(s, i);
    EXPECT_EQ(total, 8 * 48);
}
