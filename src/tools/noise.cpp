#include "tools/noise.h"

#include "core/rules.h"
#include "tools/ring_walk.h"
#include "tools/tool_common.h"

namespace vh {

void NoisePoint(HeightEdit& edit, const ToolSettings& tools, RandomSource& rnd, int point) {
    // A protected point takes no draw, so the points after it get the same values.
    if (point <= 0 || edit.Protected(point)) return;
    const float r = rnd.Next();
    const float delta = 2.0f * tools.MaxNoise * r - tools.MaxNoise;
    edit.Add(point, SnapToGrid(delta, tools.Grid));
}

namespace {

// Each point takes the next draw in this order.
constexpr RingStep kSquare[] = {
    {true, Dir::Next, {CornerNextRightOf, CornerNextLeftOf, CornerRightOf, CornerLeftOf}}};
constexpr RingStep kRing[] = {{false, Dir::Next, {CornerNextRightOf, CornerNextLeftOf}},
                              {false, Dir::Prev, {CornerRightOf, CornerLeftOf}},
                              {false, Dir::Right, {CornerNextRightOf, CornerRightOf}},
                              {false, Dir::Left, {CornerNextLeftOf, CornerLeftOf}},
                              {false, Dir::NextRight, {CornerNextRightOf}},
                              {false, Dir::NextLeft, {CornerNextLeftOf}},
                              {false, Dir::PrevRight, {CornerRightOf}},
                              {false, Dir::PrevLeft, {CornerLeftOf}}};

}  // namespace

void NoiseTool(EditorState& s, NoiseStroke& n) {
    if (!s.Stroke.ToolActive || n.NoiseApplied) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    HeightEdit edit = EditHeights(s);
    auto noise = [&](int point) { NoisePoint(edit, s.Tools, s.Rnd, point); };
    const int radius = s.Tools.NoiseRadius;
    if (radius == 1 || radius == 2) WalkRing(s.Terrain, sq, kSquare, noise);
    if (radius == 2) WalkRing(s.Terrain, sq, kRing, noise);
    edit.Commit();
    n.NoiseApplied = true;
}

}  // namespace vh
