#include "view/camera.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

vh::InputState Keys(std::initializer_list<int> codes, float ms = 10.0f) {
    vh::InputState in;
    for (int c : codes) in.Keys[c] = true;
    in.ElapsedMs = ms;
    return in;
}

TEST(CameraVelocity, UpArrowSetsOneThenDecaysToZeroWithinFivePasses) {
    vh::EditorState s;
    vh::UpdateCamera(s, Keys({vh::Key::Up}));
    EXPECT_FLOAT_EQ(s.WalkVelocity, 0.8f);
    int passes = 0;
    while (s.WalkVelocity != 0 && passes < 10) {
        vh::UpdateCamera(s, Keys({}));
        ++passes;
    }
    EXPECT_EQ(s.WalkVelocity, 0.0f);
    EXPECT_LE(passes, 5);
}

TEST(CameraVelocity, ZeroAccelerationKeepsGlidingUntilTheOppositeKey) {
    vh::EditorState s;
    s.WalkAcceleration = 0;
    vh::UpdateCamera(s, Keys({vh::Key::W}));
    for (int i = 0; i < 20; ++i) vh::UpdateCamera(s, Keys({}));
    EXPECT_FLOAT_EQ(s.WalkVelocity, 1.0f);
    vh::UpdateCamera(s, Keys({vh::Key::S}));
    EXPECT_FLOAT_EQ(s.WalkVelocity, -1.0f);
}

TEST(CameraVelocity, DecayStepIsSpeedOverTwentyWhenAccelerationExceedsHalfTheSpeed) {
    vh::EditorState s;
    s.WalkSpeed = 40;
    s.WalkAcceleration = 30;
    vh::UpdateCamera(s, Keys({vh::Key::Up}));
    EXPECT_FLOAT_EQ(s.WalkVelocity, 4.0f - 2.0f);
    vh::UpdateCamera(s, Keys({}));
    EXPECT_FLOAT_EQ(s.WalkVelocity, 0.0f);
}

TEST(CameraVelocity, NegativeVelocityRisesToZeroWithoutOvershoot) {
    vh::EditorState s;
    s.StrafeAcceleration = 3;  // step 0.3 from -1.0: -0.7, -0.4, -0.1, 0
    vh::UpdateCamera(s, Keys({vh::Key::D}));
    EXPECT_FLOAT_EQ(s.StrafeVelocity, -0.7f);
    for (int i = 0; i < 3; ++i) vh::UpdateCamera(s, Keys({}));
    EXPECT_EQ(s.StrafeVelocity, 0.0f);
}

TEST(CameraVelocity, FirstKeyOfAPairWins) {
    vh::EditorState s;
    s.WalkAcceleration = 0;
    s.StrafeAcceleration = 0;
    vh::UpdateCamera(s, Keys({vh::Key::Up, vh::Key::Down, vh::Key::Left, vh::Key::Right}));
    EXPECT_FLOAT_EQ(s.WalkVelocity, 1.0f);
    EXPECT_FLOAT_EQ(s.StrafeVelocity, 1.0f);
    // The letter pair is checked after the arrows and overrides them.
    vh::UpdateCamera(s, Keys({vh::Key::Up, vh::Key::S}));
    EXPECT_FLOAT_EQ(s.WalkVelocity, -1.0f);
}

TEST(CameraTurning, PitchStaysWithinLimitsWhileHomeOrEndIsHeld) {
    vh::EditorState s;
    for (int i = 0; i < 1000; ++i) {
        vh::UpdateCamera(s, Keys({vh::Key::Home}));
        ASSERT_LE(s.CameraPitch, 1.3f);
    }
    EXPECT_FLOAT_EQ(s.CameraPitch, 1.3f);
    for (int i = 0; i < 1000; ++i) {
        vh::UpdateCamera(s, Keys({vh::Key::End}));
        ASSERT_GE(s.CameraPitch, -1.3f);
    }
    EXPECT_FLOAT_EQ(s.CameraPitch, -1.3f);
}

TEST(CameraTurning, KeysTurnByWalkSpeedOverSensitivityPerPass) {
    vh::EditorState s;  // 10 / 2.5 / 100 = 0.04 a pass
    vh::UpdateCamera(s, Keys({vh::Key::E}));
    EXPECT_FLOAT_EQ(s.CameraYaw, -0.04f);
    vh::UpdateCamera(s, Keys({vh::Key::Q}));
    vh::UpdateCamera(s, Keys({vh::Key::Q}));
    EXPECT_FLOAT_EQ(s.CameraYaw, 0.04f);
    // Key turning does not depend on the frame time.
    vh::UpdateCamera(s, Keys({vh::Key::Home}, 90.0f));
    EXPECT_FLOAT_EQ(s.CameraPitch, 0.04f);
}

TEST(CameraTurning, MouseButtonTwoTurnsByMovementOverSensitivityAndKeysAreIgnored) {
    vh::EditorState s;
    s.Sensitivity = 50;
    vh::InputState in = Keys({vh::Key::E});
    in.Button2 = true;
    in.MouseDX = 25;
    in.MouseDY = -10;
    vh::UpdateCamera(s, in);
    EXPECT_FLOAT_EQ(s.CameraYaw, -0.5f);
    EXPECT_FLOAT_EQ(s.CameraPitch, 0.2f);
}

TEST(CameraMovement, WalkingMovesAlongTheYawScaledByFrameTime) {
    vh::EditorState s;
    s.CameraPos = {0, 200, 0};
    vh::UpdateCamera(s, Keys({vh::Key::Up}, 10.0f));
    EXPECT_NEAR(s.CameraPos.x, 8.0f, 1e-4);  // velocity 0.8 after decay, 10 ms
    EXPECT_NEAR(s.CameraPos.z, 0.0f, 1e-4);
    EXPECT_NEAR(s.CameraPos.y, 200.0f, 1e-4);
    EXPECT_NEAR(s.CameraTarget.x, s.CameraPos.x + 1, 1e-4);
    EXPECT_NEAR(s.CameraTarget.y, s.CameraPos.y, 1e-4);
}

TEST(CameraMovement, StrafingLeftAtYawZeroMovesTowardPlusZ) {
    vh::EditorState s;
    vh::UpdateCamera(s, Keys({vh::Key::A}, 10.0f));
    EXPECT_NEAR(s.CameraPos.z, 8.0f, 1e-3);
    EXPECT_NEAR(s.CameraPos.x, 0.0f, 1e-3);
}

TEST(CameraMovement, WalkingFollowsThePitchAndInverseFlipsIt) {
    vh::EditorState s;
    s.CameraPitch = -0.5f;
    vh::UpdateCamera(s, Keys({vh::Key::Up}, 10.0f));
    EXPECT_NEAR(s.CameraPos.y, 200.0f + 8.0f * std::tan(-0.5f), 1e-3);
    EXPECT_NEAR(s.CameraTarget.y, s.CameraPos.y + std::tan(-0.5f), 1e-4);

    vh::EditorState inv;
    inv.Inverse = 1;
    inv.CameraPitch = -0.5f;
    vh::UpdateCamera(inv, Keys({vh::Key::Up}, 10.0f));
    EXPECT_NEAR(inv.CameraPos.y, 200.0f - 8.0f * std::tan(-0.5f), 1e-3);
    EXPECT_NEAR(inv.CameraTarget.y, inv.CameraPos.y - std::tan(-0.5f), 1e-4);
}

TEST(CameraMovement, LongStallsAreCappedSoTheCameraDoesNotJump) {
    vh::EditorState a, b;
    vh::UpdateCamera(a, Keys({vh::Key::Up}, 5000.0f));
    vh::UpdateCamera(b, Keys({vh::Key::Up}, 100.0f));
    EXPECT_FLOAT_EQ(a.CameraPos.x, b.CameraPos.x);
}

TEST(CameraMovement, LookAtPointUsesYawAndPitch) {
    const vh::Vec3f t = vh::CameraLookAt({10, 20, 30}, 0.25f, vh::kCameraPi / 2, false);
    EXPECT_NEAR(t.x, 10.0f, 1e-4);
    EXPECT_NEAR(t.y, 20.0f + std::tan(0.25f), 1e-5);
    EXPECT_NEAR(t.z, 31.0f, 1e-5);
}

TEST(SensitivitySlider, RightEndIsFastestAndLeftEndSlowest) {
    EXPECT_FLOAT_EQ(vh::SensitivityFromSlider(50), 10.0f);
    EXPECT_FLOAT_EQ(vh::SensitivityFromSlider(0), 510.0f);
}

TEST(SensitivitySlider, SettingIsTruncatedToTensOnTheWayIn) {
    EXPECT_EQ(vh::SensitivitySliderValue(105), 41);
    EXPECT_FLOAT_EQ(vh::SensitivityFromSlider(vh::SensitivitySliderValue(105)), 100.0f);
    EXPECT_EQ(vh::SensitivitySliderValue(100), 41);
    EXPECT_EQ(vh::SensitivitySliderValue(10), 50);
}

TEST(SensitivitySlider, OutOfRangeSettingsStayOnTheSlider) {
    EXPECT_EQ(vh::SensitivitySliderValue(0), 50);
    EXPECT_EQ(vh::SensitivitySliderValue(5000), 0);
}

}  // namespace
