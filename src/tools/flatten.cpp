#include "tools/flatten.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

void FlattenSquare(EditorState& s, int square, float target) {
    if (square <= 0) return;
    for (int corner : {CornerNextLeftOf(s, square), CornerNextRightOf(s, square), CornerLeftOf(s, square),
                       CornerRightOf(s, square)}) {
        if (!PointProtected(s, corner)) s.Points[corner].Height = target;
    }
}

void FlattenTool(EditorState& s) {
    if (s.ToolActive == 0) return;
    const int sq = PickedIndex(s);
    if (sq == 0) return;
    // Locked corners still count in the mean.
    const float target = SnapToGrid(SquareMean(s, sq), s.Grid);
    const TerrainSquare q = s.Squares[sq];
    auto flatten = [&](float square) { FlattenSquare(s, SquareIndex(s, square), target); };
    switch (s.FlattenRadius) {
        case 1:
            flatten(static_cast<float>(sq));
            break;
        case 2:
            for (float k : {static_cast<float>(sq), q.SqNext, q.SqPrev, q.SqLeft, q.SqRight, q.SqNextLeft,
                            q.SqNextRight, q.SqPrevLeft, q.SqPrevRight})
                flatten(k);
            break;
        case 3:
            for (float k : {static_cast<float>(sq), q.SqNext, q.SqPrev}) flatten(k);
            break;
        case 4:
            for (float k : {static_cast<float>(sq), q.SqRight, q.SqLeft}) flatten(k);
            break;
        default:
            break;
    }
    UpdateTerrainMesh(s);
}

}  // namespace vh
