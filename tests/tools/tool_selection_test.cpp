#include "tools/tool_selection.h"

#include <gtest/gtest.h>

#include "tools/edit_pass.h"
#include "tools_fixture.h"

using vh::Tool;

namespace {

TEST(SelectTool, ChecksExactlyTheChosenToolAndPressesItsButton) {
    vhtools::ToolTerrain t;
    vh::SelectTool(t.s, Tool::Noise);
    const auto& c = t.s.Commands;
    EXPECT_TRUE(c.cmdNoise.Checked);
    EXPECT_TRUE(c.tbNoise.Checked);
    EXPECT_FALSE(c.cmdRaiseLower.Checked);
    EXPECT_FALSE(c.tbRaiseLower.Checked);
    EXPECT_EQ(vh::CurrentTool(t.s), Tool::Noise);
}

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

TEST(SelectTool, CommonRadiusToolHidesTheAxisRadii) {
    vhtools::ToolTerrain t;
    t.s.FlattenRadius = 4;
    vh::SelectTool(t.s, Tool::Flatten);
    t.s.SmoothRadius = 1;
    vh::SelectTool(t.s, Tool::Smooth);
    const auto& c = t.s.Commands;
    EXPECT_FALSE(c.cmdRadYLarge.Checked);
    EXPECT_FALSE(c.cmdRadYLarge.Enabled);
    EXPECT_FALSE(c.cmdRadXLarge.Enabled);
    EXPECT_FALSE(c.tbXLarge.Enabled);
    EXPECT_FALSE(c.tbYLarge.Enabled);
    EXPECT_TRUE(c.cmdRadSmall.Checked);
    EXPECT_FALSE(c.tbSmall.Enabled);
    EXPECT_TRUE(c.tbLarge.Enabled);
    EXPECT_TRUE(c.cmdConfiguration.Enabled);
}

TEST(SelectTool, MountainAndTouchUpDisableTheRadiusMenu) {
    vhtools::ToolTerrain t;
    vh::SelectTool(t.s, Tool::Mountain);
    EXPECT_FALSE(t.s.Commands.cmdRadious.Enabled);
    EXPECT_FALSE(t.s.Commands.tbRadius.Enabled);
    EXPECT_TRUE(t.s.Commands.cmdConfiguration.Enabled);
    vh::SelectTool(t.s, Tool::TouchUp);
    EXPECT_FALSE(t.s.Commands.cmdRadious.Enabled);
    EXPECT_FALSE(t.s.Commands.cmdConfiguration.Enabled);
    EXPECT_FALSE(t.s.Commands.tbDetails.Enabled);
}

TEST(SelectTool, TouchUpAlwaysStartsAtCornerOne) {
    vhtools::ToolTerrain t;
    vh::SelectTool(t.s, Tool::TouchUp);
    t.s.TouchUpCorner = 3;
    vh::SelectTool(t.s, Tool::RaiseLower);
    vh::SelectTool(t.s, Tool::TouchUp);
    EXPECT_EQ(t.s.TouchUpCorner, 1);
}

TEST(RadiusCommand, SmallAndLargeStoreIntoTheCurrentToolsField) {
    vhtools::ToolTerrain t;
    vh::SelectTool(t.s, Tool::Noise);
    vh::RadiusCommand(t.s, 1);
    EXPECT_EQ(t.s.NoiseRadius, 1);
    EXPECT_EQ(t.s.RaiseLowerRadius, 2);
    EXPECT_TRUE(t.s.Commands.cmdRadSmall.Checked);
    EXPECT_FALSE(t.s.Commands.cmdRadLarge.Checked);
    EXPECT_FALSE(t.s.Commands.tbSmall.Enabled);
    EXPECT_TRUE(t.s.Commands.tbLarge.Enabled);
    // Not flatten: the axis entries stay as they were.
    EXPECT_FALSE(t.s.Commands.tbXLarge.Enabled);
}

TEST(RadiusCommand, AxisRadiiStoreIntoFlattenAndReenableTheOthers) {
    vhtools::ToolTerrain t;
    vh::SelectTool(t.s, Tool::Flatten);
    vh::RadiusCommand(t.s, 4);
    EXPECT_EQ(t.s.FlattenRadius, 4);
    const auto& c = t.s.Commands;
    EXPECT_TRUE(c.cmdRadYLarge.Checked);
    EXPECT_FALSE(c.tbYLarge.Enabled);
    EXPECT_TRUE(c.tbXLarge.Enabled);
    EXPECT_TRUE(c.tbSmall.Enabled);
    EXPECT_TRUE(c.tbLarge.Enabled);
    vh::RadiusCommand(t.s, 1);
    EXPECT_EQ(t.s.FlattenRadius, 1);
    EXPECT_TRUE(c.tbXLarge.Enabled);
    EXPECT_TRUE(c.tbYLarge.Enabled);
    EXPECT_FALSE(c.tbSmall.Enabled);
}

TEST(ToolbarRadius, TogglesTheSmoothRadiusBetweenSmallAndLarge) {
    vhtools::ToolTerrain t;
    t.s.SmoothRadius = 1;
    vh::SelectTool(t.s, Tool::Smooth);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.SmoothRadius, 2);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.SmoothRadius, 1);
}

TEST(ToolbarRadius, FromYAxesLargeGoesToLarge) {
    vhtools::ToolTerrain t;
    t.s.FlattenRadius = 4;
    vh::SelectTool(t.s, Tool::Flatten);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.FlattenRadius, 2);
    EXPECT_TRUE(t.s.Commands.cmdRadLarge.Checked);
}

TEST(GridCommand, ChecksOneItemAndDisablesItsToolbarEntry) {
    vhtools::ToolTerrain t;
    vh::GridCommand(t.s, 3);
    EXPECT_EQ(t.s.Grid, 4);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(t.s.Commands.cmdGrid[k].Checked, k == 3) << k;
        EXPECT_EQ(t.s.Commands.GridEntry(k).Enabled, k != 3) << k;
    }
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

TEST(ToolbarClick, ClearsThePickSoTheToolWaitsForTheNextPick) {
    vhtools::ToolTerrain t;
    t.s.PickedSquare = 6;
    t.s.ToolActive = vh::kTrue;
    vh::ToolbarClearPick(t.s);
    EXPECT_EQ(t.s.PickedSquare, 0);
    EXPECT_EQ(t.s.ToolActive, 0);

    t.s.PickedSquare = 6;
    vh::ToolbarGridClick(t.s);
    EXPECT_EQ(t.s.PickedSquare, 0);
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

TEST(LockedPoints, IgnoreLockedFollowsTheCheckMark) {
    vhtools::ToolTerrain t;
    vh::ToggleIgnoreLocked(t.s);
    EXPECT_TRUE(t.s.Commands.cmdIgnoreLocked.Checked);
    EXPECT_EQ(t.s.IgnoreLocked, vh::kTrue);
    vh::ToggleIgnoreLocked(t.s);
    EXPECT_FALSE(t.s.Commands.cmdIgnoreLocked.Checked);
    EXPECT_EQ(t.s.IgnoreLocked, vh::kFalse);
}

}  // namespace
