#include "view/input_reader.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "view_test_fixture.h"

namespace {

TEST(InputReader, KeysHeldThroughAutoRepeatAndMouseMovementAccumulatesUntilTaken) {
    viewtest::App();
    QWidget view;
    view.resize(200, 100);
    auto* reader = new vh::view::InputReader(&view);
    auto key = [&](QEvent::Type type, bool repeat) {
        QKeyEvent e(type, Qt::Key_W, Qt::NoModifier, QString(), repeat);
        QCoreApplication::sendEvent(&view, &e);
    };
    key(QEvent::KeyPress, false);
    key(QEvent::KeyRelease, true);  // auto-repeat release: still held
    EXPECT_TRUE(reader->Take().KeyDown(vh::Key::W));
    key(QEvent::KeyRelease, false);
    EXPECT_FALSE(reader->Take().KeyDown(vh::Key::W));

    for (QPoint at : {QPoint(10, 10), QPoint(15, 8)}) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), view.mapToGlobal(QPointF(at)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &e);
    }
    const vh::InputState in = reader->Take();
    EXPECT_EQ(in.MouseDX, 5);
    EXPECT_EQ(in.MouseDY, -2);
    EXPECT_EQ(reader->Take().MouseDX, 0);
}

}  // namespace
