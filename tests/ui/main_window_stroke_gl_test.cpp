// A mouse stroke through the shown window: the main loop picks the square
// under the cursor, the raise/lower tool lifts it, and one undo restores it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <array>

#include "main_window_fixture.h"
#include "view/terrain_view.h"

using vhtest::WindowRig;

namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent ev(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

std::array<float, 4> CornerHeights(const vh::EditorState& s, int square) {
    const vh::SquareCorners c = s.Terrain.Corners(square);
    const auto& p = s.Terrain.Points;
    return {p[c.c2].Height, p[c.c3].Height, p[c.c0].Height, p[c.c1].Height};
}

// A shown window with a new 8 x 8 terrain, the cursor over it; returns
// the square under the cursor at `start`.
int NewTerrainUnderCursor(WindowRig& rig, QPoint& start) {
    rig.window->resize(800, 600);
    rig.window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(rig.window.get()));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(rig.window->View()->SurfaceWindow()));
    rig.window->Action("cmdNew")->trigger();
    QDialog* frmNew = rig.window->OpenedDialog();
    if (!frmNew) return 0;
    frmNew->findChild<QLineEdit*>("txtX")->setText("8");
    frmNew->findChild<QLineEdit*>("txtZ")->setText("8");
    frmNew->findChild<QAbstractButton*>("cmdOk")->click();
    vhtest::FlushEvents();
    vh::EditorState& s = rig.State();
    if (!s.Doc.TerrainExists) return 0;
    auto* view = rig.window->View();
    start = QPoint(view->width() / 2, view->height() * 3 / 4);
    SendMouse(view, QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
    if (!QTest::qWaitFor([&] { return s.Stroke.PickedSquare > 0; }, 5000)) return 0;
    return view->PickSquare(start.x(), start.y()) == s.Stroke.PickedSquare ? s.Stroke.PickedSquare : 0;
}

class MainWindowStroke : public ::testing::Test {
protected:
    void SetUp() override {
        square = NewTerrainUnderCursor(rig, start);
        ASSERT_GT(square, 0) << "the cursor should be over the terrain";
    }
    WindowRig rig;
    vh::EditorState& s = rig.State();
    vh::view::TerrainView* view = rig.window->View();
    QPoint start;
    int square = 0;
};

}  // namespace

TEST_F(MainWindowStroke, DraggingUpRaisesThePickedSquareAndOneUndoRestoresIt) {
    view->setFocus();
    EXPECT_EQ(CornerHeights(s, square), (std::array<float, 4>{0, 0, 0, 0}));
    // Each step waits for the pass that saw it, so a slow machine gives the same stroke.
    SendMouse(view, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.LastMouseY == start.y(); }, 5000));
    for (int i = 1; i <= 5; ++i) {
        const QPoint at = start - QPoint(0, 4 * i);
        SendMouse(view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.LastMouseY == at.y(); }, 5000));
        EXPECT_EQ(s.Stroke.PickedSquare, square) << "the stroke keeps its square";
    }
    SendMouse(view, QEvent::MouseButtonRelease, start - QPoint(0, 20), Qt::LeftButton, Qt::NoButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.Stroke.ToolActive; }, 5000));

    const std::array<float, 4> raised = CornerHeights(s, square);
    EXPECT_GT(raised[0], 0);
    for (float h : raised) {
        EXPECT_EQ(h, raised[0]);
        EXPECT_EQ(static_cast<int>(h) % 16, 0) << "steps follow the height grid";
    }
    EXPECT_EQ(s.History.UndoLevels, 1) << "one snapshot for the whole stroke";
    EXPECT_FALSE(s.Doc.DocClean);

    rig.window->Action("cmdUndo")->trigger();
    EXPECT_EQ(CornerHeights(s, square), (std::array<float, 4>{0, 0, 0, 0}));
}

TEST_F(MainWindowStroke, TheClickThatFocusesTheViewIsNotAStroke) {
    ASSERT_NE(view->window()->focusWidget(), view);

    // A press, a drag up that would raise the square, a release.
    SendMouse(view, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseMove, start - QPoint(0, 40), Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.MouseY == start.y() - 40; }, 5000));
    SendMouse(view, QEvent::MouseButtonRelease, start - QPoint(0, 40), Qt::LeftButton, Qt::NoButton);
    SendMouse(view, QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.MouseY == start.y(); }, 5000));
    EXPECT_EQ(view->window()->focusWidget(), view) << "the click gave the view the focus";
    EXPECT_EQ(CornerHeights(s, square), (std::array<float, 4>{0, 0, 0, 0}));
    EXPECT_EQ(s.History.UndoLevels, 0);

    // The next stroke edits.
    SendMouse(view, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.ToolActive; }, 5000));
    SendMouse(view, QEvent::MouseMove, start - QPoint(0, 40), Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.LastMouseY == start.y() - 40; }, 5000));
    SendMouse(view, QEvent::MouseButtonRelease, start - QPoint(0, 40), Qt::LeftButton, Qt::NoButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.Stroke.ToolActive; }, 5000));
    EXPECT_GT(CornerHeights(s, square)[0], 0);
    EXPECT_EQ(s.History.UndoLevels, 1);
}

TEST_F(MainWindowStroke, ClicksFromTheWindowSystemReachTheViewThroughItsSurface) {
    if (!view->EmbedsSurface()) GTEST_SKIP() << "the frames go through a QOpenGLWidget here";
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    rig.window->findChild<QLineEdit*>()->setFocus();
    ASSERT_FALSE(view->hasFocus());

    // Where the window system delivers pointer events to the embedded
    // surface the frames show in (it is transparent for input where the
    // platform allows), they reach the view all the same; the first click
    // only focuses the view.
    QWindow* surface = view->SurfaceWindow();
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(surface, start - QPoint(0, 40));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.MouseY == start.y() - 40; }, 5000));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, start - QPoint(0, 40));
    EXPECT_TRUE(view->hasFocus());
    EXPECT_NE(QGuiApplication::focusWindow(), surface) << "the surface never holds the keyboard";
    QTest::qWait(100);
    EXPECT_EQ(CornerHeights(s, square), (std::array<float, 4>{0, 0, 0, 0}));
    EXPECT_EQ(s.History.UndoLevels, 0);

    // The next drag edits, and the undo shortcut reaches the window's menu.
    QTest::mouseMove(surface, start);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.MouseY == start.y(); }, 5000));
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, start);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.ToolActive; }, 5000));
    QTest::mouseMove(surface, start - QPoint(0, 40));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.LastMouseY == start.y() - 40; }, 5000));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, start - QPoint(0, 40));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.Stroke.ToolActive; }, 5000));
    EXPECT_GT(CornerHeights(s, square)[0], 0);
    EXPECT_EQ(s.History.UndoLevels, 1);
    QTest::keyClick(rig.window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(CornerHeights(s, square), (std::array<float, 4>{0, 0, 0, 0}));
}
