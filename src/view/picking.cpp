#include "view/picking.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "view/terrain_mesh.h"

namespace vh::view {

namespace {

struct D3 {
    double x, y, z;
};
D3 Sub(D3 a, D3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
D3 Cross(D3 a, D3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Dot(D3 a, D3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
D3 Of(const TerrainPoint& p) {
    return {p.X, p.Height, p.Z};
}

// Moeller-Trumbore; edges count as inside so a ray along a shared edge
// still hits one of the two squares.
bool HitTriangle(D3 o, D3 d, D3 a, D3 b, D3 c, double& t) {
    constexpr double kEps = 1e-9;
    const D3 e1 = Sub(b, a), e2 = Sub(c, a);
    const D3 p = Cross(d, e2);
    const double det = Dot(e1, p);
    if (std::fabs(det) < kEps) return false;
    const double inv = 1.0 / det;
    const D3 s = Sub(o, a);
    const double u = Dot(s, p) * inv;
    constexpr double kEdge = 1e-7;
    if (u < -kEdge || u > 1 + kEdge) return false;
    const D3 q = Cross(s, e1);
    const double v = Dot(d, q) * inv;
    if (v < -kEdge || u + v > 1 + kEdge) return false;
    t = Dot(e2, q) * inv;
    return t > 0;
}

// Regular grid layout read from the points themselves.
struct GridLayout {
    double x0 = 0, z0 = 0, sx = 1, sz = 1;
    int cols = 0, rows = 0;
};

bool LayoutOf(const Terrain& t, GridLayout& g) {
    const int row = t.PointsPerRow;
    const int points = t.PointCount;
    if (row < 2 || points < 2 * row || static_cast<int>(t.Points.size()) <= points) return false;
    if (t.SquareCount < 1) return false;
    g.cols = row - 1;
    g.rows = points / row - 1;
    if (g.cols * g.rows != t.SquareCount) return false;
    g.x0 = t.Points[1].X;
    g.z0 = t.Points[1].Z;
    g.sx = t.Points[2].X - t.Points[1].X;
    g.sz = t.Points[1 + row].Z - t.Points[1].Z;
    return g.sx > 0 && g.sz > 0;
}

bool HitSquare(const Terrain& terrain, int k, D3 o, D3 d, double& t) {
    const SquareCorners c = terrain.Corners(k);
    const int n = terrain.PointCount;
    for (int p : {c.c2, c.c3, c.c0, c.c1})
        if (p < 1 || p > n) return false;
    const D3 p2 = Of(terrain.Points[c.c2]), p3 = Of(terrain.Points[c.c3]), p0 = Of(terrain.Points[c.c0]),
             p1 = Of(terrain.Points[c.c1]);
    double t1 = 0, t2 = 0;
    const bool h1 = HitTriangle(o, d, p2, p3, p0, t1);
    const bool h2 = HitTriangle(o, d, p3, p1, p0, t2);
    if (!h1 && !h2) return false;
    t = h1 && h2 ? std::min(t1, t2) : (h1 ? t1 : t2);
    return true;
}

}  // namespace

ViewCamera MakeViewCamera(const CameraPose& pose, int w, int h) {
    ViewCamera cam;
    cam.Width = std::max(w, 1);
    cam.Height = std::max(h, 1);
    cam.Projection.perspective(kFieldOfViewDegrees, static_cast<float>(cam.Width) / cam.Height, kNearPlane,
                               kFarPlane);
    QMatrix4x4 mirror;
    mirror.scale(-1, 1, 1);
    QMatrix4x4 look;
    const QVector3D eye(pose.CameraPos.x, pose.CameraPos.y, pose.CameraPos.z);
    QVector3D at(pose.CameraTarget.x, pose.CameraTarget.y, pose.CameraTarget.z);
    if ((at - eye).lengthSquared() < 1e-12f) at = eye + QVector3D(1, 0, 0);
    look.lookAt(eye, at, QVector3D(0, 1, 0));
    cam.View = mirror * look;
    return cam;
}

Ray RayThroughPixel(const ViewCamera& cam, int x, int y) {
    const float nx = 2.0f * (x + 0.5f) / cam.Width - 1.0f;
    const float ny = 1.0f - 2.0f * (y + 0.5f) / cam.Height;
    const QMatrix4x4 inv = (cam.Projection * cam.View).inverted();
    const QVector3D nearP = inv.map(QVector3D(nx, ny, -1.0f));
    const QVector3D farP = inv.map(QVector3D(nx, ny, 1.0f));
    const QVector3D d = (farP - nearP).normalized();
    return {{nearP.x(), nearP.y(), nearP.z()}, {d.x(), d.y(), d.z()}};
}

bool ProjectToScreen(const ViewCamera& cam, const Vec3f& p, float& sx, float& sy) {
    const QVector4D clip = cam.Projection * cam.View * QVector4D(p.x, p.y, p.z, 1.0f);
    if (clip.w() <= 0) return false;
    sx = (clip.x() / clip.w() + 1.0f) * 0.5f * cam.Width;
    sy = (1.0f - clip.y() / clip.w()) * 0.5f * cam.Height;
    return true;
}

int PickSquareAlongRay(const Terrain& terrain, const Ray& ray) {
    GridLayout g;
    if (!LayoutOf(terrain, g)) return 0;
    const D3 o{ray.Origin.x, ray.Origin.y, ray.Origin.z}, d{ray.Dir.x, ray.Dir.y, ray.Dir.z};
    const double xmin = g.x0, xmax = g.x0 + g.cols * g.sx, zmin = g.z0, zmax = g.z0 + g.rows * g.sz;
    constexpr double kFlat = 1e-12;
    double tmin = 0, tmax = std::numeric_limits<double>::infinity();
    auto clip = [&](double origin, double dir, double lo, double hi) {
        if (std::fabs(dir) < kFlat) return origin >= lo && origin <= hi;
        double t1 = (lo - origin) / dir, t2 = (hi - origin) / dir;
        if (t1 > t2) std::swap(t1, t2);
        tmin = std::max(tmin, t1);
        tmax = std::min(tmax, t2);
        return tmin <= tmax;
    };
    if (!clip(o.x, d.x, xmin, xmax) || !clip(o.z, d.z, zmin, zmax)) return 0;

    const double px = o.x + d.x * tmin, pz = o.z + d.z * tmin;
    int c = std::clamp(static_cast<int>(std::floor((px - g.x0) / g.sx)), 0, g.cols - 1);
    int r = std::clamp(static_cast<int>(std::floor((pz - g.z0) / g.sz)), 0, g.rows - 1);
    const int stepC = d.x > 0 ? 1 : -1, stepR = d.z > 0 ? 1 : -1;
    const double inf = std::numeric_limits<double>::infinity();
    const double dtC = std::fabs(d.x) < kFlat ? inf : g.sx / std::fabs(d.x);
    const double dtR = std::fabs(d.z) < kFlat ? inf : g.sz / std::fabs(d.z);
    double nextC = std::fabs(d.x) < kFlat ? inf : (g.x0 + (c + (stepC > 0)) * g.sx - o.x) / d.x;
    double nextR = std::fabs(d.z) < kFlat ? inf : (g.z0 + (r + (stepR > 0)) * g.sz - o.z) / d.z;

    // Cells come in ray order, and a square's triangles lie over its own
    // cell, so the first cell with a hit holds the nearest hit.
    while (c >= 0 && c < g.cols && r >= 0 && r < g.rows) {
        const int k = r * g.cols + c + 1;
        double t = 0;
        if (HitSquare(terrain, k, o, d, t)) return k;
        if (nextC < nextR) {
            if (nextC > tmax) break;
            c += stepC;
            nextC += dtC;
        } else {
            if (nextR > tmax) break;
            r += stepR;
            nextR += dtR;
        }
    }
    return 0;
}

namespace {

std::optional<float> SurfaceHeight(const Terrain& t, float x, float z, bool nearest) {
    GridLayout g;
    if (!LayoutOf(t, g)) return std::nullopt;
    double fx = (x - g.x0) / g.sx, fz = (z - g.z0) / g.sz;
    if (nearest) {
        fx = std::clamp(std::isnan(fx) ? 0.0 : fx, 0.0, static_cast<double>(g.cols));
        fz = std::clamp(std::isnan(fz) ? 0.0 : fz, 0.0, static_cast<double>(g.rows));
    }
    if (!(fx >= 0 && fx <= g.cols && fz >= 0 && fz <= g.rows)) return std::nullopt;
    const int c = std::min(static_cast<int>(fx), g.cols - 1), r = std::min(static_cast<int>(fz), g.rows - 1);
    const SquareCorners q = t.Corners(r * g.cols + c + 1);
    for (int p : {q.c0, q.c1, q.c2, q.c3})
        if (!t.IsPoint(p)) return std::nullopt;
    auto h = [&](int p) { return static_cast<double>(t.Points[p].Height); };
    const double u = fx - c, v = fz - r;
    // C2 C3 C0 below the diagonal, C3 C1 C0 above it.
    const double y = u + v <= 1 ? h(q.c2) + u * (h(q.c3) - h(q.c2)) + v * (h(q.c0) - h(q.c2))
                                : h(q.c1) + (1 - u) * (h(q.c0) - h(q.c1)) + (1 - v) * (h(q.c3) - h(q.c1));
    return static_cast<float>(y);
}

}  // namespace

std::optional<float> SurfaceHeightAt(const Terrain& t, float x, float z) {
    return SurfaceHeight(t, x, z, false);
}

std::optional<float> SurfaceHeightNear(const Terrain& t, float x, float z) {
    return SurfaceHeight(t, x, z, true);
}

int PickSquareAt(const Terrain& t, const CameraPose& pose, int w, int h, int x, int y) {
    const ViewCamera cam = MakeViewCamera(pose, w, h);
    return PickSquareAlongRay(t, RayThroughPixel(cam, x, y));
}

}  // namespace vh::view
