// The window shown with its OpenGL view: the main loop is paced by the frames.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include "main_window_fixture.h"
#include "view/terrain_view.h"

TEST(MainWindowShown, FramesRunWithATerrainStopUnderADialogAndResumeOnCancel) {
    vhtest::WindowRig rig;
    rig.window->resize(800, 600);
    rig.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.window.get()));
    rig.window->Action("cmdNew")->trigger();
    QDialog* frmNew = rig.window->OpenedDialog();
    ASSERT_NE(frmNew, nullptr);
    frmNew->findChild<QLineEdit*>("txtX")->setText("4");
    frmNew->findChild<QLineEdit*>("txtZ")->setText("4");
    frmNew->findChild<QAbstractButton*>("cmdOk")->click();
    vhtest::FlushEvents();
    ASSERT_TRUE(rig.State().Doc.TerrainExists);
    ASSERT_TRUE(rig.window->LoopTicking());
    int frames = 0;
    QObject::connect(rig.window->View(), &QOpenGLWidget::frameSwapped, [&] { ++frames; });
    QTest::qWait(600);
    EXPECT_GE(frames, 3);

    rig.window->Action("cmdExportOptions")->trigger();
    QDialog* options = rig.window->OpenedDialog();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->windowTitle(), "Exportation Options");
    EXPECT_FALSE(rig.window->LoopTicking());
    frames = 0;
    QTest::qWait(300);
    EXPECT_LE(frames, 1);  // at most the repaint the dialog's appearance causes

    options->reject();
    vhtest::FlushEvents();
    EXPECT_TRUE(rig.window->LoopTicking());
    frames = 0;
    QTest::qWait(600);
    EXPECT_GE(frames, 3);

    // The window ends with the cursor over the view, whose dying QWidget part
    // still sends a Leave event through the window's filter.
    QTest::mouseMove(rig.window->View(), rig.window->View()->rect().center());
    QTRY_VERIFY(rig.window->View()->underMouse());
}
