#include "view/overlay.h"

#include <algorithm>
#include <cmath>

#include "core/rules.h"
#include "core/view_options.h"
#include "tools/brush_tool.h"
#include "view/compile_markers.h"
#include "view/spawn_marker.h"

namespace vh::view {

namespace {

Vec3f At(const Terrain& t, int p) {
    const TerrainPoint& q = t.Points[p];
    return {q.X, q.Height, q.Z};
}

void DrawDiagonal(OverlayScene& o, const Terrain& t, int square, Rgb c) {
    if (!t.HasSquare(square)) return;
    const SquareCorners q = t.Corners(square);
    o.Lines.push_back({At(t, q.c3), At(t, q.c0), c});
}

}  // namespace

void DrawSquareOutline(OverlayScene& o, const Terrain& t, int square, Rgb c) {
    if (!t.HasSquare(square)) return;
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

OverlayScene BuildOverlay(const EditorState& s, const ToolBox& tools, CompileMarkCache& marks) {
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
        const BrushTool* tool = tools.Of(s.CurrentTool);
        const Footprint f = tool && t.HasSquare(picked) ? tool->FootprintAt(t, s.Tools, picked) : Footprint{};
        if (view.HighlightEffected) {
            for (int k : f.Outlined) DrawSquareOutline(o, t, k, kRed);
            for (int k : f.DiagonalsOnly) DrawDiagonal(o, t, k, kRed);
        }
        // Touch-up's corner: blue with its text when locked.
        if (t.IsPoint(f.Corner)) {
            if (t.Points[f.Corner].Locked)
                DrawPointMarker(o, s, f.Corner, kBlue, true);
            else
                DrawPointMarker(o, s, f.Corner, kRed, false);
        }
    }
    return o;
}

}  // namespace vh::view
