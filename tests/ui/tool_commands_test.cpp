#include "ui/tool_commands.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>

#include "core/rules.h"
#include "core/undo.h"
#include "fake_services_fixture.h"
#include "support/terrain_fixture.h"

namespace {

using vh::Tool;

class FakeShell : public vh::ui::WebShell {
public:
    int findResult = 40;
    std::vector<std::string> opened;
    int FindBrowser(const std::string&, const std::string&) override { return findResult; }
    bool OpenAddress(const std::string& address) override {
        opened.push_back(address);
        return true;
    }
};

class ToolCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        vhtest::MakeTerrain(s, 5, 5);
        vh::ui::InstallToolCommands(services, shell);
    }

    // Runs a command; it must exist and end with a refresh of the controls.
    void Run(const std::string& name) {
        const int before = services.refreshCount;
        ASSERT_TRUE(services.Run(name)) << name;
        EXPECT_EQ(services.refreshCount, before + 1) << name;
    }

    std::string LastDialog() {
        if (services.openedDialogs.empty() || !services.openedDialogs.back()) return {};
        return services.openedDialogs.back()->objectName().toStdString();
    }

    std::vector<float> Heights() {
        std::vector<float> h;
        for (int i = 1; i <= s.PointTotal(); ++i) h.push_back(s.Points[i].Height);
        return h;
    }

    vhtest::FakeServices services;
    vh::EditorState& s = services.state;
    FakeShell shell;
};

TEST_F(ToolCommandsTest, EachToolItemMakesItsToolCurrent) {
    const std::pair<const char*, Tool> tools[] = {
        {"cmdMountain", Tool::Mountain}, {"cmdSmooth", Tool::Smooth},   {"cmdNoise", Tool::Noise},
        {"cmdFlatten", Tool::Flatten},   {"cmdTouchUp", Tool::TouchUp}, {"cmdRaiseLower", Tool::RaiseLower},
    };
    for (const auto& [name, tool] : tools) {
        Run(name);
        EXPECT_EQ(vh::CurrentTool(s), tool) << name;
    }
}

TEST_F(ToolCommandsTest, ConfigurationOpensTheCurrentToolsDialog) {
    const std::pair<const char*, const char*> tools[] = {
        {"cmdRaiseLower", "frmRaiseLowerConfig"},
        {"cmdMountain", "frmMountainConfig"},
        {"cmdSmooth", "frmSmoothConfig"},
        {"cmdNoise", "frmNoiseConfig"},
    };
    for (const auto& [tool, dialog] : tools) {
        Run(tool);
        Run("cmdConfiguration");
        EXPECT_EQ(LastDialog(), dialog) << tool;
    }
    const size_t opened = services.openedDialogs.size();
    for (const char* tool : {"cmdFlatten", "cmdTouchUp"}) {
        Run(tool);
        EXPECT_FALSE(s.Commands.cmdConfiguration.Enabled);
        Run("cmdConfiguration");
    }
    EXPECT_EQ(services.openedDialogs.size(), opened);
}

TEST_F(ToolCommandsTest, RadiusItemsSetTheCurrentToolsRadius) {
    Run("cmdSmooth");
    Run("cmdRadSmall");
    EXPECT_EQ(s.SmoothRadius, 1);
    EXPECT_TRUE(s.Commands.cmdRadSmall.Checked);
    Run("cmdFlatten");
    Run("cmdRadYLarge");
    EXPECT_EQ(s.FlattenRadius, 4);
    Run("cmdRadXLarge");
    EXPECT_EQ(s.FlattenRadius, 3);
    Run("cmdRadLarge");
    EXPECT_EQ(s.FlattenRadius, 2);
    EXPECT_EQ(s.SmoothRadius, 1);
}

TEST_F(ToolCommandsTest, ToolbarRadiusTogglesSmallAndLarge) {
    Run("cmdNoise");
    Run("tbRadius");
    EXPECT_EQ(s.NoiseRadius, 1);
    Run("tbRadius");
    EXPECT_EQ(s.NoiseRadius, 2);
}

TEST_F(ToolCommandsTest, GridItemsAndToolbarGridSetTheGrid) {
    const int expected[] = {0, 1, 2, 4, 8, 16, 32, 64, 128};
    for (int i = 1; i <= 8; ++i) {
        Run("cmdGrid" + std::to_string(i));
        EXPECT_EQ(s.Grid, expected[i]);
        EXPECT_TRUE(s.Commands.cmdGrid[i].Checked);
    }
    Run("tbGrid");
    EXPECT_EQ(s.Grid, 1);
    Run("tbGrid");
    EXPECT_EQ(s.Grid, 2);
}

TEST_F(ToolCommandsTest, UnlockAllAndIgnoreLocked) {
    s.Points[3].Locked = vh::kTrue;
    s.Points[7].Locked = vh::kTrue;
    Run("cmdUnlockAll");
    for (int i = 1; i <= s.PointTotal(); ++i) EXPECT_EQ(s.Points[i].Locked, vh::kFalse);
    Run("cmdIgnoreLocked");
    EXPECT_TRUE(s.Commands.cmdIgnoreLocked.Checked);
    EXPECT_EQ(s.IgnoreLocked, vh::kTrue);
    Run("cmdIgnoreLocked");
    EXPECT_EQ(s.IgnoreLocked, vh::kFalse);
}

TEST_F(ToolCommandsTest, ScalingPassIsOneUndoStepUnderTheWaitCursor) {
    s.Points[1].Height = 256;
    s.Points[2].Height = 100;
    s.Points[3].Height = -64;
    const std::vector<float> before = Heights();
    Run("cmdScalingPass");
    EXPECT_FLOAT_EQ(s.Points[1].Height, 192);
    EXPECT_FLOAT_EQ(s.Points[2].Height, 80);
    EXPECT_FLOAT_EQ(s.Points[3].Height, -48);
    EXPECT_EQ(services.waitCursorCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(services.meshUpdates, 1);
    EXPECT_EQ(s.UndoLevels, 1);
    vh::Undo(s);
    EXPECT_EQ(Heights(), before);
}

TEST_F(ToolCommandsTest, ScalingByOneHundredPercentLeavesNothingToUndo) {
    s.Points[1].Height = 48;
    s.ScalePassFactor = 1.0f;
    Run("cmdScalingPass");
    EXPECT_FLOAT_EQ(s.Points[1].Height, 48);
    EXPECT_EQ(s.UndoLevels, 0);
    EXPECT_EQ(services.meshUpdates, 0);
}

TEST_F(ToolCommandsTest, SmoothingPassSmoothsASpikeAndUndoes) {
    s.SmoothToolThreshold = 0;
    s.Points[13].Height = 160;  // the middle of the 5 x 5 grid
    const std::vector<float> before = Heights();
    Run("cmdSmoothingPass");
    EXPECT_LT(s.Points[13].Height, 160);
    EXPECT_EQ(services.waitCursorCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(services.meshUpdates, 1);
    vh::Undo(s);
    EXPECT_EQ(Heights(), before);
}

TEST_F(ToolCommandsTest, NoisePassAddsGridStepsAndUndoes) {
    s.Rnd.Script({0.0f, 0.99f, 0.5f});
    const std::vector<float> before = Heights();
    Run("cmdNoisePass");
    // 2 x 48 x r - 48 snapped to 16: -48, +48 (47.04 -> 48), 0.
    EXPECT_FLOAT_EQ(s.Points[1].Height, -48);
    EXPECT_FLOAT_EQ(s.Points[2].Height, 48);
    EXPECT_FLOAT_EQ(s.Points[3].Height, 0);
    EXPECT_EQ(services.meshUpdates, 1);
    vh::Undo(s);
    EXPECT_EQ(Heights(), before);
}

TEST_F(ToolCommandsTest, PassesDoNothingWithoutATerrain) {
    vhtest::FakeServices empty;
    vh::ui::InstallToolCommands(empty, shell);
    for (const char* pass : {"cmdSmoothingPass", "cmdNoisePass", "cmdScalingPass"}) {
        ASSERT_TRUE(empty.Run(pass));
        EXPECT_TRUE(empty.waitCursorCalls.empty());
        EXPECT_EQ(empty.meshUpdates, 0);
        EXPECT_EQ(empty.state.UndoLevels, 0);
    }
}

TEST_F(ToolCommandsTest, PassConfigurationsPropertiesAndAboutOpenTheirDialogs) {
    const std::pair<const char*, const char*> items[] = {
        {"cmdSmoothPassConfig", "frmSmoothConfig"},
        {"cmdNoisePassConfig", "frmNoiseConfig"},
        {"cmdScalePassConfig", "frmScaleConfig"},
        {"cmdProperties", "frmProperties"},
        {"cmdAbout", "frmAbout"},
    };
    for (const auto& [command, dialog] : items) {
        Run(command);
        EXPECT_EQ(LastDialog(), dialog) << command;
    }
}

TEST_F(ToolCommandsTest, ScaleConfigurationFeedsTheNextScalingPass) {
    Run("cmdScalePassConfig");
    QDialog* dlg = services.openedDialogs.back();
    ASSERT_NE(dlg, nullptr);
    auto* text = dlg->findChild<QLineEdit*>("txtScale");
    ASSERT_NE(text, nullptr);
    text->setText("50%");
    dlg->findChild<QAbstractButton*>("cmdOkey")->click();
    EXPECT_FLOAT_EQ(s.ScalePassFactor, 0.5f);
    s.Points[5].Height = 64;
    Run("cmdScalingPass");
    EXPECT_FLOAT_EQ(s.Points[5].Height, 32);
}

TEST_F(ToolCommandsTest, OnlineHelpOpensTheManualBesideTheProgram) {
    Run("cmdOnlineHelp");
    EXPECT_EQ(shell.opened, std::vector<std::string>{vh::ui::HelpPageAddress(s.ProgramFolder)});
    shell.findResult = 31;
    Run("cmdOnlineHelp");
    ASSERT_EQ(services.prompts.Messages.size(), 1u);
    EXPECT_EQ(services.prompts.Messages[0].Text, "Unable to find Web Browser.");
}

}  // namespace
