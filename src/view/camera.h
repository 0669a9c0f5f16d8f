// Free-flying camera: keys set the walk/strafe velocity, which decays;
// mouse button 2 or keys turn the view. Movement, decay and key turning go
// by the amounts per 1/60 s of elapsed time, so the camera moves alike at
// any frame rate. Also the commands that bring a lost camera back.
#pragma once

#include "core/editor_records.h"
#include "core/input_state.h"
#include "core/settings_records.h"
#include "core/terrain.h"

namespace vh {

// The program's value of pi.
constexpr float kCameraPi = 3.141596f;

// The time step the movement amounts are given for.
constexpr float kCameraTickMs = 1000.0f / 60.0f;

// Frame time handed to the movement terms: milliseconds, capped so a stall
// (a dialog, a long pass) does not throw the camera across the map.
float CameraFrameTime(const InputState& input);

// One pass: velocities from the movement keys, decay, turning, pitch clamp,
// then CameraPos and CameraTarget, in steps of kCameraTickMs over the
// pass's frame time (the last step a part one). Mouse turning follows the
// pixels moved. Touch-up keys and the wheel are left to the edit pass.
void UpdateCamera(CameraPose& pose, const CameraSettings& cam, const InputState& input);

// The look-at point for a position, pitch and yaw.
Vec3f CameraLookAt(const Vec3f& pos, float pitch, float yaw, bool inverse);

// Where a new or opened terrain starts: at (0, 200, 0), looking at
// (0, 20, 50), level, heading 0.
CameraPose StartPose();

// A camera over the terrain that is below its surface or less than a
// player's height above it goes up to kLiftClearance above the surface
// there, looking the same way. Returns whether it moved.
constexpr float kLiftClearance = 200.0f;
bool LiftAboveSurface(CameraPose& pose, const Terrain& t);

// "Reset Camera": the start pose, lifted; the camera stops gliding.
void ResetCamera(CameraPose& pose, const Terrain& t);

// "Frame Terrain": the whole terrain in a view of aspect width / height,
// looking down kFramePitch at its centre with the current heading; the
// camera stops gliding.
constexpr float kFramePitch = 0.75f;
void FrameTerrain(CameraPose& pose, const Terrain& t, float aspect, bool inverse);

// Ctrl+wheel: `notches` steps along the view (positive forward); a step is
// a share of the height above the ground, and a step into the ground is
// not taken.
void DollyCamera(CameraPose& pose, const Terrain& t, int notches);

}  // namespace vh

namespace vh {

// "Sensitivity:" slider (0..50, right = faster turning) from the setting:
// 51 - truncated (Sensitivity / 10), kept in the slider's range.
int SensitivitySliderValue(float sensitivity);
// The setting stored back from the slider: (51 - value) x 10.
float SensitivityFromSlider(int value);

}  // namespace vh
