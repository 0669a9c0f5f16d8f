// The main window's menus and toolbar as they stand after start-up, and the
// mirror of the command states into them.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "main_window_fixture.h"

using vh::ui::FindControl;
using vhtest::WindowRig;

namespace {

struct ItemRow {
    const char *name, *caption, *shortcut;
    bool enabled, checked;
};

// The start-up state of every menu item: name, caption, shortcut, enabled, checked.
// clang-format off
const ItemRow kInitialItems[] = {
    {"cmdNew", "&New", "Ctrl+N", 1, 0}, {"cmdOpen", "&Open", "Ctrl+O", 1, 0},
    {"cmdSave", "&Save", "Ctrl+S", 0, 0}, {"cmdSaveAs", "Save &As", "Ctrl+A", 0, 0},
    {"cmdExportMenu", "&Export", "", 0, 0}, {"cmdExport", "Export To .&MAP", "", 1, 0},
    {"cmdExportAgain", "Export .MAP Again", "Ctrl+M", 0, 0},
    {"cmdExportOptions", "Export &Options", "", 1, 0}, {"cmdExportBMP", "Export To .&BMP", "", 1, 0},
    {"cmdQuit", "&Close", "", 1, 0}, {"cmdUndo", "&Undo", "Ctrl+Z", 0, 0},
    {"cmdRedo", "&Redo", "Ctrl+X", 0, 0}, {"cmdSolid", "&Solid", "Ctrl+B", 0, 1},
    {"cmdSolidWire", "Solid && WireFrame", "", 0, 0}, {"cmdWireframe", "&WireFrame", "Ctrl+W", 0, 0},
    {"cmdPoints", "&Points", "Ctrl+V", 0, 0}, {"cmdHighlightMenu", "&Highlight", "", 0, 0},
    {"cmdHighlight", "&Highlight Selected", "Ctrl+H", 0, 1},
    {"cmdHighlightEffected", "&Hightlight Effected", "", 0, 1},
    {"cmdShowLocked", "Show Locked Points", "", 0, 1}, {"cmdPointInfo", "Show Locked Point Info", "", 0, 0},
    {"cmdFPS", "Display &FPS", "", 0, 1}, {"cmdSky", "&Sky Box", "", 0, 1},
    {"cmdMip", "&Mip Mapping", "", 0, 1}, {"cmdInfo", "&Info", "Ctrl+I", 0, 1},
    {"cmdCammera", "&Cammera Options", "", 0, 0}, {"cmdTextures", "Specift Editor &Textures", "", 0, 0},
    {"cmdRadious", "&Effective Radious", "", 0, 0}, {"cmdRadSmall", "&Small", "", 1, 0},
    {"cmdRadLarge", "&Large", "", 1, 1}, {"cmdRadXLarge", "&X Axes large", "", 0, 0},
    {"cmdRadYLarge", "&Y Axis Large", "", 0, 0}, {"cmdConfiguration", "&Configuration", "Ctrl+C", 0, 0},
    {"cmdRaiseLower", "&Raise / Lower", "Ctrl+R", 0, 1}, {"cmdMountain", "Mountain / Valley", "Ctrl+L", 0, 0},
    {"cmdSmooth", "&Smooth", "Ctrl+G", 0, 0}, {"cmdNoise", "&Noise", "Ctrl+D", 0, 0},
    {"cmdFlatten", "&Flatten", "Ctrl+F", 0, 0}, {"cmdTouchUp", "&Touch Up", "Ctrl+T", 0, 0},
    {"cmdUnlockAll", "&Unlock All Points", "", 0, 0}, {"cmdIgnoreLocked", "&Ignore Locked Points", "", 0, 0},
    {"cmdGridChoice", "Grid", "", 0, 0}, {"cmdGrid1", "1", "", 1, 0}, {"cmdGrid4", "8", "", 1, 0},
    {"cmdGrid5", "16", "", 1, 1}, {"cmdGrid8", "128", "", 1, 0},
    {"cmdSmoothingPass", "&Smoothing Pass", "", 0, 0},
    {"cmdSmoothPassConfig", "Pass &Configuration", "", 0, 0},
    {"cmdNoisePass", "Random &Noise Pass", "", 0, 0}, {"cmdNoisePassConfig", "Pass &Configuration", "", 0, 0},
    {"cmdScalingPass", "&Scaling Pass", "", 0, 0}, {"cmdScalePassConfig", "Pass &Configuration", "", 0, 0},
    {"cmdProperties", "&Properties", "Ctrl+P", 0, 0}, {"cmdOnlineHelp", "&Online Help", "", 1, 0},
    {"cmdAbout", "&About", "", 1, 0},
};
// clang-format on

struct ButtonRow {
    const char *key, *tip;
    bool enabled;
};

// clang-format off
const ButtonRow kInitialButtons[] = {
    {"tbNew", "", 1}, {"tbOpen", "", 1}, {"tbSave", "", 0}, {"tbUndo", "", 0}, {"tbRedo", "", 0},
    {"tbRaiseLower", "Raise/Lower Tool", 0}, {"tbMountain", "Mountain/Valley Tool", 0},
    {"tbSmooth", "Smooth Tool", 0}, {"tbNoise", "Random Noise", 0}, {"tbFlatten", "Flatten Tool", 0},
    {"tbTouchUp", "Touch Up Tool", 0}, {"tbDetails", "Configuration", 0},
    {"tbRadius", "Effective Radius", 0}, {"tbGrid", "Grid", 0}};
// clang-format on

}  // namespace

TEST(MainWindowMenus, EveryItemAndButtonStartsAsTheTableSays) {
    WindowRig rig;
    for (const ItemRow& row : kInitialItems) {
        SCOPED_TRACE(row.name);
        QAction* a = rig.window->Action(row.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text().toStdString(), row.caption);
        EXPECT_EQ(a->shortcut(), QKeySequence(QString(row.shortcut)));
        EXPECT_EQ(a->isEnabled(), row.enabled);
        EXPECT_EQ(a->isChecked(), row.checked);
    }
    for (const ButtonRow& row : kInitialButtons) {
        SCOPED_TRACE(row.key);
        QAction* a = rig.window->Action(row.key);
        ASSERT_NE(a, nullptr);
        if (*row.tip) {
            EXPECT_EQ(a->toolTip().toStdString(), row.tip);
        }
        EXPECT_EQ(a->isEnabled(), row.enabled);
        EXPECT_FALSE(a->icon().isNull());
    }
    EXPECT_TRUE(rig.window->Action("tbRaiseLower")->isChecked());
    for (int k = 1; k <= 8; ++k) EXPECT_FALSE(rig.window->Action("cmdRM" + std::to_string(k))->isVisible());
    EXPECT_FALSE(rig.window->Action("cmdRmbSpace")->isVisible());
    // The current radius and grid entries of the drop-downs are the disabled ones.
    EXPECT_TRUE(rig.window->Action("tbSmall")->isEnabled());
    EXPECT_FALSE(rig.window->Action("tbLarge")->isEnabled());
    EXPECT_FALSE(rig.window->Action("tb16")->isEnabled());
    EXPECT_TRUE(rig.window->Action("tb32")->isEnabled());
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
    EXPECT_TRUE(rig.window->Action("cmdSave")->isEnabled());
    EXPECT_TRUE(rig.window->Action("cmdPoints")->isChecked());
    EXPECT_FALSE(rig.window->Action("cmdSolid")->isChecked());
    EXPECT_TRUE(rig.window->Action("cmdRM2")->isVisible());
    EXPECT_EQ(rig.window->Action("cmdRM2")->text(), "/maps/valley.vhm");
    EXPECT_TRUE(rig.window->Action("tbSmooth")->isChecked());
    EXPECT_FALSE(rig.window->Action("tbRaiseLower")->isChecked());
    EXPECT_EQ(rig.window->windowTitle(), "valley.vhm[*] - Varnholm");

    // A click on the checked render mode would uncheck it in Qt; the mode stays.
    rig.window->Action("cmdPoints")->trigger();
    EXPECT_EQ(s.View.Mode, vh::RenderMode::Points);
    EXPECT_TRUE(rig.window->Action("cmdPoints")->isChecked());
}

TEST(MainWindowControls, FindControlAndToolbarKeysStopAtTheirEnds) {
    vh::CommandStates c;
    EXPECT_EQ(FindControl(c, "cmdRM3"), &c.cmdRM[3]);
    EXPECT_EQ(FindControl(c, "cmdGrid8"), &c.cmdGrid[8]);
    EXPECT_EQ(FindControl(c, "tb128"), &c.tb128);
    for (const char* name : {"cmdGrid9", "cmdRM0", "cmdNothing"}) EXPECT_EQ(FindControl(c, name), nullptr);
    const std::pair<const char*, const char*> keys[] = {
        {"tbDetails", "cmdConfiguration"}, {"tb1", "cmdGrid1"},  {"tb128", "cmdGrid8"},
        {"tbXLarge", "cmdRadXLarge"},      {"tbGrid", "tbGrid"}, {"tbUnknown", ""}};
    for (const auto& [key, command] : keys) EXPECT_EQ(vh::ui::CommandForToolbarKey(key), command) << key;
}
