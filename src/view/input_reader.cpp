#include "view/input_reader.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <utility>

namespace vh::view {

namespace {

// Qt key -> DirectInput scan code, the one table for the whole program.
constexpr std::pair<int, int> kKeyTable[] = {
    {Qt::Key_Escape, 1},
    {Qt::Key_1, 2},
    {Qt::Key_2, 3},
    {Qt::Key_3, 4},
    {Qt::Key_4, 5},
    {Qt::Key_5, 6},
    {Qt::Key_6, 7},
    {Qt::Key_7, 8},
    {Qt::Key_8, 9},
    {Qt::Key_9, 10},
    {Qt::Key_0, 11},
    {Qt::Key_Minus, 12},
    {Qt::Key_Equal, 13},
    {Qt::Key_Backspace, 14},
    {Qt::Key_Tab, 15},
    {Qt::Key_Q, 16},
    {Qt::Key_W, 17},
    {Qt::Key_E, 18},
    {Qt::Key_R, 19},
    {Qt::Key_T, 20},
    {Qt::Key_Y, 21},
    {Qt::Key_U, 22},
    {Qt::Key_I, 23},
    {Qt::Key_O, 24},
    {Qt::Key_P, 25},
    {Qt::Key_BracketLeft, 26},
    {Qt::Key_BracketRight, 27},
    {Qt::Key_Return, 28},
    {Qt::Key_Enter, 28},
    {Qt::Key_Control, 29},
    {Qt::Key_A, 30},
    {Qt::Key_S, 31},
    {Qt::Key_D, 32},
    {Qt::Key_F, 33},
    {Qt::Key_G, 34},
    {Qt::Key_H, 35},
    {Qt::Key_J, 36},
    {Qt::Key_K, 37},
    {Qt::Key_L, 38},
    {Qt::Key_Semicolon, 39},
    {Qt::Key_Apostrophe, 40},
    {Qt::Key_QuoteLeft, 41},
    {Qt::Key_Shift, 42},
    {Qt::Key_Backslash, 43},
    {Qt::Key_Z, 44},
    {Qt::Key_X, 45},
    {Qt::Key_C, 46},
    {Qt::Key_V, 47},
    {Qt::Key_B, 48},
    {Qt::Key_N, 49},
    {Qt::Key_M, 50},
    {Qt::Key_Comma, 51},
    {Qt::Key_Period, 52},
    {Qt::Key_Slash, 53},
    {Qt::Key_Alt, 56},
    {Qt::Key_Space, 57},
    {Qt::Key_CapsLock, 58},
    {Qt::Key_F1, 59},
    {Qt::Key_F2, 60},
    {Qt::Key_F3, 61},
    {Qt::Key_F4, 62},
    {Qt::Key_F5, 63},
    {Qt::Key_F6, 64},
    {Qt::Key_F7, 65},
    {Qt::Key_F8, 66},
    {Qt::Key_F9, 67},
    {Qt::Key_F10, 68},
    {Qt::Key_F11, 87},
    {Qt::Key_F12, 88},
    {Qt::Key_Home, 199},
    {Qt::Key_Up, 200},
    {Qt::Key_PageUp, 201},
    {Qt::Key_Left, 203},
    {Qt::Key_Right, 205},
    {Qt::Key_End, 207},
    {Qt::Key_Down, 208},
    {Qt::Key_PageDown, 209},
    {Qt::Key_Insert, 210},
    {Qt::Key_Delete, 211},
};

}  // namespace

int ScanCodeOfQtKey(int qtKey) {
    for (const auto& [key, code] : kKeyTable)
        if (key == qtKey) return code;
    return 0;
}

InputReader::InputReader(QWidget* view) : QObject(view), view_(view) {
    view_->setMouseTracking(true);
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->installEventFilter(this);
    clock_.start();
}

void InputReader::WatchKeysOf(QObject* source) {
    if (source && source != view_) source->installEventFilter(this);
}

InputState InputReader::Take() {
    const qint64 ns = clock_.nsecsElapsed();
    clock_.restart();
    return latch_.Take(static_cast<float>(ns / 1.0e6));
}

void InputReader::ReleaseAll() {
    latch_.ReleaseAll();
    swallowLeft_ = false;
}

void InputReader::HandleKey(int qtKey, bool down, bool autoRepeat) {
    if (autoRepeat) return;
    latch_.Key(ScanCodeOfQtKey(qtKey), down);
}

void InputReader::HandleMouse(QEvent* event) {
    auto* m = static_cast<QMouseEvent*>(event);
    const QPoint p = m->position().toPoint();
    latch_.Move(p.x(), p.y(), view_->rect().contains(p));
    if (event->type() == QEvent::MouseButtonPress) {
        // Qt hands a clicked widget the focus before the press arrives; a
        // press sent straight to the view finds it without focus.
        const bool focusing = focusedByMouse_ || view_->window()->focusWidget() != view_;
        if (!view_->hasFocus()) view_->setFocus(Qt::MouseFocusReason);
        focusedByMouse_ = false;
        if (focusing && m->button() == Qt::LeftButton) swallowLeft_ = true;
    }
    const Qt::MouseButtons b = m->buttons();
    if (!b.testFlag(Qt::LeftButton)) swallowLeft_ = false;
    latch_.Button(1, b.testFlag(Qt::LeftButton) && !swallowLeft_);
    latch_.Button(2, b.testFlag(Qt::RightButton));
    latch_.Button(3, b.testFlag(Qt::MiddleButton));
}

bool InputReader::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* k = static_cast<QKeyEvent*>(event);
            HandleKey(k->key(), event->type() == QEvent::KeyPress, k->isAutoRepeat());
            break;
        }
        case QEvent::WindowDeactivate:
            // Keys released in another window would otherwise stick.
            ReleaseAll();
            break;
        default:
            break;
    }
    if (watched != view_) return false;

    switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            HandleMouse(event);
            break;
        case QEvent::FocusIn:
            focusedByMouse_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            break;
        case QEvent::Wheel: {
            auto* w = static_cast<QWheelEvent*>(event);
            latch_.Wheel(w->angleDelta().y(), w->modifiers().testFlag(Qt::ControlModifier));
            break;
        }
        case QEvent::Enter:
            latch_.SetInView(true);
            break;
        case QEvent::Leave:
            latch_.SetInView(false);
            break;
        default:
            break;
    }
    return false;
}

}  // namespace vh::view
