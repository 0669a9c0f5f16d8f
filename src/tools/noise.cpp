#include "tools/noise.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

void NoisePoint(EditorState& s, int point) {
    if (point <= 0 || PointProtected(s, point)) return;
    const float r = s.Rnd.Next();
    const float delta = 2.0f * s.Tools.MaxNoise * r - s.Tools.MaxNoise;
    s.Terrain.Points[point].Height = s.Terrain.Points[point].Height + SnapToGrid(delta, s.Tools.Grid);
}

void NoiseTool(EditorState& s) {
    if (!s.Stroke.ToolActive || s.Stroke.NoiseApplied) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    if (s.Tools.NoiseRadius == 1 || s.Tools.NoiseRadius == 2) {
        NoisePoint(s, CornerNextRightOf(s.Terrain, sq));
        NoisePoint(s, CornerNextLeftOf(s.Terrain, sq));
        NoisePoint(s, CornerRightOf(s.Terrain, sq));
        NoisePoint(s, CornerLeftOf(s.Terrain, sq));
    }
    if (s.Tools.NoiseRadius == 2) {
        const Terrain& t = s.Terrain;
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Next))) {
            NoisePoint(s, CornerNextRightOf(s.Terrain, k));
            NoisePoint(s, CornerNextLeftOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Prev))) {
            NoisePoint(s, CornerRightOf(s.Terrain, k));
            NoisePoint(s, CornerLeftOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Right))) {
            NoisePoint(s, CornerNextRightOf(s.Terrain, k));
            NoisePoint(s, CornerRightOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Left))) {
            NoisePoint(s, CornerNextLeftOf(s.Terrain, k));
            NoisePoint(s, CornerLeftOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::NextRight)))
            NoisePoint(s, CornerNextRightOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::NextLeft)))
            NoisePoint(s, CornerNextLeftOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::PrevRight)))
            NoisePoint(s, CornerRightOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::PrevLeft)))
            NoisePoint(s, CornerLeftOf(s.Terrain, k));
    }
    UpdateTerrainMesh(s);
    s.Stroke.NoiseApplied = true;
}

}  // namespace vh
