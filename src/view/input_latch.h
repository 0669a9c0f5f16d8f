// Input between two passes, latched so that nothing is lost when the frame
// rate is low: a button or key change that would undo a change the passes
// have not seen yet first queues the state before it, and the queued states
// are handed out one per pass. So a click within one pass still gives a
// pass with the button down and one with it up, two clicks give two, and a
// key tap steps once. Wheel notches are counted and reach the tools one per
// pass. Plain data in, InputState out: the Qt side is InputReader.
#pragma once

#include <deque>

#include "core/input_state.h"

namespace vh::view {

class InputLatch {
public:
    // Cursor at (x, y) in view pixels (outside the view during a drag);
    // the movement adds to MouseDX/DY.
    void Move(int x, int y, bool inView);
    // The cursor entered or left the view; leaving forgets the last
    // position, so re-entering does not count as movement.
    void SetInView(bool inView);
    // Button 1 (left), 2 (right) or 3 (middle).
    void Button(int button, bool down);
    // A key by scan code.
    void Key(int code, bool down);
    // One wheel event in eighths of a degree (120 a notch, finer for
    // smooth wheels); dolly for Ctrl+wheel.
    void Wheel(int angle, bool dolly);

    // The next pass's input: the oldest queued state, else the current one.
    InputState Take(float elapsedMs);
    // States queued for later passes.
    int Queued() const { return static_cast<int>(queue_.size()); }
    // Forget held buttons and keys, queued states and pending notches (the
    // window lost focus, a dialog opened, the terrain was replaced).
    void ReleaseAll();

    // Beyond this many queued states changes still apply but are not kept
    // apart (a loop that stopped polling must not collect clicks forever).
    static constexpr int kMaxQueued = 64;

private:
    // The state the passes will have seen once everything queued is taken.
    const InputState& Seen() const { return queue_.empty() ? taken_ : queue_.back(); }
    void Change(bool& live, bool seen, bool down);
    void Queue();

    InputState live_, taken_;
    std::deque<InputState> queue_;
    bool havePos_ = false;
    int wheelAngle_ = 0, dollyAngle_ = 0;  // part notches
    int wheelSteps_ = 0;                   // notches the tools have not seen
    int wheelNotches_ = 0, dollyNotches_ = 0;
};

}  // namespace vh::view
