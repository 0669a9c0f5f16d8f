// The main window's dialog pattern, main-loop tick, command dispatch and quit flow.
#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "main_window_fixture.h"
#include "support/terrain_fixture.h"
#include "view/terrain_view.h"

using vh::PromptAnswer;
using vhtest::FlushEvents;
using vhtest::WindowRig;

namespace {

// A terrain in the window's state, as a generated one leaves it: loop running.
void GiveTerrain(WindowRig& rig, int x = 9, int y = 9) {
    const std::string folder = rig.State().ProgramFolder;
    vhtest::MakeTerrain(rig.State(), x, y);
    rig.State().ProgramFolder = folder;
    rig.State().DocTitle = "newmap.vhm";
    rig.State().LoopRunning = -1;
    rig.window->RefreshControls();
}

}  // namespace

TEST(MainWindowStartUp, NoTerrainNoLoopAndAnEmptyCaption) {
    WindowRig rig;
    EXPECT_FALSE(rig.State().TerrainExists);
    EXPECT_FALSE(rig.State().LoopRunning);
    EXPECT_FALSE(rig.window->LoopTicking());
    EXPECT_EQ(rig.window->windowTitle(), "Varnholm");
    EXPECT_FALSE(rig.window->ProgressBar()->isVisibleTo(rig.window.get()));
    EXPECT_TRUE(rig.window->StatusLine()->isReadOnly());
}

TEST(MainWindowStartUp, DefaultsComeFromTheProgramFolder) {
    WindowRig rig;
    EXPECT_EQ(rig.State().ProgramFolder, rig.folder.Path().string());
    EXPECT_EQ(rig.State().SkyUP, rig.folder.File("sky/top.bmp"));
    EXPECT_EQ(rig.State().GroundTexture, rig.folder.File("tex/ground.jpg"));
    EXPECT_TRUE(rig.State().DocClean);
}

TEST(MainWindowLoop, TickRunsExactlyWhileTheLoopFlagIsSet) {
    WindowRig rig;
    GiveTerrain(rig);
    EXPECT_TRUE(rig.window->LoopTicking());
    rig.State().LoopRunning = 0;
    rig.window->RefreshControls();
    EXPECT_FALSE(rig.window->LoopTicking());
}

TEST(MainWindowLoop, PassWritesTheStatusLineAndKeepsTicking) {
    WindowRig rig;
    GiveTerrain(rig);
    rig.window->StatusLine()->setText("stale");
    rig.window->LoopPass();
    EXPECT_EQ(rig.window->StatusLine()->text(), "No Selection.");
    EXPECT_TRUE(rig.window->LoopTicking());
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
}

TEST(MainWindowDialogs, OpeningStopsTheLoopAndDropsThePickCancelRestartsIt) {
    WindowRig rig;
    GiveTerrain(rig);
    rig.State().PickedSquare = 5;
    QPointer<QDialog> dialog = new QDialog;
    rig.window->OpenDialog(dialog);
    EXPECT_FALSE(rig.State().LoopRunning);
    EXPECT_EQ(rig.State().PickedSquare, 0);
    EXPECT_FALSE(rig.window->LoopTicking());
    dialog->reject();
    FlushEvents();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(rig.State().LoopRunning);
    EXPECT_TRUE(rig.window->LoopTicking());
    EXPECT_FALSE(rig.State().ClosingDialog);
}

TEST(MainWindowDialogs, ClosingByTheFrameActsAsCancel) {
    WindowRig rig;
    GiveTerrain(rig);
    bool accepted = false, rejected = false;
    QPointer<QDialog> dialog = new QDialog;
    QObject::connect(dialog, &QDialog::accepted, [&] { accepted = true; });
    QObject::connect(dialog, &QDialog::rejected, [&] { rejected = true; });
    rig.window->OpenDialog(dialog);
    dialog->close();
    FlushEvents();
    EXPECT_TRUE(rejected);
    EXPECT_FALSE(accepted);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(rig.window->LoopTicking());
}

TEST(MainWindowDialogs, WhileADialogIsOpenALoopFlagSetElsewhereDoesNotTick) {
    WindowRig rig;
    GiveTerrain(rig);
    QPointer<QDialog> dialog = new QDialog;
    rig.window->OpenDialog(dialog);
    rig.State().LoopRunning = -1;
    rig.window->RefreshControls();
    EXPECT_FALSE(rig.window->LoopTicking());
    dialog->accept();
    FlushEvents();
    EXPECT_TRUE(rig.window->LoopTicking());
}

TEST(MainWindowCommands, UnregisteredNamesDoNothing) {
    WindowRig rig;
    EXPECT_FALSE(rig.window->RunCommand("cmdNoSuchThing"));
    EXPECT_FALSE(rig.window->RunToolbarKey("tbNoSuchThing"));
}

TEST(MainWindowCommands, RegisteredHandlerRunsFromItsMenuItemAndControlsRefresh) {
    WindowRig rig;
    int runs = 0;
    rig.window->RegisterCommand("cmdAbout", [&] {
        ++runs;
        rig.State().Commands.cmdSave.Enabled = true;
    });
    rig.window->Action("cmdAbout")->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(rig.window->Action("cmdSave")->isEnabled());
}

TEST(MainWindowCommands, ToolbarClickClearsThePickThenSelectsTheTool) {
    WindowRig rig;
    GiveTerrain(rig);
    rig.State().PickedSquare = 7;
    rig.State().ToolActive = -1;
    rig.window->Action("tbSmooth")->trigger();
    EXPECT_EQ(rig.State().PickedSquare, 0);
    EXPECT_FALSE(rig.State().ToolActive);
    EXPECT_TRUE(rig.State().Commands.cmdSmooth.Checked);
    EXPECT_FALSE(rig.State().Commands.cmdRaiseLower.Checked);
    EXPECT_TRUE(rig.window->Action("tbSmooth")->isChecked());
    EXPECT_FALSE(rig.window->Action("tbRaiseLower")->isChecked());
    EXPECT_TRUE(rig.window->Action("cmdSmooth")->isChecked());
}

TEST(MainWindowCommands, GridButtonEntryRunsTheGridCommandOfItsPosition) {
    WindowRig rig;
    GiveTerrain(rig);
    rig.window->Action("tb64")->trigger();
    EXPECT_EQ(rig.State().Grid, 64);
    EXPECT_TRUE(rig.window->Action("cmdGrid7")->isChecked());
    EXPECT_FALSE(rig.window->Action("cmdGrid5")->isChecked());
    EXPECT_FALSE(rig.window->Action("tb64")->isEnabled());
    EXPECT_TRUE(rig.window->Action("tb16")->isEnabled());
}

TEST(MainWindowCommands, RenderModesAreExclusive) {
    WindowRig rig;
    GiveTerrain(rig);
    rig.window->Action("cmdWireframe")->trigger();
    EXPECT_TRUE(rig.window->Action("cmdWireframe")->isChecked());
    EXPECT_FALSE(rig.window->Action("cmdSolid")->isChecked());
    rig.window->Action("cmdSolidWire")->trigger();
    EXPECT_TRUE(rig.State().Commands.cmdSolidWire.Checked);
    EXPECT_FALSE(rig.State().Commands.cmdWireframe.Checked);
    EXPECT_FALSE(rig.State().Commands.cmdSolid.Checked);
    EXPECT_FALSE(rig.State().Commands.cmdPoints.Checked);
}

TEST(MainWindowCommands, HighlightAndShowLockedGateTheirDependentItems) {
    WindowRig rig;
    GiveTerrain(rig);
    EXPECT_TRUE(rig.window->Action("cmdHighlightEffected")->isEnabled());
    rig.window->Action("cmdHighlight")->trigger();
    EXPECT_FALSE(rig.State().Commands.cmdHighlight.Checked);
    EXPECT_FALSE(rig.window->Action("cmdHighlightEffected")->isEnabled());
    rig.window->Action("cmdHighlight")->trigger();
    EXPECT_TRUE(rig.window->Action("cmdHighlightEffected")->isEnabled());

    EXPECT_TRUE(rig.window->Action("cmdPointInfo")->isEnabled());
    rig.window->Action("cmdShowLocked")->trigger();
    EXPECT_FALSE(rig.window->Action("cmdShowLocked")->isChecked());
    EXPECT_FALSE(rig.window->Action("cmdPointInfo")->isEnabled());
}

TEST(MainWindowCommands, ViewTogglesInvertTheirOwnCheckMark) {
    WindowRig rig;
    GiveTerrain(rig);
    for (const char* name : {"cmdFPS", "cmdSky", "cmdMip", "cmdInfo", "cmdHighlightEffected"}) {
        SCOPED_TRACE(name);
        const bool before = rig.window->Action(name)->isChecked();
        rig.window->Action(name)->trigger();
        EXPECT_NE(rig.window->Action(name)->isChecked(), before);
        EXPECT_EQ(vh::ui::FindControl(rig.State().Commands, name)->Checked, !before);
    }
    rig.window->Action("cmdPointInfo")->trigger();
    EXPECT_TRUE(rig.State().Commands.cmdPointInfo.Checked);
}

TEST(MainWindowCommands, WaitCursorIsSetAndRestored) {
    WindowRig rig;
    rig.window->SetWaitCursor(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    rig.window->SetWaitCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(MainWindowProgress, StatusProgressDrivesTheStatusLineAndTheBar) {
    WindowRig rig;
    vh::Progress& p = rig.window->StatusProgress();
    p.Status("Exporting Brushes...");
    p.Maximum(64);
    p.Value(10);
    EXPECT_EQ(rig.window->StatusLine()->text(), "Exporting Brushes...");
    EXPECT_TRUE(rig.window->ProgressBar()->isVisibleTo(rig.window.get()));
    EXPECT_EQ(rig.window->ProgressBar()->maximum(), 64);
    EXPECT_EQ(rig.window->ProgressBar()->value(), 10);
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
    EXPECT_TRUE(rig.window->Action("cmdRM1")->isVisible());
    EXPECT_EQ(rig.window->Action("cmdRM1")->text(), "/maps/a.vhm");
    EXPECT_FALSE(rig.window->Action("cmdRM2")->isVisible());
    EXPECT_TRUE(rig.window->Action("cmdRmbSpace")->isVisible());
}

TEST(MainWindowQuit, CancelKeepsTheProgramTheTerrainAndTheLoop) {
    WindowRig rig;
    GiveTerrain(rig);
    rig.State().DocClean = 0;
    const std::string settingsBefore = vhtest::ReadFileBytes(rig.SettingsPath());
    rig.prompts.Answers = {PromptAnswer::Cancel};
    rig.window->Action("cmdQuit")->trigger();
    ASSERT_EQ(rig.prompts.Messages.size(), 1u);
    EXPECT_EQ(rig.prompts.Messages[0].Text, "Save changes to newmap.vhm");
    EXPECT_EQ(rig.prompts.Messages[0].Title, "Save File?");
    EXPECT_EQ(rig.prompts.Messages[0].Buttons, vh::PromptButtons::YesNoCancel);
    EXPECT_FALSE(rig.window->Ended());
    EXPECT_TRUE(rig.State().TerrainExists);
    EXPECT_EQ(rig.State().PointTotal(), 81);
    EXPECT_TRUE(rig.window->LoopTicking());
    EXPECT_EQ(vhtest::ReadFileBytes(rig.SettingsPath()), settingsBefore);
}

TEST(MainWindowQuit, NoWritesSettingsWithPlacementAndViewItemsThenEnds) {
    WindowRig rig;
    GiveTerrain(rig);
    rig.State().DocClean = 0;
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
    EXPECT_FALSE(rig.State().LoopRunning);
    const std::string text = vhtest::ReadFileBytes(rig.SettingsPath());
    for (const char* line : {"Top=675", "Left=450", "Height=9000", "Width=12000", "Sky=False", "FPS=True",
                             "WindowState=0", "RenderMode=Solid"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(MainWindowQuit, CloseBoxRunsTheQuitFlow) {
    WindowRig rig;
    GiveTerrain(rig);
    rig.State().DocClean = 0;
    rig.prompts.Answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(rig.window->close());
    EXPECT_FALSE(rig.window->Ended());
    EXPECT_EQ(rig.prompts.Messages.size(), 1u);

    rig.State().DocClean = -1;
    EXPECT_TRUE(rig.window->close());
    EXPECT_TRUE(rig.window->Ended());
    EXPECT_EQ(rig.prompts.Messages.size(), 1u);  // a saved document asks nothing
    EXPECT_TRUE(std::filesystem::exists(rig.SettingsPath()));
}

TEST(MainWindowQuit, SettingsWrittenAtTheEndAreReadBackByTheNextStart) {
    std::string settings;
    {
        WindowRig first;
        first.window->resize(700, 500);
        first.window->move(60, 90);
        first.State().Commands.cmdInfo.Checked = false;
        ASSERT_TRUE(first.window->Quit());
        settings = vhtest::ReadFileBytes(first.SettingsPath());
    }
    WindowRig second(settings);
    EXPECT_EQ(second.window->size(), QSize(700, 500));
    EXPECT_EQ(second.window->pos(), QPoint(60, 90));
    EXPECT_FALSE(second.window->Action("cmdInfo")->isChecked());
}

TEST(MainWindowQuit, MaximisedWindowIsWrittenWithTheMaximisedPlacement) {
    WindowRig rig;
    rig.window->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(rig.window->Quit());
    const std::string text = vhtest::ReadFileBytes(rig.SettingsPath());
    for (const char* line : {"WindowState=2", "Height=7410", "Width=8115"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(MainWindowSelection, MovingOverTheToolbarOrLeavingTheViewDropsThePick) {
    WindowRig rig;
    GiveTerrain(rig);
    rig.State().PickedSquare = 4;
    QWidget* button = rig.window->ToolButton("tbGrid");
    ASSERT_NE(button, nullptr);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), button->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &move);
    EXPECT_EQ(rig.State().PickedSquare, 0);

    rig.State().PickedSquare = 6;
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(rig.window->View(), &leave);
    EXPECT_EQ(rig.State().PickedSquare, 0);
}

TEST(MainWindowSelection, WithTheLoopStoppedThePickIsLeftAlone) {
    WindowRig rig;
    GiveTerrain(rig);
    rig.State().LoopRunning = 0;
    rig.State().PickedSquare = 4;
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(rig.window->Toolbar(), &enter);
    EXPECT_EQ(rig.State().PickedSquare, 4);
}
