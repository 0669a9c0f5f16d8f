#include <gtest/gtest.h>

#include "generate/generators.h"
#include "generate_fixture.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

namespace {

// Factors of exactly 1 make every new point the plain average.
void PlainGrid(EditorState& s, int side) {
    vhtest::MakeTerrain(s, side, side);
    s.DiamondSquareStyle = "Augment";
    s.DiamondSquarePercentLimiter = 1.0f;
}

}  // namespace

TEST(DiamondSquareCell, FirstCellOfFiveByFiveFillsCentreAndMidpoints) {
    EditorState s;
    PlainGrid(s, 5);
    vhtest::SetHeights(s, {{1, 16}, {5, 32}, {25, 48}, {21, 64}});
    DiamondSquareCell(s, 1, 5, 25, 21);
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
    DiamondSquareCell(s, 1, 2, 4, 3);
    // Centre 2.5 -> 2, midpoints 1.5 -> 2, 3, 3.5 -> 4 and 2: point 2 is the
    // centre, m12 and m14, so each later step reads its newest value.
    vhtest::ExpectHeights(s, {{1, 16}, {3, 41.5f}, {4, 43.375f}, {2, 31.375f}});
}

TEST(DiamondSquare, FiveByFiveProcessesLevelTwoCellsBandByBand) {
    EditorState s;
    PlainGrid(s, 5);
    s.MaxSeed = 256;
    // Corner seeds in the order 1, 25, 5, 21; the sign draws keep them positive.
    s.Rnd.Script({0.25f, 0.0f, 0.5f, 0.0f, 0.75f, 0.0f, 0.125f, 0.0f});
    DiamondSquare(s, vh::NoProgress());
    vhtest::ExpectHeights(s, {{1, 64},
                              {25, 128},
                              {5, 192},
                              {21, 32},  // corners
                              {13, 104},
                              {3, 116},
                              {15, 132},
                              {23, 92},
                              {11, 76},  // first cell
                              {7, 90},
                              {9, 136},
                              {17, 76},
                              {19, 114},
                              {2, 90},
                              {24, 112}});
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

TEST(StyleFactor, LimiterOfOneIsExactlyOneAndUnknownStyleZeroWithoutDrawing) {
    RandomSource rnd;
    for (float r : {0.0f, 0.3f, 0.5f, 0.99f}) {
        rnd.Script({r});
        for (const char* style : {"AUGMENT", "DIMINISH", "RANDOM"})
            EXPECT_EQ(StyleFactor(rnd, style, 1.0f), 1.0f);
    }
    RandomSource fresh;
    fresh.Script({0.5f});
    EXPECT_EQ(StyleFactor(fresh, "SIDEWAYS", 1.75f), 0.0f);
    EXPECT_EQ(fresh.Draws(), 0u);
}
