#include "view/overlay.h"

#include <algorithm>
#include <cmath>

#include "core/rules.h"
#include "core/view_options.h"
#include "view/compile_markers.h"
#include "view/spawn_marker.h"

namespace vh::view {

namespace {

bool ValidSquare(const Terrain& t, int k) {
    if (!t.IsSquare(k)) return false;
    const SquareCorners c = t.Corners(k);
    return t.IsPoint(c.c0) && t.IsPoint(c.c1) && t.IsPoint(c.c2) && t.IsPoint(c.c3);
}

Vec3f At(const Terrain& t, int p) {
    const TerrainPoint& q = t.Points[p];
    return {q.X, q.Height, q.Z};
}

void DrawDiagonal(OverlayScene& o, const Terrain& t, int square, Rgb c) {
    if (!ValidSquare(t, square)) return;
    const SquareCorners q = t.Corners(square);
    o.Lines.push_back({At(t, q.c3), At(t, q.c0), c});
}

}  // namespace

void DrawSquareOutline(OverlayScene& o, const Terrain& t, int square, Rgb c) {
    if (!ValidSquare(t, square)) return;
    const SquareCorners q = t.Corners(square);
    const Vec3f p0 = At(t, q.c0), p1 = At(t, q.c1), p2 = At(t, q.c2), p3 = At(t, q.c3);
    o.Lines.push_back({p3, p2, c});
    o.Lines.push_back({p1, p3, c});
    o.Lines.push_back({p0, p1, c});
    o.Lines.push_back({p2, p0, c});
    o.Lines.push_back({p3, p0, c});
}

bool InFrontOfCamera(const CameraPose& pose, const Vec3f& p) {
    const Vec3f& P = pose.CameraPos;
    const Vec3f& T = pose.CameraTarget;
    float dx = P.x - T.x, dy = P.y - T.y, dz = P.z - T.z;
    const float len = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (len == 0) return false;
    dx /= len, dy /= len, dz /= len;
    return dx * p.x + dy * p.y + dz * p.z < dx * P.x + dy * P.y + dz * P.z;
}

std::string PointInfoText(const TerrainPoint& p) {
    return NumberText(p.X) + ", " + NumberText(p.Z) + ", " + NumberText(p.Height);
}

void DrawPointMarker(OverlayScene& o, const EditorState& s, int point, Rgb c, bool withInfo) {
    if (!s.Terrain.IsPoint(point)) return;
    const Vec3f m = At(s.Terrain, point);
    const float h = kMarkerHalfSize;
    auto corner = [&](int i) {
        return Vec3f{m.x + (i & 1 ? h : -h), m.y + (i & 2 ? h : -h), m.z + (i & 4 ? h : -h)};
    };
    // Corners differing in one bit share an edge.
    for (int i = 0; i < 8; ++i)
        for (int bit : {1, 2, 4})
            if (!(i & bit)) o.Lines.push_back({corner(i), corner(i | bit), c});

    if (!withInfo || !s.View.PointInfo) return;
    const float dx = m.x - s.Pose.CameraPos.x, dy = m.y - s.Pose.CameraPos.y, dz = m.z - s.Pose.CameraPos.z;
    if (std::sqrt(dx * dx + dy * dy + dz * dz) >= kPointInfoDistance) return;
    if (!InFrontOfCamera(s.Pose, m)) return;
    o.Texts.push_back({m, PointInfoText(s.Terrain.Points[point]), c});
}

EffectedSquares EffectedSquaresOf(const EditorState& s, int square) {
    EffectedSquares e;
    const Terrain& t = s.Terrain;
    if (!ValidSquare(t, square)) return e;
    auto next = [&](std::initializer_list<Dir> dirs) {
        std::vector<int> squares;
        for (Dir d : dirs) squares.push_back(t.Neighbour(square, d));
        return squares;
    };
    const std::vector<int> all = next({Dir::Next, Dir::Prev, Dir::Left, Dir::Right, Dir::NextLeft,
                                       Dir::NextRight, Dir::PrevLeft, Dir::PrevRight});
    switch (s.CurrentTool) {
        case Tool::RaiseLower:
            if (s.Tools.RaiseLowerRadius == 2) {
                e.Outlined =
                    next({Dir::Next, Dir::Prev, Dir::Left, Dir::Right, Dir::NextLeft, Dir::PrevRight});
                e.DiagonalsOnly = next({Dir::NextRight, Dir::PrevLeft});
            }
            break;
        case Tool::Smooth:
            if (s.Tools.SmoothRadius == 2) e.Outlined = all;
            break;
        case Tool::Noise:
            if (s.Tools.NoiseRadius == 2) e.Outlined = all;
            break;
        case Tool::Flatten:
            if (s.Tools.FlattenRadius == 2) e.Outlined = all;
            if (s.Tools.FlattenRadius == 3) e.Outlined = next({Dir::Next, Dir::Prev});
            if (s.Tools.FlattenRadius == 4) e.Outlined = next({Dir::Left, Dir::Right});
            break;
        default:
            break;
    }
    // A missing neighbour (border) draws nothing.
    std::erase(e.Outlined, 0);
    std::erase(e.DiagonalsOnly, 0);
    return e;
}

int TouchUpCornerPoint(const EditorState& s, int square) {
    if (!ValidSquare(s.Terrain, square)) return 0;
    const SquareCorners q = s.Terrain.Corners(square);
    switch (s.Stroke.TouchUpCorner) {
        case 1:
            return q.c2;
        case 2:
            return q.c0;
        case 3:
            return q.c1;
        case 4:
            return q.c3;
        default:
            return 0;
    }
}

OverlayScene BuildOverlay(const EditorState& s, CompileMarkCache& marks) {
    OverlayScene o;
    const ViewOptions& view = s.View;
    const Terrain& t = s.Terrain;
    if (view.ShowLocked) {
        const int n = std::min(t.PointCount, static_cast<int>(t.Points.size()) - 1);
        for (int p = 1; p <= n; ++p)
            if (t.Points[p].Locked) DrawPointMarker(o, s, p, kGreen, true);
    }
    DrawSpawnMarker(o, s);
    DrawCompileMarkers(o, s, marks);
    const int picked = s.Stroke.PickedSquare;
    if (view.Highlight && picked != 0) {
        DrawSquareOutline(o, t, picked, kRed);
        if (view.HighlightEffected) {
            const EffectedSquares e = EffectedSquaresOf(s, picked);
            for (int k : e.Outlined) DrawSquareOutline(o, t, k, kRed);
            for (int k : e.DiagonalsOnly) DrawDiagonal(o, t, k, kRed);
        }
        if (s.CurrentTool == Tool::TouchUp) {
            const int p = TouchUpCornerPoint(s, picked);
            if (t.IsPoint(p)) {
                if (t.Points[p].Locked)
                    DrawPointMarker(o, s, p, kBlue, true);
                else
                    DrawPointMarker(o, s, p, kRed, false);
            }
        }
    }
    return o;
}

}  // namespace vh::view
