#include "tools/smooth.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

std::optional<float> NeighbourhoodAverage(const Terrain& t, const ToolSettings& tools, int i) {
    if (tools.SmoothType != 0 && tools.SmoothType != 1) return std::nullopt;
    const bool radial = tools.SmoothType == 0;
    const int w = t.PointsPerRow;
    const int n = t.PointCount;
    const auto& pts = t.Points;
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

void SmoothPointByStep(HeightEdit& edit, const ToolSettings& tools, int point) {
    if (point <= 0 || edit.Protected(point)) return;
    const std::optional<float> average = NeighbourhoodAverage(edit.Target(), tools, point);
    if (!average) return;
    const float a = *average;
    float h = edit.Height(point);
    const float t = tools.SmoothToolThreshold;
    float g = static_cast<float>(tools.Grid);
    if (a != 0.0f) {
        const float ratio = h / a;
        if (ratio > 2.0f || ratio < 0.5f) g = 2.0f * static_cast<float>(tools.Grid);
    }
    if (h + t - g > a) h = h - g;
    if (h - t + g < a) h = h + g;
    edit.Set(point, h);
}

void SmoothPointJump(HeightEdit& edit, const ToolSettings& tools, int point) {
    if (point <= 0 || edit.Protected(point)) return;
    const std::optional<float> average = NeighbourhoodAverage(edit.Target(), tools, point);
    if (!average) return;
    const float a = *average;
    const float h = edit.Height(point);
    const float t = tools.SmoothToolThreshold;
    if (h - t <= a && a <= h + t) return;
    edit.Set(point, SnapToGrid(a, tools.Grid));
}

void SmoothPoint(HeightEdit& edit, const ToolSettings& tools, const StrokeState& stroke, int point) {
    if (tools.SmoothStyle == 0)
        SmoothPointByStep(edit, tools, point);
    else if (!stroke.SmoothJumpDone)
        SmoothPointJump(edit, tools, point);
}

void SmoothTool(EditorState& s) {
    if (!s.Stroke.ToolActive) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    HeightEdit edit = EditHeights(s);
    auto smooth = [&](int point) { SmoothPoint(edit, s.Tools, s.Stroke, point); };
    if (s.Tools.SmoothRadius == 1 || s.Tools.SmoothRadius == 2) {
        smooth(CornerLeftOf(s.Terrain, sq));
        smooth(CornerRightOf(s.Terrain, sq));
        smooth(CornerNextLeftOf(s.Terrain, sq));
        smooth(CornerNextRightOf(s.Terrain, sq));
    }
    if (s.Tools.SmoothRadius == 2) {
        const Terrain& t = s.Terrain;
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Next))) {
            smooth(CornerNextLeftOf(s.Terrain, k));
            smooth(CornerNextRightOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Prev))) {
            smooth(CornerLeftOf(s.Terrain, k));
            smooth(CornerRightOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Left))) {
            smooth(CornerNextLeftOf(s.Terrain, k));
            smooth(CornerLeftOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Right))) {
            smooth(CornerNextRightOf(s.Terrain, k));
            smooth(CornerRightOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::NextLeft)))
            smooth(CornerNextLeftOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::NextRight)))
            smooth(CornerNextRightOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::PrevLeft))) smooth(CornerLeftOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::PrevRight)))
            smooth(CornerRightOf(s.Terrain, k));
        s.Stroke.SmoothJumpDone = true;
    }
}

}  // namespace vh
