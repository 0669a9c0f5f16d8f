#include "view/input_reader.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include "view_test_fixture.h"

namespace {

TEST(ScanCodes, QtKeysMapToDirectInputCodes) {
    EXPECT_EQ(vh::view::ScanCodeOfQtKey(Qt::Key_W), vh::Key::W);
    EXPECT_EQ(vh::view::ScanCodeOfQtKey(Qt::Key_A), vh::Key::A);
    EXPECT_EQ(vh::view::ScanCodeOfQtKey(Qt::Key_L), vh::Key::L);
    EXPECT_EQ(vh::view::ScanCodeOfQtKey(Qt::Key_Up), vh::Key::Up);
    EXPECT_EQ(vh::view::ScanCodeOfQtKey(Qt::Key_PageDown), vh::Key::PageDown);
    EXPECT_EQ(vh::view::ScanCodeOfQtKey(Qt::Key_Home), vh::Key::Home);
    EXPECT_EQ(vh::view::ScanCodeOfQtKey(Qt::Key_unknown), 0);
}

class Reader : public ::testing::Test {
protected:
    void SetUp() override {
        view.resize(200, 100);
        reader = new vh::view::InputReader(&view);
    }
    void Key(QObject* to, QEvent::Type type, int key, bool repeat = false) {
        QKeyEvent e(type, key, Qt::NoModifier, QString(), repeat);
        QCoreApplication::sendEvent(to, &e);
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &e);
    }
    QApplication& app = viewtest::App();  // before any widget
    QWidget view;
    vh::view::InputReader* reader = nullptr;
};

TEST_F(Reader, KeysAreHeldByScanCodeUntilReleased) {
    Key(&view, QEvent::KeyPress, Qt::Key_W);
    EXPECT_TRUE(reader->Take().KeyDown(vh::Key::W));
    EXPECT_TRUE(reader->Take().KeyDown(vh::Key::W));
    Key(&view, QEvent::KeyRelease, Qt::Key_W, true);  // auto-repeat release: still held
    EXPECT_TRUE(reader->Take().KeyDown(vh::Key::W));
    Key(&view, QEvent::KeyRelease, Qt::Key_W);
    EXPECT_FALSE(reader->Take().KeyDown(vh::Key::W));
}

TEST_F(Reader, KeysOfAWatchedWindowCountToo) {
    QWidget window;
    reader->WatchKeysOf(&window);
    Key(&window, QEvent::KeyPress, Qt::Key_PageUp);
    EXPECT_TRUE(reader->Take().KeyDown(vh::Key::PageUp));
}

TEST_F(Reader, MouseMovementAccumulatesUntilTakenAndButtonsFollowThePress) {
    Mouse(QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);
    Mouse(QEvent::MouseMove, {15, 8}, Qt::NoButton, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, {20, 4}, Qt::RightButton, Qt::RightButton);
    vh::InputState in = reader->Take();
    EXPECT_EQ(in.MouseDX, 10);
    EXPECT_EQ(in.MouseDY, -6);
    EXPECT_EQ(in.CursorX, 20);
    EXPECT_EQ(in.CursorY, 4);
    EXPECT_TRUE(in.CursorInView);
    EXPECT_TRUE(in.Button2);
    EXPECT_FALSE(in.Button1);
    in = reader->Take();
    EXPECT_EQ(in.MouseDX, 0);
    EXPECT_EQ(in.MouseDY, 0);
    EXPECT_TRUE(in.Button2);
    Mouse(QEvent::MouseButtonRelease, {20, 4}, Qt::RightButton, Qt::NoButton);
    EXPECT_FALSE(reader->Take().Button2);
}

TEST_F(Reader, WheelNotchesAddUp) {
    for (int i = 0; i < 3; ++i) {
        QWheelEvent e(QPointF(5, 5), view.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view, &e);
    }
    EXPECT_EQ(reader->Take().Wheel, 360);
}

TEST_F(Reader, ReleaseAllDropsHeldKeysAndButtons) {
    Key(&view, QEvent::KeyPress, Qt::Key_Left);
    Mouse(QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton, Qt::LeftButton);
    reader->ReleaseAll();
    const vh::InputState in = reader->Take();
    EXPECT_FALSE(in.KeyDown(vh::Key::Left));
    EXPECT_FALSE(in.Button1);
}

}  // namespace
