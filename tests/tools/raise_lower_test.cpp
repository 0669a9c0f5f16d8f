#include "tools/raise_lower.h"

#include <gtest/gtest.h>

#include "tools_fixture.h"

namespace {

// Square 6 of a 5 x 5 grid has the corners (2,2), (3,2), (2,3), (3,3).
struct RaiseLower : ::testing::Test {
    vhtools::ToolTerrain t;
    void SetUp() override {
        t.s.PickedSquare = 6;
        t.s.ToolActive = vh::kTrue;
    }
    // One pass after a pass at y 400 with the mouse moved up by `pixels`.
    void MoveUp(int pixels) {
        t.s.LastMouseY = 400;
        t.s.MouseY = 400 - pixels;
        vh::RaiseLowerTool(t.s);
    }
};

TEST_F(RaiseLower, StepTableForDefaultSensitivityAndGrid) {
    t.s.RaiseLowerRadius = 1;
    const struct {
        int pixels;
        float step;
    } table[] = {{1, 0}, {2, 16}, {3, 16}, {4, 16}, {5, 32}, {8, 32}, {-3, -16}};
    for (const auto& row : table) {
        t.SetAll(0);
        MoveUp(row.pixels);
        EXPECT_EQ(t.H(2, 2), row.step) << row.pixels << " pixels";
        EXPECT_EQ(t.s.LastMouseY, 400 - row.pixels);
    }
}

TEST_F(RaiseLower, RingStepFollowsThePercentage) {
    t.s.RaiseLowerSensitivity = 1;
    const struct {
        int pixels;
        float percent, ring;
    } table[] = {{16, 0.7f, 16}, {32, 0.7f, 16}, {48, 0.7f, 32}, {48, 0.01f, 0}};
    for (const auto& row : table) {
        // High ground keeps every ratio near 1, so no step is doubled.
        t.SetAll(1000);
        t.s.RaiseLowerPercent = row.percent;
        MoveUp(row.pixels);
        EXPECT_EQ(t.H(2, 2), 1000 + row.pixels);
        // One edge ring point (via SqPrev) and one diagonal far corner (via SqPrevLeft).
        EXPECT_EQ(t.H(2, 1), 1000 + row.ring) << row.pixels << " at " << row.percent;
        EXPECT_EQ(t.H(1, 1), 1000 + row.ring) << row.pixels << " at " << row.percent;
    }
}

TEST_F(RaiseLower, FlatSquaresAtZeroAndAtAHundredRiseEvenly) {
    t.s.RaiseLowerRadius = 1;
    for (float level : {0.0f, 100.0f}) {
        t.SetAll(level);
        MoveUp(5);
        for (int p : {t.P(2, 2), t.P(3, 2), t.P(2, 3), t.P(3, 3)}) EXPECT_EQ(t.H(p), level + 32) << level;
    }
}

TEST_F(RaiseLower, PointFarAboveTheMeanIsNotRaisedButLoweredTwiceAsFast) {
    t.s.RaiseLowerRadius = 1;
    // Mean 100: corners 300, 0, 100, 0.
    t.H(2, 2) = 300;
    t.H(2, 3) = 100;
    MoveUp(4);
    EXPECT_EQ(t.H(2, 2), 300);  // 300 > 100 + 64
    EXPECT_EQ(t.H(3, 2), 32);   // ratio 0 doubles the step
    EXPECT_EQ(t.H(2, 3), 116);  // ratio 1

    t.H(2, 2) = 300;
    t.H(3, 2) = 0;
    t.H(2, 3) = 100;
    t.H(3, 3) = 0;
    MoveUp(-4);
    EXPECT_EQ(t.H(2, 2), 268);  // 300 >= 100 - 64, doubled
    EXPECT_EQ(t.H(2, 3), 84);
}

TEST_F(RaiseLower, EdgeSquareMovesOnlyExistingRingPoints) {
    t.s.PickedSquare = 1;
    t.SetAll(1000);
    const auto before = t.Heights();
    MoveUp(4);
    // A corner square: its 4 corners and 5 ring points (3 x 3 points).
    EXPECT_EQ(t.Changed(before), 9);
    EXPECT_EQ(t.H(3, 3), 1016);
    EXPECT_EQ(t.H(4, 4), 1000);
}

TEST_F(RaiseLower, LockedCornerStaysButCountsInTheMean) {
    t.s.RaiseLowerRadius = 1;
    t.H(2, 2) = 64;
    t.s.Points[t.P(2, 2)].Locked = vh::kTrue;
    MoveUp(4);
    EXPECT_EQ(t.H(2, 2), 64);
    // Mean 16 from the locked corner: the others (ratio 0) move twice the step.
    EXPECT_EQ(t.H(3, 2), 32);

    t.s.IgnoreLocked = vh::kTrue;
    MoveUp(4);
    EXPECT_EQ(t.H(2, 2), 80);
}

}  // namespace
