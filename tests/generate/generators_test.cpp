#include "generate/generators.h"

#include <gtest/gtest.h>

#include "generate_fixture.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

namespace {

// Factors of exactly 1 make every new point the plain average.
void PlainGrid(EditorState& s, int side) {
    vhtest::MakeTerrain(s, side, side);
    s.NewMap.DiamondSquareStyle = "Augment";
    s.NewMap.DiamondSquarePercentLimiter = 1.0f;
}

// Draws that pick point p of n as RandomPointIndex: (n - 1) * r + 1 rounds to p.
float PointDraw(int p, int n) {
    return (static_cast<float>(p) - 1.0f) / static_cast<float>(n - 1);
}

void OneIteration(EditorState& s, int lines) {
    vhtest::MakeTerrain(s, 5, 5);
    s.NewMap.FaultLines = static_cast<int16_t>(lines);
    s.NewMap.FaultIterations = 1;
    s.NewMap.FaultMaxChange = 256;
}

// Draw that makes a direction d: 7 x r rounds to d.
float DirectionDraw(int d) {
    return static_cast<float>(d) / 7.0f;
}

void ParticleGrid(EditorState& s, int side, const char* style, float lim, int iterations) {
    vhtest::MakeTerrain(s, side, side);
    s.NewMap.ParticleStyle = style;
    s.NewMap.ParticlePercentLimiter = lim;
    s.NewMap.particleIterations = static_cast<int16_t>(iterations);
    s.NewMap.MaxSeed = 48;
}

}  // namespace

TEST(DiamondSquareCell, FirstCellOfFiveByFiveFillsCentreAndMidpoints) {
    EditorState s;
    PlainGrid(s, 5);
    vhtest::SetHeights(s, {{1, 16}, {5, 32}, {25, 48}, {21, 64}});
    DiamondSquareCell(s.Terrain, s.NewMap, s.Rnd, 1, 5, 25, 21);
    // Centre (16 + 32 + 48 + 64) / 4, then each midpoint from its corners and centre.
    vhtest::ExpectHeights(s, {{13, 40}, {3, 32}, {15, 40}, {23, 48}, {11, 40}});
    int changed = 0;
    for (int i = 1; i <= 25; ++i) changed += H(s, i) != 0;
    EXPECT_EQ(changed, 9);
}

TEST(DiamondSquareCell, TwoByTwoRoundsIndicesToEvenAndOverwritesCorners) {
    EditorState s;
    PlainGrid(s, 2);
    vhtest::SetHeights(s, {{1, 16}, {2, 32}, {3, 48}, {4, 64}});
    DiamondSquareCell(s.Terrain, s.NewMap, s.Rnd, 1, 2, 4, 3);
    // Centre 2.5 -> 2, midpoints 1.5 -> 2, 3, 3.5 -> 4 and 2: point 2 is the
    // centre, m12 and m14, so each later step reads its newest value.
    vhtest::ExpectHeights(s, {{1, 16}, {3, 41.5f}, {4, 43.375f}, {2, 31.375f}});
}

TEST(DiamondSquare, FiveByFiveProcessesLevelTwoCellsBandByBand) {
    EditorState s;
    PlainGrid(s, 5);
    s.NewMap.MaxSeed = 256;
    // Corner seeds in the order 1, 25, 5, 21; the sign draws keep them positive.
    s.Rnd.Script({0.25f, 0.0f, 0.5f, 0.0f, 0.75f, 0.0f, 0.125f, 0.0f});
    DiamondSquare(s.Terrain, s.NewMap, s.Rnd, vh::NoProgress());
    vhtest::ExpectHeights(s, {{1, 64}, {25, 128}, {5, 192}, {21, 32}});              // corners
    vhtest::ExpectHeights(s, {{13, 104}, {3, 116}, {15, 132}, {23, 92}, {11, 76}});  // first cell
    vhtest::ExpectHeights(s, {{7, 90}, {9, 136}, {17, 76}, {19, 114}, {2, 90}, {24, 112}});
    // Shared edges keep the value of the cell processed later: (1, 3, 13, 11),
    // then (3, 5, 15, 13), (11, 13, 23, 21), (13, 15, 25, 23).
    vhtest::ExpectHeights(s, {{8, 123}, {12, 83}, {14, 116}, {18, 106}});
}

TEST(DiamondSquare, GridsThatDoNotQualifyAreLeftAlone) {
    EXPECT_TRUE(IsDiamondSquareGrid(2, 2));
    for (auto [x, y] : {std::pair{17, 9}, std::pair{16, 16}}) {
        EXPECT_FALSE(IsDiamondSquareGrid(x, y));
        EditorState s;
        vhtest::MakeTerrain(s, x, y);
        vhtest::RecordingProgress p;
        const auto draws = s.Rnd.Draws();
        DiamondSquare(s.Terrain, s.NewMap, s.Rnd, p);
        EXPECT_TRUE(p.statuses.empty());
        EXPECT_EQ(s.Rnd.Draws(), draws);
        for (int i = 1; i <= x * y; ++i) EXPECT_EQ(H(s, i), 0);
    }
}

TEST(DiamondSquare, UnknownStyleZeroesEveryWrittenPointButTheCornersWithoutDrawing) {
    EditorState s;
    vhtest::MakeTerrain(s, 5, 5);
    s.NewMap.DiamondSquareStyle = "Sideways";
    s.NewMap.MaxSeed = 256;
    s.Rnd.Script({0.5f, 0.0f});
    DiamondSquare(s.Terrain, s.NewMap, s.Rnd, vh::NoProgress());
    for (int i = 1; i <= 25; ++i) {
        const bool corner = i == 1 || i == 5 || i == 21 || i == 25;
        EXPECT_FLOAT_EQ(H(s, i), corner ? 128.0f : 0.0f) << i;
    }
    RandomSource rnd;
    rnd.Script({0.5f});
    EXPECT_EQ(StyleFactor(rnd, "SIDEWAYS", 1.75f), 0.0f);
    EXPECT_EQ(rnd.Draws(), 0u);
}

TEST(StyleFactor, LimiterOfOneMakesEveryStyleExactlyOne) {
    RandomSource rnd;
    for (float r : {0.0f, 0.3f, 0.5f, 0.99f}) {
        rnd.Script({r});
        for (const char* style : {"AUGMENT", "DIMINISH", "RANDOM"})
            EXPECT_EQ(StyleFactor(rnd, style, 1.0f), 1.0f);
    }
}

TEST(FaultLines, FourLinesShowStatusButChangeNothing) {
    EditorState s;
    OneIteration(s, 4);
    s.NewMap.FaultIterations = 20;
    vhtest::RecordingProgress p;
    FaultLines(s.Terrain, s.NewMap, s.Rnd, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Running Fault Line Algorithm ..."});
    EXPECT_EQ(p.maxima, std::vector<int>{20});
    EXPECT_EQ(p.values, std::vector<int>{0});
    EXPECT_EQ(s.Rnd.Draws(), 0u);
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(H(s, i), 0);
}

TEST(FaultLines, LineAlongARowLeavesTheRowAndChangesOneSide) {
    // Region draw 0.5 rounds half to even (region 0), like 0.25.
    for (float regionDraw : {0.25f, 0.5f, 0.75f}) {
        EditorState s;
        OneIteration(s, 1);
        // dh 128 positive; line from point 11 to 15 (the middle row).
        s.Rnd.Script({0.5f, 0.25f, PointDraw(11, 25), PointDraw(15, 25), regionDraw});
        FaultLines(s.Terrain, s.NewMap, s.Rnd, vh::NoProgress());
        EXPECT_EQ(s.Rnd.Draws(), 5u);
        // Region 0 (v > c) is the low-z side for a line running towards -x.
        const bool lowSide = regionDraw < 0.6f;
        for (int i = 1; i <= 25; ++i) {
            const int row = (i - 1) / 5 + 1;
            const float expected = (lowSide ? row < 3 : row > 3) ? 128 : 0;
            EXPECT_EQ(H(s, i), expected) << "point " << i << " region draw " << regionDraw;
        }
    }
}

TEST(ParticleDeposition, AugmentAtLimitOneDepositsTheSameAmountAndWalks) {
    EditorState s;
    ParticleGrid(s, 3, "Augment", 1.0f, 2);
    s.Rnd.Script({0.0f, 0.5f, 0.25f,               // square 1, amount 48, positive
                  0.9f, DirectionDraw(2),          // factor 1, walk +X to square 4
                  0.3f, DirectionDraw(7), 0.0f});  // factor 1, walk -2X off: square 1
    vhtest::RecordingProgress p;
    ParticleDeposition(s.Terrain, s.NewMap, s.Tools.Grid, s.Rnd, p);
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
    // MaxNormal below Grid: no amount fits the window, so every iteration
    // drops a new particle (-48 refused, +24, then +72).
    const std::vector<float> window = {0.1f, 0.5f,  0.9f, 0.25f, 0.3f, 0.1f, 0.0f, 0.0f,
                                       0.7f, 0.75f, 0.3f, 0.2f,  0.0f, 0.0f, 0.7f};
    const struct {
        const char* style;
        float lim, maxNormal, seed;
        int iterations;
        unsigned drawCount;
        float each;
        std::vector<float> draws;
    } rows[] = {
        {"Augment", 1.0f, 8, 48, 2, 15u, 96, window},
        // 64, x0.5 = 32, then x0.25 (raised to 2 - lim) = 8.
        {"DIMINISH", 1.75f, 4032, 64, 2, 9u, 40, {0.0f, 0.5f, 0.0f, 0.5f, 0.0f, 0.0f, 0.1f, 0.0f, 0.0f}},
        // Random draws twice for its factor: 48 x 0.75.
        {"random", 1.75f, 4032, 48, 1, 7u, 36, {0.0f, 0.5f, 0.0f, 0.5f, 0.25f, 0.0f, 0.0f}},
    };
    for (const auto& r : rows) {
        EditorState s;
        ParticleGrid(s, 2, r.style, r.lim, r.iterations);
        s.NewMap.MaxSeed = r.seed;
        s.NewMap.MaxNormal = r.maxNormal;
        s.Rnd.Script(r.draws);
        ParticleDeposition(s.Terrain, s.NewMap, s.Tools.Grid, s.Rnd, vh::NoProgress());
        EXPECT_EQ(s.Rnd.Draws(), r.drawCount) << r.style;
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(H(s, i), r.each) << r.style << " " << i;
    }
}

TEST(ParticleDeposition, UnknownStyleOnlyDrawsTheFirstParticle) {
    EditorState s;
    ParticleGrid(s, 5, "Sideways", 1.75f, 100);
    vhtest::RecordingProgress p;
    ParticleDeposition(s.Terrain, s.NewMap, s.Tools.Grid, s.Rnd, p);
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
    ParticleDeposition(s.Terrain, s.NewMap, s.Tools.Grid, s.Rnd, vh::NoProgress());
    // Square 16 has corners 19, 20, 24, 25; square 6 has 7, 8, 12, 13.
    for (int i : {19, 20, 24, 25, 7, 8, 12, 13}) EXPECT_EQ(H(s, i), 48) << i;
    float total = 0;
    for (int i = 1; i <= 25; ++i) total += H(s, i);
    EXPECT_EQ(total, 8 * 48);
}

TEST(Circles, HillProfileFallsToZeroAtTheRadius) {
    EditorState s;
    vhtest::MakeTerrain(s, 9, 9, 256);  // one circle of radius 2 triangles (512 units)
    s.NewMap.CircleMaxRad = 2;
    s.NewMap.CircleMaxChange = 256;
    s.NewMap.CircleIterations = 1;
    s.Rnd.Script({0.5f, 0.5f});  // centre 41 (the middle); sign 0.5 rounds to 0: a hill
    vhtest::RecordingProgress p;
    Circles(s.Terrain, s.NewMap, s.Rnd, p);
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
