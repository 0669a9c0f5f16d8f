// Enabled/checked/visible state and run-time caption of every menu item and
// toolbar control, computed from the editor's state after each command. The
// window only mirrors it; nothing reads it back.
#pragma once

#include <array>
#include <string>

namespace vh {

struct EditorState;

struct ControlState {
    bool Enabled = true;
    bool Checked = false;  // menu check mark, or a toolbar button's pressed state
    bool Visible = true;
    std::string Caption;   // only where the caption changes at run time (recent items)
};

struct CommandStates {
    // File
    ControlState cmdNew, cmdOpen, cmdSave, cmdSaveAs, cmdExportMenu;
    ControlState cmdExport, cmdExportAgain, cmdExportOptions, cmdExportBMP;
    std::array<ControlState, 9> cmdRM;  // 1..8 recent files; [0] unused
    ControlState cmdRmbSpace;
    ControlState cmdQuit;
    // Edit
    ControlState cmdUndo, cmdRedo;
    // View
    ControlState cmdSolid, cmdSolidWire, cmdWireframe, cmdPoints;
    ControlState cmdHighlightMenu, cmdHighlight, cmdHighlightEffected;
    ControlState cmdShowLocked, cmdPointInfo;
    ControlState cmdFPS, cmdSky, cmdMip, cmdInfo, cmdCammera, cmdTextures;
    ControlState cmdWalkability, cmdResetCamera, cmdFrameTerrain;
    // Tool
    ControlState cmdRadious, cmdRadSmall, cmdRadLarge, cmdRadXLarge, cmdRadYLarge;
    ControlState cmdConfiguration;
    ControlState cmdRaiseLower, cmdMountain, cmdSmooth, cmdNoise, cmdFlatten, cmdTouchUp;
    ControlState cmdUnlockAll, cmdIgnoreLocked;
    // Map
    ControlState cmdGridChoice;
    std::array<ControlState, 9> cmdGrid;  // 1..8: "1" .. "128"; [0] unused
    ControlState cmdSmoothingPass, cmdSmoothPassConfig;
    ControlState cmdNoisePass, cmdNoisePassConfig;
    ControlState cmdScalingPass, cmdScalePassConfig;
    ControlState cmdSetSpawn, cmdProperties;
    // Help
    ControlState cmdOnlineHelp, cmdAbout;

    // Toolbar buttons
    ControlState tbNew, tbOpen, tbSave, tbUndo, tbRedo;
    ControlState tbRaiseLower, tbMountain, tbSmooth, tbNoise, tbFlatten, tbTouchUp;
    ControlState tbDetails, tbRadius, tbGrid;
    // Radius button-menu entries (the current radius shows as disabled)
    ControlState tbSmall, tbLarge, tbXLarge, tbYLarge;
    // Grid button-menu entries
    ControlState tb1, tb2, tb4, tb8, tb16, tb32, tb64, tb128;

    // Grid entry by position 1..8.
    ControlState& GridEntry(int index);
    const ControlState& GridEntry(int index) const;
};

// Every control's state from the domain fields: the terrain's existence,
// the current tool, the radius and grid menu positions, the view options,
// ignore-locked, undo/redo availability, the export and the recent list.
CommandStates ComputeCommandStates(const EditorState& s);

}  // namespace vh
