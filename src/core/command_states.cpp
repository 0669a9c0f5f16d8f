#include "core/command_states.h"

#include "core/editor_state.h"
#include "core/recent.h"

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

namespace {

using C = CommandStates;
using Test = bool (*)(const EditorState&);

bool Always(const EditorState&) {
    return true;
}
bool Never(const EditorState&) {
    return false;
}
// Before the first terrain only New, Open, the recent files, Close and Help
// can be reached.
bool HasTerrain(const EditorState& s) {
    return s.Doc.TerrainExists;
}

template <RenderMode M>
bool ModeIs(const EditorState& s) {
    return s.View.Mode == M;
}
template <bool ViewOptions::*Option>
bool ViewOn(const EditorState& s) {
    return s.View.*Option;
}
template <Tool T>
bool ToolIs(const EditorState& s) {
    return s.CurrentTool == T;
}
template <int Choice>
bool RadiusShown(const EditorState& s) {
    return s.Tools.RadiusChoice == Choice;
}
// In the toolbar's drop-down the current radius is the disabled entry; the
// X and Y entries exist for flatten only.
template <int Choice>
bool RadiusOffered(const EditorState& s) {
    return s.Tools.RadiusChoice != Choice && (Choice <= 2 || s.CurrentTool == Tool::Flatten);
}

bool ToolHasRadius(const EditorState& s) {
    const Tool t = s.CurrentTool;
    return HasTerrain(s) && t != Tool::Mountain && t != Tool::TouchUp;
}

struct Rule {
    ControlState C::*item;
    Test enabled;
    Test checked = Never;
};

// clang-format off
const Rule kRules[] = {
    // File
    {&C::cmdNew, Always}, {&C::cmdOpen, Always},
    {&C::cmdSave, HasTerrain},  // a map without a file asks for one
    {&C::cmdSaveAs, HasTerrain}, {&C::cmdExportMenu, HasTerrain},
    {&C::cmdExport, Always},
    {&C::cmdExportAgain, [](const EditorState& s) { return s.Doc.ExportAgainOffered; }},
    {&C::cmdExportOptions, Always}, {&C::cmdExportBMP, Always},
    {&C::cmdQuit, Always},
    // Edit
    {&C::cmdUndo, [](const EditorState& s) { return s.History.UndoLevels > 0; }},
    {&C::cmdRedo, [](const EditorState& s) { return s.History.RedoAvailable; }},
    // View
    {&C::cmdSolid, HasTerrain, ModeIs<RenderMode::Solid>},
    {&C::cmdSolidWire, HasTerrain, ModeIs<RenderMode::SolidWire>},
    {&C::cmdWireframe, HasTerrain, ModeIs<RenderMode::Wireframe>},
    {&C::cmdPoints, HasTerrain, ModeIs<RenderMode::Points>},
    {&C::cmdHighlightMenu, HasTerrain},
    {&C::cmdHighlight, HasTerrain, ViewOn<&ViewOptions::Highlight>},
    {&C::cmdHighlightEffected, [](const EditorState& s) { return HasTerrain(s) && s.View.Highlight; },
     ViewOn<&ViewOptions::HighlightEffected>},
    {&C::cmdShowLocked, HasTerrain, ViewOn<&ViewOptions::ShowLocked>},
    {&C::cmdPointInfo, [](const EditorState& s) { return HasTerrain(s) && s.View.ShowLocked; },
     ViewOn<&ViewOptions::PointInfo>},
    {&C::cmdFPS, HasTerrain, ViewOn<&ViewOptions::Fps>},
    {&C::cmdSky, HasTerrain, ViewOn<&ViewOptions::Sky>},
    {&C::cmdMip, HasTerrain, ViewOn<&ViewOptions::MipMap>},
    {&C::cmdInfo, HasTerrain, ViewOn<&ViewOptions::Info>},
    {&C::cmdCammera, HasTerrain}, {&C::cmdTextures, HasTerrain},
    {&C::cmdWalkability, HasTerrain, ViewOn<&ViewOptions::Walkability>},
    {&C::cmdResetCamera, HasTerrain}, {&C::cmdFrameTerrain, HasTerrain},
    // Tool
    {&C::cmdRadious, ToolHasRadius},
    {&C::cmdRadSmall, Always, RadiusShown<1>}, {&C::cmdRadLarge, Always, RadiusShown<2>},
    {&C::cmdRadXLarge, ToolIs<Tool::Flatten>, RadiusShown<3>},
    {&C::cmdRadYLarge, ToolIs<Tool::Flatten>, RadiusShown<4>},
    // Flatten and touch-up have nothing to configure.
    {&C::cmdConfiguration, [](const EditorState& s) {
         return HasTerrain(s) && s.CurrentTool != Tool::Flatten && s.CurrentTool != Tool::TouchUp; }},
    {&C::cmdRaiseLower, HasTerrain, ToolIs<Tool::RaiseLower>},
    {&C::cmdMountain, HasTerrain, ToolIs<Tool::Mountain>},
    {&C::cmdSmooth, HasTerrain, ToolIs<Tool::Smooth>},
    {&C::cmdNoise, HasTerrain, ToolIs<Tool::Noise>},
    {&C::cmdFlatten, HasTerrain, ToolIs<Tool::Flatten>},
    {&C::cmdTouchUp, HasTerrain, ToolIs<Tool::TouchUp>},
    {&C::cmdUnlockAll, HasTerrain},
    {&C::cmdIgnoreLocked, HasTerrain, [](const EditorState& s) { return s.Tools.IgnoreLocked; }},
    // Map
    {&C::cmdGridChoice, HasTerrain},
    {&C::cmdSmoothingPass, HasTerrain}, {&C::cmdSmoothPassConfig, HasTerrain},
    {&C::cmdNoisePass, HasTerrain}, {&C::cmdNoisePassConfig, HasTerrain},
    {&C::cmdScalingPass, HasTerrain}, {&C::cmdScalePassConfig, HasTerrain},
    {&C::cmdSetSpawn, HasTerrain}, {&C::cmdProperties, HasTerrain},
    // Help
    {&C::cmdOnlineHelp, Always}, {&C::cmdAbout, Always},
    // The radius button's drop-down.
    {&C::tbSmall, RadiusOffered<1>}, {&C::tbLarge, RadiusOffered<2>},
    {&C::tbXLarge, RadiusOffered<3>}, {&C::tbYLarge, RadiusOffered<4>},
};

// A toolbar button shows what the menu command it stands for shows.
const std::pair<ControlState C::*, ControlState C::*> kButtons[] = {
    {&C::tbNew, &C::cmdNew}, {&C::tbOpen, &C::cmdOpen}, {&C::tbSave, &C::cmdSave},
    {&C::tbUndo, &C::cmdUndo}, {&C::tbRedo, &C::cmdRedo},
    {&C::tbRaiseLower, &C::cmdRaiseLower}, {&C::tbMountain, &C::cmdMountain},
    {&C::tbSmooth, &C::cmdSmooth}, {&C::tbNoise, &C::cmdNoise}, {&C::tbFlatten, &C::cmdFlatten},
    {&C::tbTouchUp, &C::cmdTouchUp}, {&C::tbDetails, &C::cmdConfiguration},
    {&C::tbRadius, &C::cmdRadious}, {&C::tbGrid, &C::cmdGridChoice},
};
// clang-format on

}  // namespace

CommandStates ComputeCommandStates(const EditorState& s) {
    CommandStates c;
    for (const Rule& r : kRules) {
        ControlState& item = c.*r.item;
        item.Enabled = r.enabled(s);
        item.Checked = r.checked(s);
    }
    for (const auto& [button, command] : kButtons) c.*button = c.*command;

    // The grid menu by its checked position; the drop-down disables that entry.
    for (int k = 1; k <= 8; ++k) {
        c.cmdGrid[k].Checked = k == s.Tools.GridChoice;
        c.GridEntry(k).Enabled = k != s.Tools.GridChoice;
    }

    bool anyRecent = false;
    for (int k = 1; k <= 8; ++k) {
        ControlState& item = c.cmdRM[k];
        item.Visible = !s.Recent[k].empty();
        if (item.Visible) item.Caption = RecentCaption(k, s.Recent[k]);
        anyRecent = anyRecent || item.Visible;
    }
    c.cmdRmbSpace.Visible = anyRecent;
    return c;
}

}  // namespace vh
