#include "core/terrain.h"

#include <algorithm>
#include <cmath>

#include "core/rules.h"

namespace vh {

void Terrain::Resize(int columns, int rows) {
    PointCount = columns * rows;
    SquareCount = (columns - 1) * (rows - 1);
    PointsPerRow = columns;
    Points.assign(static_cast<size_t>(std::max(PointCount, 0)) + 1, TerrainPoint{});
}

void KeepHeightsFinite(Terrain& t) {
    const size_t n = std::min(t.Points.size(), static_cast<size_t>(std::max(t.PointCount, 0)) + 1);
    for (size_t i = 1; i < n; ++i) {
        float& h = t.Points[i].Height;
        if (!std::isfinite(h)) h = ClampToFloat(h);
    }
}

}  // namespace vh
