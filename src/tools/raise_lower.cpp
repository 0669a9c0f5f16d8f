#include "tools/raise_lower.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

void ApplyToPoint(EditorState& s, int point, float step, float reference) {
    if (PointProtected(s, point)) return;
    TerrainPoint& p = s.Terrain.Points[point];
    float change = step;
    if (reference != 0.0f) {
        const float ratio = p.Height / reference;
        if (ratio > 2.0f || ratio < 0.5f) change = 2.0f * change;
    }
    const int margin = 16 * static_cast<int>(s.Tools.RaiseLowerThreshold);
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
    for (int corner : {CornerLeftOf(s.Terrain, sq), CornerRightOf(s.Terrain, sq),
                       CornerNextLeftOf(s.Terrain, sq), CornerNextRightOf(s.Terrain, sq)}) {
        if (s.Terrain.Points[corner].X == x && s.Terrain.Points[corner].Z == z) return false;
    }
    return true;
}

void ApplyToNeighbourSquare(EditorState& s, int square, float step) {
    const float reference = SquareMean(s.Terrain, square);
    for (int corner : {CornerLeftOf(s.Terrain, square), CornerRightOf(s.Terrain, square),
                       CornerNextLeftOf(s.Terrain, square), CornerNextRightOf(s.Terrain, square)}) {
        if (IsOutsidePickedSquare(s, s.Terrain.Points[corner].X, s.Terrain.Points[corner].Z))
            ApplyToPoint(s, corner, step, reference);
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
    const float reference = SquareMean(s.Terrain, sq);
    if (step == 0.0f) return;

    if (s.Tools.RaiseLowerRadius == 1 || s.Tools.RaiseLowerRadius == 2) {
        ApplyToPoint(s, CornerLeftOf(s.Terrain, sq), step, reference);
        ApplyToPoint(s, CornerRightOf(s.Terrain, sq), step, reference);
        ApplyToPoint(s, CornerNextLeftOf(s.Terrain, sq), step, reference);
        ApplyToPoint(s, CornerNextRightOf(s.Terrain, sq), step, reference);
    }
    if (s.Tools.RaiseLowerRadius == 2) {
        const float ringStep = SnapToGrid(s.Tools.RaiseLowerPercent * step, s.Tools.Grid);
        const Terrain& t = s.Terrain;
        for (Dir d : {Dir::Next, Dir::Prev, Dir::Left, Dir::Right}) {
            if (const int k = SquareIndex(t, t.Neighbour(sq, d))) ApplyToNeighbourSquare(s, k, ringStep);
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
                ApplyToPoint(s, dgl.farCorner(t, k), ringStep, SquareMean(t, k));
        }
    }
    UpdateTerrainMesh(s);
}

}  // namespace vh
