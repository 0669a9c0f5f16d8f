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

void UpdateCamera(CameraPose& pose, const CameraSettings& cam, const InputState& in) {
    const float walk = cam.WalkSpeed / 10, strafe = cam.StrafeSpeed / 10;
    if (in.KeyDown(Key::Up))
        pose.WalkVelocity = walk;
    else if (in.KeyDown(Key::Down))
        pose.WalkVelocity = -walk;
    if (in.KeyDown(Key::Left))
        pose.StrafeVelocity = strafe;
    else if (in.KeyDown(Key::Right))
        pose.StrafeVelocity = -strafe;
    if (in.KeyDown(Key::W))
        pose.WalkVelocity = walk;
    else if (in.KeyDown(Key::S))
        pose.WalkVelocity = -walk;
    if (in.KeyDown(Key::A))
        pose.StrafeVelocity = strafe;
    else if (in.KeyDown(Key::D))
        pose.StrafeVelocity = -strafe;

    pose.WalkVelocity = Decay(pose.WalkVelocity, DecayStep(cam.WalkSpeed, cam.WalkAcceleration));
    pose.StrafeVelocity = Decay(pose.StrafeVelocity, DecayStep(cam.StrafeSpeed, cam.StrafeAcceleration));

    // A zero divisor (hand-edited settings) would spin the view to NaN.
    const float sens = cam.Sensitivity != 0 ? cam.Sensitivity : 1.0f;
    if (in.Button2) {
        pose.CameraPitch -= in.MouseDY / sens;
        pose.CameraYaw -= in.MouseDX / sens;
    } else {
        const float turn = cam.WalkSpeed / 2.5f / sens;
        if (in.KeyDown(Key::E))
            pose.CameraYaw -= turn;
        else if (in.KeyDown(Key::Q))
            pose.CameraYaw += turn;
        if (in.KeyDown(Key::End))
            pose.CameraPitch -= turn;
        else if (in.KeyDown(Key::Home))
            pose.CameraPitch += turn;
    }
    pose.CameraPitch = std::clamp(pose.CameraPitch, -1.3f, 1.3f);

    const float t = CameraFrameTime(in);
    const float h = kCameraPi / 2;
    const float yaw = pose.CameraYaw;
    const bool inverse = cam.Inverse == 1;
    pose.CameraPos.x += pose.WalkVelocity * std::cos(yaw) * t + pose.StrafeVelocity * std::cos(yaw + h) * t;
    const float climb = pose.WalkVelocity * std::tan(pose.CameraPitch) * t;
    pose.CameraPos.y += inverse ? -climb : climb;
    pose.CameraPos.z += pose.WalkVelocity * std::sin(yaw) * t + pose.StrafeVelocity * std::sin(yaw + h) * t;
    pose.CameraTarget = CameraLookAt(pose.CameraPos, pose.CameraPitch, yaw, inverse);
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
