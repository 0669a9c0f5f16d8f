#include "view/input_latch.h"

namespace vh::view {

namespace {

constexpr int kNotch = 120;

}  // namespace

void InputLatch::Move(int x, int y, bool inView) {
    if (havePos_) {
        live_.MouseDX += x - live_.CursorX;
        live_.MouseDY += y - live_.CursorY;
    }
    live_.CursorX = x;
    live_.CursorY = y;
    live_.CursorInView = inView;
    havePos_ = true;
}

void InputLatch::SetInView(bool inView) {
    live_.CursorInView = inView;
    if (!inView) havePos_ = false;
}

void InputLatch::Queue() {
    if (Queued() >= kMaxQueued) return;
    queue_.push_back(live_);
    live_.MouseDX = live_.MouseDY = 0;
}

void InputLatch::Change(bool& live, bool seen, bool down) {
    if (live == down) return;
    // The passes have not seen the current value yet: keep it for one.
    if (live != seen) Queue();
    live = down;
}

void InputLatch::Button(int button, bool down) {
    if (button == 1) {
        // A press away from where the last pass looked gets a pass of its
        // own first, so the click picks the square it was made on.
        const InputState& seen = Seen();
        if (down && !live_.Button1 && !seen.Button1 &&
            (seen.CursorX != live_.CursorX || seen.CursorY != live_.CursorY))
            Queue();
        Change(live_.Button1, Seen().Button1, down);
    } else if (button == 2) {
        Change(live_.Button2, Seen().Button2, down);
    } else if (button == 3) {
        Change(live_.Button3, Seen().Button3, down);
    }
}

void InputLatch::Key(int code, bool down) {
    if (code <= 0 || code >= static_cast<int>(live_.Keys.size())) return;
    Change(live_.Keys[code], Seen().Keys[code], down);
}

void InputLatch::Wheel(int angle, bool dolly) {
    int& part = dolly ? dollyAngle_ : wheelAngle_;
    part += angle;
    while (part >= kNotch || part <= -kNotch) {
        const int notch = part > 0 ? 1 : -1;
        part -= notch * kNotch;
        if (dolly) {
            dollyNotches_ += notch;
        } else {
            wheelNotches_ += notch;
            wheelSteps_ += notch;
        }
    }
}

InputState InputLatch::Take(float elapsedMs) {
    InputState s;
    if (!queue_.empty()) {
        s = queue_.front();
        queue_.pop_front();
    } else {
        s = live_;
        live_.MouseDX = live_.MouseDY = 0;
    }
    if (wheelSteps_ != 0) {
        const int step = wheelSteps_ > 0 ? 1 : -1;
        live_.Wheel += step * kNotch;
        wheelSteps_ -= step;
    }
    s.Wheel = live_.Wheel;
    s.WheelNotches = wheelNotches_;
    s.DollyNotches = dollyNotches_;
    wheelNotches_ = dollyNotches_ = 0;
    s.ElapsedMs = elapsedMs;
    taken_ = s;
    return s;
}

void InputLatch::ReleaseAll() {
    live_.Keys.fill(false);
    live_.Button1 = live_.Button2 = live_.Button3 = false;
    queue_.clear();
    wheelAngle_ = dollyAngle_ = 0;
    wheelSteps_ = wheelNotches_ = dollyNotches_ = 0;
}

}  // namespace vh::view
