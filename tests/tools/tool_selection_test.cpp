#include "tools/tool_selection.h"

#include <gtest/gtest.h>

#include "tools/edit_pass.h"
#include "tools_fixture.h"

using vh::Tool;

namespace {

TEST(SelectTool, FlattenWithRadiusThreeShowsXAxesLargeAndDisablesConfiguration) {
    vhtools::ToolTerrain t;
    t.s.FlattenRadius = 3;
    vh::SelectTool(t.s, Tool::Flatten);
    const auto& c = t.s.Commands;
    EXPECT_TRUE(c.cmdRadXLarge.Checked);
    EXPECT_FALSE(c.cmdRadSmall.Checked);
    EXPECT_FALSE(c.cmdRadLarge.Checked);
    EXPECT_FALSE(c.cmdRadYLarge.Checked);
    EXPECT_FALSE(c.tbXLarge.Enabled);
    EXPECT_TRUE(c.tbSmall.Enabled);
    EXPECT_TRUE(c.tbLarge.Enabled);
    EXPECT_TRUE(c.tbYLarge.Enabled);
    EXPECT_FALSE(c.cmdConfiguration.Enabled);
    EXPECT_FALSE(c.tbDetails.Enabled);
    EXPECT_TRUE(c.cmdRadious.Enabled);
    EXPECT_TRUE(c.cmdRadXLarge.Enabled);
}

TEST(SelectTool, TouchUpAlwaysStartsAtCornerOne) {
    vhtools::ToolTerrain t;
    vh::SelectTool(t.s, Tool::TouchUp);
    t.s.TouchUpCorner = 3;
    vh::SelectTool(t.s, Tool::RaiseLower);
    vh::SelectTool(t.s, Tool::TouchUp);
    EXPECT_EQ(t.s.TouchUpCorner, 1);
}

TEST(ToolbarRadius, TogglesSmallAndLargeAndFromYAxesLargeGoesToLarge) {
    vhtools::ToolTerrain t;
    t.s.SmoothRadius = 1;
    vh::SelectTool(t.s, Tool::Smooth);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.SmoothRadius, 2);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.SmoothRadius, 1);

    t.s.FlattenRadius = 4;
    vh::SelectTool(t.s, Tool::Flatten);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.FlattenRadius, 2);
    EXPECT_TRUE(t.s.Commands.cmdRadLarge.Checked);
}

TEST(ToolbarGrid, StepsFrom128BackToOne) {
    vhtools::ToolTerrain t;
    vh::GridCommand(t.s, 8);
    vh::ToolbarGridClick(t.s);
    EXPECT_EQ(t.s.Grid, 1);
    EXPECT_TRUE(t.s.Commands.cmdGrid[1].Checked);
    EXPECT_FALSE(t.s.Commands.cmdGrid[8].Checked);
    vh::ToolbarGridClick(t.s);
    EXPECT_EQ(t.s.Grid, 2);
}

TEST(ToolbarGrid, AGridThatIsNoChoiceMakesTheClickDoNothing) {
    vhtools::ToolTerrain t;
    t.s.Grid = 12;
    const auto before = t.s.Commands.cmdGrid;
    vh::ToolbarGridClick(t.s);
    EXPECT_EQ(t.s.Grid, 12);
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(t.s.Commands.cmdGrid[k].Checked, before[k].Checked);
}

TEST(LockedPoints, UnlockAllThenAStrokeMovesFormerlyLockedPoints) {
    vhtools::ToolTerrain t;
    const int corner = t.P(2, 2);  // CornerLeft of square 6
    t.s.Points[corner].Locked = vh::kTrue;
    t.s.RaiseLowerRadius = 1;
    vh::UnlockAll(t.s);
    EXPECT_EQ(t.s.IgnoreLocked, 0);

    vh::InputState in;
    in.CursorY = 300;
    vh::RunEditPass(t.s, in, 6);  // hover picks the square
    in.Button1 = true;
    vh::RunEditPass(t.s, in, 6);
    in.CursorY = 296;
    vh::RunEditPass(t.s, in, 6);
    EXPECT_EQ(t.H(corner), 16);
}

}  // namespace
