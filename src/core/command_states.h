// Enabled/checked/visible state of every menu item and toolbar control whose
// state the editor's rules change. The window only mirrors this data.
#pragma once

#include <array>
#include <string>

namespace vh {

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
    ControlState cmdProperties;
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

// The state the main window shows before any terrain exists.
CommandStates InitialCommandStates();

// Grid choices by position 1..8.
constexpr std::array<int, 9> kGridChoices = {0, 1, 2, 4, 8, 16, 32, 64, 128};

}  // namespace vh
