// The main window's menus and toolbar as they stand after start-up, and the
// mirror of the command states into them.
#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "main_window_fixture.h"
#include "ui/icons.h"

using vh::ui::CommandForToolbarKey;
using vh::ui::FindControl;
using vhtest::WindowRig;

namespace {

struct ItemRow {
    const char* name;
    const char* caption;
    const char* shortcut;
    bool enabled;
    bool checked;
};

// The start-up state of every menu item.
const ItemRow kInitialItems[] = {
    {"cmdNew", "&New", "Ctrl+N", true, false},
    {"cmdOpen", "&Open", "Ctrl+O", true, false},
    {"cmdSave", "&Save", "Ctrl+S", false, false},
    {"cmdSaveAs", "Save &As", "Ctrl+A", false, false},
    {"cmdExportMenu", "&Export", "", false, false},
    {"cmdExport", "Export To .&MAP", "", true, false},
    {"cmdExportAgain", "Export .MAP Again", "Ctrl+M", false, false},
    {"cmdExportOptions", "Export &Options", "", true, false},
    {"cmdExportBMP", "Export To .&BMP", "", true, false},
    {"cmdQuit", "&Close", "", true, false},
    {"cmdUndo", "&Undo", "Ctrl+Z", false, false},
    {"cmdRedo", "&Redo", "Ctrl+X", false, false},
    {"cmdSolid", "&Solid", "Ctrl+B", false, true},
    {"cmdSolidWire", "Solid && WireFrame", "", false, false},
    {"cmdWireframe", "&WireFrame", "Ctrl+W", false, false},
    {"cmdPoints", "&Points", "Ctrl+V", false, false},
    {"cmdHighlightMenu", "&Highlight", "", false, false},
    {"cmdHighlight", "&Highlight Selected", "Ctrl+H", false, true},
    {"cmdHighlightEffected", "&Hightlight Effected", "", false, true},
    {"cmdShowLocked", "Show Locked Points", "", false, true},
    {"cmdPointInfo", "Show Locked Point Info", "", false, false},
    {"cmdFPS", "Display &FPS", "", false, true},
    {"cmdSky", "&Sky Box", "", false, true},
    {"cmdMip", "&Mip Mapping", "", false, true},
    {"cmdInfo", "&Info", "Ctrl+I", false, true},
    {"cmdCammera", "&Cammera Options", "", false, false},
    {"cmdTextures", "Specift Editor &Textures", "", false, false},
    {"cmdRadious", "&Effective Radious", "", false, false},
    {"cmdRadSmall", "&Small", "", true, false},
    {"cmdRadLarge", "&Large", "", true, true},
    {"cmdRadXLarge", "&X Axes large", "", false, false},
    {"cmdRadYLarge", "&Y Axis Large", "", false, false},
    {"cmdConfiguration", "&Configuration", "Ctrl+C", false, false},
    {"cmdRaiseLower", "&Raise / Lower", "Ctrl+R", false, true},
    {"cmdMountain", "Mountain / Valley", "Ctrl+L", false, false},
    {"cmdSmooth", "&Smooth", "Ctrl+G", false, false},
    {"cmdNoise", "&Noise", "Ctrl+D", false, false},
    {"cmdFlatten", "&Flatten", "Ctrl+F", false, false},
    {"cmdTouchUp", "&Touch Up", "Ctrl+T", false, false},
    {"cmdUnlockAll", "&Unlock All Points", "", false, false},
    {"cmdIgnoreLocked", "&Ignore Locked Points", "", false, false},
    {"cmdGridChoice", "Grid", "", false, false},
    {"cmdGrid1", "1", "", true, false},
    {"cmdGrid4", "8", "", true, false},
    {"cmdGrid5", "16", "", true, true},
    {"cmdGrid8", "128", "", true, false},
    {"cmdSmoothingPass", "&Smoothing Pass", "", false, false},
    {"cmdSmoothPassConfig", "Pass &Configuration", "", false, false},
    {"cmdNoisePass", "Random &Noise Pass", "", false, false},
    {"cmdNoisePassConfig", "Pass &Configuration", "", false, false},
    {"cmdScalingPass", "&Scaling Pass", "", false, false},
    {"cmdScalePassConfig", "Pass &Configuration", "", false, false},
    {"cmdProperties", "&Properties", "Ctrl+P", false, false},
    {"cmdOnlineHelp", "&Online Help", "", true, false},
    {"cmdAbout", "&About", "", true, false},
};

QStringList MenuLayout(const QMenu* menu) {
    QStringList names;
    for (QAction* a : menu->actions())
        names << (a->isSeparator() && a->objectName().isEmpty() ? "-" : a->objectName());
    return names;
}

const QMenu* TopMenu(const vh::ui::MainWindow& w, const QString& title) {
    for (QAction* a : w.menuBar()->actions())
        if (a->text() == title) return a->menu();
    return nullptr;
}

}  // namespace

TEST(MainWindowMenus, EveryItemStartsWithItsCaptionShortcutAndState) {
    WindowRig rig;
    for (const ItemRow& row : kInitialItems) {
        SCOPED_TRACE(row.name);
        QAction* a = rig.window->Action(row.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->objectName().toStdString(), row.name);
        EXPECT_EQ(a->text().toStdString(), row.caption);
        EXPECT_EQ(a->shortcut(), QKeySequence(QString(row.shortcut)));
        EXPECT_EQ(a->isEnabled(), row.enabled);
        EXPECT_EQ(a->isChecked(), row.checked);
        if (row.checked) {
            EXPECT_TRUE(a->isCheckable());
        }
    }
}

TEST(MainWindowMenus, MenuBarHoldsTheSixMenusInOrder) {
    WindowRig rig;
    QStringList titles;
    for (QAction* a : rig.window->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Tool", "&Map", "&Help"}));
}

TEST(MainWindowMenus, ToolMenuOrderIsRadiusConfigurationToolsThenLockedPoints) {
    WindowRig rig;
    const QMenu* tool = TopMenu(*rig.window, "&Tool");
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(MenuLayout(tool),
              QStringList({"cmdRadious", "cmdConfiguration", "-", "cmdRaiseLower", "cmdMountain", "cmdSmooth",
                           "cmdNoise", "cmdFlatten", "cmdTouchUp", "-", "cmdUnlockAll", "cmdIgnoreLocked"}));
}

TEST(MainWindowMenus, FileMenuHasEightHiddenRecentItemsAndTheirSeparatorBeforeClose) {
    WindowRig rig;
    const QMenu* file = TopMenu(*rig.window, "&File");
    ASSERT_NE(file, nullptr);
    const QStringList layout = MenuLayout(file);
    const qsizetype first = layout.indexOf("cmdRM1");
    ASSERT_GE(first, 0);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(layout[first + k - 1], QString("cmdRM%1").arg(k));
        EXPECT_FALSE(rig.window->Action("cmdRM" + std::to_string(k))->isVisible());
    }
    EXPECT_EQ(layout[first + 8], "cmdRmbSpace");
    EXPECT_FALSE(rig.window->Action("cmdRmbSpace")->isVisible());
    EXPECT_EQ(layout.last(), "cmdQuit");
    EXPECT_LT(layout.indexOf("cmdExportMenu"), first);
}

TEST(MainWindowMenus, GridSubmenuOffersThePowersOfTwoWithSixteenChecked) {
    WindowRig rig;
    const QMenu* grid = rig.window->Action("cmdGridChoice")->menu();
    ASSERT_NE(grid, nullptr);
    QStringList captions;
    for (QAction* a : grid->actions()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"1", "2", "4", "8", "16", "32", "64", "128"}));
    EXPECT_TRUE(rig.window->Action("cmdGrid5")->isChecked());
    EXPECT_FALSE(rig.window->Action("cmdGrid6")->isChecked());
}

TEST(MainWindowMenus, ToolbarStartsWithOnlyNewAndOpenAvailable) {
    WindowRig rig;
    for (const char* key : {"tbNew", "tbOpen"}) EXPECT_TRUE(rig.window->Action(key)->isEnabled()) << key;
    for (const char* key : {"tbSave", "tbUndo", "tbRedo", "tbRaiseLower", "tbMountain", "tbSmooth", "tbNoise",
                            "tbFlatten", "tbTouchUp", "tbDetails", "tbRadius", "tbGrid"})
        EXPECT_FALSE(rig.window->Action(key)->isEnabled()) << key;
    EXPECT_TRUE(rig.window->Action("tbRaiseLower")->isChecked());
}

TEST(MainWindowMenus, ToolbarButtonsCarryTheirTooltipsAndIcons) {
    WindowRig rig;
    const std::pair<const char*, const char*> tips[] = {{"tbRaiseLower", "Raise/Lower Tool"},
                                                        {"tbMountain", "Mountain/Valley Tool"},
                                                        {"tbSmooth", "Smooth Tool"},
                                                        {"tbNoise", "Random Noise"},
                                                        {"tbFlatten", "Flatten Tool"},
                                                        {"tbTouchUp", "Touch Up Tool"},
                                                        {"tbDetails", "Configuration"},
                                                        {"tbRadius", "Effective Radius"},
                                                        {"tbGrid", "Grid"}};
    for (const auto& [key, tip] : tips) {
        QAction* a = rig.window->Action(key);
        ASSERT_NE(a, nullptr) << key;
        EXPECT_EQ(a->toolTip().toStdString(), tip);
        EXPECT_FALSE(a->icon().isNull()) << key;
    }
    for (const char* key : {"tbNew", "tbOpen", "tbSave", "tbUndo", "tbRedo"})
        EXPECT_FALSE(rig.window->Action(key)->icon().isNull()) << key;
}

TEST(MainWindowMenus, SixToolButtonsFormOneExclusiveGroup) {
    WindowRig rig;
    QActionGroup* group = rig.window->Action("tbRaiseLower")->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->isExclusive());
    QStringList keys;
    for (QAction* a : group->actions()) keys << a->objectName();
    EXPECT_EQ(keys,
              QStringList({"tbRaiseLower", "tbMountain", "tbSmooth", "tbNoise", "tbFlatten", "tbTouchUp"}));
}

TEST(MainWindowMenus, RadiusAndGridButtonsDropDownTheirEntriesWithTheCurrentDisabled) {
    WindowRig rig;
    QToolButton* radius = rig.window->ToolButton("tbRadius");
    ASSERT_NE(radius, nullptr);
    ASSERT_NE(radius->menu(), nullptr);
    EXPECT_EQ(radius->popupMode(), QToolButton::MenuButtonPopup);
    QStringList captions;
    for (QAction* a : radius->menu()->actions()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"Small", "Large", "X Axes Large", "Y Axes Large"}));
    EXPECT_TRUE(rig.window->Action("tbSmall")->isEnabled());
    EXPECT_FALSE(rig.window->Action("tbLarge")->isEnabled());
    EXPECT_FALSE(rig.window->Action("tbXLarge")->isEnabled());

    QToolButton* grid = rig.window->ToolButton("tbGrid");
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(grid->menu(), nullptr);
    captions.clear();
    for (QAction* a : grid->menu()->actions()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"1", "2", "4", "8", "16", "32", "64", "128"}));
    EXPECT_FALSE(rig.window->Action("tb16")->isEnabled());
    EXPECT_TRUE(rig.window->Action("tb32")->isEnabled());
}

TEST(MainWindowMenus, RefreshControlsMirrorsChangedStatesAndRecentCaptions) {
    WindowRig rig;
    vh::CommandStates& c = rig.State().Commands;
    c.cmdSave.Enabled = true;
    c.cmdPoints.Checked = true;
    c.cmdSolid.Checked = false;
    c.cmdRM[2].Visible = true;
    c.cmdRM[2].Caption = "/maps/valley.vhm";
    c.tbSmooth.Checked = true;
    c.tbRaiseLower.Checked = false;
    rig.State().Caption = "valley.vhm - Varnholm";
    rig.window->RefreshControls();

    EXPECT_TRUE(rig.window->Action("cmdSave")->isEnabled());
    EXPECT_TRUE(rig.window->Action("cmdPoints")->isChecked());
    EXPECT_FALSE(rig.window->Action("cmdSolid")->isChecked());
    EXPECT_TRUE(rig.window->Action("cmdRM2")->isVisible());
    EXPECT_EQ(rig.window->Action("cmdRM2")->text(), "/maps/valley.vhm");
    EXPECT_TRUE(rig.window->Action("tbSmooth")->isChecked());
    EXPECT_FALSE(rig.window->Action("tbRaiseLower")->isChecked());
    EXPECT_EQ(rig.window->windowTitle(), "valley.vhm - Varnholm");
}

TEST(MainWindowMenus, ClickedCheckMarkIsPutBackWhenTheCommandKeepsItUnchanged) {
    WindowRig rig;
    rig.State().Commands.cmdSolid.Enabled = true;
    rig.window->RefreshControls();
    // A click on the checked render mode would uncheck it in Qt; the mode stays.
    rig.window->Action("cmdSolid")->trigger();
    EXPECT_TRUE(rig.State().Commands.cmdSolid.Checked);
    EXPECT_TRUE(rig.window->Action("cmdSolid")->isChecked());
}

TEST(MainWindowControls, FindControlKnowsArrayItemsAndToolbarEntries) {
    vh::CommandStates c;
    EXPECT_EQ(FindControl(c, "cmdRM3"), &c.cmdRM[3]);
    EXPECT_EQ(FindControl(c, "cmdGrid8"), &c.cmdGrid[8]);
    EXPECT_EQ(FindControl(c, "tb128"), &c.tb128);
    EXPECT_EQ(FindControl(c, "tbYLarge"), &c.tbYLarge);
    EXPECT_EQ(FindControl(c, "cmdGrid9"), nullptr);
    EXPECT_EQ(FindControl(c, "cmdRM0"), nullptr);
    EXPECT_EQ(FindControl(c, "cmdNothing"), nullptr);
}

TEST(MainWindowControls, ToolbarKeysMapToTheirMenuCommands) {
    EXPECT_EQ(CommandForToolbarKey("tbNew"), "cmdNew");
    EXPECT_EQ(CommandForToolbarKey("tbDetails"), "cmdConfiguration");
    EXPECT_EQ(CommandForToolbarKey("tbTouchUp"), "cmdTouchUp");
    EXPECT_EQ(CommandForToolbarKey("tb1"), "cmdGrid1");
    EXPECT_EQ(CommandForToolbarKey("tb16"), "cmdGrid5");
    EXPECT_EQ(CommandForToolbarKey("tb128"), "cmdGrid8");
    EXPECT_EQ(CommandForToolbarKey("tbXLarge"), "cmdRadXLarge");
    EXPECT_EQ(CommandForToolbarKey("tbRadius"), "tbRadius");
    EXPECT_EQ(CommandForToolbarKey("tbGrid"), "tbGrid");
    EXPECT_EQ(CommandForToolbarKey("tbUnknown"), "");
}

TEST(ToolbarIcons, EveryKeyDrawsAVisibleIconAtNormalAndHighDpi) {
    vhtest::TestApp();
    for (const QString& key : vh::ui::ToolbarIconKeys()) {
        SCOPED_TRACE(key.toStdString());
        const QPixmap normal = vh::ui::DrawToolbarIcon(key, 24, 1.0);
        const QPixmap high = vh::ui::DrawToolbarIcon(key, 24, 2.0);
        ASSERT_FALSE(normal.isNull());
        EXPECT_EQ(normal.size(), QSize(24, 24));
        EXPECT_EQ(high.size(), QSize(48, 48));
        EXPECT_DOUBLE_EQ(high.devicePixelRatio(), 2.0);
        const QImage image = normal.toImage();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 24) << "icon nearly empty";
        EXPECT_LT(opaque, 24 * 24) << "icon fills its whole square";
    }
}

TEST(ToolbarIcons, IconsDifferFromEachOtherAndUnknownKeysGiveNone) {
    vhtest::TestApp();
    const QStringList keys = vh::ui::ToolbarIconKeys();
    EXPECT_EQ(keys.size(), 14);
    for (qsizetype i = 0; i < keys.size(); ++i)
        for (qsizetype j = i + 1; j < keys.size(); ++j)
            EXPECT_NE(vh::ui::DrawToolbarIcon(keys[i], 24).toImage(),
                      vh::ui::DrawToolbarIcon(keys[j], 24).toImage())
                << keys[i].toStdString() << " " << keys[j].toStdString();
    EXPECT_TRUE(vh::ui::ToolbarIcon("tbMissing").isNull());
    EXPECT_TRUE(vh::ui::DrawToolbarIcon("tbMissing", 24).isNull());
}
