#include <gtest/gtest.h>

#include "generate/generators.h"
#include "generate_fixture.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

namespace {

// Factors of exactly 1 make every new point the plain average.
void PlainAverages(EditorState& s) {
    s.DiamondSquareStyle = "Augment";
    s.DiamondSquarePercentLimiter = 1.0f;
}

}  // namespace

TEST(DiamondSquareGrid, QualifiesOnlySquarePowerOfTwoPlusOne) {
    for (int x : {2, 3, 5, 9, 17, 33, 65, 129, 16385}) EXPECT_TRUE(IsDiamondSquareGrid(x, x)) << x;
    EXPECT_FALSE(IsDiamondSquareGrid(16, 16));
    EXPECT_FALSE(IsDiamondSquareGrid(17, 9));
    EXPECT_FALSE(IsDiamondSquareGrid(181, 181));
}

TEST(DiamondSquareCell, FirstCellOfFiveByFiveFillsCentreAndMidpoints) {
    EditorState s;
    vhtest::MakeTerrain(s, 5, 5);
    PlainAverages(s);
    H(s, 1) = 16;
    H(s, 5) = 32;
    H(s, 25) = 48;
    H(s, 21) = 64;
    DiamondSquareCell(s, 1, 5, 25, 21);
    EXPECT_FLOAT_EQ(H(s, 13), 40);  // (16 + 32 + 48 + 64) / 4
    EXPECT_FLOAT_EQ(H(s, 3), 32);   // (16 + 32 + 40 + 40) / 4
    EXPECT_FLOAT_EQ(H(s, 15), 40);  // (32 + 48 + 80) / 4
    EXPECT_FLOAT_EQ(H(s, 23), 48);  // (48 + 64 + 80) / 4
    EXPECT_FLOAT_EQ(H(s, 11), 40);  // (64 + 16 + 80) / 4
    int changed = 0;
    for (int i = 1; i <= 25; ++i) changed += H(s, i) != 0;
    EXPECT_EQ(changed, 9);
}

TEST(DiamondSquareCell, TwoByTwoRoundsIndicesToEvenAndOverwritesCorners) {
    EditorState s;
    vhtest::MakeTerrain(s, 2, 2);
    PlainAverages(s);
    H(s, 1) = 16;
    H(s, 2) = 32;
    H(s, 3) = 48;
    H(s, 4) = 64;
    DiamondSquareCell(s, 1, 2, 4, 3);
    // Centre 2.5 -> 2, midpoints 1.5 -> 2, 3, 3.5 -> 4 and 2: point 2 is the
    // centre, m12 and m14, so each later step reads its newest value.
    EXPECT_FLOAT_EQ(H(s, 1), 16);
    EXPECT_FLOAT_EQ(H(s, 3), 41.5f);    // (34 + 64 + 34 + 34) / 4
    EXPECT_FLOAT_EQ(H(s, 4), 43.375f);  // (64 + 41.5 + 68) / 4
    EXPECT_FLOAT_EQ(H(s, 2), 31.375f);  // (41.5 + 16 + 68) / 4
}

TEST(DiamondSquare, FiveByFiveProcessesLevelTwoCellsBandByBand) {
    EditorState s;
    vhtest::MakeTerrain(s, 5, 5);
    PlainAverages(s);
    s.MaxSeed = 256;
    // Corner seeds in the order 1, 25, 5, 21; the sign draws keep them positive.
    s.Rnd.Script({0.25f, 0.0f, 0.5f, 0.0f, 0.75f, 0.0f, 0.125f, 0.0f});
    DiamondSquare(s, vh::NoProgress());
    EXPECT_FLOAT_EQ(H(s, 1), 64);
    EXPECT_FLOAT_EQ(H(s, 25), 128);
    EXPECT_FLOAT_EQ(H(s, 5), 192);
    EXPECT_FLOAT_EQ(H(s, 21), 32);
    // First cell.
    EXPECT_FLOAT_EQ(H(s, 13), 104);
    EXPECT_FLOAT_EQ(H(s, 3), 116);
    EXPECT_FLOAT_EQ(H(s, 15), 132);
    EXPECT_FLOAT_EQ(H(s, 23), 92);
    EXPECT_FLOAT_EQ(H(s, 11), 76);
    // Cell (1, 3, 13, 11) then (3, 5, 15, 13), (11, 13, 23, 21), (13, 15, 25, 23).
    EXPECT_FLOAT_EQ(H(s, 7), 90);
    EXPECT_FLOAT_EQ(H(s, 9), 136);
    EXPECT_FLOAT_EQ(H(s, 17), 76);
    EXPECT_FLOAT_EQ(H(s, 19), 114);
    // Shared edges keep the value of the cell processed later.
    EXPECT_FLOAT_EQ(H(s, 8), 123);   // second cell, not the first's 100
    EXPECT_FLOAT_EQ(H(s, 12), 83);   // third cell, not the first's 90
    EXPECT_FLOAT_EQ(H(s, 14), 116);  // fourth cell, not the second's 127
    EXPECT_FLOAT_EQ(H(s, 18), 106);  // fourth cell, not the third's 87
    EXPECT_FLOAT_EQ(H(s, 2), 90);
    EXPECT_FLOAT_EQ(H(s, 24), 112);
}

TEST(DiamondSquare, SeventeenReportsLevelProgress) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    s.Rnd.Script({0.5f, 0.0f});  // positive seeds, growing factors
    vhtest::RecordingProgress p;
    DiamondSquare(s, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Running Diamond-Square Algorithm ..."});
    EXPECT_EQ(p.maxima, std::vector<int>{17});
    EXPECT_EQ(p.values, (std::vector<int>{0, 4, 8, 16}));
    for (int i = 1; i <= 289; ++i) EXPECT_NE(H(s, i), 0) << i;
}

TEST(DiamondSquare, ThreeByThreeSetsAllNinePointsWithOneCell) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.Rnd.Script({0.5f, 0.0f});
    s.MaxSeed = 64;
    DiamondSquare(s, vh::NoProgress());
    for (int i = 1; i <= 9; ++i) EXPECT_NE(H(s, i), 0) << i;
    EXPECT_EQ(s.Rnd.Draws(), 8u + 5u);  // four seeds with signs, five factors
}

TEST(DiamondSquare, GridsThatDoNotQualifyAreLeftAlone) {
    for (auto [x, y] : {std::pair{17, 9}, std::pair{16, 16}}) {
        EditorState s;
        vhtest::MakeTerrain(s, x, y);
        vhtest::RecordingProgress p;
        const auto draws = s.Rnd.Draws();
        DiamondSquare(s, p);
        EXPECT_TRUE(p.statuses.empty());
        EXPECT_EQ(s.Rnd.Draws(), draws);
        for (int i = 1; i <= x * y; ++i) EXPECT_EQ(H(s, i), 0);
    }
}

TEST(DiamondSquare, UnknownStyleZeroesEveryWrittenPointButTheCorners) {
    EditorState s;
    vhtest::MakeTerrain(s, 5, 5);
    s.DiamondSquareStyle = "Sideways";
    s.MaxSeed = 256;
    s.Rnd.Script({0.5f, 0.0f});
    DiamondSquare(s, vh::NoProgress());
    for (int i = 1; i <= 25; ++i) {
        const bool corner = i == 1 || i == 5 || i == 21 || i == 25;
        EXPECT_FLOAT_EQ(H(s, i), corner ? 128.0f : 0.0f) << i;
    }
}

TEST(StyleFactor, LimiterOfOneMakesEveryStyleExactlyOne) {
    RandomSource rnd;
    for (float r : {0.0f, 0.3f, 0.5f, 0.99f}) {
        rnd.Script({r});
        EXPECT_EQ(StyleFactor(rnd, "AUGMENT", 1.0f), 1.0f);
        EXPECT_EQ(StyleFactor(rnd, "DIMINISH", 1.0f), 1.0f);
        EXPECT_EQ(StyleFactor(rnd, "RANDOM", 1.0f), 1.0f);
    }
}

TEST(StyleFactor, EachStyleKeepsItsRange) {
    RandomSource rnd;
    rnd.Script({0.5f});
    EXPECT_FLOAT_EQ(StyleFactor(rnd, "AUGMENT", 1.75f), 1.5f);
    rnd.Script({0.9f});
    EXPECT_FLOAT_EQ(StyleFactor(rnd, "AUGMENT", 1.75f), 1.75f);
    rnd.Script({0.1f});
    EXPECT_FLOAT_EQ(StyleFactor(rnd, "DIMINISH", 1.75f), 0.25f);
    rnd.Script({0.6f});
    EXPECT_FLOAT_EQ(StyleFactor(rnd, "DIMINISH", 1.75f), 0.6f);
    rnd.Script({0.1f, 0.05f});
    EXPECT_FLOAT_EQ(StyleFactor(rnd, "RANDOM", 1.75f), 0.25f);
    rnd.Script({0.9f, 0.95f});
    EXPECT_FLOAT_EQ(StyleFactor(rnd, "RANDOM", 1.75f), 1.75f);
    rnd.Script({0.5f, 0.25f});
    EXPECT_FLOAT_EQ(StyleFactor(rnd, "RANDOM", 1.75f), 0.75f);
    // A limiter of 2 puts the lower bound at 0.
    rnd.Script({0.01f});
    EXPECT_FLOAT_EQ(StyleFactor(rnd, "DIMINISH", 2.0f), 0.01f);
}

TEST(StyleFactor, UnknownStyleGivesZeroWithoutDrawing) {
    RandomSource rnd;
    rnd.Script({0.5f});
    EXPECT_EQ(StyleFactor(rnd, "SIDEWAYS", 1.75f), 0.0f);
    EXPECT_EQ(rnd.Draws(), 0u);
}

TEST(DiamondSquareFactor, StyleIsComparedWithoutCase) {
    EditorState s;
    s.DiamondSquareStyle = "random";
    s.DiamondSquarePercentLimiter = 1.75f;
    s.Rnd.Script({0.5f, 0.25f});
    EXPECT_FLOAT_EQ(DiamondSquareFactor(s), 0.75f);
    EXPECT_EQ(s.Rnd.Draws(), 2u);
}

TEST(RandomSeedPoints, ReplacesEveryHeightWithSignedDraw) {
    EditorState s;
    vhtest::MakeTerrain(s, 2, 2);
    s.MaxSeed = 256;
    for (int i = 1; i <= 4; ++i) H(s, i) = 1000;
    // Magnitude, sign: above 0.5 negates, exactly 0.5 keeps the sign.
    s.Rnd.Script({0.5f, 0.75f, 0.25f, 0.5f, 0.125f, 0.0f, 0.75f, 0.51f});
    RandomSeedPoints(s);
    EXPECT_FLOAT_EQ(H(s, 1), -128);
    EXPECT_FLOAT_EQ(H(s, 2), 64);
    EXPECT_FLOAT_EQ(H(s, 3), 32);
    EXPECT_FLOAT_EQ(H(s, 4), -192);
    EXPECT_EQ(s.Rnd.Draws(), 8u);
}
