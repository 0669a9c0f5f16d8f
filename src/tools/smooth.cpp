#include "tools/smooth.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

std::optional<float> NeighbourhoodAverage(const EditorState& s, int i) {
    if (s.Tools.SmoothType != 0 && s.Tools.SmoothType != 1) return std::nullopt;
    const bool radial = s.Tools.SmoothType == 0;
    const int w = s.Terrain.PointsPerRow;
    const int n = s.Terrain.PointCount;
    const auto& pts = s.Terrain.Points;
    float sum = pts[i].Height;
    int count = 1;
    auto add = [&](int k) {
        sum += pts[k].Height;
        ++count;
    };
    if (i - w >= 1) add(i - w);
    if (i + w <= n) add(i + w);
    // Side neighbours count only within the same row; the diagonals only with them.
    if (i - 1 >= 1 && pts[i - 1].Z == pts[i].Z) {
        add(i - 1);
        if (radial) {
            if (i - 1 - w >= 1) add(i - 1 - w);
            if (i - 1 + w <= n) add(i - 1 + w);
        }
    }
    if (i + 1 <= n && pts[i + 1].Z == pts[i].Z) {
        add(i + 1);
        if (radial) {
            if (i + 1 - w >= 1) add(i + 1 - w);
            if (i + 1 + w <= n) add(i + 1 + w);
        }
    }
    return sum / static_cast<float>(count);
}

void SmoothPointByStep(EditorState& s, int point) {
    if (point <= 0 || PointProtected(s, point)) return;
    const std::optional<float> average = NeighbourhoodAverage(s, point);
    if (!average) return;
    const float a = *average;
    float& h = s.Terrain.Points[point].Height;
    const float t = s.Tools.SmoothToolThreshold;
    float g = static_cast<float>(s.Tools.Grid);
    if (a != 0.0f) {
        const float ratio = h / a;
        if (ratio > 2.0f || ratio < 0.5f) g = 2.0f * static_cast<float>(s.Tools.Grid);
    }
    if (h + t - g > a) h = h - g;
    if (h - t + g < a) h = h + g;
}

void SmoothPointJump(EditorState& s, int point) {
    if (point <= 0 || PointProtected(s, point)) return;
    const std::optional<float> average = NeighbourhoodAverage(s, point);
    if (!average) return;
    const float a = *average;
    float& h = s.Terrain.Points[point].Height;
    const float t = s.Tools.SmoothToolThreshold;
    if (h - t <= a && a <= h + t) return;
    h = SnapToGrid(a, s.Tools.Grid);
}

void SmoothPoint(EditorState& s, int point) {
    if (s.Tools.SmoothStyle == 0)
        SmoothPointByStep(s, point);
    else if (!s.Stroke.SmoothJumpDone)
        SmoothPointJump(s, point);
}

void SmoothTool(EditorState& s) {
    if (!s.Stroke.ToolActive) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    if (s.Tools.SmoothRadius == 1 || s.Tools.SmoothRadius == 2) {
        SmoothPoint(s, CornerLeftOf(s.Terrain, sq));
        SmoothPoint(s, CornerRightOf(s.Terrain, sq));
        SmoothPoint(s, CornerNextLeftOf(s.Terrain, sq));
        SmoothPoint(s, CornerNextRightOf(s.Terrain, sq));
    }
    if (s.Tools.SmoothRadius == 2) {
        const Terrain& t = s.Terrain;
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Next))) {
            SmoothPoint(s, CornerNextLeftOf(s.Terrain, k));
            SmoothPoint(s, CornerNextRightOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Prev))) {
            SmoothPoint(s, CornerLeftOf(s.Terrain, k));
            SmoothPoint(s, CornerRightOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Left))) {
            SmoothPoint(s, CornerNextLeftOf(s.Terrain, k));
            SmoothPoint(s, CornerLeftOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Right))) {
            SmoothPoint(s, CornerNextRightOf(s.Terrain, k));
            SmoothPoint(s, CornerRightOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::NextLeft)))
            SmoothPoint(s, CornerNextLeftOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::NextRight)))
            SmoothPoint(s, CornerNextRightOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::PrevLeft)))
            SmoothPoint(s, CornerLeftOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::PrevRight)))
            SmoothPoint(s, CornerRightOf(s.Terrain, k));
        s.Stroke.SmoothJumpDone = true;
    }
    UpdateTerrainMesh(s);
}

}  // namespace vh
