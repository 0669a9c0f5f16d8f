#include "core/lifecycle.h"

#include <gtest/gtest.h>

#include "core/command_states.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

using namespace vh;

TEST(InitialStates, MatchTheMenuTable) {
    CommandStates c = InitialCommandStates();
    EXPECT_TRUE(c.cmdNew.Enabled);
    EXPECT_TRUE(c.cmdOpen.Enabled);
    EXPECT_FALSE(c.cmdSave.Enabled);
    EXPECT_FALSE(c.cmdSaveAs.Enabled);
    EXPECT_FALSE(c.cmdExportMenu.Enabled);
    EXPECT_TRUE(c.cmdQuit.Enabled);
    EXPECT_FALSE(c.cmdUndo.Enabled);
    EXPECT_FALSE(c.cmdRedo.Enabled);
    EXPECT_TRUE(c.cmdSolid.Checked);
    EXPECT_FALSE(c.cmdSolid.Enabled);
    EXPECT_FALSE(c.cmdWireframe.Checked);
    for (const ControlState* m : {&c.cmdHighlight, &c.cmdHighlightEffected, &c.cmdShowLocked,
                                  &c.cmdFPS, &c.cmdSky, &c.cmdMip, &c.cmdInfo}) {
        EXPECT_TRUE(m->Checked);
        EXPECT_FALSE(m->Enabled);
    }
    EXPECT_FALSE(c.cmdPointInfo.Checked);
    EXPECT_TRUE(c.cmdRadLarge.Checked);
    EXPECT_FALSE(c.cmdRadSmall.Checked);
    EXPECT_FALSE(c.cmdRadXLarge.Enabled);
    EXPECT_FALSE(c.cmdRadYLarge.Enabled);
    EXPECT_TRUE(c.cmdRaiseLower.Checked);
    EXPECT_FALSE(c.cmdRaiseLower.Enabled);
    EXPECT_FALSE(c.cmdMountain.Checked);
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(c.cmdGrid[k].Checked, k == 5);
    EXPECT_FALSE(c.cmdProperties.Enabled);
    EXPECT_TRUE(c.cmdOnlineHelp.Enabled);
    EXPECT_TRUE(c.cmdAbout.Enabled);
    EXPECT_TRUE(c.tbNew.Enabled);
    EXPECT_TRUE(c.tbOpen.Enabled);
    EXPECT_FALSE(c.tbSave.Enabled);
    EXPECT_FALSE(c.tbRaiseLower.Enabled);
}

TEST(Reset, BringsControlsIntoTheEditingState) {
    EditorState s;
    s.LogPath.clear();
    s.Commands.cmdHighlight.Checked = false;
    s.Commands.cmdMountain.Checked = true;
    s.Commands.cmdRaiseLower.Checked = false;
    s.Commands.cmdIgnoreLocked.Checked = true;
    s.Commands.cmdRadXLarge.Checked = true;
    s.IgnoreLocked = -1;
    s.UndoLevels = 2;
    s.LastExportPath = "/x.map";
    s.CameraYaw = 1;
    s.PickedSquare = 7;
    ResetEditor(s);
    const CommandStates& c = s.Commands;
    EXPECT_TRUE(c.tbSave.Enabled);
    EXPECT_TRUE(c.tbRaiseLower.Checked);
    EXPECT_FALSE(c.tbMountain.Checked);
    EXPECT_FALSE(c.tbUndo.Enabled);
    EXPECT_FALSE(c.cmdSave.Enabled);
    EXPECT_TRUE(c.cmdSaveAs.Enabled);
    EXPECT_TRUE(c.cmdExportMenu.Enabled);
    EXPECT_FALSE(c.cmdHighlightEffected.Enabled);  // follows cmdHighlight
    EXPECT_TRUE(c.cmdPointInfo.Enabled);            // follows cmdShowLocked
    EXPECT_TRUE(c.cmdRaiseLower.Checked);
    EXPECT_FALSE(c.cmdMountain.Checked);
    EXPECT_FALSE(c.cmdIgnoreLocked.Checked);
    EXPECT_FALSE(c.cmdRadXLarge.Checked);
    EXPECT_FALSE(c.cmdRadXLarge.Enabled);
    EXPECT_FALSE(c.tbXLarge.Enabled);
    EXPECT_FALSE(c.tbYLarge.Enabled);
    EXPECT_TRUE(c.cmdRadLarge.Checked);
    EXPECT_FALSE(c.tbLarge.Enabled);
    EXPECT_TRUE(c.tbSmall.Enabled);
    EXPECT_TRUE(c.cmdProperties.Enabled);
    EXPECT_EQ(s.TerrainExists, -1);
    EXPECT_EQ(s.IgnoreLocked, 0);
    EXPECT_EQ(s.UndoLevels, 0);
    EXPECT_EQ(s.DocClean, 0);
    EXPECT_EQ(s.PickedSquare, 0);
    EXPECT_TRUE(s.LastExportPath.empty());
    EXPECT_EQ(s.CameraYaw, 0);
    EXPECT_EQ(s.CameraPos.y, 200);
    EXPECT_EQ(s.CameraTarget.z, 50);
}

TEST(Reset, SmallRadiusShowsSmallCheckedAndItsEntryDisabled) {
    EditorState s;
    s.LogPath.clear();
    s.RaiseLowerRadius = 1;
    ResetEditor(s);
    EXPECT_TRUE(s.Commands.cmdRadSmall.Checked);
    EXPECT_FALSE(s.Commands.cmdRadLarge.Checked);
    EXPECT_FALSE(s.Commands.tbSmall.Enabled);
    EXPECT_TRUE(s.Commands.tbLarge.Enabled);
}

TEST(Reset, LogsItsLineAndCallsTheViewHook) {
    vhtest::TempDir dir;
    EditorState s;
    s.LogPath = dir.File("debugVH.txt");
    bool dropped = false;
    s.OnReset = [&] { dropped = true; };
    ResetEditor(s);
    EXPECT_TRUE(dropped);
    EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath), "VH RESET : VH Reset\n");
    LogLine(s, "VHM SAVE : Saving File /a.vhm");
    EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath), "VH RESET : VH Reset\nVHM SAVE : Saving File /a.vhm\n");
}

TEST(DialogPattern, NoLoopBeforeATerrainExists) {
    EditorState s;
    StopMainLoop(s);
    EXPECT_FALSE(CloseDialogAndResume(s));
    EXPECT_EQ(s.LoopRunning, 0);
}

TEST(DialogPattern, StopThenCloseRestartsTheLoopWithATerrain) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.LoopRunning = -1;
    s.PickedSquare = 3;
    StopMainLoop(s);
    EXPECT_EQ(s.LoopRunning, 0);
    EXPECT_EQ(s.PickedSquare, 0);
    EXPECT_TRUE(CloseDialogAndResume(s));
    EXPECT_EQ(s.LoopRunning, -1);
    EXPECT_FALSE(CloseDialogAndResume(s));  // already running
}

TEST(Defaults, EditorTexturesLiveUnderTheProgramFolder) {
    EditorState s;
    s.X = 99;
    s.Grid = 4;
    SetDefaults(s, "/opt/vh");
    EXPECT_EQ(s.X, 17);
    EXPECT_EQ(s.Grid, 16);
    EXPECT_EQ(s.SkyUP, "/opt/vh/sky/top.bmp");
    EXPECT_EQ(s.SkyFT, "/opt/vh/sky/right.bmp");
    EXPECT_EQ(s.SkyRT, "/opt/vh/sky/front.bmp");
    EXPECT_EQ(s.SkyBK, "/opt/vh/sky/left.bmp");
    EXPECT_EQ(s.SkyLF, "/opt/vh/sky/back.bmp");
    EXPECT_EQ(s.GroundTexture, "/opt/vh/tex/ground.jpg");
    EXPECT_EQ(s.LogPath, "/opt/vh/debugVH.txt");
    EXPECT_EQ(s.ExportType, "Best Fit");
    EXPECT_EQ(s.AddHint, -1);
    EXPECT_EQ(s.MountVallSmoothOuter, -1);
    EXPECT_FLOAT_EQ(s.DiamondSquarePercentLimiter, 1.75f);
    EXPECT_EQ(s.particleIterations, 6144);
    EXPECT_EQ(s.DocClean, -1);
}
