#include "ui/tool_commands.h"

#include "core/editor_state.h"
#include "core/spawn_square.h"
#include "tools/map_passes.h"
#include "tools/tool_selection.h"
#include "ui/frm_about.h"
#include "ui/frm_mountain_config.h"
#include "ui/frm_noise_config.h"
#include "ui/frm_properties.h"
#include "ui/frm_raise_lower_config.h"
#include "ui/frm_scale_config.h"
#include "ui/frm_smooth_config.h"

namespace vh::ui {

namespace {

// Hourglass for the length of a pass, restored on every way out.
class WaitCursor {
public:
    explicit WaitCursor(MainWindowServices& sv) : sv_(sv) { sv_.SetWaitCursor(true); }
    ~WaitCursor() { sv_.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    MainWindowServices& sv_;
};

// The passes rebuild the view's mesh themselves through the state's hook.
void RunPass(MainWindowServices& sv, void (*pass)(EditorState&)) {
    EditorState& s = sv.State();
    if (!s.Doc.TerrainExists) return;
    WaitCursor busy(sv);
    pass(s);
}

}  // namespace

void ChooseTool(MainWindowServices& sv, int tool) {
    SelectTool(sv.State(), sv.Tools(), static_cast<Tool>(tool));
}

void ChooseRadius(MainWindowServices& sv, int mode) {
    RadiusCommand(sv.State(), mode);
}

void NextRadius(MainWindowServices& sv, int) {
    ToolbarRadiusClick(sv.State());
}

void ToolConfiguration(MainWindowServices& sv, int) {
    EditorState& s = sv.State();
    switch (s.CurrentTool) {
        case Tool::RaiseLower:
            sv.OpenDialog(new FrmRaiseLowerConfig(s, sv.Window()));
            break;
        case Tool::Mountain:
            sv.OpenDialog(new FrmMountainConfig(s, sv.Window()));
            break;
        case Tool::Smooth:
            sv.OpenDialog(new FrmSmoothConfig(s, sv.Window()));
            break;
        case Tool::Noise:
            sv.OpenDialog(new FrmNoiseConfig(s, sv.Window()));
            break;
        // Flatten and touch-up have nothing to configure (the command is
        // disabled while they are current).
        case Tool::Flatten:
        case Tool::TouchUp:
        case Tool::None:
            break;
    }
}

void UnlockAllPoints(MainWindowServices& sv, int) {
    UnlockAll(sv.State());
}

void IgnoreLockedPoints(MainWindowServices& sv, int) {
    ToggleIgnoreLocked(sv.State());
}

void ChooseGrid(MainWindowServices& sv, int index) {
    GridCommand(sv.State(), index);
}

void NextGrid(MainWindowServices& sv, int) {
    ToolbarGridClick(sv.State());
}

void SmoothingPassCommand(MainWindowServices& sv, int) {
    RunPass(sv, &SmoothingPass);
}

void NoisePassCommand(MainWindowServices& sv, int) {
    RunPass(sv, &NoisePass);
}

void ScalingPassCommand(MainWindowServices& sv, int) {
    RunPass(sv, &ScalingPass);
}

void SmoothPassConfiguration(MainWindowServices& sv, int) {
    sv.OpenDialog(new FrmSmoothConfig(sv.State(), sv.Window()));
}

void NoisePassConfiguration(MainWindowServices& sv, int) {
    sv.OpenDialog(new FrmNoiseConfig(sv.State(), sv.Window()));
}

void ScalePassConfiguration(MainWindowServices& sv, int) {
    sv.OpenDialog(new FrmScaleConfig(sv.State(), sv.Window()));
}

void MapProperties(MainWindowServices& sv, int) {
    sv.OpenDialog(new FrmProperties(sv.State(), sv.Window()));
}

void SetSpawnPoint(MainWindowServices& sv, int) {
    EditorState& s = sv.State();
    if (!SetSpawnSquare(s)) {
        sv.UserPrompts().Message(
            "Point at a square in the view first: the spawn point goes on the square under the cursor.",
            "Varnholm", PromptButtons::Ok, PromptIcon::Information);
        return;
    }
    s.Doc.Notice = "Spawn point: square " + std::to_string(s.Choices.SpawnSquare);
    sv.StatusProgress().Status(s.Doc.Notice);
}

void OnlineHelp(MainWindowServices& sv, int) {
    const AppPaths& paths = sv.State().Paths;
    OpenWebPage(paths.StateFolder, HelpPageAddress(paths.AssetsFolder), sv.Web(), sv.UserPrompts());
}

void AboutBox(MainWindowServices& sv, int) {
    sv.OpenDialog(new FrmAbout(sv.State().Paths, sv.UserPrompts(), sv.Web(), sv.Window()));
}

}  // namespace vh::ui
