// The main window's dialog pattern, main-loop tick, command dispatch and quit flow.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

#include "main_window_fixture.h"
#include "support/terrain_fixture.h"
#include "view/terrain_view.h"

using vh::PromptAnswer;
using vhtest::FlushEvents;
using vhtest::WindowRig;

namespace {

bool Contains(const std::string& text, const char* line) {
    return text.find(line) != std::string::npos;
}

}  // namespace

TEST(MainWindowDocument, TheTitleShowsUnsavedChangesAndSaveWorksForANewMap) {
    WindowRig rig;
    rig.GiveTerrain();
    vh::ui::MainWindow& w = *rig.window;
    rig.State().Doc.Caption = "newmap.vhm - Varnholm";
    rig.State().Terrain.Points[5].Height = 64;
    w.RefreshControls();
    EXPECT_EQ(w.windowTitle(), "newmap.vhm[*] - Varnholm");
    EXPECT_TRUE(w.isWindowModified());
    // Save (Ctrl+S) on a map that has no file yet asks for one.
    ASSERT_TRUE(w.Action("cmdSave")->isEnabled());
    EXPECT_TRUE(w.ToolButton("tbSave")->isEnabled());
    rig.prompts.FileAnswers.push_back(vhtest::ScriptedPrompts::Choose(rig.folder.File("hills.vhm")));
    w.Action("cmdSave")->trigger();
    ASSERT_EQ(rig.prompts.SaveRequests.size(), 1u);
    EXPECT_EQ(w.windowTitle(), "hills.vhm[*] - Varnholm");
    EXPECT_FALSE(w.isWindowModified());
    // A whole-map pass changes the document as a stroke does.
    w.Action("cmdScalingPass")->trigger();
    EXPECT_TRUE(w.isWindowModified());
}

TEST(MainWindowStartUp, SettingsFileSetsPlacementViewItemsAndRecentMenu) {
    WindowRig rig(
        "\n[Editor]\nTop=300\nLeft=150\nHeight=6000\nWidth=9000\nFPS=False\nRenderMode=Points\n"
        "\n[RecentMemory]\nRM1=/maps/a.vhm\nRM2=\n");
    EXPECT_EQ(rig.window->size(), QSize(600, 400));
    EXPECT_EQ(rig.window->pos(), QPoint(10, 20));
    EXPECT_FALSE(rig.window->Action("cmdFPS")->isChecked());
    EXPECT_TRUE(rig.window->Action("cmdPoints")->isChecked());
    EXPECT_FALSE(rig.window->Action("cmdSolid")->isChecked());
    EXPECT_EQ(rig.window->Action("cmdRM1")->text(), "/maps/a.vhm");
    EXPECT_TRUE(rig.window->Action("cmdRM1")->isVisible());
    EXPECT_FALSE(rig.window->Action("cmdRM2")->isVisible());
    EXPECT_TRUE(rig.window->Action("cmdRmbSpace")->isVisible());
}

TEST(MainWindowDialogs, DialogBeforeAnyTerrainDoesNotStartTheLoop) {
    WindowRig rig;
    QPointer<QDialog> dialog = new QDialog;
    rig.window->OpenDialog(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->parentWidget(), rig.window.get());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(rig.window->OpenedDialog(), dialog.data());
    dialog->reject();
    FlushEvents();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(rig.window->OpenedDialog(), nullptr);
    EXPECT_FALSE(rig.State().LoopRunning);
    EXPECT_FALSE(rig.window->LoopTicking());
    EXPECT_EQ(rig.window->windowTitle(), "Varnholm[*]");
    EXPECT_FALSE(rig.window->isWindowModified());
}

TEST(MainWindowDialogs, OpeningStopsTheLoopAndDropsThePickClosingByTheFrameRestartsIt) {
    WindowRig rig;
    rig.GiveTerrain();
    rig.State().Stroke.PickedSquare = 5;
    bool accepted = false, rejected = false;
    QPointer<QDialog> dialog = new QDialog;
    QObject::connect(dialog, &QDialog::accepted, [&] { accepted = true; });
    QObject::connect(dialog, &QDialog::rejected, [&] { rejected = true; });
    rig.window->OpenDialog(dialog);
    EXPECT_FALSE(rig.State().LoopRunning);
    EXPECT_EQ(rig.State().Stroke.PickedSquare, 0);
    // A loop flag set elsewhere while the dialog is open does not tick either.
    rig.State().LoopRunning = true;
    rig.window->RefreshControls();
    EXPECT_FALSE(rig.window->LoopTicking());
    dialog->close();  // the frame's close box acts as Cancel
    FlushEvents();
    EXPECT_TRUE(rejected);
    EXPECT_FALSE(accepted);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(rig.State().LoopRunning);
    EXPECT_TRUE(rig.window->LoopTicking());
    rig.window->LoopPass();
    EXPECT_EQ(rig.window->StatusLine()->text(), "No Selection.");
}

TEST(MainWindowCommands, ToolbarClicksClearThePickAndSelectToolOrGrid) {
    WindowRig rig;
    rig.GiveTerrain();
    rig.State().Stroke.PickedSquare = 7;
    rig.State().Stroke.ToolActive = true;
    rig.window->Action("tbSmooth")->trigger();
    EXPECT_EQ(rig.State().Stroke.PickedSquare, 0);
    EXPECT_FALSE(rig.State().Stroke.ToolActive);
    EXPECT_TRUE(rig.window->Action("cmdSmooth")->isChecked());
    EXPECT_EQ(rig.State().CurrentTool, vh::Tool::Smooth);
    EXPECT_FALSE(rig.window->Action("tbRaiseLower")->isChecked());
    rig.window->Action("tb64")->trigger();
    EXPECT_EQ(rig.State().Tools.Grid, 64);
    EXPECT_TRUE(rig.window->Action("cmdGrid7")->isChecked());
    EXPECT_FALSE(rig.window->Action("cmdGrid5")->isChecked());
    EXPECT_FALSE(rig.window->Action("tb64")->isEnabled());
    EXPECT_TRUE(rig.window->Action("tb16")->isEnabled());
}

TEST(MainWindowQuit, CancelOrASaveThatDidNotHappenKeepsTheProgramTheTerrainAndTheLoop) {
    const struct {
        const char* what;
        PromptAnswer answer;
        std::string docPath;  // Yes saves here; empty: Save As, which is cancelled
    } cases[] = {{"cancel", PromptAnswer::Cancel, ""},
                 {"Save As cancelled", PromptAnswer::Yes, ""},
                 {"write failed", PromptAnswer::Yes, "/nonexistent-folder/hills.vhm"}};
    for (const auto& c : cases) {
        WindowRig rig;
        rig.GiveTerrain();
        rig.State().Doc.DocPath = c.docPath;
        const std::string settingsBefore = vhtest::ReadFileBytes(rig.SettingsPath());
        rig.prompts.Answers = {c.answer, PromptAnswer::Ok};
        EXPECT_FALSE(rig.window->close()) << c.what;  // the close box runs the same flow
        ASSERT_GE(rig.prompts.Messages.size(), 1u);
        EXPECT_EQ(rig.prompts.Messages[0].Text, "Save changes to newmap.vhm");
        EXPECT_EQ(rig.prompts.Messages[0].Title, "Save File?");
        EXPECT_EQ(rig.prompts.Messages[0].Buttons, vh::PromptButtons::YesNoCancel);
        EXPECT_FALSE(rig.window->Ended()) << c.what;
        EXPECT_EQ(rig.State().Terrain.PointCount, 81);
        EXPECT_TRUE(rig.window->LoopTicking()) << c.what;
        EXPECT_TRUE(rig.window->isWindowModified()) << c.what;
        EXPECT_EQ(vhtest::ReadFileBytes(rig.SettingsPath()), settingsBefore);
    }
}

TEST(MainWindowQuit, NoWritesSettingsWithPlacementAndViewItemsThenEnds) {
    WindowRig rig;
    rig.GiveTerrain();
    rig.window->resize(800, 600);
    rig.window->move(30, 45);
    rig.window->Action("cmdSky")->trigger();
    rig.prompts.Answers = {PromptAnswer::No};
    bool endedSignal = false;
    QObject::connect(rig.window.get(), &vh::ui::MainWindow::ProgramEnded, [&] { endedSignal = true; });
    rig.window->Action("cmdQuit")->trigger();
    EXPECT_TRUE(rig.window->Ended());
    EXPECT_TRUE(endedSignal);
    EXPECT_FALSE(rig.window->LoopTicking());
    const std::string text = vhtest::ReadFileBytes(rig.SettingsPath());
    for (const char* line : {"Top=675", "Left=450", "Height=9000", "Width=12000", "Sky=False", "FPS=True",
                             "WindowState=0", "RenderMode=Solid"})
        EXPECT_TRUE(Contains(text, line)) << line;
}

TEST(MainWindowQuit, MaximisedWindowIsWrittenWithTheMaximisedPlacement) {
    WindowRig rig;
    rig.window->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(rig.window->Quit());
    const std::string text = vhtest::ReadFileBytes(rig.SettingsPath());
    for (const char* line : {"WindowState=2", "Height=7410", "Width=8115"})
        EXPECT_TRUE(Contains(text, line)) << line;
}
