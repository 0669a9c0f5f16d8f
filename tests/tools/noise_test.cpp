#include "tools/noise.h"

#include <gtest/gtest.h>

#include "tools_fixture.h"

namespace {

struct Noise : ::testing::Test {
    vhtools::ToolTerrain t;
    void SetUp() override {
        t.s.PickedSquare = 6;
        t.s.ToolActive = vh::kTrue;
    }
};

TEST_F(Noise, ChangeIsTheSnappedDrawAcrossPlusMinusMaxNoise) {
    t.s.NoiseRadius = 1;
    // Drawn for CornerNextRight, CornerNextLeft, CornerRight, CornerLeft in that order.
    t.s.Rnd.Script({0.0f, 0.25f, 0.6f, 0.75f});
    vh::NoiseTool(t.s);
    EXPECT_EQ(t.H(3, 3), -48);  // -48
    EXPECT_EQ(t.H(2, 3), -32);  // -24: -1.5 rounds to -2
    EXPECT_EQ(t.H(3, 2), 16);   // 9.6
    EXPECT_EQ(t.H(2, 2), 32);   // 24: 1.5 rounds to 2
    EXPECT_EQ(t.s.Rnd.Draws(), 4u);
}

TEST_F(Noise, EveryChangeIsAGridMultipleWithinTheLimit) {
    t.s.Rnd.Seed(7);
    for (int click = 0; click < 20; ++click) {
        t.SetAll(0);
        t.s.NoiseApplied = vh::kFalse;
        vh::NoiseTool(t.s);
        for (float h : t.Heights()) {
            EXPECT_EQ(static_cast<int>(h) % 16, 0);
            EXPECT_LE(h, 48);
            EXPECT_GE(h, -48);
        }
    }
}

TEST_F(Noise, SmallMaximumRoundsAwayButStillRebuilds) {
    t.s.MaxNoise = 7;
    t.s.Rnd.Script({0.0f, 0.99f});
    const auto before = t.Heights();
    vh::NoiseTool(t.s);
    EXPECT_EQ(t.Changed(before), 0);
    EXPECT_EQ(t.rebuilds, 1);
}

TEST_F(Noise, OffGridHeightsStayOffGridByTheSameAmount) {
    t.s.NoiseRadius = 1;
    t.SetAll(5);
    t.s.Rnd.Script({1.0f - 1e-7f});
    vh::NoiseTool(t.s);
    EXPECT_EQ(t.H(2, 2), 53);
}

TEST_F(Noise, AppliesOncePerClick) {
    t.s.Rnd.Script({0.0f});
    vh::NoiseTool(t.s);
    EXPECT_EQ(t.s.NoiseApplied, vh::kTrue);
    const auto after = t.Heights();
    vh::NoiseTool(t.s);
    vh::NoiseTool(t.s);
    EXPECT_EQ(t.Changed(after), 0);
    EXPECT_EQ(t.rebuilds, 1);
    t.s.NoiseApplied = vh::kFalse;  // the button went up and down again
    vh::NoiseTool(t.s);
    EXPECT_EQ(t.H(2, 2), -96);
}

TEST_F(Noise, LargeRadiusOnAnEdgeSquareSkipsMissingRingPoints) {
    t.s.PickedSquare = 1;
    t.s.Rnd.Script({0.0f});
    const auto before = t.Heights();
    vh::NoiseTool(t.s);
    EXPECT_EQ(t.Changed(before), 9);
    EXPECT_EQ(t.s.Rnd.Draws(), 9u);
    EXPECT_EQ(t.H(3, 3), -48);
}

TEST_F(Noise, LargeRadiusChangesTheFourByFourBlock) {
    t.s.Rnd.Script({0.0f});
    const auto before = t.Heights();
    vh::NoiseTool(t.s);
    EXPECT_EQ(t.Changed(before), 16);
    EXPECT_EQ(t.H(4, 4), -48);
    EXPECT_EQ(t.H(5, 5), 0);
}

TEST_F(Noise, LockedPointsDrawNothingAndStay) {
    t.s.NoiseRadius = 1;
    t.s.Points[t.P(2, 2)].Locked = vh::kTrue;
    t.s.Rnd.Script({0.0f});
    vh::NoiseTool(t.s);
    EXPECT_EQ(t.H(2, 2), 0);
    EXPECT_EQ(t.s.Rnd.Draws(), 3u);
}

TEST_F(Noise, ZeroMaximumChangesNothing) {
    t.s.MaxNoise = 0;
    t.s.Rnd.Script({0.0f, 0.9f});
    const auto before = t.Heights();
    vh::NoiseTool(t.s);
    EXPECT_EQ(t.Changed(before), 0);
}

}  // namespace
