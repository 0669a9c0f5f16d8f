#include "core/terrain.h"

#include <algorithm>
#include <cmath>

#include "core/rules.h"

namespace vh {

SquareCorners Terrain::Corners(int square) const {
    const TerrainSquare& q = Squares[square];
    return {static_cast<int>(q.CornerNextLeft), static_cast<int>(q.CornerNextRight),
            static_cast<int>(q.CornerLeft), static_cast<int>(q.CornerRight)};
}

int Terrain::Neighbour(int square, Dir d) const {
    const TerrainSquare& q = Squares[square];
    switch (d) {
        case Dir::Next:
            return static_cast<int>(q.SqNext);
        case Dir::Prev:
            return static_cast<int>(q.SqPrev);
        case Dir::Left:
            return static_cast<int>(q.SqLeft);
        case Dir::Right:
            return static_cast<int>(q.SqRight);
        case Dir::NextLeft:
            return static_cast<int>(q.SqNextLeft);
        case Dir::NextRight:
            return static_cast<int>(q.SqNextRight);
        case Dir::PrevLeft:
            return static_cast<int>(q.SqPrevLeft);
        case Dir::PrevRight:
            return static_cast<int>(q.SqPrevRight);
    }
    return 0;
}

void Terrain::Resize(int pointCount, int squareCount, int pointsPerRow) {
    PointCount = pointCount;
    SquareCount = squareCount;
    PointsPerRow = pointsPerRow;
    Points.assign(static_cast<size_t>(std::max(pointCount, 0)) + 1, TerrainPoint{});
    Squares.assign(static_cast<size_t>(std::max(squareCount, 0)) + 1, TerrainSquare{});
}

void KeepHeightsFinite(Terrain& t) {
    const size_t n = std::min(t.Points.size(), static_cast<size_t>(std::max(t.PointCount, 0)) + 1);
    for (size_t i = 1; i < n; ++i) {
        float& h = t.Points[i].Height;
        if (!std::isfinite(h)) h = ClampToFloat(h);
    }
}

}  // namespace vh
