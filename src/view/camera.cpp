#include "view/camera.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "core/walkability.h"
#include "view/picking.h"

namespace vh {

namespace {

constexpr float kMaxFrameMs = 100.0f;
constexpr float kMinDollyStep = 32.0f;  // units a Ctrl+wheel notch moves at least
constexpr float kDollyShare = 0.15f;    // of the height above the ground, per notch

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

// The divisor of all turning; a zero one (hand-edited settings) would spin
// the view to NaN.
float Sensitivity(const CameraSettings& cam) {
    return cam.Sensitivity != 0 ? cam.Sensitivity : 1.0f;
}

}  // namespace

float CameraFrameTime(const InputState& input) {
    // Speeds are tuned to a millisecond frame time: the default walk
    // velocity 1.0 covers about 16 units in 1/60 s.
    return std::clamp(input.ElapsedMs, 0.0f, kMaxFrameMs);
}

Vec3f CameraLookAt(const Vec3f& pos, float pitch, float yaw, bool inverse) {
    const float rise = inverse ? -std::tan(pitch) : std::tan(pitch);
    return {pos.x + std::cos(yaw), pos.y + rise, pos.z + std::sin(yaw)};
}

namespace {

// One 1/60 s step, or the share `part` of one: movement keys, decay, key
// turning, pitch clamp and movement, in the order of the original pass.
void Tick(CameraPose& pose, const CameraSettings& cam, const InputState& in, float part) {
    const float walk = cam.WalkSpeed / 10, strafe = cam.StrafeSpeed / 10;
    auto pair = [&](int plus, int minus, float speed, float& v) {
        if (in.KeyDown(plus))
            v = speed;
        else if (in.KeyDown(minus))
            v = -speed;
        return in.KeyDown(plus) || in.KeyDown(minus);
    };
    const bool walking =
        pair(Key::Up, Key::Down, walk, pose.WalkVelocity) | pair(Key::W, Key::S, walk, pose.WalkVelocity);
    const bool strafing = pair(Key::Left, Key::Right, strafe, pose.StrafeVelocity) |
                          pair(Key::A, Key::D, strafe, pose.StrafeVelocity);
    // A held key keeps the velocity at its value after one step's decay,
    // whatever the share of the step; a free one decays in proportion.
    pose.WalkVelocity =
        Decay(pose.WalkVelocity, (walking ? 1 : part) * DecayStep(cam.WalkSpeed, cam.WalkAcceleration));
    pose.StrafeVelocity = Decay(pose.StrafeVelocity,
                                (strafing ? 1 : part) * DecayStep(cam.StrafeSpeed, cam.StrafeAcceleration));

    if (!in.Button2) {
        const float turn = part * cam.WalkSpeed / 2.5f / Sensitivity(cam);
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

    const float t = part * kCameraTickMs;
    const float h = kCameraPi / 2;
    const float yaw = pose.CameraYaw;
    pose.CameraPos.x += pose.WalkVelocity * std::cos(yaw) * t + pose.StrafeVelocity * std::cos(yaw + h) * t;
    const float climb = pose.WalkVelocity * std::tan(pose.CameraPitch) * t;
    pose.CameraPos.y += cam.Inverse == 1 ? -climb : climb;
    pose.CameraPos.z += pose.WalkVelocity * std::sin(yaw) * t + pose.StrafeVelocity * std::sin(yaw + h) * t;
}

}  // namespace

void UpdateCamera(CameraPose& pose, const CameraSettings& cam, const InputState& in) {
    if (in.Button2) {
        pose.CameraPitch -= in.MouseDY / Sensitivity(cam);
        pose.CameraYaw -= in.MouseDX / Sensitivity(cam);
        pose.CameraPitch = std::clamp(pose.CameraPitch, -1.3f, 1.3f);
    }
    const float ticks = CameraFrameTime(in) / kCameraTickMs;
    const int whole = static_cast<int>(ticks);
    for (int i = 0; i < whole; ++i) Tick(pose, cam, in, 1.0f);
    if (const float part = ticks - whole; part > 1e-4f) Tick(pose, cam, in, part);
    pose.CameraTarget = CameraLookAt(pose.CameraPos, pose.CameraPitch, pose.CameraYaw, cam.Inverse == 1);
}

CameraPose StartPose() {
    CameraPose p;
    p.CameraPos = {0, 200, 0};
    p.CameraTarget = {0, 20, 50};
    p.CameraPitch = p.CameraYaw = 0;
    return p;
}

bool LiftAboveSurface(CameraPose& pose, const Terrain& t) {
    const std::optional<float> ground = view::SurfaceHeightAt(t, pose.CameraPos.x, pose.CameraPos.z);
    if (!ground || pose.CameraPos.y >= *ground + kPlayerHeight) return false;
    const float dy = *ground + kLiftClearance - pose.CameraPos.y;
    pose.CameraPos.y += dy;
    pose.CameraTarget.y += dy;
    return true;
}

void ResetCamera(CameraPose& pose, const Terrain& t) {
    pose = StartPose();
    LiftAboveSurface(pose, t);
}

void FrameTerrain(CameraPose& pose, const Terrain& t, float aspect, bool inverse) {
    Vec3f lo{}, hi{};
    bool any = false;
    for (int p = 1; p <= t.PointCount && t.IsPoint(p); ++p) {
        const TerrainPoint& q = t.Points[p];
        const Vec3f v{q.X, q.Height, q.Z};
        lo = any ? Vec3f{std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)} : v;
        hi = any ? Vec3f{std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)} : v;
        any = true;
    }
    if (!any) return;
    const float yaw = std::isfinite(pose.CameraYaw) ? pose.CameraYaw : 0.0f;
    const QVector3D centre((lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2);
    const QVector3D dir(std::cos(kFramePitch) * std::cos(yaw), -std::sin(kFramePitch),
                        std::cos(kFramePitch) * std::sin(yaw));
    const int h = 1000,
              w = std::max(1, static_cast<int>(std::lround(1000 * std::clamp(aspect, 0.05f, 20.0f))));

    // The box's corners on screen for a camera `distance` back from `aim`:
    // false when one is behind the camera, else their vertical middle
    // (0 top, 1 bottom) and whether all are inside with a small margin.
    auto look = [&](const QVector3D& aim, double distance, double& middle, bool& inside) {
        CameraPose p;
        const QVector3D eye = aim - dir * static_cast<float>(distance);
        p.CameraPos = {eye.x(), eye.y(), eye.z()};
        p.CameraTarget = {aim.x(), aim.y(), aim.z()};
        const view::ViewCamera cam = view::MakeViewCamera(p, w, h);
        float top = h, bottom = 0;
        inside = true;
        for (int i = 0; i < 8; ++i) {
            const Vec3f c{i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z};
            float sx = 0, sy = 0;
            if (QVector3D::dotProduct(QVector3D(c.x, c.y, c.z) - eye, dir) <= view::kNearPlane ||
                !view::ProjectToScreen(cam, c, sx, sy))
                return false;
            top = std::min(top, sy), bottom = std::max(bottom, sy);
            inside = inside && sx >= 0.03 * w && sx <= 0.97 * w && sy >= 0.03 * h && sy <= 0.97 * h;
        }
        middle = (top + bottom) / 2 / h;
        return true;
    };
    // The nearest distance that shows the whole box: its projection shrinks
    // as the camera backs off.
    const QVector3D half = (QVector3D(hi.x, hi.y, hi.z) - QVector3D(lo.x, lo.y, lo.z)) / 2;
    const double reach = std::max(1.0, 4.0 * half.length() + 4 * view::kNearPlane);
    auto nearest = [&](const QVector3D& aim) {
        auto fits = [&](double d) {
            double middle = 0;
            bool inside = false;
            return look(aim, d, middle, inside) && inside;
        };
        double in = 0, out = reach;
        for (int i = 0; i < 20 && !fits(out); ++i) out *= 2;
        for (int i = 0; i < 40; ++i) {
            const double mid = (in + out) / 2;
            (fits(mid) ? out : in) = mid;
        }
        return out;
    };
    // Seen at an angle the near side looms larger: move the aim along the
    // heading until the box sits in the middle of the view, then come as
    // near as it allows.
    const QVector3D ahead(std::cos(yaw), 0, std::sin(yaw));
    double offset = 0, distance = nearest(centre);
    for (int round = 0; round < 3; ++round) {
        double a = -half.length(), b = half.length();
        for (int i = 0; i < 40; ++i) {
            const double m = (a + b) / 2;
            double middle = 0.5;
            bool inside = false;
            look(centre + ahead * static_cast<float>(m), distance, middle, inside);
            (middle < 0.5 ? a : b) = m;
        }
        offset = (a + b) / 2;
        distance = nearest(centre + ahead * static_cast<float>(offset));
    }
    const QVector3D eye = centre + ahead * static_cast<float>(offset) - dir * static_cast<float>(distance);
    pose.CameraPos = {eye.x(), eye.y(), eye.z()};
    pose.CameraYaw = yaw;
    pose.CameraPitch = inverse ? kFramePitch : -kFramePitch;
    pose.CameraTarget = CameraLookAt(pose.CameraPos, pose.CameraPitch, yaw, inverse);
    pose.WalkVelocity = pose.StrafeVelocity = 0;
}

void DollyCamera(CameraPose& pose, const Terrain& t, int notches) {
    QVector3D dir(pose.CameraTarget.x - pose.CameraPos.x, pose.CameraTarget.y - pose.CameraPos.y,
                  pose.CameraTarget.z - pose.CameraPos.z);
    if (dir.lengthSquared() <= 0 || notches == 0) return;
    dir.normalize();
    // Beside the terrain the nearest edge counts as the ground.
    auto ground = [&](const Vec3f& p) { return view::SurfaceHeightNear(t, p.x, p.z).value_or(0.0f); };
    const int sign = notches > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(notches); ++i) {
        const Vec3f& p = pose.CameraPos;
        const float step = std::max(kMinDollyStep, kDollyShare * std::fabs(p.y - ground(p)));
        const QVector3D move = dir * (sign * step);
        const Vec3f next{p.x + move.x(), p.y + move.y(), p.z + move.z()};
        if (next.y < ground(next) + kPlayerHeight) return;
        pose.CameraPos = next;
        pose.CameraTarget = {pose.CameraTarget.x + move.x(), pose.CameraTarget.y + move.y(),
                             pose.CameraTarget.z + move.z()};
    }
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
