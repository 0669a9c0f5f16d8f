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
    void Drag(int fromY, int toY) {
        t.s.ToolActive = vh::kTrue;
        t.s.LastMouseY = static_cast<float>(fromY);
        t.s.MouseY = toY;
        vh::TouchUpTool(t.s, in);
    }
    // One pass of the key handling with `ms` of frame time.
    void Keys(float ms) {
        in.ElapsedMs = ms;
        vh::TouchUpPageAndLockKeys(t.s, in);
    }
};

TEST_F(TouchUp, CornerNumbersNameTheFourCorners) {
    const int expected[] = {0, t.P(2, 2), t.P(2, 3), t.P(3, 3), t.P(3, 2)};
    for (int k = 1; k <= 4; ++k) {
        t.s.TouchUpCorner = static_cast<int16_t>(k);
        EXPECT_EQ(vh::TouchUpPoint(t.s), expected[k]) << k;
    }
    t.s.TouchUpCorner = 5;
    EXPECT_EQ(vh::TouchUpPoint(t.s), 0);
}

TEST_F(TouchUp, DragOfFourPixelsRaisesTheCornerOneGridStep) {
    Drag(200, 196);
    EXPECT_EQ(t.H(2, 2), 16);
    EXPECT_EQ(t.H(3, 2), 0);
    EXPECT_EQ(t.s.LastMouseY, 196);
    EXPECT_EQ(t.rebuilds, 1);
}

TEST_F(TouchUp, DragOfOnePixelDoesNothing) {
    Drag(200, 199);
    EXPECT_EQ(t.H(2, 2), 0);
    EXPECT_EQ(t.rebuilds, 0);
}

TEST_F(TouchUp, HeldPageKeyStopsTheDrag) {
    in.Keys[vh::Key::PageDown] = true;
    Drag(200, 150);
    EXPECT_EQ(t.H(2, 2), 0);
    EXPECT_EQ(t.s.LastMouseY, 0);
}

TEST_F(TouchUp, LockedCornerIsStillMoved) {
    t.s.Points[t.P(2, 2)].Locked = vh::kTrue;
    Drag(200, 196);
    EXPECT_EQ(t.H(2, 2), 16);
    in.Keys[vh::Key::PageUp] = true;
    Keys(16);
    EXPECT_EQ(t.H(2, 2), 32);
}

TEST_F(TouchUp, PageUpStepsAtOnceThenRepeatsAfter250Ms) {
    in.Keys[vh::Key::PageUp] = true;
    Keys(100);
    EXPECT_EQ(t.H(2, 2), 16);
    Keys(100);  // held 100 ms
    Keys(100);  // held 200 ms
    EXPECT_EQ(t.H(2, 2), 16);
    Keys(100);  // held 300 ms: past the wait
    EXPECT_EQ(t.H(2, 2), 32);
    Keys(100);
    EXPECT_EQ(t.H(2, 2), 48);
    in.Keys[vh::Key::PageUp] = false;
    Keys(100);
    EXPECT_EQ(t.s.TouchUpKeyTime, 0);
    EXPECT_EQ(t.s.TouchUpDirection, 0);
    EXPECT_EQ(t.H(2, 2), 48);
}

TEST_F(TouchUp, HoldingPageDownForOneSecond) {
    in.Keys[vh::Key::PageDown] = true;
    for (int pass = 0; pass < 50; ++pass) Keys(20);  // 1000 ms
    // One step at once; then 250 ms of waiting (passes 2 to 13) and one step
    // in every pass from the one that starts past 250 ms (passes 14 to 50).
    EXPECT_EQ(t.H(2, 2), -16 * (1 + 37));
}

TEST_F(TouchUp, PageUpWinsOverPageDown) {
    in.Keys[vh::Key::PageUp] = true;
    in.Keys[vh::Key::PageDown] = true;
    Keys(16);
    EXPECT_EQ(t.s.TouchUpDirection, 1);
    EXPECT_EQ(t.H(2, 2), 16);
}

TEST_F(TouchUp, EachKeyPressIsOneUndoStep) {
    in.Keys[vh::Key::PageUp] = true;
    for (int pass = 0; pass < 30; ++pass) Keys(20);
    EXPECT_EQ(t.s.UndoLevels, 1);
    in.Keys[vh::Key::PageUp] = false;
    Keys(20);
    in.Keys[vh::Key::PageUp] = true;
    Keys(20);
    EXPECT_EQ(t.s.UndoLevels, 2);
    EXPECT_EQ(t.s.UndoHeights1[t.P(2, 2)], 16 * 18);  // 1 + 17 steps of the first press
}

TEST_F(TouchUp, KeyWithoutAPickOnlyRebuilds) {
    t.s.PickedSquare = 0;
    in.Keys[vh::Key::PageUp] = true;
    Keys(16);
    EXPECT_EQ(t.rebuilds, 1);
    EXPECT_EQ(t.s.UndoLevels, 0);
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
    vh::TouchUpWheel(t.s, +1);
    EXPECT_EQ(t.s.TouchUpCorner, 2);
    t.s.TouchUpCorner = 9;
    vh::TouchUpWheel(t.s, 0);
    EXPECT_EQ(t.s.TouchUpCorner, 1);
}

}  // namespace
