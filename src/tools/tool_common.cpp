#include "tools/tool_common.h"

namespace vh {

int SquareIndex(const EditorState& s, float square) {
    const int k = static_cast<int>(square);
    if (k < 1 || k > s.SquareTotal() || k >= static_cast<int>(s.Squares.size())) return 0;
    return k;
}

float SquareMean(const EditorState& s, int square) {
    const TerrainSquare& q = s.Squares[square];
    const float sum = s.Points[static_cast<int>(q.CornerLeft)].Height +
                      s.Points[static_cast<int>(q.CornerRight)].Height +
                      s.Points[static_cast<int>(q.CornerNextLeft)].Height +
                      s.Points[static_cast<int>(q.CornerNextRight)].Height;
    return sum / 4.0f;
}

}  // namespace vh
