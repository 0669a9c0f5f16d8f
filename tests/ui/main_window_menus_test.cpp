// The command table, the menus and toolbar the window builds from it, and the
// mirror of the command states into them.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "ui/view_commands.h"

using vh::ui::Command;
using vh::ui::CommandTable;
using vh::ui::Kind;
using vh::ui::Place;
using vhtest::WindowRig;

namespace {

// Every action built from a row with a state shows that state as computed now.
void ExpectMirrored(WindowRig& rig) {
    const vh::CommandStates states = vh::ComputeCommandStates(rig.State());
    for (const Command& row : CommandTable()) {
        if (row.state.Empty()) continue;
        SCOPED_TRACE(row.name);
        const QAction* a = rig.window->Action(row.name);
        ASSERT_NE(a, nullptr);
        const vh::ControlState& c = row.state.Of(states);
        EXPECT_EQ(a->isVisible(), c.Visible);
        EXPECT_EQ(a->isChecked(), c.Checked);
        if (c.Visible) {
            EXPECT_EQ(a->isEnabled(), c.Enabled);  // Qt counts a hidden action as disabled
        }
    }
}

std::vector<std::string> CheckedActions(WindowRig& rig) {
    std::vector<std::string> checked;
    for (const Command& row : CommandTable())
        if (const QAction* a = rig.window->Action(row.name); a && a->isChecked()) checked.push_back(row.name);
    return checked;
}

}  // namespace

TEST(CommandTable, NamesAndShortcutsAreUniqueAndEveryMenuHoldsItsRows) {
    std::set<std::string> names, shortcuts;
    std::map<Place, int> opened, held;
    for (const Command& row : CommandTable()) {
        SCOPED_TRACE(row.name);
        if (*row.name) {
            EXPECT_TRUE(names.insert(row.name).second);
        }
        // Two actions on one key would make Qt run neither.
        if (*row.shortcut) {
            EXPECT_TRUE(shortcuts.insert(row.shortcut).second);
        }
        const bool runs = row.kind == Kind::Item || row.kind == Kind::Check;
        EXPECT_EQ(row.run != nullptr, runs);
        if (row.opens != Place::None) ++opened[row.opens];
        ++held[row.place];
    }
    for (const auto& [place, rows] : held) {
        if (place != Place::MenuBar && place != Place::Toolbar) {
            EXPECT_EQ(opened[place], 1);
        }
    }
    for (const auto& [place, count] : opened) EXPECT_GT(held[place], 0);
}

TEST(MainWindowMenus, EveryRowIsBuiltWithItsCaptionShortcutAndCheckMark) {
    WindowRig rig;
    for (const Command& row : CommandTable()) {
        if (!*row.name || row.place == Place::MenuBar) continue;
        SCOPED_TRACE(row.name);
        const QAction* a = rig.window->Action(row.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->shortcut(), QKeySequence(QString(row.shortcut)));
        EXPECT_EQ(a->isCheckable(), row.kind == Kind::Check);
        if (*row.caption) {
            EXPECT_EQ((row.place == Place::Toolbar ? a->toolTip() : a->text()).toStdString(), row.caption);
        }
        if (row.place == Place::Toolbar) {
            EXPECT_FALSE(a->icon().isNull());
            EXPECT_NE(rig.window->ToolButton(row.name), nullptr);
        }
    }
}

TEST(MainWindowMenus, StartUpShowsTheDesignCheckMarksAndOnlyFileAndHelpWork) {
    WindowRig rig;
    ExpectMirrored(rig);
    EXPECT_EQ(CheckedActions(rig),
              (std::vector<std::string>{"cmdSolid", "cmdHighlight", "cmdHighlightEffected", "cmdShowLocked",
                                        "cmdFPS", "cmdSky", "cmdMip", "cmdInfo", "cmdRadLarge",
                                        "cmdRaiseLower", "cmdGrid5", "tbRaiseLower"}));
    std::vector<std::string> enabled;
    for (QAction* menu : rig.window->menuBar()->actions())
        for (const QAction* a : menu->menu()->actions())
            if (a->isEnabled() && !a->isSeparator() && a->isVisible())
                enabled.push_back(a->objectName().toStdString());
    for (const Command& row : CommandTable())
        if (row.place == Place::Toolbar && rig.window->Action(row.name) &&
            rig.window->Action(row.name)->isEnabled())
            enabled.push_back(row.name);
    EXPECT_EQ(enabled, (std::vector<std::string>{"cmdNew", "cmdOpen", "cmdQuit", "cmdOnlineHelp", "cmdAbout",
                                                 "tbNew", "tbOpen"}));
    // The current radius and grid entries of the drop-downs are the disabled ones.
    EXPECT_TRUE(rig.window->Action("tbSmall")->isEnabled());
    EXPECT_FALSE(rig.window->Action("tbLarge")->isEnabled());
    EXPECT_FALSE(rig.window->Action("tb16")->isEnabled());
    EXPECT_TRUE(rig.window->Action("tb32")->isEnabled());
    // Captions kept as the program has always spelt them.
    for (const auto& [name, caption] :
         std::vector<std::pair<const char*, const char*>>{{"cmdHighlightEffected", "&Hightlight Effected"},
                                                          {"cmdTextures", "Specift Editor &Textures"},
                                                          {"cmdCammera", "&Cammera Options"},
                                                          {"cmdRadious", "&Effective Radious"},
                                                          {"cmdRadXLarge", "&X Axes large"},
                                                          {"cmdSolidWire", "Solid && WireFrame"}})
        EXPECT_EQ(rig.window->Action(name)->text().toStdString(), caption);
}

TEST(MainWindowMenus, EachViewItemTurnsOverItsOwnCheckMarkOnly) {
    WindowRig rig;
    rig.GiveTerrain();
    std::set<std::string> modes;
    for (const Command& row : CommandTable())
        if (row.run == vh::ui::ShowRenderMode) modes.insert(row.name);
    for (const Command& row : CommandTable()) {
        if (row.kind != Kind::Check || (row.place != Place::View && row.place != Place::Highlight)) continue;
        SCOPED_TRACE(row.name);
        rig.State().View.Highlight = rig.State().View.ShowLocked = true;  // their children stay enabled
        rig.window->RefreshControls();
        const std::vector<std::string> before = CheckedActions(rig);
        std::set<std::string> expected(before.begin(), before.end());
        if (modes.count(row.name)) {
            for (const std::string& m : modes) expected.erase(m);
            expected.insert(row.name);
        } else if (!expected.erase(row.name)) {
            expected.insert(row.name);
        }
        rig.window->Action(row.name)->trigger();
        ExpectMirrored(rig);
        const std::vector<std::string> after = CheckedActions(rig);
        EXPECT_EQ(std::set<std::string>(after.begin(), after.end()), expected);
    }
}

TEST(MainWindowMenus, MenuBarAndToolMenuOrder) {
    WindowRig rig;
    QList<QAction*> menus = rig.window->menuBar()->actions();
    QStringList titles, tool;
    for (QAction* a : menus) titles << a->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Tool", "&Map", "&Help"}));
    ASSERT_EQ(menus.size(), 6);
    for (QAction* a : menus[3]->menu()->actions()) tool << (a->isSeparator() ? "-" : a->objectName());
    EXPECT_EQ(tool,
              QStringList({"cmdRadious", "cmdConfiguration", "-", "cmdRaiseLower", "cmdMountain", "cmdSmooth",
                           "cmdNoise", "cmdFlatten", "cmdTouchUp", "-", "cmdUnlockAll", "cmdIgnoreLocked"}));
}

TEST(MainWindowMenus, RefreshControlsMirrorsStatesAndAClickedCheckMarkIsPutBack) {
    WindowRig rig;
    vh::EditorState& s = rig.State();
    s.Doc.TerrainExists = true;
    s.View.Mode = vh::RenderMode::Points;
    s.CurrentTool = vh::Tool::Smooth;
    s.Recent[2] = "/maps/valley.vhm";
    s.Doc.Caption = "valley.vhm - Varnholm";
    rig.window->RefreshControls();
    ExpectMirrored(rig);
    EXPECT_TRUE(rig.window->Action("tbSmooth")->isChecked());
    EXPECT_EQ(rig.window->Action("cmdRM2")->text(), "/maps/valley.vhm");
    EXPECT_EQ(rig.window->windowTitle(), "valley.vhm[*] - Varnholm");

    // A click on the checked render mode would uncheck it in Qt; the mode stays.
    rig.window->Action("cmdPoints")->trigger();
    EXPECT_EQ(s.View.Mode, vh::RenderMode::Points);
    EXPECT_TRUE(rig.window->Action("cmdPoints")->isChecked());
}
