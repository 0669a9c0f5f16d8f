#include "ui/tool_commands.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>

#include "core/command_states.h"
#include "core/spawn_square.h"
#include "core/undo.h"
#include "fake_services_fixture.h"
#include "support/terrain_fixture.h"

namespace {

using vh::Tool;

std::vector<float> Heights(const vh::EditorState& s) {
    std::vector<float> h;
    for (int i = 1; i <= s.Terrain.PointCount; ++i) h.push_back(s.Terrain.Points[i].Height);
    return h;
}

class ToolCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { vhtest::MakeTerrain(s, 5, 5); }
    void Run(const std::string& name) { ASSERT_TRUE(services.Run(name)) << name; }

    vhtest::FakeServices services;
    vh::EditorState& s = services.state;
};

TEST_F(ToolCommandsTest, EachToolItemMakesItsToolCurrent) {
    const std::pair<const char*, Tool> tools[] = {
        {"cmdMountain", Tool::Mountain}, {"cmdSmooth", Tool::Smooth},   {"cmdNoise", Tool::Noise},
        {"cmdFlatten", Tool::Flatten},   {"cmdTouchUp", Tool::TouchUp}, {"cmdRaiseLower", Tool::RaiseLower},
    };
    for (const auto& [name, tool] : tools) {
        Run(name);
        EXPECT_EQ(s.CurrentTool, tool) << name;
    }
}

TEST_F(ToolCommandsTest, ConfigurationOpensTheCurrentToolsDialogOrNothing) {
    const std::pair<const char*, const char*> tools[] = {
        {"cmdRaiseLower", "frmRaiseLowerConfig"},
        {"cmdMountain", "frmMountainConfig"},
        {"cmdSmooth", "frmSmoothConfig"},
        {"cmdNoise", "frmNoiseConfig"},
        {"cmdFlatten", nullptr},
        {"cmdTouchUp", nullptr},
    };
    for (const auto& [tool, dialog] : tools) {
        const size_t opened = services.openedDialogs.size();
        Run(tool);
        EXPECT_EQ(vh::ComputeCommandStates(s).cmdConfiguration.Enabled, dialog != nullptr) << tool;
        Run("cmdConfiguration");
        ASSERT_EQ(services.openedDialogs.size(), opened + (dialog ? 1 : 0)) << tool;
        if (dialog) {
            EXPECT_EQ(services.openedDialogs.back()->objectName().toStdString(), dialog);
        }
    }
}

TEST_F(ToolCommandsTest, GridItemsAndToolbarGridSetTheGrid) {
    const int expected[] = {0, 1, 2, 4, 8, 16, 32, 64, 128};
    for (int i = 1; i <= 8; ++i) {
        Run("cmdGrid" + std::to_string(i));
        EXPECT_EQ(s.Tools.Grid, expected[i]);
        EXPECT_EQ(s.Tools.GridChoice, i);
    }
    Run("tbGrid");
    EXPECT_EQ(s.Tools.Grid, 1);
}

TEST_F(ToolCommandsTest, EachPassIsOneUndoStepUnderTheWaitCursor) {
    for (const char* pass : {"cmdSmoothingPass", "cmdNoisePass", "cmdScalingPass"}) {
        vhtest::FakeServices sv;
        vhtest::MakeTerrain(sv.state, 5, 5);
        sv.state.Tools.SmoothToolThreshold = 0;
        sv.state.Terrain.Points[13].Height = 160;  // the middle of the 5 x 5 grid
        const std::vector<float> before = Heights(sv.state);
        ASSERT_TRUE(sv.Run(pass));
        EXPECT_NE(Heights(sv.state), before) << pass;
        EXPECT_EQ(sv.waitCursorCalls, (std::vector<bool>{true, false})) << pass;
        EXPECT_EQ(sv.seen.changes.size(), 1u) << pass;
        EXPECT_EQ(sv.state.History.UndoLevels, 1) << pass;
        vh::Undo(sv.state);
        EXPECT_EQ(Heights(sv.state), before) << pass;
    }
}

TEST_F(ToolCommandsTest, ScaleConfigurationFeedsTheNextScalingPass) {
    Run("cmdScalePassConfig");
    QDialog* dlg = services.openedDialogs.back();
    ASSERT_NE(dlg, nullptr);
    dlg->findChild<QLineEdit*>("txtScale")->setText("50%");
    dlg->findChild<QAbstractButton*>("cmdOkey")->click();
    EXPECT_FLOAT_EQ(s.Tools.ScalePassFactor, 0.5f);
    s.Terrain.Points[5].Height = 64;
    Run("cmdScalingPass");
    EXPECT_FLOAT_EQ(s.Terrain.Points[5].Height, 32);
}

}  // namespace

namespace {

TEST_F(ToolCommandsTest, SetSpawnPointKeepsThePickedSquareOrSaysToPickOne) {
    const vh::CommandStates none = vh::ComputeCommandStates(vh::EditorState{});
    EXPECT_FALSE(none.cmdSetSpawn.Enabled);
    EXPECT_TRUE(vh::ComputeCommandStates(s).cmdSetSpawn.Enabled);

    s.Doc.DocClean = true;
    Run("cmdSetSpawn");  // nothing picked
    ASSERT_EQ(services.prompts.Messages.size(), 1u);
    EXPECT_EQ(s.Choices.SpawnSquare, 0);
    EXPECT_TRUE(s.Doc.DocClean);

    s.Stroke.PickedSquare = 7;
    vh::DropPick(s.Stroke);  // the cursor went to the menu
    Run("cmdSetSpawn");
    EXPECT_EQ(s.Choices.SpawnSquare, 7);
    EXPECT_FALSE(s.Doc.DocClean);
    EXPECT_EQ(s.Doc.Notice, "Spawn point: square 7");
    s.Stroke.PickedSquare = 12;  // under the cursor, taken over the remembered one
    Run("cmdSetSpawn");
    EXPECT_EQ(s.Choices.SpawnSquare, 12);
    EXPECT_EQ(services.prompts.Messages.size(), 1u);
}

}  // namespace
