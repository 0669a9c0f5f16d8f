#include "tools/map_passes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

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
        if (row.factor != 0.75f) t.s.Tools.ScalePassFactor = row.factor;  // 75% is the default
        t.H(1) = row.before;
        vh::ScalingPass(t.s);
        EXPECT_EQ(t.H(1), row.after) << row.factor << " x " << row.before;
        EXPECT_EQ(t.s.History.UndoLevels, row.undo);
        EXPECT_EQ(t.Reports(), row.undo);
    }
}

TEST(Passes, LockedPointsKeepTheirHeightsInEveryPass) {
    vhtools::ToolTerrain t;
    t.SetAll(160);
    t.H(13) = 800;
    t.s.Terrain.Points[13].Locked = true;
    t.s.Tools.ScalePassFactor = 0.5f;
    vh::ScalingPass(t.s);
    EXPECT_EQ(t.H(13), 800);
    EXPECT_EQ(t.H(12), 80);
    t.s.Rnd.Script({0.0f});
    vh::NoisePass(t.s);
    EXPECT_EQ(t.H(13), 800);
    EXPECT_EQ(t.H(12), 32);
    t.s.Tools.SmoothToolThreshold = 0;
    vh::SmoothingPass(t.s);
    EXPECT_EQ(t.H(13), 800);
}

TEST(Passes, UndoAfterAPassRestoresEveryHeight) {
    vhtools::ToolTerrain t;
    t.s.Rnd.Seed(3);
    t.s.Tools.SmoothToolThreshold = 0;
    for (int i = 1; i <= t.s.Terrain.PointCount; ++i) t.H(i) = static_cast<float>(16 * (i % 7));
    const auto before = t.Heights();
    t.s.Doc.DocClean = false;
    for (auto pass : {vh::SmoothingPass, vh::NoisePass, vh::ScalingPass}) {
        pass(t.s);
        ASSERT_GT(t.Changed(before), 0);
        vh::Undo(t.s);
        EXPECT_EQ(t.Changed(before), 0);
        EXPECT_FALSE(t.s.Doc.DocClean);
    }
}

TEST(Passes, APassThatChangesHeightsMarksTheDocumentChanged) {
    for (auto pass : {vh::SmoothingPass, vh::NoisePass, vh::ScalingPass}) {
        vhtools::ToolTerrain t;
        for (int i = 1; i <= t.s.Terrain.PointCount; ++i) t.H(i) = static_cast<float>(64 * (i % 3));
        t.s.Doc.DocClean = true;
        pass(t.s);
        EXPECT_FALSE(t.s.Doc.DocClean);
    }
    vhtools::ToolTerrain t;  // scaling by 100 % changes nothing
    t.s.Tools.ScalePassFactor = 1;
    t.s.Doc.DocClean = true;
    vh::ScalingPass(t.s);
    EXPECT_TRUE(t.s.Doc.DocClean);
}

TEST(Passes, HeightsStayInsideTheFloatRange) {
    constexpr float kMax = std::numeric_limits<float>::max();
    const struct {
        const char* what;
        std::function<void(vh::EditorState&)> run;
    } cases[] = {
        {"scaling up", [](vh::EditorState& s) { s.Tools.ScalePassFactor = 1e38f, vh::ScalingPass(s); }},
        {"scaling down", [](vh::EditorState& s) { s.Tools.ScalePassFactor = -1e38f, vh::ScalingPass(s); }},
        {"noise", [](vh::EditorState& s) { s.Tools.MaxNoise = kMax, vh::NoisePass(s); }},
        {"smoothing", [](vh::EditorState& s) { s.Tools.SmoothToolThreshold = 0, vh::SmoothingPass(s); }},
    };
    for (const auto& c : cases) {
        vhtools::ToolTerrain t;
        t.s.Rnd.Seed(5);
        for (int i = 1; i <= t.s.Terrain.PointCount; ++i) t.H(i) = i % 2 ? kMax / 2 : 256;
        c.run(t.s);
        for (int i = 1; i <= t.s.Terrain.PointCount; ++i)
            ASSERT_TRUE(std::isfinite(t.H(i))) << c.what << " " << i;
    }
    // Clamped to the range, not zeroed.
    vhtools::ToolTerrain t;
    t.H(1) = 256;
    t.H(2) = -256;
    t.s.Tools.ScalePassFactor = 1e38f;
    vh::ScalingPass(t.s);
    EXPECT_EQ(t.H(1), kMax);
    EXPECT_EQ(t.H(2), -kMax);
}

}  // namespace
