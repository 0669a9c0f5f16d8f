#include "tools/edit_pass.h"

#include <gtest/gtest.h>

#include "tools/tool_selection.h"
#include "tools_fixture.h"

namespace {

struct EditPass : ::testing::Test {
    vhtools::ToolTerrain t;
    vh::InputState in;

    void Pass(int hit) { vh::RunEditPass(t.s, in, hit); }
    void Hover(int hit, int y = 300) {
        in.Button1 = false;
        in.CursorY = y;
        Pass(hit);
    }
    void Hold(int hit, int y) {
        in.Button1 = true;
        in.CursorY = y;
        Pass(hit);
    }
};

TEST_F(EditPass, OneStrokeIsOneUndoStepAndKeepsItsSquare) {
    t.SetAll(1000);
    t.s.DocClean = vh::kTrue;
    Hover(5);
    EXPECT_EQ(t.s.PickedSquare, 5);
    EXPECT_EQ(t.s.DocClean, vh::kTrue);

    Hold(5, 300);
    EXPECT_EQ(t.s.UndoLevels, 1);
    EXPECT_EQ(t.s.ToolActive, vh::kTrue);
    EXPECT_EQ(t.s.DocClean, vh::kFalse);
    const auto atPress = t.Heights();
    // Up 5 pixels over three passes, crossing into square 6.
    Hold(5, 299);
    Hold(6, 297);
    Hold(6, 295);
    EXPECT_EQ(t.s.PickedSquare, 5);
    EXPECT_EQ(t.s.UndoLevels, 1);
    // Square 5's corners moved (two steps of 16); square 6's far corners did not.
    EXPECT_EQ(t.H(1, 2), 1032);
    EXPECT_EQ(t.H(4, 3), 1000);
    EXPECT_GT(t.Changed(atPress), 0);
    EXPECT_EQ(t.s.UndoHeights1[t.P(1, 2)], 1000);

    Hover(6, 295);
    EXPECT_EQ(t.s.PickedSquare, 6);
    EXPECT_EQ(t.s.UndoLevels, 1);
    EXPECT_EQ(t.s.StrokeUndoTaken, vh::kFalse);
    EXPECT_EQ(t.s.LastMouseY, 0);
}

TEST_F(EditPass, APickThatHitsNothingKeepsTheSelection) {
    Hover(7);
    Hover(0);
    EXPECT_EQ(t.s.PickedSquare, 7);
}

TEST_F(EditPass, PressingOverTheSkyWithNothingPickedTakesNoUndo) {
    Hold(0, 300);
    Hold(0, 280);
    EXPECT_EQ(t.s.PickedSquare, 0);
    EXPECT_EQ(t.s.UndoLevels, 0);
    EXPECT_EQ(t.Changed(std::vector<float>(25, 0.0f)), 0);
}

TEST_F(EditPass, MouseYComesFromTheCursor) {
    Hover(3, 123);
    EXPECT_EQ(t.s.MouseY, 123);
}

TEST_F(EditPass, ReleaseResetsTheStrokeValues) {
    vh::SelectTool(t.s, vh::Tool::Mountain);
    t.SetAll(160);
    Hover(6);
    Hold(6, 300);
    Hold(6, 290);
    EXPECT_NE(t.s.MountVallBase, 0);
    Hover(6);
    EXPECT_EQ(t.s.LastMouseY, 0);
    EXPECT_EQ(t.s.MountVallBase, 0);
    EXPECT_EQ(t.s.MountVallStep, 0);
}

TEST_F(EditPass, NoiseOncePerClickAcrossPasses) {
    vh::SelectTool(t.s, vh::Tool::Noise);
    t.s.NoiseRadius = 1;
    t.s.Rnd.Script({0.0f});
    Hover(6);
    Hold(6, 300);
    Hold(6, 300);
    Hold(6, 300);
    EXPECT_EQ(t.H(2, 2), -48);
    Hover(6);
    EXPECT_EQ(t.s.NoiseApplied, vh::kFalse);
    Hold(6, 300);
    EXPECT_EQ(t.H(2, 2), -96);
    EXPECT_EQ(t.s.UndoLevels, 2);
}

TEST_F(EditPass, SmoothJumpWithLargeRadiusIsReadyAgainAfterRelease) {
    vh::SelectTool(t.s, vh::Tool::Smooth);
    t.s.SmoothStyle = 1;
    Hover(6);
    Hold(6, 300);
    EXPECT_EQ(t.s.SmoothJumpDone, vh::kTrue);
    Hover(6);
    EXPECT_EQ(t.s.SmoothJumpDone, vh::kFalse);
}

TEST_F(EditPass, TouchUpPageKeyIsAStrokeThatFreezesTheSelection) {
    vh::SelectTool(t.s, vh::Tool::TouchUp);
    Hover(6);
    t.s.DocClean = vh::kTrue;
    in.Keys[vh::Key::PageUp] = true;
    Pass(7);
    EXPECT_EQ(t.s.ToolActive, vh::kTrue);
    EXPECT_EQ(t.s.PickedSquare, 6);
    EXPECT_EQ(t.s.DocClean, vh::kFalse);
    EXPECT_EQ(t.H(2, 2), 16);
    // The key step took the snapshot, the picking step did not add one.
    EXPECT_EQ(t.s.UndoLevels, 1);
    in.Keys[vh::Key::PageUp] = false;
    Pass(7);
    EXPECT_EQ(t.s.PickedSquare, 7);
}

TEST_F(EditPass, TouchUpReleaseKeepsTheDragMemoryToTheTool) {
    vh::SelectTool(t.s, vh::Tool::TouchUp);
    Hover(6, 300);
    Hold(6, 300);
    Hold(6, 296);
    EXPECT_EQ(t.H(2, 2), 16);
    // With touch-up the picking step leaves LastMouseY to the tool, which
    // only runs with a pick; a release clears it through the tool.
    Hover(6, 296);
    EXPECT_EQ(t.s.LastMouseY, 0);
}

TEST_F(EditPass, WheelDownFromCornerOneSelectsCornerFour) {
    vh::SelectTool(t.s, vh::Tool::TouchUp);
    in.Wheel = 0;
    Hover(6);
    in.Wheel = -120;
    Hover(6);
    EXPECT_EQ(t.s.TouchUpCorner, 4);
    EXPECT_EQ(t.s.PreviousWheel, -120);
    Hover(6);
    EXPECT_EQ(t.s.TouchUpCorner, 4);
    in.Wheel = 0;
    Hover(6);
    EXPECT_EQ(t.s.TouchUpCorner, 1);
}

TEST_F(EditPass, MountainRadiusFromTheDialogWrapsInTheNextPass) {
    vh::SelectTool(t.s, vh::Tool::Mountain);
    t.s.MountVallRadius = 2;
    Hover(6);
    EXPECT_EQ(t.s.MountVallRadius, 20);
    in.Wheel = 120;
    Hover(6);
    EXPECT_EQ(t.s.MountVallRadius, 3);
}

TEST_F(EditPass, WheelLeavesOtherToolsAlone) {
    t.s.TouchUpCorner = 2;
    in.Wheel = 240;
    Hover(6);
    EXPECT_EQ(t.s.TouchUpCorner, 2);
    EXPECT_EQ(t.s.MountVallRadius, 8);
    EXPECT_EQ(t.s.PreviousWheel, 240);
}

TEST_F(EditPass, LockKeyWorksOnlyWithTouchUp) {
    Hover(6);
    in.Keys[vh::Key::L] = true;
    Hover(6);
    EXPECT_EQ(t.s.Points[t.P(2, 2)].Locked, vh::kFalse);
    vh::SelectTool(t.s, vh::Tool::TouchUp);
    in.Keys[vh::Key::L] = false;
    Hover(6);
    in.Keys[vh::Key::L] = true;
    Hover(6);
    EXPECT_EQ(t.s.Points[t.P(2, 2)].Locked, vh::kTrue);
}

}  // namespace
