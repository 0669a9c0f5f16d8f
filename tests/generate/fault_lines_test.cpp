#include <gtest/gtest.h>

#include "generate/generators.h"
#include "generate_fixture.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

namespace {

// Draws that pick point p of n as RandomPointIndex: (n - 1) * r + 1 rounds to p.
float PointDraw(int p, int n) {
    return (static_cast<float>(p) - 1.0f) / static_cast<float>(n - 1);
}

void OneIteration(EditorState& s, int lines) {
    vhtest::MakeTerrain(s, 5, 5);
    s.FaultLines = static_cast<int16_t>(lines);
    s.FaultIterations = 1;
    s.FaultMaxChange = 256;
}

}  // namespace

TEST(FaultRegionSides, TableOfRegions) {
    EXPECT_EQ(FaultRegionSides(1, 0)[0], 1);
    EXPECT_EQ(FaultRegionSides(1, 1)[0], -1);
    const int8_t two[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    for (int r = 0; r < 4; ++r)
        for (int l = 0; l < 2; ++l) EXPECT_EQ(FaultRegionSides(2, r)[l], two[r][l]);
    const int8_t three[8][3] = {{1, 1, 1},   {-1, -1, -1}, {1, 1, -1},  {-1, 1, 1},
                                {-1, -1, 1}, {1, -1, -1},  {-1, 1, -1}, {1, -1, 1}};
    for (int r = 0; r < 8; ++r)
        for (int l = 0; l < 3; ++l) EXPECT_EQ(FaultRegionSides(3, r)[l], three[r][l]);
    EXPECT_EQ(FaultRegionSides(4, 0), nullptr);
    EXPECT_EQ(FaultRegionSides(2, 4), nullptr);
}

TEST(FaultLines, FourLinesShowStatusButChangeNothing) {
    EditorState s;
    OneIteration(s, 4);
    s.FaultIterations = 20;
    vhtest::RecordingProgress p;
    FaultLines(s, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Running Fault Line Algorithm ..."});
    EXPECT_EQ(p.maxima, std::vector<int>{20});
    EXPECT_EQ(p.values, std::vector<int>{0});
    EXPECT_EQ(s.Rnd.Draws(), 0u);
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(H(s, i), 0);
}

TEST(FaultLines, LineAlongARowLeavesTheRowAndChangesOneSide) {
    for (float regionDraw : {0.25f, 0.75f}) {
        EditorState s;
        OneIteration(s, 1);
        // dh 128 positive; line from point 11 to 15 (the middle row).
        s.Rnd.Script({0.5f, 0.25f, PointDraw(11, 25), PointDraw(15, 25), regionDraw});
        FaultLines(s, vh::NoProgress());
        EXPECT_EQ(s.Rnd.Draws(), 5u);
        // Region 0 (v > c) is the low-z side for a line running towards -x.
        const bool lowSide = regionDraw < 0.5f;
        for (int i = 1; i <= 25; ++i) {
            const int row = (i - 1) / 5 + 1;
            float expected = 0;
            if (row < 3 && lowSide) expected = 128;
            if (row > 3 && !lowSide) expected = 128;
            EXPECT_EQ(H(s, i), expected) << "point " << i << " region draw " << regionDraw;
        }
    }
}

TEST(FaultLines, SecondPointIsRedrawnUntilItDiffers) {
    EditorState s;
    OneIteration(s, 1);
    s.Rnd.Script(
        {0.5f, 0.9f, PointDraw(11, 25), PointDraw(11, 25), PointDraw(11, 25), PointDraw(15, 25), 0.25f});
    FaultLines(s, vh::NoProgress());
    EXPECT_EQ(s.Rnd.Draws(), 7u);
    EXPECT_EQ(H(s, 1), -128);  // sign draw 0.9 negates
    EXPECT_EQ(H(s, 11), 0);
    EXPECT_EQ(H(s, 21), 0);
}

TEST(FaultLines, RegionDrawRoundsHalvesToEven) {
    EditorState s;
    OneIteration(s, 1);
    // One line: 0.5 rounds to 0, so the low-z side changes.
    s.Rnd.Script({0.5f, 0.25f, PointDraw(11, 25), PointDraw(15, 25), 0.5f});
    FaultLines(s, vh::NoProgress());
    EXPECT_EQ(H(s, 1), 128);
    EXPECT_EQ(H(s, 21), 0);
}

TEST(FaultLines, TwoCrossingLinesChangeOneQuadrant) {
    EditorState s;
    OneIteration(s, 2);
    // Line 1 along the middle row (+ is low z), line 2 along the middle column
    // from 3 to 23 (+ is high x); 3 x 0.5 = 1.5 rounds to region 2: (-, +).
    s.Rnd.Script(
        {0.5f, 0.25f, PointDraw(11, 25), PointDraw(15, 25), PointDraw(3, 25), PointDraw(23, 25), 0.5f});
    FaultLines(s, vh::NoProgress());
    for (int i = 1; i <= 25; ++i) {
        const int row = (i - 1) / 5 + 1, col = (i - 1) % 5 + 1;
        EXPECT_EQ(H(s, i), (row > 3 && col > 3) ? 128.0f : 0.0f) << i;
    }
}

TEST(FaultLines, ThreeLinesRegionFourIsMinusMinusPlus) {
    EditorState s;
    OneIteration(s, 3);
    // Lines: middle row (+ low z), middle column (+ high x), and row 2 from 6
    // to 10 (+ below row 2). 7 x 0.5 = 3.5 rounds to 4: (-, -, +), which no
    // point satisfies (high z and below row 2), so nothing changes.
    s.Rnd.Script({0.5f, 0.25f, PointDraw(11, 25), PointDraw(15, 25), PointDraw(3, 25), PointDraw(23, 25),
                  PointDraw(6, 25), PointDraw(10, 25), 0.5f});
    FaultLines(s, vh::NoProgress());
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(H(s, i), 0) << i;
    // Region 7 (+, -, +): low z, low x, below row 2: points 1 and 2.
    s.Rnd.Script({0.5f, 0.25f, PointDraw(11, 25), PointDraw(15, 25), PointDraw(3, 25), PointDraw(23, 25),
                  PointDraw(6, 25), PointDraw(10, 25), 0.99f});
    FaultLines(s, vh::NoProgress());
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(H(s, i), (i == 1 || i == 2) ? 128.0f : 0.0f) << i;
}

TEST(FaultLines, ZeroMaxChangeStillRunsEveryIteration) {
    EditorState s;
    OneIteration(s, 2);
    s.FaultIterations = 10;
    s.FaultMaxChange = 0;
    vhtest::RecordingProgress p;
    FaultLines(s, p);
    EXPECT_EQ(p.LastValue(), 10);
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(H(s, i), 0);
}

TEST(FaultLines, ChangesStayWithinMaxChangeOnSmallestGrid) {
    EditorState s;
    vhtest::MakeTerrain(s, 2, 2);
    s.FaultLines = 3;
    s.FaultIterations = 1;
    s.FaultMaxChange = 512;
    s.Rnd.Seed(42);
    for (int run = 0; run < 200; ++run) {
        for (int i = 1; i <= 4; ++i) H(s, i) = 0;
        FaultLines(s, vh::NoProgress());
        for (int i = 1; i <= 4; ++i) {
            EXPECT_LT(H(s, i), 512);
            EXPECT_GT(H(s, i), -512);
        }
    }
}
