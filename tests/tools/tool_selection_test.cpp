#include "tools/tool_selection.h"

#include <gtest/gtest.h>

#include "core/command_states.h"
#include "tools/edit_pass.h"
#include "tools_fixture.h"

using vh::ControlState;
using vh::RenderMode;
using vh::Tool;
using C = vh::CommandStates;
using Item = ControlState C::*;
using Items = std::vector<const ControlState*>;

namespace {

constexpr Tool kTools[] = {Tool::RaiseLower, Tool::Mountain, Tool::Smooth,
                           Tool::Noise,      Tool::Flatten,  Tool::TouchUp};
// Each toolbar button and the menu command it stands for.
constexpr std::pair<Item, Item> kButtons[] = {
    {&C::tbNew, &C::cmdNew},           {&C::tbOpen, &C::cmdOpen},       {&C::tbSave, &C::cmdSave},
    {&C::tbUndo, &C::cmdUndo},         {&C::tbRedo, &C::cmdRedo},       {&C::tbRaiseLower, &C::cmdRaiseLower},
    {&C::tbMountain, &C::cmdMountain}, {&C::tbSmooth, &C::cmdSmooth},   {&C::tbNoise, &C::cmdNoise},
    {&C::tbFlatten, &C::cmdFlatten},   {&C::tbTouchUp, &C::cmdTouchUp}, {&C::tbDetails, &C::cmdConfiguration},
    {&C::tbRadius, &C::cmdRadious},    {&C::tbGrid, &C::cmdGridChoice},
};

Items Of(const C& c, std::initializer_list<Item> items) {
    Items out;
    for (Item i : items) out.push_back(&(c.*i));
    return out;
}
Items Tools(const C& c) {
    return Of(
        c, {&C::cmdRaiseLower, &C::cmdMountain, &C::cmdSmooth, &C::cmdNoise, &C::cmdFlatten, &C::cmdTouchUp});
}
Items Modes(const C& c) {
    return Of(c, {&C::cmdSolid, &C::cmdSolidWire, &C::cmdWireframe, &C::cmdPoints});
}
Items RadiusItems(const C& c) {
    return Of(c, {&C::cmdRadSmall, &C::cmdRadLarge, &C::cmdRadXLarge, &C::cmdRadYLarge});
}
Items RadiusEntries(const C& c) {
    return Of(c, {&C::tbSmall, &C::tbLarge, &C::tbXLarge, &C::tbYLarge});
}
// The Grid menu's items, or the drop-down's entries.
Items Grid(const C& c, bool entries = false) {
    Items out;
    for (int k = 1; k <= 8; ++k) out.push_back(entries ? &c.GridEntry(k) : &c.cmdGrid[k]);
    return out;
}

constexpr auto IsChecked = [](const ControlState& x) { return x.Checked; };
constexpr auto IsEnabled = [](const ControlState& x) { return x.Enabled; };
constexpr auto IsDisabled = [](const ControlState& x) { return !x.Enabled; };

// Positions (1-based) of the items that pass `test`.
template <typename Test>
std::vector<int> Where(const Items& items, Test test) {
    std::vector<int> at;
    for (size_t i = 0; i < items.size(); ++i)
        if (test(*items[i])) at.push_back(static_cast<int>(i) + 1);
    return at;
}

// What the radius menu shows for a tool's radius field value r.
int ShownRadius(Tool t, int r) {
    return t == Tool::Flatten ? r : (r == 1 ? 1 : 2);
}

TEST(CommandStates, InvariantsOverEveryToolRadiusAndRenderMode) {
    for (int m = 0; m < 4; ++m)
        for (int ti = 0; ti < 6; ++ti)
            for (int r = 1; r <= 4; ++r) {
                const Tool tool = kTools[ti];
                SCOPED_TRACE(::testing::Message() << "tool " << ti << " radius " << r << " mode " << m);
                vhtools::ToolTerrain t;
                t.s.View.Mode = static_cast<RenderMode>(m);
                t.s.Tools.RaiseLowerRadius = t.s.Tools.SmoothRadius = t.s.Tools.NoiseRadius =
                    t.s.Tools.FlattenRadius = r;
                vh::SelectTool(t.s, t.tools, tool);
                const C c = vh::ComputeCommandStates(t.s);

                EXPECT_EQ(Where(Tools(c), IsChecked), std::vector<int>{ti + 1});
                EXPECT_EQ(Where(Modes(c), IsChecked), std::vector<int>{m + 1});
                for (const auto& [button, command] : kButtons) {
                    EXPECT_EQ((c.*button).Enabled, (c.*command).Enabled);
                    EXPECT_EQ((c.*button).Checked, (c.*command).Checked);
                }
                const bool flatten = tool == Tool::Flatten;
                const bool radius = tool != Tool::Mountain && tool != Tool::TouchUp;
                EXPECT_EQ(c.cmdRadious.Enabled, radius);
                EXPECT_EQ(c.cmdConfiguration.Enabled, !flatten && tool != Tool::TouchUp);
                // X and Y Axes Large only for flatten, in the menu and the drop-down.
                const std::vector<int> offered =
                    flatten ? std::vector<int>{1, 2, 3, 4} : std::vector<int>{1, 2};
                EXPECT_EQ(Where(RadiusItems(c), IsEnabled), offered);
                EXPECT_EQ(c.tbXLarge.Enabled || c.tbYLarge.Enabled, flatten);
                // One radius checked; the current one is the drop-down's disabled entry.
                const std::vector<int> checked = Where(RadiusItems(c), IsChecked);
                ASSERT_EQ(checked.size(), 1u);
                if (radius) {
                    EXPECT_EQ(checked[0], ShownRadius(tool, r));
                }
                const std::vector<int> disabled = Where(RadiusEntries(c), IsDisabled);
                EXPECT_EQ(disabled.front(), checked[0]);
                EXPECT_EQ(disabled.size(), flatten ? 1u : 3u);
                EXPECT_EQ(Where(Modes(c), IsDisabled), std::vector<int>{});

                if (!radius) continue;
                // "tbRadius": Large shown goes to Small, anything else to Large.
                const int next = checked[0] == 2 ? 1 : 2;
                vh::ToolbarRadiusClick(t.s);
                EXPECT_EQ(*vh::RadiusField(t.s.Tools, tool), next);
                EXPECT_EQ(Where(RadiusItems(vh::ComputeCommandStates(t.s)), IsChecked),
                          std::vector<int>{next});
            }
}

TEST(SelectTool, AFlattenRadiusTheMenuDoesNotOfferLeavesTheMenuAsItWas) {
    vhtools::ToolTerrain t;
    t.s.Tools.SmoothRadius = 1;
    t.s.Tools.FlattenRadius = 7;  // from a settings file
    vh::SelectTool(t.s, t.tools, Tool::Smooth);
    vh::SelectTool(t.s, t.tools, Tool::Mountain);
    vh::SelectTool(t.s, t.tools, Tool::Flatten);
    const C c = vh::ComputeCommandStates(t.s);
    EXPECT_EQ(Where(RadiusItems(c), IsChecked), std::vector<int>{1});
    EXPECT_EQ(Where(RadiusEntries(c), IsDisabled), std::vector<int>{1});
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.Tools.FlattenRadius, 2);
}

TEST(SelectTool, TouchUpAlwaysStartsAtCornerOne) {
    vhtools::ToolTerrain t;
    vh::SelectTool(t.s, t.tools, Tool::TouchUp);
    t.tools.TouchUp.TouchUpCorner = 3;
    vh::SelectTool(t.s, t.tools, Tool::RaiseLower);
    vh::SelectTool(t.s, t.tools, Tool::TouchUp);
    EXPECT_EQ(t.tools.TouchUp.TouchUpCorner, 1);
}

TEST(ToolbarRadius, TogglesSmallAndLargeAndFromYAxesLargeGoesToLarge) {
    vhtools::ToolTerrain t;
    t.s.Tools.SmoothRadius = 1;
    vh::SelectTool(t.s, t.tools, Tool::Smooth);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.Tools.SmoothRadius, 2);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.Tools.SmoothRadius, 1);

    t.s.Tools.FlattenRadius = 4;
    vh::SelectTool(t.s, t.tools, Tool::Flatten);
    vh::ToolbarRadiusClick(t.s);
    EXPECT_EQ(t.s.Tools.FlattenRadius, 2);
    EXPECT_TRUE(vh::ComputeCommandStates(t.s).cmdRadLarge.Checked);
}

TEST(ToolbarGrid, StepsByGridFrom128BackToOneAndIgnoresAGridThatIsNoChoice) {
    vhtools::ToolTerrain t;
    // The settings file restores Grid, the menu still shows "16".
    t.s.Tools.Grid = 64;
    EXPECT_EQ(Where(Grid(vh::ComputeCommandStates(t.s)), IsChecked), std::vector<int>{5});
    vh::ToolbarGridClick(t.s);
    EXPECT_EQ(t.s.Tools.Grid, 128);
    vh::ToolbarGridClick(t.s);
    EXPECT_EQ(t.s.Tools.Grid, 1);
    C c = vh::ComputeCommandStates(t.s);
    EXPECT_EQ(Where(Grid(c), IsChecked), std::vector<int>{1});
    EXPECT_EQ(Where(Grid(c, true), IsDisabled), std::vector<int>{1});

    t.s.Tools.Grid = 12;
    vh::ToolbarGridClick(t.s);
    EXPECT_EQ(t.s.Tools.Grid, 12);
    EXPECT_EQ(Where(Grid(vh::ComputeCommandStates(t.s)), IsChecked), std::vector<int>{1});
}

struct EditPass : ::testing::Test {
    vhtools::ToolTerrain t;
    vh::InputState in;
    void Pass(bool held, int hit, int y) {
        in.Button1 = held;
        in.CursorY = y;
        vh::RunEditPass(t.s, t.tools, in, hit);
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
