#include "tools/noise.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

void NoisePoint(HeightEdit& edit, const ToolSettings& tools, RandomSource& rnd, int point) {
    // A protected point takes no draw, so the points after it get the same values.
    if (point <= 0 || edit.Protected(point)) return;
    const float r = rnd.Next();
    const float delta = 2.0f * tools.MaxNoise * r - tools.MaxNoise;
    edit.Add(point, SnapToGrid(delta, tools.Grid));
}

void NoiseTool(EditorState& s) {
    if (!s.Stroke.ToolActive || s.Stroke.NoiseApplied) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    HeightEdit edit = EditHeights(s);
    auto noise = [&](int point) { NoisePoint(edit, s.Tools, s.Rnd, point); };
    if (s.Tools.NoiseRadius == 1 || s.Tools.NoiseRadius == 2) {
        noise(CornerNextRightOf(s.Terrain, sq));
        noise(CornerNextLeftOf(s.Terrain, sq));
        noise(CornerRightOf(s.Terrain, sq));
        noise(CornerLeftOf(s.Terrain, sq));
    }
    if (s.Tools.NoiseRadius == 2) {
        const Terrain& t = s.Terrain;
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Next))) {
            noise(CornerNextRightOf(s.Terrain, k));
            noise(CornerNextLeftOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Prev))) {
            noise(CornerRightOf(s.Terrain, k));
            noise(CornerLeftOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Right))) {
            noise(CornerNextRightOf(s.Terrain, k));
            noise(CornerRightOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::Left))) {
            noise(CornerNextLeftOf(s.Terrain, k));
            noise(CornerLeftOf(s.Terrain, k));
        }
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::NextRight)))
            noise(CornerNextRightOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::NextLeft)))
            noise(CornerNextLeftOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::PrevRight))) noise(CornerRightOf(s.Terrain, k));
        if (const int k = SquareIndex(t, t.Neighbour(sq, Dir::PrevLeft))) noise(CornerLeftOf(s.Terrain, k));
    }
    edit.Commit();
    s.Stroke.NoiseApplied = true;
}

}  // namespace vh
