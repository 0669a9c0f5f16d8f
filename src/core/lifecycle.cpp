#include "core/lifecycle.h"

#include <cstdio>

namespace vh {

void ResetEditor(EditorState& s) {
    // The view drops its meshes, scene and highlight of the old terrain.
    if (s.OnReset) s.OnReset();
    s.Stroke.PickedSquare = 0;
    s.LoopRunning = false;
    s.Pose.CameraPos = {0, 200, 0};
    s.Pose.CameraTarget = {0, 20, 50};
    s.Pose.CameraPitch = 0;
    s.Pose.CameraYaw = 0;
    s.History.UndoLevels = 0;
    MarkDocumentChanged(s);  // the coming terrain is not saved anywhere yet
    s.Doc.LastExportPath.clear();

    CommandStates& c = s.Commands;
    for (ControlState* t : {&c.tbSave, &c.tbRaiseLower, &c.tbMountain, &c.tbSmooth, &c.tbNoise,
                            &c.tbFlatten, &c.tbTouchUp, &c.tbGrid, &c.tbRadius, &c.tbDetails})
        t->Enabled = true;
    c.tbUndo.Enabled = false;
    c.tbRedo.Enabled = false;

    // Save works from the start; without a file it asks for one.
    c.cmdSave.Enabled = true;
    c.cmdUndo.Enabled = false;
    c.cmdRedo.Enabled = false;
    for (ControlState* m :
         {&c.cmdSaveAs, &c.cmdExportMenu, &c.cmdSolid, &c.cmdSolidWire, &c.cmdWireframe,
          &c.cmdPoints, &c.cmdFPS, &c.cmdSky, &c.cmdMip, &c.cmdHighlightMenu, &c.cmdHighlight,
          &c.cmdShowLocked, &c.cmdInfo, &c.cmdCammera, &c.cmdTextures})
        m->Enabled = true;
    c.cmdHighlightEffected.Enabled = c.cmdHighlight.Checked;
    c.cmdPointInfo.Enabled = c.cmdShowLocked.Checked;

    c.cmdRadious.Enabled = true;
    c.cmdRadXLarge.Enabled = false;
    c.cmdRadXLarge.Checked = false;
    c.cmdRadYLarge.Enabled = false;
    c.cmdRadYLarge.Checked = false;
    for (ControlState* m :
         {&c.cmdConfiguration, &c.cmdRaiseLower, &c.cmdMountain, &c.cmdSmooth, &c.cmdNoise,
          &c.cmdFlatten, &c.cmdTouchUp, &c.cmdUnlockAll, &c.cmdIgnoreLocked, &c.cmdGridChoice,
          &c.cmdSmoothingPass, &c.cmdSmoothPassConfig, &c.cmdNoisePass, &c.cmdNoisePassConfig,
          &c.cmdScalingPass, &c.cmdScalePassConfig, &c.cmdProperties})
        m->Enabled = true;
    c.cmdIgnoreLocked.Checked = false;

    c.cmdRaiseLower.Checked = true;
    for (ControlState* m : {&c.cmdMountain, &c.cmdSmooth, &c.cmdNoise, &c.cmdFlatten, &c.cmdTouchUp})
        m->Checked = false;
    c.tbRaiseLower.Checked = true;
    for (ControlState* t : {&c.tbMountain, &c.tbSmooth, &c.tbNoise, &c.tbFlatten, &c.tbTouchUp})
        t->Checked = false;

    c.tbXLarge.Enabled = false;
    c.tbYLarge.Enabled = false;
    if (s.Tools.RaiseLowerRadius == 1) {
        c.cmdRadSmall.Checked = true;
        c.cmdRadLarge.Checked = false;
        c.tbSmall.Enabled = false;
        c.tbLarge.Enabled = true;
    } else {
        c.cmdRadLarge.Checked = true;
        c.cmdRadSmall.Checked = false;
        c.tbSmall.Enabled = true;
        c.tbLarge.Enabled = false;
    }

    s.Doc.TerrainExists = true;
    s.Tools.IgnoreLocked = false;
    LogLine(s, "VH RESET : VH Reset");
}

void StopMainLoop(EditorState& s) {
    s.LoopRunning = false;
    s.Stroke.PickedSquare = 0;
}

bool CloseDialogAndResume(EditorState& s) {
    if (!s.LoopRunning && s.Doc.TerrainExists) {
        s.LoopRunning = true;
        return true;
    }
    return false;
}

void LogLine(const EditorState& s, const std::string& text) {
    if (s.LogPath.empty()) return;
    if (std::FILE* f = std::fopen(s.LogPath.c_str(), "ab")) {
        std::fputs(text.c_str(), f);
        std::fputs("\n", f);
        std::fclose(f);
    }
}

}  // namespace vh
