#include "core/walkability.h"

#include <algorithm>
#include <cmath>

namespace vh {

namespace {

bool Walkable(Walk w) {
    return w != Walk::TooSteep;
}

}  // namespace

TriangleSlope ClassifyTriangle(const TerrainPoint& a, const TerrainPoint& b, const TerrainPoint& c) {
    // In double: heights far apart from the spacing still give a clean angle.
    const double ux = double(b.X) - a.X, uy = double(b.Height) - a.Height, uz = double(b.Z) - a.Z;
    const double vx = double(c.X) - a.X, vy = double(c.Height) - a.Height, vz = double(c.Z) - a.Z;
    const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
    const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
    TriangleSlope s;
    if (!(len > 0) || !std::isfinite(len)) return s;
    const double up = std::fabs(ny) / len;
    s.NormalUp = static_cast<float>(up);
    s.Degrees = static_cast<float>(std::acos(std::fmin(up, 1.0)) * 180.0 / 3.14159265358979323846);
    if (up <= kWalkableNormalUp)
        s.Class = Walk::TooSteep;
    else if (up < kNearLimitNormalUp)
        s.Class = Walk::NearLimit;
    return s;
}

SquareSlopes SquareWalkability(const Terrain& t, int square) {
    if (!t.HasSquare(square)) return {};
    const SquareCorners c = t.Corners(square);
    const auto& p = t.Points;
    return {ClassifyTriangle(p[c.c2], p[c.c3], p[c.c0]), ClassifyTriangle(p[c.c3], p[c.c1], p[c.c0])};
}

namespace {

uint16_t ClassCode(const Terrain& t, int k) {
    const SquareSlopes s = SquareWalkability(t, k);
    return static_cast<uint16_t>(static_cast<int>(s.Lower.Class) << WalkBits::LowerShift |
                                 static_cast<int>(s.Upper.Class) << WalkBits::UpperShift);
}

int WalkableIn(uint16_t code) {
    const auto lower = static_cast<Walk>((code >> WalkBits::LowerShift) & WalkBits::ClassMask);
    const auto upper = static_cast<Walk>((code >> WalkBits::UpperShift) & WalkBits::ClassMask);
    return (Walkable(lower) ? 1 : 0) + (Walkable(upper) ? 1 : 0);
}

// The step marks of square k from the classes in m. The square across each
// edge is the one whose corners match it, none at the border.
uint16_t StepBits(const Terrain& t, const WalkabilityMap& m, int k) {
    const SquareCorners c = t.Corners(k);
    const int w = t.PointsPerRow - 1;
    auto across = [&](int n, bool upper) {
        if (!t.HasSquare(n)) return true;
        return Walkable(upper ? m.UpperClass(n) : m.LowerClass(n));
    };
    const int col = (k - 1) % w;
    const int below = k - w, above = k + w, left = col > 0 ? k - 1 : 0, right = col < w - 1 ? k + 1 : 0;
    auto h = [&](int p) { return t.Points[p].Height; };
    const bool lower = Walkable(m.LowerClass(k)), upper = Walkable(m.UpperClass(k));
    uint16_t bits = 0;
    if (lower && across(below, true) && IsStep(h(c.c2), h(c.c3))) bits |= WalkBits::EdgeBottom;
    if (lower && across(left, true) && IsStep(h(c.c2), h(c.c0))) bits |= WalkBits::EdgeLeft;
    if (lower && upper && IsStep(h(c.c3), h(c.c0))) bits |= WalkBits::EdgeDiagonal;
    if (upper && across(above, false) && IsStep(h(c.c0), h(c.c1))) bits |= WalkBits::EdgeTop;
    if (upper && across(right, false) && IsStep(h(c.c3), h(c.c1))) bits |= WalkBits::EdgeRight;
    return bits;
}

constexpr uint16_t kClassBits = WalkBits::ClassMask << WalkBits::LowerShift | WalkBits::ClassMask
                                                                                  << WalkBits::UpperShift;

}  // namespace

WalkabilityMap ClassifyTerrain(const Terrain& t) {
    WalkabilityMap m;
    const int squares = std::max(0, t.SquareCount);
    m.Codes.assign(squares + 1, 0);
    if (t.PointsPerRow < 2) return m;
    for (int k = 1; k <= squares; ++k) {
        if (!t.HasSquare(k)) continue;
        m.Codes[k] = ClassCode(t, k);
        m.Triangles += 2;
        m.WalkableTriangles += WalkableIn(m.Codes[k]);
    }
    for (int k = 1; k <= squares; ++k)
        if (t.HasSquare(k)) m.Codes[k] |= StepBits(t, m, k);
    return m;
}

SquareRows UpdateWalkability(WalkabilityMap& m, const Terrain& t, int firstPoint, int lastPoint) {
    const int squares = std::max(0, t.SquareCount), w = t.PointsPerRow - 1;
    if (w < 1 || static_cast<int>(m.Codes.size()) != squares + 1 || firstPoint > lastPoint) return {};
    // Squares with a changed corner are in the square rows from the one
    // below the first changed point's row to the last point's row; their
    // neighbours' step marks depend on them too.
    const int rows = squares / w;
    const int firstRow = std::max(0, (firstPoint - 1) / t.PointsPerRow - 1);
    const int lastRow = std::min(rows - 1, (lastPoint - 1) / t.PointsPerRow);
    if (firstRow > lastRow) return {};
    for (int k = firstRow * w + 1; k <= (lastRow + 1) * w; ++k) {
        if (!t.HasSquare(k)) continue;
        m.WalkableTriangles -= WalkableIn(m.Codes[k]);
        m.Codes[k] = ClassCode(t, k);
        m.WalkableTriangles += WalkableIn(m.Codes[k]);
    }
    const int markFirst = std::max(0, firstRow - 1), markLast = std::min(rows - 1, lastRow + 1);
    for (int k = markFirst * w + 1; k <= (markLast + 1) * w; ++k)
        if (t.HasSquare(k)) m.Codes[k] = static_cast<uint16_t>((m.Codes[k] & kClassBits) | StepBits(t, m, k));
    return {markFirst, markLast};
}

}  // namespace vh
