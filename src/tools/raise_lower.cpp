#include "tools/raise_lower.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

void ApplyToPoint(HeightEdit& edit, const ToolSettings& tools, int point, float step, float reference) {
    const float h = edit.Height(point);
    float change = step;
    if (reference != 0.0f) {
        const float ratio = h / reference;
        if (ratio > 2.0f || ratio < 0.5f) change = 2.0f * change;
    }
    const int margin = 16 * static_cast<int>(tools.RaiseLowerThreshold);
    if (change > 0.0f) {
        if (h > reference + static_cast<float>(margin)) return;
    } else {
        if (h < reference - static_cast<float>(margin)) return;
    }
    edit.Set(point, h + change);
}

bool IsOutsidePickedSquare(const Terrain& t, int picked, float x, float z) {
    if (picked == 0) return true;
    for (int corner : {CornerLeftOf(t, picked), CornerRightOf(t, picked), CornerNextLeftOf(t, picked),
                       CornerNextRightOf(t, picked)}) {
        if (t.Points[corner].X == x && t.Points[corner].Z == z) return false;
    }
    return true;
}

void ApplyToNeighbourSquare(HeightEdit& edit, const ToolSettings& tools, int picked, int square, float step) {
    const Terrain& t = edit.Target();
    const float reference = SquareMean(t, square);
    for (int corner : {CornerLeftOf(t, square), CornerRightOf(t, square), CornerNextLeftOf(t, square),
                       CornerNextRightOf(t, square)}) {
        if (IsOutsidePickedSquare(t, picked, t.Points[corner].X, t.Points[corner].Z))
            ApplyToPoint(edit, tools, corner, step, reference);
    }
}

void RaiseLowerTool(EditorState& s) {
    const float m = static_cast<float>(s.Stroke.MouseY);
    if (!s.Stroke.ToolActive) {
        s.Stroke.LastMouseY = 0;
        return;
    }
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    if (s.Stroke.LastMouseY == 0.0f) s.Stroke.LastMouseY = m;
    const float d = s.Stroke.LastMouseY - m;
    const float step = SnapToGrid(static_cast<float>(s.Tools.RaiseLowerSensitivity) * d, s.Tools.Grid);
    // What rounds away is lost rather than carried into the next pass.
    s.Stroke.LastMouseY = m;
    const Terrain& t = s.Terrain;
    const float reference = SquareMean(t, sq);
    if (step == 0.0f) return;

    HeightEdit edit = EditHeights(s);
    const ToolSettings& tools = s.Tools;
    if (tools.RaiseLowerRadius == 1 || tools.RaiseLowerRadius == 2) {
        ApplyToPoint(edit, tools, CornerLeftOf(t, sq), step, reference);
        ApplyToPoint(edit, tools, CornerRightOf(t, sq), step, reference);
        ApplyToPoint(edit, tools, CornerNextLeftOf(t, sq), step, reference);
        ApplyToPoint(edit, tools, CornerNextRightOf(t, sq), step, reference);
    }
    if (tools.RaiseLowerRadius == 2) {
        const float ringStep = SnapToGrid(tools.RaiseLowerPercent * step, tools.Grid);
        for (Dir d : {Dir::Next, Dir::Prev, Dir::Left, Dir::Right}) {
            if (const int k = SquareIndex(t, t.Neighbour(sq, d)))
                ApplyToNeighbourSquare(edit, tools, sq, k, ringStep);
        }
        // Each diagonal square contributes only the corner the picked square does not touch.
        struct Diagonal {
            Dir dir;
            int (*farCorner)(const Terrain&, int);
        };
        const Diagonal diagonals[] = {{Dir::NextLeft, CornerNextLeftOf},
                                      {Dir::NextRight, CornerNextRightOf},
                                      {Dir::PrevLeft, CornerLeftOf},
                                      {Dir::PrevRight, CornerRightOf}};
        for (const Diagonal& dgl : diagonals) {
            if (const int k = SquareIndex(t, t.Neighbour(sq, dgl.dir)))
                ApplyToPoint(edit, tools, dgl.farCorner(t, k), ringStep, SquareMean(t, k));
        }
    }
}

}  // namespace vh
