#include "fake_services_fixture.h"

#include <QApplication>
#include <QDialog>

#include "core/lifecycle.h"

namespace vhtest {

void EnsureQtApp() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the program ends
}

FakeServices::FakeServices() {
    EnsureQtApp();
    vh::SetDefaults(state, "/nonexistent-program-folder");
    state.LogPath.clear();
    state.OnTerrainMeshUpdate = [this] { ++meshUpdates; };
}

FakeServices::~FakeServices() {
    for (const QPointer<QDialog>& d : openedDialogs) delete d.data();
}

void FakeServices::OpenDialog(QDialog* dialog) {
    vh::StopMainLoop(state);
    openedDialogs.emplace_back(dialog);
}

void FakeServices::RegisterCommand(const std::string& name, std::function<void()> handler) {
    commands[name] = std::move(handler);
}

bool FakeServices::Run(const std::string& name) {
    auto it = commands.find(name);
    if (it == commands.end() || !it->second) return false;
    it->second();
    return true;
}

}  // namespace vhtest
