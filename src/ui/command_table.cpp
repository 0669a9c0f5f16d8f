#include "ui/command_table.h"

#include "ui/file_commands.h"
#include "ui/tool_commands.h"
#include "ui/view_commands.h"

namespace vh::ui {

namespace {

using C = CommandStates;
using enum Place;
using enum Kind;

template <typename E>
constexpr int Arg(E e) {
    return static_cast<int>(e);
}

// clang-format off
constexpr Command kCommands[] = {
    {MenuBar, Menu, "mnuFile", "&File", "", {}, nullptr, 0, File},
    {MenuBar, Menu, "mnuEdit", "&Edit", "", {}, nullptr, 0, Edit},
    {MenuBar, Menu, "mnuView", "&View", "", {}, nullptr, 0, View},
    {MenuBar, Menu, "mnuTool", "&Tool", "", {}, nullptr, 0, Tool},
    {MenuBar, Menu, "mnuMap", "&Map", "", {}, nullptr, 0, Map},
    {MenuBar, Menu, "mnuHelp", "&Help", "", {}, nullptr, 0, Help},

    {File, Item, "cmdNew", "&New", "Ctrl+N", &C::cmdNew, NewMap},
    {File, Item, "cmdOpen", "&Open", "Ctrl+O", &C::cmdOpen, OpenMap},
    {File, Item, "cmdSave", "&Save", "Ctrl+S", &C::cmdSave, SaveMap},
    {File, Item, "cmdSaveAs", "Save &As", "Ctrl+A", &C::cmdSaveAs, SaveMapAs},
    {File, Separator, "", "", "", {}},
    {File, Menu, "cmdExportMenu", "&Export", "", &C::cmdExportMenu, nullptr, 0, Export},
    {Export, Item, "cmdExport", "Export To .&MAP", "", &C::cmdExport, ExportToMap},
    {Export, Item, "cmdExportAgain", "Export .MAP Again", "Ctrl+M", &C::cmdExportAgain, ExportMapAgain},
    {Export, Item, "cmdExportOptions", "Export &Options", "", &C::cmdExportOptions, ExportOptions},
    {Export, Item, "cmdExportBMP", "Export To .&BMP", "", &C::cmdExportBMP, ExportToBmp},
    {File, Separator, "", "", "", {}},
    {File, Item, "cmdRM1", "", "", {&C::cmdRM, 1}, OpenRecentMap, 1},
    {File, Item, "cmdRM2", "", "", {&C::cmdRM, 2}, OpenRecentMap, 2},
    {File, Item, "cmdRM3", "", "", {&C::cmdRM, 3}, OpenRecentMap, 3},
    {File, Item, "cmdRM4", "", "", {&C::cmdRM, 4}, OpenRecentMap, 4},
    {File, Item, "cmdRM5", "", "", {&C::cmdRM, 5}, OpenRecentMap, 5},
    {File, Item, "cmdRM6", "", "", {&C::cmdRM, 6}, OpenRecentMap, 6},
    {File, Item, "cmdRM7", "", "", {&C::cmdRM, 7}, OpenRecentMap, 7},
    {File, Item, "cmdRM8", "", "", {&C::cmdRM, 8}, OpenRecentMap, 8},
    {File, Separator, "cmdRmbSpace", "", "", &C::cmdRmbSpace},
    {File, Item, "cmdQuit", "&Close", "", &C::cmdQuit, CloseProgram},

    {Edit, Item, "cmdUndo", "&Undo", "Ctrl+Z", &C::cmdUndo, UndoEdit},
    {Edit, Item, "cmdRedo", "&Redo", "Ctrl+X", &C::cmdRedo, RedoEdit},

    {View, Check, "cmdSolid", "&Solid", "Ctrl+B", &C::cmdSolid, ShowRenderMode, Arg(RenderMode::Solid)},
    {View, Check, "cmdSolidWire", "Solid && WireFrame", "", &C::cmdSolidWire, ShowRenderMode,
     Arg(RenderMode::SolidWire)},
    {View, Check, "cmdWireframe", "&WireFrame", "Ctrl+W", &C::cmdWireframe, ShowRenderMode,
     Arg(RenderMode::Wireframe)},
    {View, Check, "cmdPoints", "&Points", "Ctrl+V", &C::cmdPoints, ShowRenderMode, Arg(RenderMode::Points)},
    {View, Separator, "", "", "", {}},
    {View, Menu, "cmdHighlightMenu", "&Highlight", "", &C::cmdHighlightMenu, nullptr, 0, Highlight},
    {Highlight, Check, "cmdHighlight", "&Highlight Selected", "Ctrl+H", &C::cmdHighlight, ToggleView,
     Arg(ViewSwitch::Highlight)},
    {Highlight, Check, "cmdHighlightEffected", "&Hightlight Effected", "", &C::cmdHighlightEffected, ToggleView,
     Arg(ViewSwitch::HighlightEffected)},
    {Highlight, Check, "cmdShowLocked", "Show Locked Points", "", &C::cmdShowLocked, ToggleView,
     Arg(ViewSwitch::ShowLocked)},
    {Highlight, Check, "cmdPointInfo", "Show Locked Point Info", "", &C::cmdPointInfo, ToggleView,
     Arg(ViewSwitch::PointInfo)},
    {View, Check, "cmdFPS", "Display &FPS", "", &C::cmdFPS, ToggleView, Arg(ViewSwitch::Fps)},
    {View, Check, "cmdSky", "&Sky Box", "", &C::cmdSky, ToggleView, Arg(ViewSwitch::Sky)},
    {View, Check, "cmdMip", "&Mip Mapping", "", &C::cmdMip, ToggleView, Arg(ViewSwitch::MipMap)},
    {View, Check, "cmdInfo", "&Info", "Ctrl+I", &C::cmdInfo, ToggleView, Arg(ViewSwitch::Info)},
    {View, Check, "cmdWalkability", "Wal&kability", "Ctrl+Shift+W", &C::cmdWalkability, ToggleView,
     Arg(ViewSwitch::Walkability)},
    {View, Separator, "", "", "", {}},
    {View, Item, "cmdResetCamera", "&Reset Camera", "Ctrl+Shift+R", &C::cmdResetCamera, ResetCameraView},
    {View, Item, "cmdFrameTerrain", "Frame &Terrain", "Ctrl+Shift+F", &C::cmdFrameTerrain, FrameTerrainView},
    {View, Separator, "", "", "", {}},
    {View, Item, "cmdCammera", "&Cammera Options", "", &C::cmdCammera, CameraOptions},
    {View, Item, "cmdTextures", "Specift Editor &Textures", "", &C::cmdTextures, EditorTexturesOptions},

    {Tool, Menu, "cmdRadious", "&Effective Radious", "", &C::cmdRadious, nullptr, 0, Radius},
    {Radius, Check, "cmdRadSmall", "&Small", "", &C::cmdRadSmall, ChooseRadius, 1},
    {Radius, Check, "cmdRadLarge", "&Large", "", &C::cmdRadLarge, ChooseRadius, 2},
    {Radius, Check, "cmdRadXLarge", "&X Axes large", "", &C::cmdRadXLarge, ChooseRadius, 3},
    {Radius, Check, "cmdRadYLarge", "&Y Axis Large", "", &C::cmdRadYLarge, ChooseRadius, 4},
    {Tool, Item, "cmdConfiguration", "&Configuration", "Ctrl+C", &C::cmdConfiguration, ToolConfiguration},
    {Tool, Separator, "", "", "", {}},
    {Tool, Check, "cmdRaiseLower", "&Raise / Lower", "Ctrl+R", &C::cmdRaiseLower, ChooseTool,
     Arg(vh::Tool::RaiseLower)},
    {Tool, Check, "cmdMountain", "Mountain / Valley", "Ctrl+L", &C::cmdMountain, ChooseTool,
     Arg(vh::Tool::Mountain)},
    {Tool, Check, "cmdSmooth", "&Smooth", "Ctrl+G", &C::cmdSmooth, ChooseTool, Arg(vh::Tool::Smooth)},
    {Tool, Check, "cmdNoise", "&Noise", "Ctrl+D", &C::cmdNoise, ChooseTool, Arg(vh::Tool::Noise)},
    {Tool, Check, "cmdFlatten", "&Flatten", "Ctrl+F", &C::cmdFlatten, ChooseTool, Arg(vh::Tool::Flatten)},
    {Tool, Check, "cmdTouchUp", "&Touch Up", "Ctrl+T", &C::cmdTouchUp, ChooseTool, Arg(vh::Tool::TouchUp)},
    {Tool, Separator, "", "", "", {}},
    {Tool, Item, "cmdUnlockAll", "&Unlock All Points", "", &C::cmdUnlockAll, UnlockAllPoints},
    {Tool, Check, "cmdIgnoreLocked", "&Ignore Locked Points", "", &C::cmdIgnoreLocked, IgnoreLockedPoints},

    {Map, Menu, "cmdGridChoice", "Grid", "", &C::cmdGridChoice, nullptr, 0, Grid},
    {Grid, Check, "cmdGrid1", "1", "", {&C::cmdGrid, 1}, ChooseGrid, 1},
    {Grid, Check, "cmdGrid2", "2", "", {&C::cmdGrid, 2}, ChooseGrid, 2},
    {Grid, Check, "cmdGrid3", "4", "", {&C::cmdGrid, 3}, ChooseGrid, 3},
    {Grid, Check, "cmdGrid4", "8", "", {&C::cmdGrid, 4}, ChooseGrid, 4},
    {Grid, Check, "cmdGrid5", "16", "", {&C::cmdGrid, 5}, ChooseGrid, 5},
    {Grid, Check, "cmdGrid6", "32", "", {&C::cmdGrid, 6}, ChooseGrid, 6},
    {Grid, Check, "cmdGrid7", "64", "", {&C::cmdGrid, 7}, ChooseGrid, 7},
    {Grid, Check, "cmdGrid8", "128", "", {&C::cmdGrid, 8}, ChooseGrid, 8},
    {Map, Separator, "", "", "", {}},
    {Map, Item, "cmdSmoothingPass", "&Smoothing Pass", "", &C::cmdSmoothingPass, SmoothingPassCommand},
    {Map, Item, "cmdSmoothPassConfig", "Pass &Configuration", "", &C::cmdSmoothPassConfig,
     SmoothPassConfiguration},
    {Map, Separator, "", "", "", {}},
    {Map, Item, "cmdNoisePass", "Random &Noise Pass", "", &C::cmdNoisePass, NoisePassCommand},
    {Map, Item, "cmdNoisePassConfig", "Pass &Configuration", "", &C::cmdNoisePassConfig, NoisePassConfiguration},
    {Map, Separator, "", "", "", {}},
    {Map, Item, "cmdScalingPass", "&Scaling Pass", "", &C::cmdScalingPass, ScalingPassCommand},
    {Map, Item, "cmdScalePassConfig", "Pass &Configuration", "", &C::cmdScalePassConfig, ScalePassConfiguration},
    {Map, Separator, "", "", "", {}},
    {Map, Item, "cmdSetSpawn", "Set Spawn Poin&t", "Ctrl+Shift+P", &C::cmdSetSpawn, SetSpawnPoint},
    {Map, Item, "cmdProperties", "&Properties", "Ctrl+P", &C::cmdProperties, MapProperties},

    {Help, Item, "cmdOnlineHelp", "&Online Help", "", &C::cmdOnlineHelp, OnlineHelp},
    {Help, Item, "cmdAbout", "&About", "", &C::cmdAbout, AboutBox},

    {Toolbar, Item, "tbNew", "New", "", &C::tbNew, NewMap},
    {Toolbar, Item, "tbOpen", "Open", "", &C::tbOpen, OpenMap},
    {Toolbar, Item, "tbSave", "Save", "", &C::tbSave, SaveMap},
    {Toolbar, Separator, "", "", "", {}},
    {Toolbar, Item, "tbUndo", "Undo", "", &C::tbUndo, UndoEdit},
    {Toolbar, Item, "tbRedo", "Redo", "", &C::tbRedo, RedoEdit},
    {Toolbar, Separator, "", "", "", {}},
    {Toolbar, Check, "tbRaiseLower", "Raise/Lower Tool", "", &C::tbRaiseLower, ChooseTool,
     Arg(vh::Tool::RaiseLower)},
    {Toolbar, Check, "tbMountain", "Mountain/Valley Tool", "", &C::tbMountain, ChooseTool,
     Arg(vh::Tool::Mountain)},
    {Toolbar, Check, "tbSmooth", "Smooth Tool", "", &C::tbSmooth, ChooseTool, Arg(vh::Tool::Smooth)},
    {Toolbar, Check, "tbNoise", "Random Noise", "", &C::tbNoise, ChooseTool, Arg(vh::Tool::Noise)},
    {Toolbar, Check, "tbFlatten", "Flatten Tool", "", &C::tbFlatten, ChooseTool, Arg(vh::Tool::Flatten)},
    {Toolbar, Check, "tbTouchUp", "Touch Up Tool", "", &C::tbTouchUp, ChooseTool, Arg(vh::Tool::TouchUp)},
    {Toolbar, Separator, "", "", "", {}},
    {Toolbar, Item, "tbDetails", "Configuration", "", &C::tbDetails, ToolConfiguration},
    {Toolbar, Separator, "", "", "", {}},
    {Toolbar, Item, "tbRadius", "Effective Radius", "", &C::tbRadius, NextRadius, 0, RadiusButton},
    {RadiusButton, Item, "tbSmall", "Small", "", &C::tbSmall, ChooseRadius, 1},
    {RadiusButton, Item, "tbLarge", "Large", "", &C::tbLarge, ChooseRadius, 2},
    {RadiusButton, Item, "tbXLarge", "X Axes Large", "", &C::tbXLarge, ChooseRadius, 3},
    {RadiusButton, Item, "tbYLarge", "Y Axes Large", "", &C::tbYLarge, ChooseRadius, 4},
    {Toolbar, Item, "tbGrid", "Grid", "", &C::tbGrid, NextGrid, 0, GridButton},
    {GridButton, Item, "tb1", "1", "", &C::tb1, ChooseGrid, 1},
    {GridButton, Item, "tb2", "2", "", &C::tb2, ChooseGrid, 2},
    {GridButton, Item, "tb4", "4", "", &C::tb4, ChooseGrid, 3},
    {GridButton, Item, "tb8", "8", "", &C::tb8, ChooseGrid, 4},
    {GridButton, Item, "tb16", "16", "", &C::tb16, ChooseGrid, 5},
    {GridButton, Item, "tb32", "32", "", &C::tb32, ChooseGrid, 6},
    {GridButton, Item, "tb64", "64", "", &C::tb64, ChooseGrid, 7},
    {GridButton, Item, "tb128", "128", "", &C::tb128, ChooseGrid, 8},
};
// clang-format on

}  // namespace

std::span<const Command> CommandTable() {
    return kCommands;
}

bool OnToolbar(const Command& row) {
    return row.place == Place::Toolbar || row.place == Place::RadiusButton || row.place == Place::GridButton;
}

}  // namespace vh::ui
