#include "tools/flatten.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

void FlattenSquare(EditorState& s, int square, float target) {
    if (square <= 0) return;
    for (int corner : {CornerNextLeftOf(s.Terrain, square), CornerNextRightOf(s.Terrain, square),
                       CornerLeftOf(s.Terrain, square), CornerRightOf(s.Terrain, square)}) {
        if (!PointProtected(s, corner)) s.Terrain.Points[corner].Height = target;
    }
}

void FlattenTool(EditorState& s) {
    if (!s.Stroke.ToolActive) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    // Locked corners still count in the mean.
    const float target = SnapToGrid(SquareMean(s.Terrain, sq), s.Tools.Grid);
    const Terrain& t = s.Terrain;
    auto flatten = [&](int square) { FlattenSquare(s, SquareIndex(t, square), target); };
    auto around = [&](std::initializer_list<Dir> dirs) {
        for (Dir d : dirs) flatten(t.Neighbour(sq, d));
    };
    switch (s.Tools.FlattenRadius) {
        case 1:
            flatten(sq);
            break;
        case 2:
            flatten(sq);
            around({Dir::Next, Dir::Prev, Dir::Left, Dir::Right, Dir::NextLeft, Dir::NextRight, Dir::PrevLeft,
                    Dir::PrevRight});
            break;
        case 3:
            flatten(sq);
            around({Dir::Next, Dir::Prev});
            break;
        case 4:
            flatten(sq);
            around({Dir::Right, Dir::Left});
            break;
        default:
            break;
    }
    UpdateTerrainMesh(s);
}

}  // namespace vh
