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

}  // namespace
