#include "tools/tool_selection.h"

#include <gtest/gtest.h>

#include "tools/edit_pass.h"
#include "tools_fixture.h"

using vh::Tool;
using Flags = std::vector<bool>;

namespace {

TEST(SelectTool, FlattenWithRadiusThreeShowsXAxesLargeAndDisablesConfiguration) {
    vhtools::ToolTerrain t;
    t.s.Tools.FlattenRadius = 3;
    vh::SelectTool(t.s, Tool::Flatten);
    const auto& c = t.s.Commands;
    EXPECT_EQ(
        (Flags{c.cmdRadXLarge.Checked, c.cmdRadSmall.Checked, c.cmdRadLarge.Checked, c.cmdRadYLarge.Checked}),
        (Flags{true, false, false, false}));
    EXPECT_EQ((Flags{c.tbXLarge.Enabled, c.tbSmall.Enabled, c.tbLarge.Enabled, c.tbYLarge.Enabled}),
              (Flags{false, true, true, true}));
    EXPECT_EQ((Flags{c.cmdConfiguration.Enabled, c.tbDetails.Enabled, c.cmdRadious.Enabled,
                     c.cmdRadXLarge.Enabled}),
              (Flags{false, false, true, true}));
}

TEST(SelectTool, TouchUpAlwaysStartsAtCornerOne) {
    vhtools::ToolTerrain t;
    vh::SelectTool(t.s, Tool::TouchUp);
    t.s.Stroke.TouchUpCorner = 3;
    vh::SelectTool(t.s, Tool::RaiseLower);
    vh::SelectTool(t.s, Tool::TouchUp);
    EXPECT_EQ(t.s.Stroke.TouchUpCorner, 1);
}

TEST(ToolbarRadius, TogglesSmallAndLargeAndFromYAxesLargeGoesToLarge) {
    vhtools::ToolTerrain t;
    t.s.Tools.SmoothRadius = 1;
    vh::SelectTool(t.s, Tool::Smooth);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.Tools.SmoothRadius, 2);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.Tools.SmoothRadius, 1);

    t.s.Tools.FlattenRadius = 4;
    vh::SelectTool(t.s, Tool::Flatten);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.Tools.FlattenRadius, 2);
    EXPECT_TRUE(t.s.Commands.cmdRadLarge.Checked);
}

TEST(ToolbarGrid, StepsFrom128BackToOneAndIgnoresAGridThatIsNoChoice) {
    vhtools::ToolTerrain t;
    vh::GridCommand(t.s, 8);
    vh::ToolbarGridClick(t.s);
    EXPECT_EQ(t.s.Tools.Grid, 1);
    EXPECT_TRUE(t.s.Commands.cmdGrid[1].Checked);
    EXPECT_FALSE(t.s.Commands.cmdGrid[8].Checked);
    vh::ToolbarGridClick(t.s);
    EXPECT_EQ(t.s.Tools.Grid, 2);

    t.s.Tools.Grid = 12;
    const auto before = t.s.Commands.cmdGrid;
    vh::ToolbarGridClick(t.s);
    EXPECT_EQ(t.s.Tools.Grid, 12);
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(t.s.Commands.cmdGrid[k].Checked, before[k].Checked);
}

struct EditPass : ::testing::Test {
    vhtools::ToolTerrain t;
    vh::InputState in;
    void Pass(bool held, int hit, int y) {
        in.Button1 = held;
        in.CursorY = y;
        vh::RunEditPass(t.s, in, hit);
    }
};

TEST_F(EditPass, UnlockAllThenAStrokeMovesFormerlyLockedPoints) {
    const int corner = t.P(2, 2);  // CornerLeft of square 6
    t.s.Terrain.Points[corner].Locked = true;
    t.s.Tools.RaiseLowerRadius = 1;
    t.s.Doc.DocClean = true;
    vh::UnlockAll(t.s);
    EXPECT_FALSE(t.s.Tools.IgnoreLocked);
    EXPECT_FALSE(t.s.Doc.DocClean);
    t.s.Doc.DocClean = true;
    vh::UnlockAll(t.s);  // nothing left to unlock: nothing changed
    EXPECT_TRUE(t.s.Doc.DocClean);
    Pass(false, 6, 300);  // hover picks the square
    Pass(true, 6, 300);
    Pass(true, 6, 296);
    EXPECT_EQ(t.H(corner), 16);
}

TEST_F(EditPass, OneStrokeIsOneUndoStepAndKeepsItsSquare) {
    t.SetAll(1000);
    t.s.Doc.DocClean = true;
    Pass(false, 5, 300);
    EXPECT_EQ(t.s.Stroke.PickedSquare, 5);
    EXPECT_TRUE(t.s.Doc.DocClean);

    Pass(true, 5, 300);
    EXPECT_EQ(t.s.History.UndoLevels, 1);
    EXPECT_TRUE(t.s.Stroke.ToolActive);
    EXPECT_FALSE(t.s.Doc.DocClean);
    // Up 5 pixels over three passes, crossing into square 6.
    Pass(true, 5, 299);
    Pass(true, 6, 297);
    Pass(true, 6, 295);
    EXPECT_EQ(t.s.Stroke.PickedSquare, 5);
    EXPECT_EQ(t.s.History.UndoLevels, 1);
    // Square 5's corners moved (two steps of 16); square 6's far corners did not.
    EXPECT_EQ(t.H(1, 2), 1032);
    EXPECT_EQ(t.H(4, 3), 1000);
    EXPECT_EQ(t.s.History.UndoHeights1[t.P(1, 2)], 1000);

    Pass(false, 6, 295);
    EXPECT_EQ(t.s.Stroke.PickedSquare, 6);
    EXPECT_EQ(t.s.History.UndoLevels, 1);
    EXPECT_FALSE(t.s.Stroke.StrokeUndoTaken);
    EXPECT_EQ(t.s.Stroke.LastMouseY, 0);
}

}  // namespace
