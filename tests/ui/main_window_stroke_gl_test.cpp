// A mouse stroke through the shown window: the main loop picks the square
// under the cursor, the raise/lower tool lifts it, and one undo restores it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
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

}  // namespace

TEST(MainWindowStroke, DraggingUpRaisesThePickedSquareAndOneUndoRestoresIt) {
    WindowRig rig;
    rig.window->resize(800, 600);
    rig.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.window.get()));
    rig.window->Action("cmdNew")->trigger();
    QDialog* frmNew = rig.window->OpenedDialog();
    ASSERT_NE(frmNew, nullptr);
    frmNew->findChild<QLineEdit*>("txtX")->setText("8");
    frmNew->findChild<QLineEdit*>("txtZ")->setText("8");
    frmNew->findChild<QAbstractButton*>("cmdOk")->click();
    vhtest::FlushEvents();
    vh::EditorState& s = rig.State();
    ASSERT_TRUE(s.Doc.TerrainExists);

    auto* view = rig.window->View();
    const QPoint start(view->width() / 2, view->height() * 3 / 4);
    SendMouse(view, QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Stroke.PickedSquare > 0; }, 5000))
        << "the cursor should be over the terrain";
    const int square = s.Stroke.PickedSquare;
    ASSERT_GT(square, 0) << "the cursor should be over the terrain";
    ASSERT_EQ(view->PickSquare(start.x(), start.y()), square);
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
