#include "core/command_states.h"

#include "core/view_options.h"

namespace vh {

ControlState& CommandStates::GridEntry(int index) {
    switch (index) {
        case 1: return tb1;
        case 2: return tb2;
        case 3: return tb4;
        case 4: return tb8;
        case 5: return tb16;
        case 6: return tb32;
        case 7: return tb64;
        default: return tb128;
    }
}

const ControlState& CommandStates::GridEntry(int index) const {
    return const_cast<CommandStates*>(this)->GridEntry(index);
}

CommandStates InitialCommandStates() {
    CommandStates c;
    auto off = [](ControlState& s) { s.Enabled = false; };
    auto offChecked = [](ControlState& s) {
        s.Enabled = false;
        s.Checked = true;
    };

    off(c.cmdSave);
    off(c.cmdSaveAs);
    off(c.cmdExportMenu);
    // "Export .MAP Again" becomes available after the first export of a run.
    off(c.cmdExportAgain);
    for (int k = 1; k <= 8; ++k) c.cmdRM[k].Visible = false;
    c.cmdRmbSpace.Visible = false;

    off(c.cmdUndo);
    off(c.cmdRedo);

    offChecked(c.cmdSolid);
    off(c.cmdSolidWire);
    off(c.cmdWireframe);
    off(c.cmdPoints);
    off(c.cmdHighlightMenu);
    offChecked(c.cmdHighlight);
    offChecked(c.cmdHighlightEffected);
    offChecked(c.cmdShowLocked);
    off(c.cmdPointInfo);
    offChecked(c.cmdFPS);
    offChecked(c.cmdSky);
    offChecked(c.cmdMip);
    offChecked(c.cmdInfo);
    off(c.cmdCammera);
    off(c.cmdTextures);

    off(c.cmdRadious);
    c.cmdRadLarge.Checked = true;
    off(c.cmdRadXLarge);
    off(c.cmdRadYLarge);
    off(c.cmdConfiguration);
    offChecked(c.cmdRaiseLower);
    off(c.cmdMountain);
    off(c.cmdSmooth);
    off(c.cmdNoise);
    off(c.cmdFlatten);
    off(c.cmdTouchUp);
    off(c.cmdUnlockAll);
    off(c.cmdIgnoreLocked);

    off(c.cmdGridChoice);
    for (int k = 1; k <= 8; ++k) c.cmdGrid[k].Checked = (k == 5);
    off(c.cmdSmoothingPass);
    off(c.cmdSmoothPassConfig);
    off(c.cmdNoisePass);
    off(c.cmdNoisePassConfig);
    off(c.cmdScalingPass);
    off(c.cmdScalePassConfig);
    off(c.cmdProperties);

    // Toolbar: only New and Open work before a terrain exists.
    for (ControlState* s : {&c.tbSave, &c.tbUndo, &c.tbRedo, &c.tbRaiseLower, &c.tbMountain,
                            &c.tbSmooth, &c.tbNoise, &c.tbFlatten, &c.tbTouchUp, &c.tbDetails,
                            &c.tbRadius, &c.tbGrid})
        off(*s);
    c.tbRaiseLower.Checked = true;
    // Button menus mirror the design-time menu: Large current, X/Y unavailable, 16 current.
    c.tbLarge.Enabled = false;
    c.tbXLarge.Enabled = false;
    c.tbYLarge.Enabled = false;
    c.tb16.Enabled = false;
    return c;
}

ViewOptions ViewOptionsOf(const CommandStates& c) {
    ViewOptions v;
    if (c.cmdSolidWire.Checked)
        v.Mode = RenderMode::SolidWire;
    else if (c.cmdWireframe.Checked)
        v.Mode = RenderMode::Wireframe;
    else if (c.cmdPoints.Checked)
        v.Mode = RenderMode::Points;
    v.Fps = c.cmdFPS.Checked;
    v.Sky = c.cmdSky.Checked;
    v.MipMap = c.cmdMip.Checked;
    v.Highlight = c.cmdHighlight.Checked;
    v.HighlightEffected = c.cmdHighlightEffected.Checked;
    v.ShowLocked = c.cmdShowLocked.Checked;
    v.PointInfo = c.cmdPointInfo.Checked;
    v.Info = c.cmdInfo.Checked;
    return v;
}

}  // namespace vh
