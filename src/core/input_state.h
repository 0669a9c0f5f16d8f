// One pass's input, filled by the window from Qt events and read by the
// camera, picking and the tools. Keys are DirectInput scan codes.
#pragma once

#include <array>
#include <cstdint>

namespace vh {

namespace Key {
constexpr int Q = 16, W = 17, E = 18, A = 30, S = 31, D = 32, L = 38;
constexpr int Home = 199, Up = 200, PageUp = 201, Left = 203, Right = 205;
constexpr int End = 207, Down = 208, PageDown = 209;
}  // namespace Key

struct InputState {
    // Cursor in whole pixels relative to the 3D view's top-left corner.
    int CursorX = 0, CursorY = 0;
    bool CursorInView = false;
    // Mouse movement since the previous pass, in pixels.
    int MouseDX = 0, MouseDY = 0;
    // Buttons 1 (left), 2 (right), 3 (middle).
    bool Button1 = false, Button2 = false, Button3 = false;
    // Accumulated wheel value (one notch = 120); it moves by at most one
    // notch a pass, so a tool that compares it with the last pass sees every
    // notch.
    int32_t Wheel = 0;
    // Wheel notches turned since the previous pass without and with Ctrl
    // (Ctrl+wheel moves the camera and never reaches Wheel).
    int WheelNotches = 0, DollyNotches = 0;
    // Pressed state by scan code.
    std::array<bool, 256> Keys{};
    // Duration of the last frame in milliseconds.
    float ElapsedMs = 16.0f;

    bool KeyDown(int code) const { return code >= 0 && code < 256 && Keys[code]; }
};

}  // namespace vh
