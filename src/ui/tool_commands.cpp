#include "ui/tool_commands.h"

#include <string>
#include <utility>

#include "core/editor_state.h"
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

// Every handler ends by mirroring the new command states.
void Register(MainWindowServices& sv, const std::string& name, std::function<void()> body) {
    sv.RegisterCommand(name, [&sv, body = std::move(body)] {
        body();
        sv.RefreshControls();
    });
}

// The passes rebuild the view's mesh themselves through the state's hook.
void RunPass(MainWindowServices& sv, void (*pass)(EditorState&)) {
    EditorState& s = sv.State();
    if (!s.Doc.TerrainExists) return;
    WaitCursor busy(sv);
    pass(s);
}

void OpenToolConfiguration(MainWindowServices& sv) {
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

}  // namespace

void InstallToolCommands(MainWindowServices& services) {
    static DesktopWebShell desktop;
    InstallToolCommands(services, desktop);
}

void InstallToolCommands(MainWindowServices& services, WebShell& shell) {
    MainWindowServices& sv = services;

    const std::pair<const char*, Tool> tools[] = {
        {"cmdRaiseLower", Tool::RaiseLower}, {"cmdMountain", Tool::Mountain}, {"cmdSmooth", Tool::Smooth},
        {"cmdNoise", Tool::Noise},           {"cmdFlatten", Tool::Flatten},   {"cmdTouchUp", Tool::TouchUp},
    };
    for (const auto& [name, tool] : tools) Register(sv, name, [&sv, tool] { SelectTool(sv.State(), tool); });

    const std::pair<const char*, int> radii[] = {
        {"cmdRadSmall", 1}, {"cmdRadLarge", 2}, {"cmdRadXLarge", 3}, {"cmdRadYLarge", 4}};
    for (const auto& [name, mode] : radii)
        Register(sv, name, [&sv, mode] { RadiusCommand(sv.State(), mode); });

    for (int i = 1; i <= 8; ++i)
        Register(sv, "cmdGrid" + std::to_string(i), [&sv, i] { GridCommand(sv.State(), i); });

    Register(sv, "tbRadius", [&sv] { ToolbarRadiusClick(sv.State()); });
    Register(sv, "tbGrid", [&sv] { ToolbarGridClick(sv.State()); });
    Register(sv, "cmdConfiguration", [&sv] { OpenToolConfiguration(sv); });
    Register(sv, "cmdUnlockAll", [&sv] { UnlockAll(sv.State()); });
    Register(sv, "cmdIgnoreLocked", [&sv] { ToggleIgnoreLocked(sv.State()); });

    Register(sv, "cmdSmoothingPass", [&sv] { RunPass(sv, &SmoothingPass); });
    Register(sv, "cmdNoisePass", [&sv] { RunPass(sv, &NoisePass); });
    Register(sv, "cmdScalingPass", [&sv] { RunPass(sv, &ScalingPass); });

    Register(sv, "cmdSmoothPassConfig",
             [&sv] { sv.OpenDialog(new FrmSmoothConfig(sv.State(), sv.Window())); });
    Register(sv, "cmdNoisePassConfig", [&sv] { sv.OpenDialog(new FrmNoiseConfig(sv.State(), sv.Window())); });
    Register(sv, "cmdScalePassConfig", [&sv] { sv.OpenDialog(new FrmScaleConfig(sv.State(), sv.Window())); });
    Register(sv, "cmdProperties", [&sv] { sv.OpenDialog(new FrmProperties(sv.State(), sv.Window())); });

    WebShell* web = &shell;
    Register(sv, "cmdOnlineHelp", [&sv, web] {
        const AppPaths& paths = sv.State().Paths;
        OpenWebPage(paths.StateFolder, HelpPageAddress(paths.AssetsFolder), *web, sv.UserPrompts());
    });
    Register(sv, "cmdAbout", [&sv, web] {
        sv.OpenDialog(new FrmAbout(sv.State().Paths, sv.UserPrompts(), *web, sv.Window()));
    });
}

}  // namespace vh::ui
