#include "tools/smooth.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

std::optional<float> NeighbourhoodAverage(const EditorState& s, int i) {
    if (s.SmoothType != 0 && s.SmoothType != 1) return std::nullopt;
    const bool radial = s.SmoothType == 0;
    const int w = static_cast<int>(s.PointsPerRow);
    const int n = s.PointTotal();
    const auto& pts = s.Points;
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
    float& h = s.Points[point].Height;
    const float t = s.SmoothToolThreshold;
    float g = static_cast<float>(s.Grid);
    if (a != 0.0f) {
        const float ratio = h / a;
        if (ratio > 2.0f || ratio < 0.5f) g = 2.0f * static_cast<float>(s.Grid);
    }
    if (h + t - g > a) h = h - g;
    if (h - t + g < a) h = h + g;
}

void SmoothPointJump(EditorState& s, int point) {
    if (point <= 0 || PointProtected(s, point)) return;
    const std::optional<float> average = NeighbourhoodAverage(s, point);
    if (!average) return;
    const float a = *average;
    float& h = s.Points[point].Height;
    const float t = s.SmoothToolThreshold;
    if (h - t <= a && a <= h + t) return;
    h = SnapToGrid(a, s.Grid);
}

void SmoothPoint(EditorState& s, int point) {
    if (s.SmoothStyle == 0)
        SmoothPointByStep(s, point);
    else if (s.SmoothJumpDone == 0)
        SmoothPointJump(s, point);
}

void SmoothTool(EditorState& s) {
    if (s.ToolActive == 0) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    if (s.SmoothRadius == 1 || s.SmoothRadius == 2) {
        SmoothPoint(s, CornerLeftOf(s, sq));
        SmoothPoint(s, CornerRightOf(s, sq));
        SmoothPoint(s, CornerNextLeftOf(s, sq));
        SmoothPoint(s, CornerNextRightOf(s, sq));
    }
    if (s.SmoothRadius == 2) {
        const TerrainSquare q = s.Squares[sq];
        if (const int k = SquareIndex(s, q.SqNext)) {
            SmoothPoint(s, CornerNextLeftOf(s, k));
            SmoothPoint(s, CornerNextRightOf(s, k));
        }
        if (const int k = SquareIndex(s, q.SqPrev)) {
            SmoothPoint(s, CornerLeftOf(s, k));
            SmoothPoint(s, CornerRightOf(s, k));
        }
        if (const int k = SquareIndex(s, q.SqLeft)) {
            SmoothPoint(s, CornerNextLeftOf(s, k));
            SmoothPoint(s, CornerLeftOf(s, k));
        }
        if (const int k = SquareIndex(s, q.SqRight)) {
            SmoothPoint(s, CornerNextRightOf(s, k));
            SmoothPoint(s, CornerRightOf(s, k));
        }
        if (const int k = SquareIndex(s, q.SqNextLeft)) SmoothPoint(s, CornerNextLeftOf(s, k));
        if (const int k = SquareIndex(s, q.SqNextRight)) SmoothPoint(s, CornerNextRightOf(s, k));
        if (const int k = SquareIndex(s, q.SqPrevLeft)) SmoothPoint(s, CornerLeftOf(s, k));
        if (const int k = SquareIndex(s, q.SqPrevRight)) SmoothPoint(s, CornerRightOf(s, k));
        s.SmoothJumpDone = kTrue;
    }
    UpdateTerrainMesh(s);
}

}  // namespace vh
