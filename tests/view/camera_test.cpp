#include "view/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "core/walkability.h"
#include "support/terrain_fixture.h"
#include "view/picking.h"

namespace {

// What the camera reads and moves.
struct Rig {
    vh::CameraPose Pose;
    vh::CameraSettings Camera;
};

vh::InputState Keys(std::initializer_list<int> codes) {
    vh::InputState in;
    for (int c : codes) in.Keys[c] = true;
    in.ElapsedMs = vh::kCameraTickMs;
    return in;
}

TEST(CameraVelocity, AKeySetsTheVelocityThenItDecaysToZero) {
    // Default settings, and acceleration over half the speed (decay steps of speed / 20).
    const vh::CameraSettings defaults;
    const struct {
        float speed, acceleration, pressed;
        int maxPasses;
    } rows[] = {{defaults.WalkSpeed, defaults.WalkAcceleration, 0.8f, 5}, {40, 30, 4.0f - 2.0f, 1}};
    for (const auto& r : rows) {
        Rig s;
        s.Camera.WalkSpeed = r.speed;
        s.Camera.WalkAcceleration = r.acceleration;
        vh::UpdateCamera(s.Pose, s.Camera, Keys({vh::Key::Up}));
        EXPECT_FLOAT_EQ(s.Pose.WalkVelocity, r.pressed) << r.speed;
        int passes = 0;
        for (; s.Pose.WalkVelocity != 0 && passes < 10; ++passes)
            vh::UpdateCamera(s.Pose, s.Camera, Keys({}));
        EXPECT_EQ(s.Pose.WalkVelocity, 0.0f) << r.speed;
        EXPECT_LE(passes, r.maxPasses) << r.speed;
    }
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

// The same key presses in frames of different length: passes of ms
// milliseconds with the keys held for holdMs, then glidePasses without.
vh::CameraPose Fly(float ms, float holdMs, int glidePasses, std::initializer_list<int> keys) {
    Rig s;
    vh::InputState in = Keys(keys);
    in.ElapsedMs = ms;
    for (int i = 0; i < std::lround(holdMs / ms); ++i) vh::UpdateCamera(s.Pose, s.Camera, in);
    in = Keys({});
    in.ElapsedMs = ms;
    for (int i = 0; i < glidePasses; ++i) vh::UpdateCamera(s.Pose, s.Camera, in);
    return s.Pose;
}

TEST(CameraTiming, WalkingAndKeyTurningFollowElapsedTimeNotFrames) {
    // 60, 20, 10 frames a second and one that is not a whole number of
    // 1/60 s steps; held for 0.6 s, then released to glide to a stop.
    const vh::CameraPose ref = Fly(vh::kCameraTickMs, 600, 0, {vh::Key::W, vh::Key::E});
    ASSERT_NE(ref.WalkVelocity, 0);
    EXPECT_GT(ref.CameraPos.x * ref.CameraPos.x + ref.CameraPos.z * ref.CameraPos.z, 300.0f * 300.0f);
    EXPECT_NEAR(ref.CameraYaw, -36 * 10 / 2.5f / 100, 1e-4) << "0.04 a step for 36 steps";
    const vh::CameraPose glided = Fly(vh::kCameraTickMs, 600, 60, {vh::Key::W, vh::Key::E});
    for (float ms : {50.0f, 100.0f, 600.0f / 17}) {
        const vh::CameraPose held = Fly(ms, 600, 0, {vh::Key::W, vh::Key::E});
        EXPECT_NEAR(held.CameraYaw, ref.CameraYaw, 1e-3) << ms;
        EXPECT_NEAR(held.CameraPos.x, ref.CameraPos.x, 4) << ms;
        EXPECT_NEAR(held.CameraPos.z, ref.CameraPos.z, 4) << ms;
        const vh::CameraPose stopped = Fly(ms, 600, 10, {vh::Key::W, vh::Key::E});
        EXPECT_EQ(stopped.WalkVelocity, 0) << ms;
        EXPECT_NEAR(stopped.CameraPos.x, glided.CameraPos.x, 4) << ms;
        EXPECT_NEAR(stopped.CameraPos.z, glided.CameraPos.z, 4) << ms;
    }
}

TEST(CameraLift, StartPointInOrNearTheGroundGoesAboveIt) {
    // A 3 x 3 grid, 256 apart, centred on (0, 0) where the camera starts at
    // height 200; the square there has C2 at (0, 0) and C1 at (256, 256).
    const struct {
        float centre, c1;  // heights of the points at (0, 0) and (256, 256)
        float x, z;        // where the camera is
        float expectedY;
    } rows[] = {
        {0, 0, 0, 0, 200},         // 200 above flat ground: stays
        {144, 0, 0, 0, 200},       // exactly a player's height above: stays
        {150, 0, 0, 0, 350},       // 50 above: lifted to 200 above
        {400, 0, 0, 0, 600},       // inside the hill
        {0, 1000, 64, 64, 200},    // below the C3-C0 diagonal the C1 corner has no say
        {0, 1000, 192, 192, 700},  // above it the surface is at 500
        {400, 0, 9000, 0, 200},    // outside the terrain: nothing to lift from
    };
    for (const auto& r : rows) {
        vh::EditorState s;
        vhtest::MakeTerrain(s, 3, 3, 256);
        s.Terrain.Points[5].Height = r.centre;
        s.Terrain.Points[9].Height = r.c1;
        vh::CameraPose pose = vh::StartPose();
        pose.CameraPos.x = r.x, pose.CameraPos.z = r.z;
        const float rise = pose.CameraTarget.y - pose.CameraPos.y;
        EXPECT_EQ(vh::LiftAboveSurface(pose, s.Terrain), r.expectedY != 200) << r.centre << " " << r.x;
        EXPECT_FLOAT_EQ(pose.CameraPos.y, r.expectedY) << r.centre << " " << r.x;
        EXPECT_FLOAT_EQ(pose.CameraTarget.y - pose.CameraPos.y, rise) << "looks the same way";
    }
}

TEST(CameraLift, ResetCameraIsTheLiftedStartAndStopsGliding) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3, 256);
    s.Terrain.Points[5].Height = 1024;
    s.Pose.CameraPos = {5000, -300, 70};
    s.Pose.CameraYaw = 2;
    s.Pose.WalkVelocity = 1;
    vh::ResetCamera(s.Pose, s.Terrain);
    EXPECT_FLOAT_EQ(s.Pose.CameraPos.y, 1024 + vh::kLiftClearance);
    EXPECT_TRUE(s.Pose.CameraPos.x == 0 && s.Pose.CameraPos.z == 0);
    EXPECT_TRUE(s.Pose.CameraYaw == 0 && s.Pose.CameraPitch == 0 && s.Pose.WalkVelocity == 0);
}

TEST(CameraFrame, WholeTerrainFillsTheViewFromAbove) {
    struct Case {
        int x, y, size;
        float hill;  // height of the middle point
        float aspect, yaw;
        bool inverse;
    };
    const Case cases[] = {
        {17, 17, 256, 0, 4.0f / 3, 0, false},
        {33, 9, 64, 2000, 2.5f, 2.0f, false},
        {9, 33, 512, -800, 0.5f, -1.0f, true},
        {2, 2, 16, 300, 1.0f, 0.3f, false},
    };
    for (const Case& c : cases) {
        vh::EditorState s;
        vhtest::MakeTerrain(s, c.x, c.y, c.size);
        s.Terrain.Points[(s.Terrain.PointCount + 1) / 2].Height = c.hill;
        s.Pose.CameraYaw = c.yaw;
        s.Pose.WalkVelocity = 2;
        vh::FrameTerrain(s.Pose, s.Terrain, c.aspect, c.inverse);
        const std::string name = std::to_string(c.x) + "x" + std::to_string(c.y);
        EXPECT_FLOAT_EQ(s.Pose.CameraYaw, c.yaw) << name;
        EXPECT_EQ(s.Pose.WalkVelocity, 0) << name;
        EXPECT_GT(s.Pose.CameraTarget.y, -1e9f);
        EXPECT_LT(s.Pose.CameraTarget.y, s.Pose.CameraPos.y) << name << ": looks down";
        // Every corner of the terrain's box on screen, and the box not lost
        // in the middle: it reaches near an edge of the view.
        const int h = 600, w = static_cast<int>(600 * c.aspect);
        const vh::view::ViewCamera cam = vh::view::MakeViewCamera(s.Pose, w, h);
        float reach = 0, highest = c.hill;
        const vh::TerrainPoint& lo = s.Terrain.Points[1];
        const vh::TerrainPoint& hi = s.Terrain.Points[s.Terrain.PointCount];
        for (int i = 0; i < 8; ++i) {
            const vh::Vec3f corner{i & 1 ? hi.X : lo.X,
                                   i & 2 ? std::max(c.hill, 0.0f) : std::min(c.hill, 0.0f),
                                   i & 4 ? hi.Z : lo.Z};
            float sx = 0, sy = 0;
            ASSERT_TRUE(vh::view::ProjectToScreen(cam, corner, sx, sy)) << name;
            EXPECT_TRUE(sx >= 0 && sx <= w && sy >= 0 && sy <= h) << name << " corner " << i;
            reach = std::max({reach, std::fabs(sx / w - 0.5f), std::fabs(sy / h - 0.5f)});
            highest = std::max(highest, corner.y);
        }
        EXPECT_GT(reach, 0.4f) << name;
        EXPECT_GT(s.Pose.CameraPos.y, highest) << name;
    }
}

TEST(CameraDolly, NotchesMoveAlongTheViewAndStopAboveTheGround) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 17, 256);
    vh::FrameTerrain(s.Pose, s.Terrain, 4.0f / 3, false);
    vh::CameraPose& pose = s.Pose;
    auto above = [&] {
        return pose.CameraPos.y - *vh::view::SurfaceHeightNear(s.Terrain, pose.CameraPos.x, pose.CameraPos.z);
    };
    const float start = pose.CameraPos.y;
    const vh::Vec3f look{pose.CameraTarget.x - pose.CameraPos.x, pose.CameraTarget.y - pose.CameraPos.y, 0};
    vh::DollyCamera(pose, s.Terrain, 1);
    EXPECT_LT(pose.CameraPos.y, start) << "forward goes down the view";
    EXPECT_FLOAT_EQ(pose.CameraTarget.x - pose.CameraPos.x, look.x) << "the view keeps its direction";
    EXPECT_FLOAT_EQ(pose.CameraTarget.y - pose.CameraPos.y, look.y);
    vh::DollyCamera(pose, s.Terrain, -2);
    EXPECT_GT(pose.CameraPos.y, start);
    for (int i = 0; i < 300; ++i) {
        vh::DollyCamera(pose, s.Terrain, 1);
        ASSERT_GE(above(), vh::kPlayerHeight) << i;
    }
    EXPECT_LT(above(), 2 * vh::kPlayerHeight) << "forward until close to the ground";
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
