#include "tools/raise_lower.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

void ApplyToPoint(EditorState& s, int point, float step, float reference) {
    if (PointProtected(s, point)) return;
    TerrainPoint& p = s.Points[point];
    float change = step;
    if (reference != 0.0f) {
        const float ratio = p.Height / reference;
        if (ratio > 2.0f || ratio < 0.5f) change = 2.0f * change;
    }
    const int margin = 16 * static_cast<int>(s.RaiseLowerThreshold);
    if (change > 0.0f) {
        if (p.Height > reference + static_cast<float>(margin)) return;
    } else {
        if (p.Height < reference - static_cast<float>(margin)) return;
    }
    p.Height = p.Height + change;
}

bool IsOutsidePickedSquare(const EditorState& s, float x, float z) {
    const int sq = PickedIndex(s);
    if (sq == 0) return true;
    for (int corner :
         {CornerLeftOf(s, sq), CornerRightOf(s, sq), CornerNextLeftOf(s, sq), CornerNextRightOf(s, sq)}) {
        if (s.Points[corner].X == x && s.Points[corner].Z == z) return false;
    }
    return true;
}

void ApplyToNeighbourSquare(EditorState& s, int square, float step) {
    const float reference = SquareMean(s, square);
    for (int corner : {CornerLeftOf(s, square), CornerRightOf(s, square), CornerNextLeftOf(s, square),
                       CornerNextRightOf(s, square)}) {
        if (IsOutsidePickedSquare(s, s.Points[corner].X, s.Points[corner].Z))
            ApplyToPoint(s, corner, step, reference);
    }
}

void RaiseLowerTool(EditorState& s) {
    const float m = static_cast<float>(s.MouseY);
    if (s.ToolActive == 0) {
        s.LastMouseY = 0;
        return;
    }
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    if (s.LastMouseY == 0.0f) s.LastMouseY = m;
    const float d = s.LastMouseY - m;
    const float step = SnapToGrid(static_cast<float>(s.RaiseLowerSensitivity) * d, s.Grid);
    // What rounds away is lost rather than carried into the next pass.
    s.LastMouseY = m;
    const float reference = SquareMean(s, sq);
    if (step == 0.0f) return;

    if (s.RaiseLowerRadius == 1 || s.RaiseLowerRadius == 2) {
        ApplyToPoint(s, CornerLeftOf(s, sq), step, reference);
        ApplyToPoint(s, CornerRightOf(s, sq), step, reference);
        ApplyToPoint(s, CornerNextLeftOf(s, sq), step, reference);
        ApplyToPoint(s, CornerNextRightOf(s, sq), step, reference);
    }
    if (s.RaiseLowerRadius == 2) {
        const float ringStep = SnapToGrid(s.RaiseLowerPercent * step, s.Grid);
        const TerrainSquare& q = s.Squares[sq];
        for (float n : {q.SqNext, q.SqPrev, q.SqLeft, q.SqRight}) {
            if (const int k = SquareIndex(s, n)) ApplyToNeighbourSquare(s, k, ringStep);
        }
        // Each diagonal square contributes only the corner the picked square does not touch.
        struct Diagonal {
            float square;
            int (*farCorner)(const EditorState&, int);
        };
        const Diagonal diagonals[] = {{q.SqNextLeft, CornerNextLeftOf},
                                      {q.SqNextRight, CornerNextRightOf},
                                      {q.SqPrevLeft, CornerLeftOf},
                                      {q.SqPrevRight, CornerRightOf}};
        for (const Diagonal& dgl : diagonals) {
            if (const int k = SquareIndex(s, dgl.square))
                ApplyToPoint(s, dgl.farCorner(s, k), ringStep, SquareMean(s, k));
        }
    }
    UpdateTerrainMesh(s);
}

}  // namespace vh
