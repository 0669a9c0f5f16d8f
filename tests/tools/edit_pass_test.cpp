#include "tools/edit_pass.h"

#include <gtest/gtest.h>

#include "tools_fixture.h"

namespace {

TEST(EditPass, OneStrokeIsOneUndoStepAndKeepsItsSquare) {
    vhtools::ToolTerrain t;
    vh::InputState in;
    const auto pass = [&](bool held, int hit, int y) {
        in.Button1 = held;
        in.CursorY = y;
        vh::RunEditPass(t.s, in, hit);
    };
    t.SetAll(1000);
    t.s.DocClean = vh::kTrue;
    pass(false, 5, 300);
    EXPECT_EQ(t.s.PickedSquare, 5);
    EXPECT_EQ(t.s.DocClean, vh::kTrue);

    pass(true, 5, 300);
    EXPECT_EQ(t.s.UndoLevels, 1);
    EXPECT_EQ(t.s.ToolActive, vh::kTrue);
    EXPECT_EQ(t.s.DocClean, vh::kFalse);
    const auto atPress = t.Heights();
    // Up 5 pixels over three passes, crossing into square 6.
    pass(true, 5, 299);
    pass(true, 6, 297);
    pass(true, 6, 295);
    EXPECT_EQ(t.s.PickedSquare, 5);
    EXPECT_EQ(t.s.UndoLevels, 1);
    // Square 5's corners moved (two steps of 16); square 6's far corners did not.
    EXPECT_EQ(t.H(1, 2), 1032);
    EXPECT_EQ(t.H(4, 3), 1000);
    EXPECT_GT(t.Changed(atPress), 0);
    EXPECT_EQ(t.s.UndoHeights1[t.P(1, 2)], 1000);

    pass(false, 6, 295);
    EXPECT_EQ(t.s.PickedSquare, 6);
    EXPECT_EQ(t.s.UndoLevels, 1);
    EXPECT_EQ(t.s.StrokeUndoTaken, vh::kFalse);
    EXPECT_EQ(t.s.LastMouseY, 0);
}

}  // namespace
