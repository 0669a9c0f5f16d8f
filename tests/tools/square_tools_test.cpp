// Raise/lower, flatten, noise and smooth on a picked square.
#include <gtest/gtest.h>

#include "tools/flatten.h"
#include "tools/noise.h"
#include "tools/raise_lower.h"
#include "tools/smooth.h"
#include "tools_fixture.h"

namespace {

// Square 6 of a 5 x 5 grid has the corners (2,2), (3,2), (2,3), (3,3).
struct Square : ::testing::Test {
    vhtools::ToolTerrain t;
    void SetUp() override {
        t.s.Stroke.PickedSquare = 6;
        t.s.Stroke.ToolActive = true;
    }
    void Corners(float a, float b, float c, float d) {
        t.H(2, 2) = a;
        t.H(3, 2) = b;
        t.H(2, 3) = c;
        t.H(3, 3) = d;
    }
    // One raise/lower pass after a pass at y 400 with the mouse moved up by `pixels`.
    void MoveUp(int pixels) {
        t.s.Stroke.LastMouseY = 400;
        t.s.Stroke.MouseY = 400 - pixels;
        vh::RaiseLowerTool(t.s);
    }
};
using RaiseLower = Square;

TEST_F(RaiseLower, StepTableForDefaultSensitivityAndGrid) {
    t.s.Tools.RaiseLowerRadius = 1;
    const struct {
        int pixels;
        float step;
    } table[] = {{1, 0}, {2, 16}, {3, 16}, {4, 16}, {5, 32}, {8, 32}, {-3, -16}};
    for (const auto& row : table) {
        t.SetAll(0);
        MoveUp(row.pixels);
        EXPECT_EQ(t.H(2, 2), row.step) << row.pixels << " pixels";
        EXPECT_EQ(t.s.Stroke.LastMouseY, 400 - row.pixels);
    }
}

TEST_F(RaiseLower, RingStepFollowsThePercentage) {
    t.s.Tools.RaiseLowerSensitivity = 1;
    const struct {
        int pixels;
        float percent, ring;
    } table[] = {{16, 0.7f, 16}, {32, 0.7f, 16}, {48, 0.7f, 32}, {48, 0.01f, 0}};
    for (const auto& row : table) {
        // High ground keeps every ratio near 1, so no step is doubled.
        t.SetAll(1000);
        t.s.Tools.RaiseLowerPercent = row.percent;
        MoveUp(row.pixels);
        EXPECT_EQ(t.H(2, 2), 1000 + row.pixels);
        // One edge ring point (via SqPrev) and one diagonal far corner (via SqPrevLeft).
        EXPECT_EQ(t.H(2, 1), 1000 + row.ring) << row.pixels << " at " << row.percent;
        EXPECT_EQ(t.H(1, 1), 1000 + row.ring) << row.pixels << " at " << row.percent;
    }
}

TEST_F(RaiseLower, FlatSquaresAtZeroAndAtAHundredRiseEvenly) {
    t.s.Tools.RaiseLowerRadius = 1;
    for (float level : {0.0f, 100.0f}) {
        t.SetAll(level);
        MoveUp(5);
        for (int p : {t.P(2, 2), t.P(3, 2), t.P(2, 3), t.P(3, 3)}) EXPECT_EQ(t.H(p), level + 32) << level;
    }
}

TEST_F(RaiseLower, PointFarAboveTheMeanIsNotRaisedButLoweredTwiceAsFast) {
    t.s.Tools.RaiseLowerRadius = 1;
    Corners(300, 0, 100, 0);  // mean 100
    MoveUp(4);
    EXPECT_EQ(t.H(2, 2), 300);  // 300 > 100 + 64
    EXPECT_EQ(t.H(3, 2), 32);   // ratio 0 doubles the step
    EXPECT_EQ(t.H(2, 3), 116);  // ratio 1

    Corners(300, 0, 100, 0);
    MoveUp(-4);
    EXPECT_EQ(t.H(2, 2), 268);  // 300 >= 100 - 64, doubled
    EXPECT_EQ(t.H(2, 3), 84);
}

TEST_F(RaiseLower, EdgeSquareMovesOnlyExistingRingPoints) {
    t.s.Stroke.PickedSquare = 1;
    t.SetAll(1000);
    const auto before = t.Heights();
    MoveUp(4);
    // A corner square: its 4 corners and 5 ring points (3 x 3 points).
    EXPECT_EQ(t.Changed(before), 9);
    EXPECT_EQ(t.H(3, 3), 1016);
    EXPECT_EQ(t.H(4, 4), 1000);
}

TEST_F(RaiseLower, LockedCornerStaysButCountsInTheMean) {
    t.s.Tools.RaiseLowerRadius = 1;
    t.H(2, 2) = 64;
    t.s.Terrain.Points[t.P(2, 2)].Locked = true;
    MoveUp(4);
    EXPECT_EQ(t.H(2, 2), 64);
    // Mean 16 from the locked corner: the others (ratio 0) move twice the step.
    EXPECT_EQ(t.H(3, 2), 32);

    t.s.Tools.IgnoreLocked = true;
    MoveUp(4);
    EXPECT_EQ(t.H(2, 2), 80);
}

TEST_F(Square, FlattenTargetIsTheMeanSnappedToTheGrid) {
    t.s.Tools.FlattenRadius = 1;
    const struct {
        float a, b, c, d, target;
    } table[] = {{10, 20, 30, 40, 32}, {0, 0, 16, 24, 16}, {0, 0, 0, 32, 0}, {0, 0, 48, 48, 32}};
    for (const auto& row : table) {
        Corners(row.a, row.b, row.c, row.d);
        vh::FlattenTool(t.s);
        for (int p : {t.P(2, 2), t.P(3, 2), t.P(2, 3), t.P(3, 3)}) EXPECT_EQ(t.H(p), row.target) << row.a;
    }
}

TEST_F(Square, NoiseIsTheSnappedDrawAcrossPlusMinusMaxNoiseOncePerClick) {
    t.s.Tools.NoiseRadius = 1;
    // Drawn for CornerNextRight, CornerNextLeft, CornerRight, CornerLeft in that order.
    t.s.Rnd.Script({0.0f, 0.25f, 0.6f, 0.75f});
    vh::NoiseTool(t.s, t.tools.Noise);
    EXPECT_EQ(t.H(3, 3), -48);  // -48
    EXPECT_EQ(t.H(2, 3), -32);  // -24: -1.5 rounds to -2
    EXPECT_EQ(t.H(3, 2), 16);   // 9.6
    EXPECT_EQ(t.H(2, 2), 32);   // 24: 1.5 rounds to 2
    EXPECT_TRUE(t.tools.Noise.NoiseApplied);
    const auto after = t.Heights();
    vh::NoiseTool(t.s, t.tools.Noise);
    vh::NoiseTool(t.s, t.tools.Noise);
    EXPECT_EQ(t.Changed(after), 0);
    EXPECT_EQ(t.s.Rnd.Draws(), 4u);
    EXPECT_EQ(t.Reports(), 1);
    t.tools.Noise.NoiseApplied = false;  // the button went up and down again
    vh::NoiseTool(t.s, t.tools.Noise);
    EXPECT_EQ(t.H(3, 3), -96);
    EXPECT_EQ(t.H(2, 2), 64);
}

TEST_F(Square, SmoothJumpWithLargeRadiusActsOncePerClick) {
    t.s.Tools.SmoothStyle = 1;
    t.s.Tools.SmoothToolThreshold = 0;
    const auto spikes = [this] {
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 4; ++c) t.H(c, r) = static_cast<float>(160 * ((c + r) % 2));
    };
    spikes();
    const auto start = t.Heights();
    vh::SmoothTool(t.s, t.tools.Smooth);
    EXPECT_TRUE(t.tools.Smooth.SmoothJumpDone);
    EXPECT_GT(t.Changed(start), 8);
    spikes();
    vh::SmoothTool(t.s, t.tools.Smooth);
    EXPECT_EQ(t.Changed(start), 0);
    EXPECT_EQ(t.Reports(), 1);  // the second pass changed nothing to report
}

// Point (3,3) is inside, so its Linear neighbourhood is itself and four
// neighbours: A = (h + 4 b) / 5 when the neighbours are at b.
struct Smooth : Square {
    int centre = t.P(3, 3);
    void SetUp() override {
        t.s.Tools.SmoothType = 1;
        t.s.Tools.SmoothToolThreshold = 48;
    }
    void Setup(float h, float neighbours) {
        t.SetAll(neighbours);
        t.H(centre) = h;
    }
};

TEST_F(Smooth, RowEndsHaveNoNeighboursInTheOtherRow) {
    t.s.Tools.SmoothType = 0;
    t.H(5, 1) = 900;  // end of row 1, just before the start of row 2
    // (1,2) starts row 2: left neighbour and its diagonals are skipped.
    EXPECT_EQ(*vh::NeighbourhoodAverage(t.s.Terrain, t.s.Tools, t.P(1, 2)), 0);
    // (5,2) ends row 2: (5,1) is straight below it, so it counts (1 of 6).
    EXPECT_EQ(*vh::NeighbourhoodAverage(t.s.Terrain, t.s.Tools, t.P(5, 2)), 150);
    // Point 1 has neither a previous row nor a left neighbour: 1, 6, 2, 7.
    t.H(5, 1) = 0;
    t.H(1, 1) = 40;
    EXPECT_EQ(*vh::NeighbourhoodAverage(t.s.Terrain, t.s.Tools, 1), 10);
}

TEST_F(Smooth, GradualMovesOneGridStepOrStays) {
    const struct {
        float offset, result;
    } table[] = {{48, 32}, {60, 44}, {32, 32}, {-32, -16}, {20, 20}, {-20, -20}, {0, 0}};
    for (const auto& row : table) {
        // Neighbours at 1000 put the average exactly `offset` below the point.
        const float h = 1000 + row.offset * 5 / 4;
        Setup(h, 1000);
        const float a = *vh::NeighbourhoodAverage(t.s.Terrain, t.s.Tools, centre);
        ASSERT_EQ(h - a, row.offset);
        vh::HeightEdit edit = vh::EditHeights(t.s);
        vh::SmoothPointByStep(edit, t.s.Tools, centre);
        EXPECT_EQ(t.H(centre) - a, row.result) << "offset " << row.offset;
    }
}

TEST_F(Smooth, JumpKeepsPointsWithinTheThresholdAndSnapsTheRest) {
    const struct {
        float h, b, result;
    } table[] = {{140, 90, 140}, {160, 85, 96}, {164, 89, 96}, {180, 105, 128}};
    for (const auto& row : table) {
        Setup(row.h, row.b);
        vh::HeightEdit edit = vh::EditHeights(t.s);
        vh::SmoothPointJump(edit, t.s.Tools, centre);
        EXPECT_EQ(t.H(centre), row.result) << row.h;
    }
}

}  // namespace
