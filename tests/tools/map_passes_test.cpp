#include "tools/map_passes.h"

#include <gtest/gtest.h>

#include "core/undo.h"
#include "tools/config_rules.h"
#include "tools_fixture.h"

namespace {

struct Passes : ::testing::Test {
    vhtools::ToolTerrain t;
};

TEST_F(Passes, ScalingByDefaultSeventyFivePercent) {
    t.H(1) = 256;
    t.H(2) = 100;
    t.H(3) = -64;
    t.H(4) = 5;
    vh::ScalingPass(t.s);
    EXPECT_EQ(t.H(1), 192);
    EXPECT_EQ(t.H(2), 80);  // 75 to the grid
    EXPECT_EQ(t.H(3), -48);
    EXPECT_EQ(t.H(4), 0);
    EXPECT_EQ(t.s.UndoLevels, 1);
    EXPECT_EQ(t.rebuilds, 1);
}

TEST_F(Passes, ScalingByMinusHundredMirrorsAboutZero) {
    t.s.ScalePassFactor = -1;
    t.H(1) = 256;
    t.H(2) = -40;
    t.H(3) = 7;
    vh::ScalingPass(t.s);
    EXPECT_EQ(t.H(1), -256);
    EXPECT_EQ(t.H(2), 32);  // 40 to the grid: 2.5 rounds to 2
    EXPECT_EQ(t.H(3), 0);
}

TEST_F(Passes, ScalingByHundredOrZeroPercentDoesNothingAtAll) {
    t.H(1) = 100;
    for (float f : {1.0f, 0.0f}) {
        t.s.ScalePassFactor = f;
        vh::ScalingPass(t.s);
        EXPECT_EQ(t.H(1), 100);
        EXPECT_EQ(t.s.UndoLevels, 0);
        EXPECT_EQ(t.rebuilds, 0);
    }
}

TEST_F(Passes, TextThatIsNoNumberMakesTheScalingPassDoNothing) {
    vh::ApplyScaleConfig(t.s, {"none"});
    t.H(1) = 100;
    vh::ScalingPass(t.s);
    EXPECT_EQ(t.H(1), 100);
    EXPECT_EQ(t.s.UndoLevels, 0);
}

TEST_F(Passes, LockedPointsKeepTheirHeightsInEveryPass) {
    t.SetAll(160);
    t.H(13) = 800;
    t.s.Points[13].Locked = vh::kTrue;
    t.s.ScalePassFactor = 0.5f;
    vh::ScalingPass(t.s);
    EXPECT_EQ(t.H(13), 800);
    EXPECT_EQ(t.H(12), 80);
    t.s.Rnd.Script({0.0f});
    vh::NoisePass(t.s);
    EXPECT_EQ(t.H(13), 800);
    EXPECT_EQ(t.H(12), 32);
    t.s.SmoothToolThreshold = 0;
    vh::SmoothingPass(t.s);
    EXPECT_EQ(t.H(13), 800);
}

TEST_F(Passes, IgnoringLocksScalesLockedPointsToo) {
    t.H(13) = 800;
    t.s.Points[13].Locked = vh::kTrue;
    t.s.IgnoreLocked = vh::kTrue;
    t.s.ScalePassFactor = 0.5f;
    vh::ScalingPass(t.s);
    EXPECT_EQ(t.H(13), 400);
}

TEST_F(Passes, SmoothingWithThresholdZeroJumpsEveryPointOffItsAverage) {
    t.s.SmoothToolThreshold = 0;
    t.s.SmoothStyle = 0;  // the pass always jumps
    t.H(13) = 900;        // centre of the 5 x 5 grid
    vh::SmoothingPass(t.s);
    // Point 7 (before 13 in index order) sees 900 / 9 = 100 -> 96.
    EXPECT_EQ(t.H(7), 96);
    // Point 13 sees the already smoothed 7, 8, 9 and 12.
    EXPECT_NE(t.H(13), 900);
    // A point of the first row far from the spike sees only zeros and stays.
    EXPECT_EQ(t.H(1), 0);
}

TEST_F(Passes, LockedPointsStillCountInTheirNeighboursAverage) {
    t.s.SmoothToolThreshold = 0;
    t.H(13) = 900;
    t.s.Points[13].Locked = vh::kTrue;
    vh::SmoothingPass(t.s);
    EXPECT_EQ(t.H(13), 900);
    EXPECT_EQ(t.H(7), 96);
}

TEST_F(Passes, NoisePassDrawsOncePerPointInIndexOrder) {
    t.s.Rnd.Script({0.0f, 0.5f, 0.75f});
    vh::NoisePass(t.s);
    EXPECT_EQ(t.s.Rnd.Draws(), 25u);
    EXPECT_EQ(t.H(1), -48);
    EXPECT_EQ(t.H(2), 0);
    EXPECT_EQ(t.H(3), 32);
    EXPECT_EQ(t.H(4), -48);
}

TEST_F(Passes, UndoAfterAPassRestoresEveryHeight) {
    t.s.Rnd.Seed(3);
    t.s.SmoothToolThreshold = 0;
    for (int i = 1; i <= t.s.PointTotal(); ++i) t.H(i) = static_cast<float>(16 * (i % 7));
    const auto before = t.Heights();
    t.s.DocClean = vh::kFalse;
    for (auto pass : {vh::SmoothingPass, vh::NoisePass, vh::ScalingPass}) {
        pass(t.s);
        ASSERT_GT(t.Changed(before), 0);
        vh::Undo(t.s);
        EXPECT_EQ(t.Changed(before), 0);
        EXPECT_EQ(t.s.DocClean, vh::kFalse);
    }
}

}  // namespace
