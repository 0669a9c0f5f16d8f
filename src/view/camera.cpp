#include "view/camera.h"

#include <algorithm>
#include <cmath>

namespace vh {

namespace {

constexpr float kMaxFrameMs = 100.0f;

// Reduce a velocity toward zero by step, never crossing it.
float Decay(float v, float step) {
    if (v > 0) {
        v -= step;
        if (v < 0) v = 0;
    } else if (v < 0) {
        v += step;
        if (v > 0) v = 0;
    }
    return v;
}

float DecayStep(float speed, float accel) {
    return speed / 2 >= accel ? accel / 10 : speed / 20;
}

}  // namespace

float CameraFrameTime(const InputState& input) {
    // Speeds are tuned to a millisecond frame time: at 60 Hz the default walk
    // velocity 1.0 covers about 16 units a frame.
    return std::clamp(input.ElapsedMs, 0.0f, kMaxFrameMs);
}

Vec3f CameraLookAt(const Vec3f& pos, float pitch, float yaw, bool inverse) {
    const float rise = inverse ? -std::tan(pitch) : std::tan(pitch);
    return {pos.x + std::cos(yaw), pos.y + rise, pos.z + std::sin(yaw)};
}

void UpdateCamera(EditorState& s, const InputState& in) {
    const float walk = s.WalkSpeed / 10, strafe = s.StrafeSpeed / 10;
    if (in.KeyDown(Key::Up))
        s.WalkVelocity = walk;
    else if (in.KeyDown(Key::Down))
        s.WalkVelocity = -walk;
    if (in.KeyDown(Key::Left))
        s.StrafeVelocity = strafe;
    else if (in.KeyDown(Key::Right))
        s.StrafeVelocity = -strafe;
    if (in.KeyDown(Key::W))
        s.WalkVelocity = walk;
    else if (in.KeyDown(Key::S))
        s.WalkVelocity = -walk;
    if (in.KeyDown(Key::A))
        s.StrafeVelocity = strafe;
    else if (in.KeyDown(Key::D))
        s.StrafeVelocity = -strafe;

    s.WalkVelocity = Decay(s.WalkVelocity, DecayStep(s.WalkSpeed, s.WalkAcceleration));
    s.StrafeVelocity = Decay(s.StrafeVelocity, DecayStep(s.StrafeSpeed, s.StrafeAcceleration));

    // A zero divisor (hand-edited settings) would spin the view to NaN.
    const float sens = s.Sensitivity != 0 ? s.Sensitivity : 1.0f;
    if (in.Button2) {
        s.CameraPitch -= in.MouseDY / sens;
        s.CameraYaw -= in.MouseDX / sens;
    } else {
        const float turn = s.WalkSpeed / 2.5f / sens;
        if (in.KeyDown(Key::E))
            s.CameraYaw -= turn;
        else if (in.KeyDown(Key::Q))
            s.CameraYaw += turn;
        if (in.KeyDown(Key::End))
            s.CameraPitch -= turn;
        else if (in.KeyDown(Key::Home))
            s.CameraPitch += turn;
    }
    s.CameraPitch = std::clamp(s.CameraPitch, -1.3f, 1.3f);

    const float t = CameraFrameTime(in);
    const float h = kCameraPi / 2;
    const float yaw = s.CameraYaw;
    const bool inverse = s.Inverse == 1;
    s.CameraPos.x += s.WalkVelocity * std::cos(yaw) * t + s.StrafeVelocity * std::cos(yaw + h) * t;
    const float climb = s.WalkVelocity * std::tan(s.CameraPitch) * t;
    s.CameraPos.y += inverse ? -climb : climb;
    s.CameraPos.z += s.WalkVelocity * std::sin(yaw) * t + s.StrafeVelocity * std::sin(yaw + h) * t;
    s.CameraTarget = CameraLookAt(s.CameraPos, s.CameraPitch, yaw, inverse);
}

}  // namespace vh

namespace vh {

int SensitivitySliderValue(float sensitivity) {
    const double v = 51.0 - std::trunc(static_cast<double>(sensitivity) / 10.0);
    return static_cast<int>(std::clamp(v, 0.0, 50.0));
}

float SensitivityFromSlider(int value) {
    return static_cast<float>((51 - value) * 10);
}

}  // namespace vh
