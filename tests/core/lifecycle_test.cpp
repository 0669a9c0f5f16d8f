#include "core/lifecycle.h"

#include <gtest/gtest.h>

#include "core/command_states.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

using namespace vh;

TEST(Reset, BringsControlsIntoTheEditingStateLogsAndTellsTheObservers) {
    vhtest::TempDir dir;
    EditorState s;
    s.LogPath = dir.File("debugVH.txt");
    vhtest::RecordingObserver seen(s);
    s.View.Highlight = false;
    s.CurrentTool = Tool::Flatten;
    s.Tools.RadiusChoice = 3;
    s.Tools.IgnoreLocked = true;
    s.History.UndoLevels = 2;
    s.History.RedoAvailable = true;
    s.Doc.LastExportPath = "/x.map";
    s.Pose.CameraYaw = 1;
    s.Stroke.PickedSquare = 7;
    ResetEditor(s);
    const CommandStates c = ComputeCommandStates(s);
    for (const ControlState* on :
         {&c.tbSave, &c.cmdSave, &c.cmdSaveAs, &c.cmdExportMenu, &c.cmdPointInfo, &c.tbSmall, &c.cmdProperties})
        EXPECT_TRUE(on->Enabled);
    for (const ControlState* off : {&c.tbUndo, &c.tbRedo, &c.cmdHighlightEffected, &c.cmdRadXLarge,
                                    &c.tbXLarge, &c.tbYLarge, &c.tbLarge})
        EXPECT_FALSE(off->Enabled);
    EXPECT_TRUE(c.tbRaiseLower.Checked && c.cmdRaiseLower.Checked && c.cmdRadLarge.Checked);
    EXPECT_FALSE(c.tbFlatten.Checked || c.cmdFlatten.Checked || c.cmdIgnoreLocked.Checked ||
                 c.cmdRadXLarge.Checked);
    EXPECT_TRUE(s.Doc.TerrainExists);
    EXPECT_FALSE(s.Tools.IgnoreLocked || s.History.UndoLevels || s.Doc.DocClean || s.Stroke.PickedSquare ||
                 s.Pose.CameraYaw);
    EXPECT_TRUE(s.Doc.LastExportPath.empty());
    EXPECT_EQ(s.Pose.CameraPos.y, 200);
    EXPECT_EQ(s.Pose.CameraTarget.z, 50);
    EXPECT_EQ(seen.events, std::vector<std::string>{"reset 0"});
    LogLine(s, "VHM SAVE : Saving File /a.vhm");
    EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath), "VH RESET : VH Reset\nVHM SAVE : Saving File /a.vhm\n");
}

TEST(Reset, RaiseLowerRadiusOneShowsSmallCheckedAndItsEntryDisabled) {
    EditorState s;
    s.LogPath.clear();
    s.Tools.RaiseLowerRadius = 1;
    ResetEditor(s);
    const CommandStates c = ComputeCommandStates(s);
    EXPECT_TRUE(c.cmdRadSmall.Checked);
    EXPECT_FALSE(c.cmdRadLarge.Checked);
    EXPECT_FALSE(c.tbSmall.Enabled);
    EXPECT_TRUE(c.tbLarge.Enabled);
}

TEST(DialogPattern, CloseRestartsTheLoopOnlyWithATerrainAndOnlyOnce) {
    EditorState s;
    StopMainLoop(s);
    EXPECT_FALSE(CloseDialogAndResume(s));
    EXPECT_FALSE(s.LoopRunning);
    vhtest::MakeTerrain(s, 3, 3);
    s.LoopRunning = true;
    s.Stroke.PickedSquare = 3;
    StopMainLoop(s);
    EXPECT_FALSE(s.LoopRunning);
    EXPECT_EQ(s.Stroke.PickedSquare, 0);
    EXPECT_TRUE(CloseDialogAndResume(s));
    EXPECT_TRUE(s.LoopRunning);
    EXPECT_FALSE(CloseDialogAndResume(s));  // already running
}

TEST(Defaults, EditorTexturesLiveUnderTheProgramFolder) {
    EditorState s;
    s.NewMap.X = 99;
    SetDefaults(s, "/opt/vh");
    EXPECT_EQ(s.NewMap.X, 17);
    EXPECT_EQ(s.Tools.Grid, 16);
    EXPECT_EQ(s.Textures.SkyUP, "/opt/vh/sky/top.bmp");
    EXPECT_EQ(s.Textures.SkyFT, "/opt/vh/sky/right.bmp");  // front and right are swapped on purpose
    EXPECT_EQ(s.Textures.SkyRT, "/opt/vh/sky/front.bmp");
    EXPECT_EQ(s.Textures.SkyBK, "/opt/vh/sky/left.bmp");
    EXPECT_EQ(s.Textures.SkyLF, "/opt/vh/sky/back.bmp");
    EXPECT_EQ(s.Textures.GroundTexture, "/opt/vh/tex/ground.jpg");
    EXPECT_EQ(s.LogPath, "/opt/vh/debugVH.txt");
    EXPECT_EQ(s.Export.ExportType, "Best Fit");
    EXPECT_FLOAT_EQ(s.NewMap.DiamondSquarePercentLimiter, 1.75f);
}
