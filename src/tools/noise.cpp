#include "tools/noise.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

void NoisePoint(EditorState& s, int point) {
    if (point <= 0 || PointProtected(s, point)) return;
    const float r = s.Rnd.Next();
    const float delta = 2.0f * s.MaxNoise * r - s.MaxNoise;
    s.Points[point].Height = s.Points[point].Height + SnapToGrid(delta, s.Grid);
}

void NoiseTool(EditorState& s) {
    if (s.ToolActive == 0 || s.NoiseApplied != 0) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    if (s.NoiseRadius == 1 || s.NoiseRadius == 2) {
        NoisePoint(s, CornerNextRightOf(s, sq));
        NoisePoint(s, CornerNextLeftOf(s, sq));
        NoisePoint(s, CornerRightOf(s, sq));
        NoisePoint(s, CornerLeftOf(s, sq));
    }
    if (s.NoiseRadius == 2) {
        const TerrainSquare q = s.Squares[sq];
        if (const int k = SquareIndex(s, q.SqNext)) {
            NoisePoint(s, CornerNextRightOf(s, k));
            NoisePoint(s, CornerNextLeftOf(s, k));
        }
        if (const int k = SquareIndex(s, q.SqPrev)) {
            NoisePoint(s, CornerRightOf(s, k));
            NoisePoint(s, CornerLeftOf(s, k));
        }
        if (const int k = SquareIndex(s, q.SqRight)) {
            NoisePoint(s, CornerNextRightOf(s, k));
            NoisePoint(s, CornerRightOf(s, k));
        }
        if (const int k = SquareIndex(s, q.SqLeft)) {
            NoisePoint(s, CornerNextLeftOf(s, k));
            NoisePoint(s, CornerLeftOf(s, k));
        }
        if (const int k = SquareIndex(s, q.SqNextRight)) NoisePoint(s, CornerNextRightOf(s, k));
        if (const int k = SquareIndex(s, q.SqNextLeft)) NoisePoint(s, CornerNextLeftOf(s, k));
        if (const int k = SquareIndex(s, q.SqPrevRight)) NoisePoint(s, CornerRightOf(s, k));
        if (const int k = SquareIndex(s, q.SqPrevLeft)) NoisePoint(s, CornerLeftOf(s, k));
    }
    UpdateTerrainMesh(s);
    s.NoiseApplied = kTrue;
}

}  // namespace vh
