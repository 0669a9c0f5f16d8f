#include "view/overlay.h"

#include <algorithm>
#include <cmath>

#include "core/rules.h"
#include "view/terrain_mesh.h"

namespace vh::view {

namespace {

bool ValidPoint(const EditorState& s, int p) {
    return p >= 1 && p <= s.PointTotal() && p < static_cast<int>(s.Points.size());
}

bool ValidSquare(const EditorState& s, int k) {
    if (k < 1 || k > s.SquareTotal() || k >= static_cast<int>(s.Squares.size())) return false;
    const SquareCorners c = CornersOf(s, k);
    return ValidPoint(s, c.c0) && ValidPoint(s, c.c1) && ValidPoint(s, c.c2) && ValidPoint(s, c.c3);
}

Vec3f At(const EditorState& s, int p) {
    const TerrainPoint& q = s.Points[p];
    return {q.X, q.Height, q.Z};
}

int Index(float v) {
    return static_cast<int>(v);
}

void DrawDiagonal(OverlayScene& o, const EditorState& s, int square, Rgb c) {
    if (!ValidSquare(s, square)) return;
    const SquareCorners q = CornersOf(s, square);
    o.Lines.push_back({At(s, q.c3), At(s, q.c0), c});
}

}  // namespace

void DrawSquareOutline(OverlayScene& o, const EditorState& s, int square, Rgb c) {
    if (!ValidSquare(s, square)) return;
    const SquareCorners q = CornersOf(s, square);
    const Vec3f p0 = At(s, q.c0), p1 = At(s, q.c1), p2 = At(s, q.c2), p3 = At(s, q.c3);
    o.Lines.push_back({p3, p2, c});
    o.Lines.push_back({p1, p3, c});
    o.Lines.push_back({p0, p1, c});
    o.Lines.push_back({p2, p0, c});
    o.Lines.push_back({p3, p0, c});
}

bool InFrontOfCamera(const EditorState& s, const Vec3f& p) {
    const Vec3f& P = s.CameraPos;
    const Vec3f& T = s.CameraTarget;
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
    if (!ValidPoint(s, point)) return;
    const Vec3f m = At(s, point);
    const float h = kMarkerHalfSize;
    auto corner = [&](int i) {
        return Vec3f{m.x + (i & 1 ? h : -h), m.y + (i & 2 ? h : -h), m.z + (i & 4 ? h : -h)};
    };
    // Corners differing in one bit share an edge.
    for (int i = 0; i < 8; ++i)
        for (int bit : {1, 2, 4})
            if (!(i & bit)) o.Lines.push_back({corner(i), corner(i | bit), c});

    if (!withInfo || !s.Commands.cmdPointInfo.Checked) return;
    const float dx = m.x - s.CameraPos.x, dy = m.y - s.CameraPos.y, dz = m.z - s.CameraPos.z;
    if (std::sqrt(dx * dx + dy * dy + dz * dz) >= kPointInfoDistance) return;
    if (!InFrontOfCamera(s, m)) return;
    o.Texts.push_back({m, PointInfoText(s.Points[point]), c});
}

EffectedSquares EffectedSquaresOf(const EditorState& s, int square) {
    EffectedSquares e;
    if (!ValidSquare(s, square)) return e;
    const TerrainSquare& q = s.Squares[square];
    const std::vector<int> all = {Index(q.SqNext),     Index(q.SqPrev),     Index(q.SqLeft),
                                  Index(q.SqRight),    Index(q.SqNextLeft), Index(q.SqNextRight),
                                  Index(q.SqPrevLeft), Index(q.SqPrevRight)};
    switch (CurrentTool(s)) {
        case Tool::RaiseLower:
            if (s.RaiseLowerRadius == 2) {
                e.Outlined = {Index(q.SqNext),  Index(q.SqPrev),     Index(q.SqLeft),
                              Index(q.SqRight), Index(q.SqNextLeft), Index(q.SqPrevRight)};
                e.DiagonalsOnly = {Index(q.SqNextRight), Index(q.SqPrevLeft)};
            }
            break;
        case Tool::Smooth:
            if (s.SmoothRadius == 2) e.Outlined = all;
            break;
        case Tool::Noise:
            if (s.NoiseRadius == 2) e.Outlined = all;
            break;
        case Tool::Flatten:
            if (s.FlattenRadius == 2) e.Outlined = all;
            if (s.FlattenRadius == 3) e.Outlined = {Index(q.SqNext), Index(q.SqPrev)};
            if (s.FlattenRadius == 4) e.Outlined = {Index(q.SqLeft), Index(q.SqRight)};
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
    if (!ValidSquare(s, square)) return 0;
    const TerrainSquare& q = s.Squares[square];
    switch (s.TouchUpCorner) {
        case 1:
            return Index(q.CornerLeft);
        case 2:
            return Index(q.CornerNextLeft);
        case 3:
            return Index(q.CornerNextRight);
        case 4:
            return Index(q.CornerRight);
        default:
            return 0;
    }
}

OverlayScene BuildOverlay(const EditorState& s) {
    OverlayScene o;
    const CommandStates& cmd = s.Commands;
    if (cmd.cmdShowLocked.Checked) {
        const int n = std::min(s.PointTotal(), static_cast<int>(s.Points.size()) - 1);
        for (int p = 1; p <= n; ++p)
            if (s.Points[p].Locked) DrawPointMarker(o, s, p, kGreen, true);
    }
    const int picked = static_cast<int>(s.PickedSquare);
    if (cmd.cmdHighlight.Checked && picked != 0) {
        DrawSquareOutline(o, s, picked, kRed);
        if (cmd.cmdHighlightEffected.Checked) {
            const EffectedSquares e = EffectedSquaresOf(s, picked);
            for (int k : e.Outlined) DrawSquareOutline(o, s, k, kRed);
            for (int k : e.DiagonalsOnly) DrawDiagonal(o, s, k, kRed);
        }
        if (CurrentTool(s) == Tool::TouchUp) {
            const int p = TouchUpCornerPoint(s, picked);
            if (ValidPoint(s, p)) {
                if (s.Points[p].Locked)
                    DrawPointMarker(o, s, p, kBlue, true);
                else
                    DrawPointMarker(o, s, p, kRed, false);
            }
        }
    }
    return o;
}

}  // namespace vh::view
