#include "tools/mountain.h"

#include <cmath>

#include "core/rules.h"
#include "tools/smooth.h"
#include "tools/tool_common.h"

namespace vh {

namespace {

float GridSpacing(const Terrain& t) {
    if (t.PointCount < 2) return 0.0f;
    return t.Points[2].X - t.Points[1].X;
}

}  // namespace

void MountVallPoint(HeightEdit& edit, const ToolSettings& tools, float step, int point, float cx, float base,
                    float cz, float r) {
    if (edit.Protected(point)) return;
    const TerrainPoint& p = edit.Target().Points[point];
    const float dx = p.X - cx;
    const float dz = p.Z - cz;
    const float d =
        static_cast<float>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dz) * dz));
    if (d >= r) return;
    const double rr = static_cast<double>(r) * r - static_cast<double>(d) * d;
    const float t = static_cast<float>(std::sqrt(std::fabs(rr)) * tools.MountVallPercent);
    const float target = step * t / 20.0f + base;
    // A correction below 1 would divide by zero or push away from the target.
    const int c = tools.MountVallCorrection < 1 ? 1 : tools.MountVallCorrection;
    edit.Set(point,
             SnapToGrid((static_cast<float>(c - 1) * p.Height + target) / static_cast<float>(c), tools.Grid));
    if (tools.MountVallSmoothOuter && 2.0f * GridSpacing(edit.Target()) > r - d)
        SmoothPointJump(edit, tools, point);
}

void MountVallTool(EditorState& s, MountainStroke& stroke) {
    const float m = static_cast<float>(s.Stroke.MouseY);
    if (!s.Stroke.ToolActive) {
        stroke.MountVallStep = 0;
        s.Stroke.LastMouseY = 0;
        return;
    }
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    // Only the direction of the movement counts, not its size.
    if (s.Stroke.LastMouseY == 0.0f)
        stroke.MountVallStep = 0;
    else if (s.Stroke.LastMouseY < m)
        stroke.MountVallStep -= static_cast<float>(s.Tools.MountVallSensitivity);
    else if (s.Stroke.LastMouseY > m)
        stroke.MountVallStep += static_cast<float>(s.Tools.MountVallSensitivity);
    s.Stroke.LastMouseY = m;
    if (stroke.MountVallStep == 0.0f) return;

    if (stroke.MountVallBase == 0.0f) stroke.MountVallBase = SquareMean(s.Terrain, sq);
    const int corners[] = {CornerLeftOf(s.Terrain, sq), CornerRightOf(s.Terrain, sq),
                           CornerNextLeftOf(s.Terrain, sq), CornerNextRightOf(s.Terrain, sq)};
    float sx = 0, sz = 0;
    for (int k : corners) {
        sx += s.Terrain.Points[k].X;
        sz += s.Terrain.Points[k].Z;
    }
    const float cx = sx / 4.0f;
    const float cz = sz / 4.0f;
    const float r = GridSpacing(s.Terrain) * static_cast<float>(s.Tools.MountVallRadius);
    const float base = stroke.MountVallBase;
    const int n = s.Terrain.PointCount;
    HeightEdit edit = EditHeights(s);
    for (int i = 1; i <= n; ++i) MountVallPoint(edit, s.Tools, stroke.MountVallStep, i, cx, base, cz, r);
}

void MountVallWheel(EditorState& s, int delta) {
    int radius = s.Tools.MountVallRadius + (delta > 0 ? 1 : delta < 0 ? -1 : 0);
    if (radius >= 21) radius = 3;
    if (radius <= 2) radius = 20;
    s.Tools.MountVallRadius = radius;
}

}  // namespace vh
