#include "tools/map_passes.h"

#include <gtest/gtest.h>

#include "core/undo.h"
#include "tools_fixture.h"

namespace {

TEST(Passes, ScalingSnapsEachProductToTheGridAndSkipsFactorsOneAndZero) {
    const struct {
        float factor, before, after;
        int undo;
    } table[] = {
        {0.75f, 256, 192, 1}, {0.75f, 100, 80, 1},  // 75 to the grid
        {0.75f, -64, -48, 1}, {0.75f, 5, 0, 1},     //
        {-1, 256, -256, 1},   {-1, -40, 32, 1},     // 40 to the grid: 2.5 rounds to 2
        {-1, 7, 0, 1},        {1, 100, 100, 0},     // 100% and 0% do nothing at all
        {0, 100, 100, 0},
    };
    for (const auto& row : table) {
        vhtools::ToolTerrain t;
        if (row.factor != 0.75f) t.s.ScalePassFactor = row.factor;  // 75% is the default
        t.H(1) = row.before;
        vh::ScalingPass(t.s);
        EXPECT_EQ(t.H(1), row.after) << row.factor << " x " << row.before;
        EXPECT_EQ(t.s.UndoLevels, row.undo);
        EXPECT_EQ(t.rebuilds, row.undo);
    }
}

TEST(Passes, LockedPointsKeepTheirHeightsInEveryPass) {
    vhtools::ToolTerrain t;
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

TEST(Passes, UndoAfterAPassRestoresEveryHeight) {
    vhtools::ToolTerrain t;
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
