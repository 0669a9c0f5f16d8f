#include "fake_services_fixture.h"

#include <QApplication>
#include <QDialog>

#include "core/lifecycle.h"
#include "tools/tool_selection.h"
#include "ui/command_table.h"

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
}

FakeServices::~FakeServices() {
    for (const QPointer<QDialog>& d : openedDialogs) delete d.data();
}

void FakeServices::OpenDialog(QDialog* dialog) {
    vh::StopMainLoop(state);
    openedDialogs.emplace_back(dialog);
}

bool FakeServices::Run(const std::string& name) {
    for (const vh::ui::Command& row : vh::ui::CommandTable()) {
        if (row.name != name || !row.run) continue;
        if (vh::ui::OnToolbar(row)) vh::ToolbarClearPick(state);
        row.run(*this, row.arg);
        return true;
    }
    return false;
}

}  // namespace vhtest
