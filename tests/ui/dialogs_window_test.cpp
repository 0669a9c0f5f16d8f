// The tool, map and help commands and their dialogs through the real main
// window: menu actions and toolbar keys, the dialog pattern around each
// dialog, and the passes with their undo.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QSlider>

#include "main_window_fixture.h"
#include "support/terrain_fixture.h"

using vhtest::FlushEvents;
using vhtest::WindowRig;

namespace {

// A terrain in the window's state with the loop running, as after New.
void GiveTerrain(WindowRig& rig) {
    const std::string folder = rig.State().ProgramFolder;
    vhtest::MakeTerrain(rig.State(), 9, 9);
    rig.State().ProgramFolder = folder;
    rig.State().DocTitle = "newmap.vhm";
    rig.State().LoopRunning = -1;
    rig.window->RefreshControls();
}

void Click(QDialog* dialog, const char* button) {
    ASSERT_NE(dialog, nullptr);
    auto* b = dialog->findChild<QAbstractButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
    FlushEvents();
}

}  // namespace

TEST(DialogsThroughTheWindow, ToolConfigurationFollowsTheCurrentTool) {
    WindowRig rig;
    GiveTerrain(rig);
    vh::ui::MainWindow& w = *rig.window;

    w.Action("cmdSmooth")->trigger();
    EXPECT_TRUE(w.Action("cmdSmooth")->isChecked());
    w.Action("cmdConfiguration")->trigger();
    QDialog* dlg = w.OpenedDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->objectName(), "frmSmoothConfig");
    EXPECT_FALSE(w.LoopTicking());
    dlg->findChild<QLineEdit*>("txtSmoothThreshold")->setText("-30");
    Click(dlg, "cmdOkey");
    EXPECT_EQ(w.OpenedDialog(), nullptr);
    EXPECT_FLOAT_EQ(rig.State().SmoothToolThreshold, 30);
    EXPECT_TRUE(w.LoopTicking());

    // The toolbar's Configuration button reaches the same command.
    w.RunToolbarKey("tbMountain");
    w.RunToolbarKey("tbDetails");
    dlg = w.OpenedDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->objectName(), "frmMountainConfig");
    dlg->findChild<QSlider*>("sldMountainRadius")->setValue(2);
    Click(dlg, "cmdOkey");
    // The 2 stored by the dialog is out of the wheel's cycle: the next pass
    // of the resumed loop turns it into 20 (a radius left at 8 would stay).
    w.LoopPass();
    EXPECT_EQ(rig.State().MountVallRadius, 20);

    // Flatten has nothing to configure.
    w.Action("cmdFlatten")->trigger();
    EXPECT_FALSE(w.Action("cmdConfiguration")->isEnabled());
}

TEST(DialogsThroughTheWindow, ClosingADialogByItsFrameIsCancel) {
    WindowRig rig;
    GiveTerrain(rig);
    vh::ui::MainWindow& w = *rig.window;
    w.Action("cmdProperties")->trigger();
    QDialog* dlg = w.OpenedDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->windowTitle(), "Properties");
    dlg->findChild<QLineEdit*>("txtTexTop")->setText("CHANGED");
    dlg->close();
    FlushEvents();
    EXPECT_EQ(w.OpenedDialog(), nullptr);
    EXPECT_EQ(rig.State().TopTexture, "OUT_DIRT1");
    EXPECT_TRUE(w.LoopTicking());
}

TEST(DialogsThroughTheWindow, ScalingPassFromItsConfigurationAndUndo) {
    WindowRig rig;
    GiveTerrain(rig);
    vh::ui::MainWindow& w = *rig.window;
    vh::EditorState& s = rig.State();
    s.Points[10].Height = 256;
    s.Points[11].Height = -64;

    w.Action("cmdScalePassConfig")->trigger();
    QDialog* dlg = w.OpenedDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->findChild<QLineEdit*>("txtScale")->text(), "75");
    dlg->findChild<QLineEdit*>("txtScale")->setText("50%");
    Click(dlg, "cmdOkey");
    EXPECT_FLOAT_EQ(s.ScalePassFactor, 0.5f);

    EXPECT_FALSE(w.Action("cmdUndo")->isEnabled());
    w.Action("cmdScalingPass")->trigger();
    EXPECT_FLOAT_EQ(s.Points[10].Height, 128);
    EXPECT_FLOAT_EQ(s.Points[11].Height, -32);
    EXPECT_TRUE(w.Action("cmdUndo")->isEnabled());
    w.Action("cmdUndo")->trigger();
    EXPECT_FLOAT_EQ(s.Points[10].Height, 256);
    EXPECT_FLOAT_EQ(s.Points[11].Height, -64);
}

TEST(DialogsThroughTheWindow, RadiusAndGridFromTheToolbar) {
    WindowRig rig;
    GiveTerrain(rig);
    vh::ui::MainWindow& w = *rig.window;
    w.RunToolbarKey("tbRadius");
    EXPECT_EQ(rig.State().RaiseLowerRadius, 1);
    EXPECT_TRUE(w.Action("cmdRadSmall")->isChecked());
    w.RunToolbarKey("tbGrid");
    EXPECT_EQ(rig.State().Grid, 32);
    EXPECT_TRUE(w.Action("cmdGrid6")->isChecked());
    w.Action("cmdGrid8")->trigger();
    w.RunToolbarKey("tbGrid");
    EXPECT_EQ(rig.State().Grid, 1);
}

TEST(DialogsThroughTheWindow, AboutShowsTheVersionAndOkResumes) {
    WindowRig rig;
    GiveTerrain(rig);
    vh::ui::MainWindow& w = *rig.window;
    w.Action("cmdAbout")->trigger();
    QDialog* dlg = w.OpenedDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->windowTitle(), "About Varnholm");
    EXPECT_FALSE(w.LoopTicking());
    Click(dlg, "cmdOK");
    EXPECT_EQ(w.OpenedDialog(), nullptr);
    EXPECT_TRUE(w.LoopTicking());
}
