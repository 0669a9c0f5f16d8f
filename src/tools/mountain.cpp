#include "tools/mountain.h"

#include <cmath>

#include "core/rules.h"
#include "tools/smooth.h"
#include "tools/tool_common.h"

namespace vh {

namespace {

float GridSpacing(const EditorState& s) {
    if (s.PointTotal() < 2) return 0.0f;
    return s.Points[2].X - s.Points[1].X;
}

}  // namespace

void MountVallPoint(EditorState& s, int point, float cx, float base, float cz, float r) {
    if (PointProtected(s, point)) return;
    TerrainPoint& p = s.Points[point];
    const float dx = p.X - cx;
    const float dz = p.Z - cz;
    const float d =
        static_cast<float>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dz) * dz));
    if (d >= r) return;
    const double rr = static_cast<double>(r) * r - static_cast<double>(d) * d;
    const float t = static_cast<float>(std::sqrt(std::fabs(rr)) * s.MountVallPercent);
    const float target = s.MountVallStep * t / 20.0f + base;
    // A correction below 1 would divide by zero or push away from the target.
    const int c = s.MountVallCorrection < 1 ? 1 : s.MountVallCorrection;
    p.Height = SnapToGrid((static_cast<float>(c - 1) * p.Height + target) / static_cast<float>(c), s.Grid);
    if (s.MountVallSmoothOuter != 0 && 2.0f * GridSpacing(s) > r - d) SmoothPointJump(s, point);
}

void MountVallTool(EditorState& s) {
    const float m = static_cast<float>(s.MouseY);
    if (s.ToolActive == 0) {
        s.MountVallStep = 0;
        s.LastMouseY = 0;
        return;
    }
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    // Only the direction of the movement counts, not its size.
    if (s.LastMouseY == 0.0f)
        s.MountVallStep = 0;
    else if (s.LastMouseY < m)
        s.MountVallStep -= static_cast<float>(s.MountVallSensitivity);
    else if (s.LastMouseY > m)
        s.MountVallStep += static_cast<float>(s.MountVallSensitivity);
    s.LastMouseY = m;
    if (s.MountVallStep == 0.0f) return;

    if (s.MountVallBase == 0.0f) s.MountVallBase = SquareMean(s, sq);
    const int corners[] = {CornerLeftOf(s, sq), CornerRightOf(s, sq), CornerNextLeftOf(s, sq),
                           CornerNextRightOf(s, sq)};
    float sx = 0, sz = 0;
    for (int k : corners) {
        sx += s.Points[k].X;
        sz += s.Points[k].Z;
    }
    const float cx = sx / 4.0f;
    const float cz = sz / 4.0f;
    const float r = GridSpacing(s) * static_cast<float>(s.MountVallRadius);
    const float base = s.MountVallBase;
    const int n = s.PointTotal();
    for (int i = 1; i <= n; ++i) MountVallPoint(s, i, cx, base, cz, r);
    UpdateTerrainMesh(s);
}

void MountVallWheel(EditorState& s, int delta) {
    int radius = s.MountVallRadius + (delta > 0 ? 1 : delta < 0 ? -1 : 0);
    if (radius >= 21) radius = 3;
    if (radius <= 2) radius = 20;
    s.MountVallRadius = static_cast<int16_t>(radius);
}

}  // namespace vh
