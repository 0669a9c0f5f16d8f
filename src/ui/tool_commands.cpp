#include "ui/tool_commands.h"

#include "core/rules.h"

namespace vh::ui {

void InstallToolCommands(MainWindowServices& services) {
    MainWindowServices* sv = &services;
    sv->RegisterCommand("cmdUnlockAll", [sv] {
        EditorState& s = sv->State();
        for (int i = 1; i <= s.PointTotal() && i < static_cast<int>(s.Points.size()); ++i)
            s.Points[i].Locked = kFalse;
        sv->RefreshControls();
    });
    sv->RegisterCommand("cmdIgnoreLocked", [sv] {
        EditorState& s = sv->State();
        s.Commands.cmdIgnoreLocked.Checked = !s.Commands.cmdIgnoreLocked.Checked;
        s.IgnoreLocked = ToBool16(s.Commands.cmdIgnoreLocked.Checked);
        sv->RefreshControls();
    });
}

}  // namespace vh::ui
