// A main window on a scripted Prompts and a fresh program folder, for the window's tests.
#pragma once

#include <QApplication>
#include <QDialog>
#include <filesystem>
#include <memory>

#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"
#include "ui/main_window.h"

namespace vhtest {

// Lets deleteLater() and queued work of the window run.
inline void FlushEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

struct WindowRig {
    TempDir folder;
    ScriptedPrompts prompts;
    std::unique_ptr<vh::ui::MainWindow> window;

    // settings: the text of the settings file found at start-up, if any.
    explicit WindowRig(const std::string& settings = std::string()) {
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
        if (!settings.empty()) {
            std::filesystem::create_directories(folder.Path() / "config");
            WriteFileBytes(SettingsPath(), settings);
        }
        window = std::make_unique<vh::ui::MainWindow>(prompts, vh::PortablePaths(folder.Path().string()));
    }
    vh::EditorState& State() { return window->State(); }

    // A terrain in the window's state, as a generated one leaves it: loop
    // running, unsaved.
    void GiveTerrain() {
        const vh::AppPaths paths = State().Paths;
        MakeTerrain(State(), 9, 9);
        State().Paths = paths;
        State().Doc.DocTitle = "newmap.vhm";
        State().LoopRunning = true;
        State().Doc.DocClean = false;
        window->RefreshControls();
    }
    std::string SettingsPath() const { return folder.File("config/Varnholm.ini"); }
};

}  // namespace vhtest
