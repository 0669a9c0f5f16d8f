// Start-up, a document named on the command line, and the quit flow.
#include <QGuiApplication>
#include <QScreen>

#include "core/document.h"
#include "core/document_commands.h"
#include "core/settings.h"
#include "ui/main_window.h"

namespace vh::ui {

void MainWindow::StartUp() {
    SetDefaults(state_, state_.Paths);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        state_.Window.ScreenWidthTwips = screen->geometry().width() * kTwipsPerPixel;
        state_.Window.ScreenHeightTwips = screen->geometry().height() * kTwipsPerPixel;
    }
    if (const Status read = ReadSettingsFile(state_, SettingsPath(state_)); !read)
        prompts_.Message("The settings could not be read. " + read.Message(), "Varnholm", PromptButtons::Ok,
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
