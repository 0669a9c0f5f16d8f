// The window's own commands: file, edit, view and export; and the command
// groups other windows install.
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>

#include "core/document.h"
#include "core/document_commands.h"
#include "core/lifecycle.h"
#include "core/settings.h"
#include "core/undo.h"
#include "export/export_choice.h"
#include "export/height_image.h"
#include "export/map_export.h"
#include "ui/frm_export_options.h"
#include "ui/frm_new.h"
#include "ui/main_window.h"
#include "ui/tool_commands.h"
#include "ui/view_commands.h"

namespace vh::ui {

void MainWindow::InstallWindowCommands() {
    EditorState& s = state_;
    ViewOptions& view = s.View;

    Prompts& prompts = prompts_;

    // ---- File ----
    RegisterCommand("cmdNew", [this, &s, &prompts] {
        if (CommandNew(s, prompts)) OpenNewMapDialog();
    });
    RegisterCommand("cmdOpen", [&s, &prompts] { CommandOpen(s, prompts); });
    RegisterCommand("cmdSave", [&s, &prompts] { CommandSave(s, prompts); });
    RegisterCommand("cmdSaveAs", [&s, &prompts] { CommandSaveAs(s, prompts); });
    for (int k = 1; k <= 8; ++k)
        RegisterCommand("cmdRM" + std::to_string(k), [&s, &prompts, k] { CommandOpenRecent(s, prompts, k); });
    RegisterCommand("cmdQuit", [this] {
        if (Quit()) close();
    });

    // ---- Export ----
    RegisterCommand("cmdExport", [this, &s, &prompts] {
        const std::string path = ChooseMapExportPath(s, prompts);
        if (!path.empty()) ExportMapTo(path);
    });
    RegisterCommand("cmdExportAgain", [this, &s, &prompts] {
        const std::string path = ExportAgainPath(s, prompts);
        if (!path.empty()) ExportMapTo(path);
    });
    RegisterCommand("cmdExportOptions", [this] { OpenExportOptionsDialog(); });
    RegisterCommand("cmdExportBMP", [this, &s, &prompts] {
        const std::string path = ChooseBmpExportPath(s, prompts);
        if (!path.empty()) ExportHeightImageTo(path);
    });

    // ---- Edit ----
    RegisterCommand("cmdUndo", [&s] { Undo(s); });
    RegisterCommand("cmdRedo", [&s] { Redo(s); });

    // ---- View ----
    for (const auto& [name, mode] :
         std::vector<std::pair<std::string, RenderMode>>{{"cmdSolid", RenderMode::Solid},
                                                         {"cmdSolidWire", RenderMode::SolidWire},
                                                         {"cmdWireframe", RenderMode::Wireframe},
                                                         {"cmdPoints", RenderMode::Points}})
        RegisterCommand(name, [&view, mode] { view.Mode = mode; });
    for (const auto& [name, option] : std::vector<std::pair<std::string, bool ViewOptions::*>>{
             {"cmdHighlight", &ViewOptions::Highlight},
             {"cmdHighlightEffected", &ViewOptions::HighlightEffected},
             {"cmdShowLocked", &ViewOptions::ShowLocked},
             {"cmdPointInfo", &ViewOptions::PointInfo},
             {"cmdFPS", &ViewOptions::Fps},
             {"cmdSky", &ViewOptions::Sky},
             {"cmdMip", &ViewOptions::MipMap},
             {"cmdInfo", &ViewOptions::Info}})
        RegisterCommand(name, [&view, option] { view.*option = !(view.*option); });
}

void MainWindow::InstallOtherCommands() {
    InstallToolCommands(*this);
    InstallViewCommands(*this);
}

void MainWindow::OpenNewMapDialog() {
    OpenDialog(new FrmNew(*this, this));
}

void MainWindow::OpenExportOptionsDialog() {
    OpenDialog(new FrmExportOptions(*this, this));
}

void MainWindow::ExportMapTo(const std::string& path) {
    // The export runs to its end without yielding; the status line and the
    // bar are painted as it goes.
    SetWaitCursor(true);
    repaint();
    std::string error;
    const bool written = ExportMap(state_, path, *progress_, &error);
    progBar_->hide();
    SetWaitCursor(false);
    if (!written)
        prompts_.Message("The map could not be exported.\n" + error, "Varnholm", PromptButtons::Ok,
                         PromptIcon::Exclamation);
}

void MainWindow::ExportHeightImageTo(const std::string& path) {
    SetWaitCursor(true);
    std::string error;
    const bool written = ExportHeightImage(state_, path, &error);
    SetWaitCursor(false);
    if (!written)
        prompts_.Message("The height image could not be exported.\n" + error, "Varnholm", PromptButtons::Ok,
                         PromptIcon::Exclamation);
}

void MainWindow::StartUp() {
    SetDefaults(state_, state_.Paths);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        state_.Window.ScreenWidthTwips = screen->geometry().width() * kTwipsPerPixel;
        state_.Window.ScreenHeightTwips = screen->geometry().height() * kTwipsPerPixel;
    }
    std::string error;
    if (!ReadSettingsFile(state_, SettingsPath(state_), &error))
        prompts_.Message("The settings could not be read. " + error, "Varnholm", PromptButtons::Ok,
                         PromptIcon::Exclamation);
    resize(1024, 768);
    ApplyWindowPlacement();
    RefreshControls();
}

bool MainWindow::OpenDocument(const std::string& path) {
    if (ended_) return false;
    ++handlerDepth_;
    const bool opened = ReadDocument(state_, path, FileTitleOf(path), prompts_);
    --handlerDepth_;
    RefreshControls();
    return opened;
}

bool MainWindow::Quit() {
    if (ended_) return true;
    StoreWindowPlacement();
    if (!vh::Quit(state_, prompts_)) return false;
    EndProgram();
    return true;
}

}  // namespace vh::ui
