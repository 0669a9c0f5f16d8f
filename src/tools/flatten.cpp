#include "tools/flatten.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

void FlattenSquare(HeightEdit& edit, int square, float target) {
    if (square <= 0) return;
    const Terrain& t = edit.Target();
    for (int corner : {CornerNextLeftOf(t, square), CornerNextRightOf(t, square), CornerLeftOf(t, square),
                       CornerRightOf(t, square)})
        edit.Set(corner, target);
}

void FlattenTool(EditorState& s) {
    if (!s.Stroke.ToolActive) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    // Locked corners still count in the mean.
    const float target = SnapToGrid(SquareMean(s.Terrain, sq), s.Tools.Grid);
    const Terrain& t = s.Terrain;
    HeightEdit edit = EditHeights(s);
    auto flatten = [&](int square) { FlattenSquare(edit, SquareIndex(t, square), target); };
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
}

}  // namespace vh
