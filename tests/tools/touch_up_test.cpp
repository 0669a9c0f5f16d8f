#include "tools/touch_up.h"

#include <gtest/gtest.h>

#include "tools/tool_selection.h"
#include "tools_fixture.h"

namespace {

// Square 6 of a 5 x 5 grid; corner 1 is its CornerLeft (2,2).
struct TouchUp : ::testing::Test {
    vhtools::ToolTerrain t;
    vh::InputState in;
    void SetUp() override {
        vh::SelectTool(t.s, vh::Tool::TouchUp);
        t.s.PickedSquare = 6;
    }
    // One pass of the key handling with `ms` of frame time.
    void Keys(float ms) {
        in.ElapsedMs = ms;
        vh::TouchUpPageAndLockKeys(t.s, in);
    }
};

TEST_F(TouchUp, DragOfFourPixelsRaisesTheCornerOneGridStep) {
    t.s.ToolActive = vh::kTrue;
    t.s.LastMouseY = 200;
    t.s.MouseY = 196;
    vh::TouchUpTool(t.s, in);
    EXPECT_EQ(t.H(2, 2), 16);
    EXPECT_EQ(t.H(3, 2), 0);
    EXPECT_EQ(t.s.LastMouseY, 196);
    EXPECT_EQ(t.rebuilds, 1);
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
    EXPECT_EQ(t.s.TouchUpKeyTime, 0);
    EXPECT_EQ(t.s.TouchUpDirection, 0);
    EXPECT_EQ(t.H(2, 2), 48);
}

TEST_F(TouchUp, LockKeyTogglesOncePerPress) {
    const int p = t.P(2, 2);
    in.Keys[vh::Key::L] = true;
    Keys(16);
    EXPECT_EQ(t.s.Points[p].Locked, vh::kTrue);
    Keys(16);
    Keys(16);
    EXPECT_EQ(t.s.Points[p].Locked, vh::kTrue);
    in.Keys[vh::Key::L] = false;
    Keys(16);
    in.Button3 = true;  // the middle button works as the lock key
    Keys(16);
    EXPECT_EQ(t.s.Points[p].Locked, vh::kFalse);
    EXPECT_EQ(t.rebuilds, 0);
    EXPECT_EQ(t.s.UndoLevels, 0);
}

TEST_F(TouchUp, WheelCyclesTheCorner) {
    t.s.TouchUpCorner = 1;
    vh::TouchUpWheel(t.s, -1);
    EXPECT_EQ(t.s.TouchUpCorner, 4);
    vh::TouchUpWheel(t.s, +1);
    EXPECT_EQ(t.s.TouchUpCorner, 1);
}

}  // namespace
