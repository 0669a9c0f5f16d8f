#include "core/terrain.h"

#include <algorithm>
#include <cmath>

#include "core/rules.h"

namespace vh {

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
