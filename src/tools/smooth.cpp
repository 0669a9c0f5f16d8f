#include "tools/smooth.h"

#include "core/rules.h"
#include "tools/ring_walk.h"
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

void SmoothPoint(HeightEdit& edit, const ToolSettings& tools, const SmoothStroke& sm, int point) {
    if (tools.SmoothStyle == 0)
        SmoothPointByStep(edit, tools, point);
    else if (!sm.SmoothJumpDone)
        SmoothPointJump(edit, tools, point);
}

namespace {

constexpr RingStep kSquare[] = {
    {true, Dir::Next, {CornerLeftOf, CornerRightOf, CornerNextLeftOf, CornerNextRightOf}}};
constexpr RingStep kRing[] = {{false, Dir::Next, {CornerNextLeftOf, CornerNextRightOf}},
                              {false, Dir::Prev, {CornerLeftOf, CornerRightOf}},
                              {false, Dir::Left, {CornerNextLeftOf, CornerLeftOf}},
                              {false, Dir::Right, {CornerNextRightOf, CornerRightOf}},
                              {false, Dir::NextLeft, {CornerNextLeftOf}},
                              {false, Dir::NextRight, {CornerNextRightOf}},
                              {false, Dir::PrevLeft, {CornerLeftOf}},
                              {false, Dir::PrevRight, {CornerRightOf}}};

}  // namespace

void SmoothTool(EditorState& s, SmoothStroke& sm) {
    if (!s.Stroke.ToolActive) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    HeightEdit edit = EditHeights(s);
    auto smooth = [&](int point) { SmoothPoint(edit, s.Tools, sm, point); };
    const int radius = s.Tools.SmoothRadius;
    if (radius == 1 || radius == 2) WalkRing(s.Terrain, sq, kSquare, smooth);
    if (radius == 2) {
        WalkRing(s.Terrain, sq, kRing, smooth);
        sm.SmoothJumpDone = true;
    }
}

}  // namespace vh
