#include "view/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

// What the camera reads and moves.
struct Rig {
    vh::CameraPose Pose;
    vh::CameraSettings Camera;
};

vh::InputState Keys(std::initializer_list<int> codes) {
    vh::InputState in;
    for (int c : codes) in.Keys[c] = true;
    in.ElapsedMs = 10.0f;
    return in;
}

TEST(CameraVelocity, UpArrowSetsOneThenDecaysToZeroWithinFivePasses) {
    Rig s;
    vh::UpdateCamera(s.Pose, s.Camera, Keys({vh::Key::Up}));
    EXPECT_FLOAT_EQ(s.Pose.WalkVelocity, 0.8f);
    int passes = 0;
    while (s.Pose.WalkVelocity != 0 && passes < 10) {
        vh::UpdateCamera(s.Pose, s.Camera, Keys({}));
        ++passes;
    }
    EXPECT_EQ(s.Pose.WalkVelocity, 0.0f);
    EXPECT_LE(passes, 5);
}

TEST(CameraVelocity, ZeroAccelerationKeepsGlidingUntilTheOppositeKey) {
    Rig s;
    s.Camera.WalkAcceleration = 0;
    vh::UpdateCamera(s.Pose, s.Camera, Keys({vh::Key::W}));
    for (int i = 0; i < 20; ++i) vh::UpdateCamera(s.Pose, s.Camera, Keys({}));
    EXPECT_FLOAT_EQ(s.Pose.WalkVelocity, 1.0f);
    vh::UpdateCamera(s.Pose, s.Camera, Keys({vh::Key::S}));
    EXPECT_FLOAT_EQ(s.Pose.WalkVelocity, -1.0f);
}

TEST(CameraVelocity, DecayStepIsSpeedOverTwentyWhenAccelerationExceedsHalfTheSpeed) {
    Rig s;
    s.Camera.WalkSpeed = 40;
    s.Camera.WalkAcceleration = 30;
    vh::UpdateCamera(s.Pose, s.Camera, Keys({vh::Key::Up}));
    EXPECT_FLOAT_EQ(s.Pose.WalkVelocity, 4.0f - 2.0f);
    vh::UpdateCamera(s.Pose, s.Camera, Keys({}));
    EXPECT_FLOAT_EQ(s.Pose.WalkVelocity, 0.0f);
}

TEST(CameraTurning, PitchStaysWithinLimitsWhileHomeOrEndIsHeld) {
    Rig s;
    for (const auto& [key, limit] : {std::pair{vh::Key::Home, 1.3f}, std::pair{vh::Key::End, -1.3f}}) {
        for (int i = 0; i < 1000; ++i) {
            vh::UpdateCamera(s.Pose, s.Camera, Keys({key}));
            ASSERT_LE(std::fabs(s.Pose.CameraPitch), 1.3f);
        }
        EXPECT_FLOAT_EQ(s.Pose.CameraPitch, limit);
    }
}

TEST(SensitivitySlider, EndsAndTruncationToTens) {
    EXPECT_FLOAT_EQ(vh::SensitivityFromSlider(50), 10.0f);
    EXPECT_FLOAT_EQ(vh::SensitivityFromSlider(0), 510.0f);
    EXPECT_EQ(vh::SensitivitySliderValue(105), 41);
    EXPECT_FLOAT_EQ(vh::SensitivityFromSlider(vh::SensitivitySliderValue(105)), 100.0f);
    const int rows[][2] = {{100, 41}, {10, 50}, {0, 50}, {5000, 0}};
    for (const auto& r : rows) EXPECT_EQ(vh::SensitivitySliderValue(r[0]), r[1]) << r[0];
}

}  // namespace
