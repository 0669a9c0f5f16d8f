// The window shown with its OpenGL view: the main loop is paced by the frames.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include "main_window_fixture.h"
#include "view/camera.h"
#include "view/picking.h"
#include "view/terrain_view.h"

namespace {

// The window shown, with a 4 x 4 terrain made through "&New".
void ShowWithTerrain(vhtest::WindowRig& rig) {
    rig.window->resize(800, 600);
    rig.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.window.get()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.window->View()->SurfaceWindow()));
    rig.window->Action("cmdNew")->trigger();
    QDialog* frmNew = rig.window->OpenedDialog();
    ASSERT_NE(frmNew, nullptr);
    frmNew->findChild<QLineEdit*>("txtX")->setText("4");
    frmNew->findChild<QLineEdit*>("txtZ")->setText("4");
    frmNew->findChild<QAbstractButton*>("cmdOk")->click();
    vhtest::FlushEvents();
    ASSERT_TRUE(rig.State().Doc.TerrainExists);
    ASSERT_TRUE(rig.window->LoopTicking());
}

int MagentaPixels(vh::view::TerrainView* view) {
    const QImage frame = view->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb c = frame.pixel(x, y);
            n += qRed(c) > 100 && qBlue(c) > 100 && qGreen(c) < 60;
        }
    return n;
}

}  // namespace

TEST(MainWindowShown, FramesRunWithATerrainStopUnderADialogAndResumeOnCancel) {
    vhtest::WindowRig rig;
    ShowWithTerrain(rig);
    if (HasFatalFailure()) return;
    int frames = 0;
    QObject::connect(rig.window->View(), &vh::view::TerrainView::frameSwapped, [&] { ++frames; });
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

TEST(MainWindowShown, TheViewTakesANewGroundTextureOnTheTexturesDialogsOkey) {
    vhtest::WindowRig rig;
    ShowWithTerrain(rig);
    if (HasFatalFailure()) return;
    EXPECT_EQ(MagentaPixels(rig.window->View()), 0);
    QImage magenta(8, 8, QImage::Format_RGB32);
    magenta.fill(QColor(255, 0, 255));
    ASSERT_TRUE(magenta.save(QString::fromStdString(rig.folder.File("magenta.bmp"))));

    rig.window->Action("cmdTextures")->trigger();
    QDialog* dialog = rig.window->OpenedDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("txtTex")->setText(QString::fromStdString(rig.folder.File("magenta.bmp")));
    dialog->findChild<QAbstractButton*>("cmdOkey")->click();
    vhtest::FlushEvents();
    EXPECT_GT(MagentaPixels(rig.window->View()), 1000);
}

TEST(MainWindowShown, ViewMenuFramesTheTerrainResetsTheCameraAndTogglesTheOverlay) {
    vhtest::WindowRig rig;
    ShowWithTerrain(rig);
    vh::EditorState& s = rig.State();
    vh::view::TerrainView* view = rig.window->View();
    // Far off and looking away from the terrain.
    s.Pose.CameraPos = {40000, 9000, 40000};
    s.Pose.CameraTarget = {50000, 9000, 50000};
    rig.window->Action("cmdFrameTerrain")->trigger();
    const vh::view::ViewCamera cam = vh::view::MakeViewCamera(s.Pose, view->width(), view->height());
    for (int p = 1; p <= s.Terrain.PointCount; ++p) {
        const vh::TerrainPoint& q = s.Terrain.Points[p];
        float x = -1, y = -1;
        ASSERT_TRUE(vh::view::ProjectToScreen(cam, {q.X, q.Height, q.Z}, x, y)) << p;
        EXPECT_TRUE(x >= 0 && y >= 0 && x <= view->width() && y <= view->height())
            << p << ": " << x << ", " << y;
    }

    vh::CameraPose start = s.Pose;
    vh::ResetCamera(start, s.Terrain);
    rig.window->Action("cmdResetCamera")->trigger();
    EXPECT_EQ(s.Pose.CameraPos.x, start.CameraPos.x);
    EXPECT_EQ(s.Pose.CameraPos.y, start.CameraPos.y);
    EXPECT_EQ(s.Pose.CameraPos.z, start.CameraPos.z);

    QAction* overlay = rig.window->Action("cmdWalkability");
    ASSERT_TRUE(overlay->isEnabled());
    EXPECT_FALSE(overlay->isChecked());
    overlay->trigger();
    rig.window->RefreshControls();
    EXPECT_TRUE(s.View.Walkability);
    EXPECT_TRUE(overlay->isChecked());
}
