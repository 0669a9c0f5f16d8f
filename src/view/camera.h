// Free-flying camera: keys set the walk/strafe velocity, which decays every
// pass; mouse button 2 or keys turn the view.
#pragma once

#include "core/editor_records.h"
#include "core/input_state.h"
#include "core/settings_records.h"

namespace vh {

// The program's value of pi.
constexpr float kCameraPi = 3.141596f;

// Frame time handed to the movement terms: milliseconds, capped so a stall
// (a dialog, a long pass) does not throw the camera across the map.
float CameraFrameTime(const InputState& input);

// One pass: velocities from the movement keys, decay, turning, pitch clamp,
// then CameraPos and CameraTarget. Touch-up keys and the wheel are left to
// the edit pass.
void UpdateCamera(CameraPose& pose, const CameraSettings& cam, const InputState& input);

// The look-at point for a position, pitch and yaw.
Vec3f CameraLookAt(const Vec3f& pos, float pitch, float yaw, bool inverse);

}  // namespace vh

namespace vh {

// "Sensitivity:" slider (0..50, right = faster turning) from the setting:
// 51 - truncated (Sensitivity / 10), kept in the slider's range.
int SensitivitySliderValue(float sensitivity);
// The setting stored back from the slider: (51 - value) x 10.
float SensitivityFromSlider(int value);

}  // namespace vh
