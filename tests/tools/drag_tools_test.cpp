// Mountain/valley and touch-up: the tools driven by dragging the mouse.
#include <gtest/gtest.h>

#include "tools/mountain.h"
#include "tools/tool_selection.h"
#include "tools/touch_up.h"
#include "tools_fixture.h"

namespace {

// 17 x 17 points, Size 256; square 120 has the corners 127, 128, 144 and 145
// (point 145 is the origin), so the dome is centred on (-128, -128).
struct Mountain : ::testing::Test {
    vhtools::ToolTerrain t{17, 17, 256};
    static constexpr int kCorner = 127;  // CornerLeft, at (-256, -256)

    void SetUp() override {
        t.s.Stroke.PickedSquare = 120;
        t.s.Stroke.ToolActive = true;
    }
    void Pass(int mouseY) {
        t.s.Stroke.MouseY = mouseY;
        vh::MountVallTool(t.s, t.tools.Mountain);
    }
};

TEST_F(Mountain, FirstPassOnlyRecordsThenOneUpwardMoveRaisesACornerAtTheBaseBy48) {
    const auto before = t.Heights();
    Pass(300);
    EXPECT_EQ(t.tools.Mountain.MountVallStep, 0);
    EXPECT_EQ(t.s.Stroke.LastMouseY, 300);
    EXPECT_EQ(t.Changed(before), 0);
    EXPECT_EQ(t.Reports(), 0);
    Pass(290);
    EXPECT_EQ(t.tools.Mountain.MountVallStep, 5);
    EXPECT_EQ(t.H(kCorner), 48);
    EXPECT_EQ(t.Reports(), 1);
}

TEST_F(Mountain, MovingDownDigsAValleyBelowTheBase) {
    Pass(300);
    Pass(310);
    EXPECT_EQ(t.tools.Mountain.MountVallStep, -5);
    EXPECT_EQ(t.H(kCorner), -48);
}

TEST_F(Mountain, CorrectionOneJumpsStraightToTheSnappedTarget) {
    t.s.Tools.MountVallCorrection = 1;
    t.s.Tools.MountVallRadius = 3;
    t.s.Tools.MountVallSmoothOuter = false;
    t.H(kCorner) = 1000;
    Pass(300);
    Pass(290);
    // Base 250 (mean of 1000, 0, 0, 0); target 250 + 5 * sqrt(768^2 - 181^2) * 0.8 / 20.
    EXPECT_EQ(t.tools.Mountain.MountVallBase, 250);
    EXPECT_EQ(t.H(kCorner), 400);  // 399.27 to the grid
}

TEST_F(Mountain, PointOnTheCircleNeverChanges) {
    t.s.Tools.MountVallCorrection = 1;
    const int p = 1;
    t.H(p) = 160;
    const auto& pt = t.s.Terrain.Points[p];
    vh::HeightEdit edit = vh::EditHeights(t.s);
    vh::MountVallPoint(edit, t.s.Tools, 5, p, pt.X + 768, 0, pt.Z, 768);
    EXPECT_EQ(t.H(p), 160);
    vh::MountVallPoint(edit, t.s.Tools, 5, p, pt.X + 767, 0, pt.Z, 768);
    EXPECT_NE(t.H(p), 160);
}

TEST(MountainWheel, RadiusCyclesThroughThreeToTwenty) {
    vhtools::ToolTerrain t;
    t.s.Tools.MountVallRadius = 2;
    vh::MountVallWheel(t.s, 0);
    EXPECT_EQ(t.s.Tools.MountVallRadius, 20);
    vh::MountVallWheel(t.s, +1);
    EXPECT_EQ(t.s.Tools.MountVallRadius, 3);
    vh::MountVallWheel(t.s, -1);
    EXPECT_EQ(t.s.Tools.MountVallRadius, 20);
}

// Square 6 of a 5 x 5 grid; corner 1 is its CornerLeft (2,2).
struct TouchUp : ::testing::Test {
    vhtools::ToolTerrain t;
    vh::InputState in;
    void SetUp() override {
        vh::SelectTool(t.s, t.tools, vh::Tool::TouchUp);
        t.s.Stroke.PickedSquare = 6;
    }
    // One pass of the key handling with `ms` of frame time.
    void Keys(float ms) {
        in.ElapsedMs = ms;
        vh::TouchUpPageAndLockKeys(t.s, t.tools.TouchUp, in);
    }
};

TEST_F(TouchUp, DragOfFourPixelsRaisesTheCornerOneGridStep) {
    t.s.Stroke.ToolActive = true;
    t.s.Stroke.LastMouseY = 200;
    t.s.Stroke.MouseY = 196;
    vh::TouchUpTool(t.s, t.tools.TouchUp, in);
    EXPECT_EQ(t.H(2, 2), 16);
    EXPECT_EQ(t.H(3, 2), 0);
    EXPECT_EQ(t.s.Stroke.LastMouseY, 196);
    EXPECT_EQ(t.Reports(), 1);
}

TEST_F(TouchUp, PageUpStepsAtOnceThenRepeatsAfter250Ms) {
    in.Keys[vh::Key::PageUp] = true;
    // Passes of 100 ms: a step at once, none while held 100 and 200 ms, then every pass.
    for (float expected : {16, 16, 16, 32, 48}) {
        Keys(100);
        EXPECT_EQ(t.H(2, 2), expected);
    }
    in.Keys[vh::Key::PageUp] = false;
    Keys(100);
    EXPECT_EQ(t.tools.TouchUp.TouchUpKeyTime, 0);
    EXPECT_EQ(t.tools.TouchUp.TouchUpDirection, 0);
    EXPECT_EQ(t.H(2, 2), 48);
}

TEST_F(TouchUp, LockKeyTogglesOncePerPress) {
    const int p = t.P(2, 2);
    t.s.Doc.DocClean = true;
    in.Keys[vh::Key::L] = true;
    Keys(16);
    EXPECT_TRUE(t.s.Terrain.Points[p].Locked);
    EXPECT_FALSE(t.s.Doc.DocClean);  // the lock is kept in the document
    Keys(16);
    Keys(16);
    EXPECT_TRUE(t.s.Terrain.Points[p].Locked);
    in.Keys[vh::Key::L] = false;
    Keys(16);
    in.Button3 = true;  // the middle button works as the lock key
    Keys(16);
    EXPECT_FALSE(t.s.Terrain.Points[p].Locked);
    EXPECT_EQ(t.Reports(), 0);
    EXPECT_EQ(t.s.History.UndoLevels, 0);
}

TEST_F(TouchUp, WheelCyclesTheCorner) {
    t.tools.TouchUp.TouchUpCorner = 1;
    vh::TouchUpWheel(t.tools.TouchUp, -1);
    EXPECT_EQ(t.tools.TouchUp.TouchUpCorner, 4);
    vh::TouchUpWheel(t.tools.TouchUp, +1);
    EXPECT_EQ(t.tools.TouchUp.TouchUpCorner, 1);
}

}  // namespace
