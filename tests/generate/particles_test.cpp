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

// One-square grids: every deposit lands on all four points.
TEST(ParticleDeposition, OneSquareGridTotalsPerStyleAndWindow) {
    struct Row {
        const char* style;
        float lim, maxNormal, seed;
        int iterations;
        std::vector<float> draws;
        unsigned drawCount;
        float each;
    };
    const Row rows[] = {
        // MaxNormal below Grid: no amount fits the window, so every iteration
        // drops a new particle (-48 refused, +24, then +72).
        {"Augment",
         1.0f,
         8,
         48,
         2,
         {0.1f, 0.5f, 0.9f, 0.25f, 0.3f, 0.1f, 0.0f, 0.0f, 0.7f, 0.75f, 0.3f, 0.2f, 0.0f, 0.0f, 0.7f},
         15u,
         96},
        // 64, x0.5 = 32, then x0.25 (raised to 2 - lim) = 8.
        {"DIMINISH", 1.75f, 0, 64, 2, {0.0f, 0.5f, 0.0f, 0.5f, 0.0f, 0.0f, 0.1f, 0.0f, 0.0f}, 9u, 40},
        // Random draws twice for its factor: 48 x 0.75.
        {"random", 1.75f, 0, 48, 1, {0.0f, 0.5f, 0.0f, 0.5f, 0.25f, 0.0f, 0.0f}, 7u, 36},
    };
    for (const Row& r : rows) {
        EditorState s;
        ParticleGrid(s, 2, r.style, r.lim, r.iterations);
        s.MaxSeed = r.seed;
        if (r.maxNormal != 0) s.MaxNormal = r.maxNormal;
        s.Rnd.Script(r.draws);
        ParticleDeposition(s, vh::NoProgress());
        EXPECT_EQ(s.Rnd.Draws(), r.drawCount) << r.style;
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(H(s, i), r.each) << r.style << " " << i;
    }
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
