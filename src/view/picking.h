// The camera's matrices and the square under a view pixel, found by casting
// a ray against the terrain's triangles on the CPU.
#pragma once

#include <QMatrix4x4>
#include <optional>

#include "core/editor_records.h"
#include "core/terrain.h"

namespace vh::view {

constexpr float kFieldOfViewDegrees = 60.0f;
constexpr float kNearPlane = 4.0f;
constexpr float kFarPlane = 131072.0f;

struct ViewCamera {
    QMatrix4x4 View, Projection;
    int Width = 1, Height = 1;
};

// Matrices for CameraPos/CameraTarget in a view of w x h pixels.
// The world is left-handed (y up; looking along +x, +z is on the left), so
// the view mirrors x.
ViewCamera MakeViewCamera(const CameraPose& pose, int w, int h);

struct Ray {
    Vec3f Origin, Dir;
};

// The ray from the camera through the centre of view pixel (x, y).
Ray RayThroughPixel(const ViewCamera& cam, int x, int y);

// Screen position of a world point (pixels from the view's top-left); false
// when the point is behind the camera.
bool ProjectToScreen(const ViewCamera& cam, const Vec3f& p, float& sx, float& sy);

// First square whose triangles (C2 C3 C0 and C3 C1 C0) the ray hits in
// front of its origin; 0 when it misses the terrain. Walks the grid cells
// along the ray's ground projection, so a pick costs at most a few hundred
// triangle tests.
int PickSquareAlongRay(const Terrain& t, const Ray& ray);

// Height of the surface at (x, z) on the square's triangles (split along
// C3-C0, as drawn); nothing outside the grid.
std::optional<float> SurfaceHeightAt(const Terrain& t, float x, float z);
// The same at the nearest place over the grid; nothing without a grid.
std::optional<float> SurfaceHeightNear(const Terrain& t, float x, float z);

// PickSquareAlongRay for view pixel (x, y).
int PickSquareAt(const Terrain& t, const CameraPose& pose, int w, int h, int x, int y);

}  // namespace vh::view
