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

WalkabilityMap ClassifyTerrain(const Terrain& t) {
    WalkabilityMap m;
    const int squares = std::max(0, t.SquareCount);
    m.Codes.assign(squares + 1, 0);
    for (int k = 1; k <= squares; ++k) {
        if (!t.HasSquare(k)) continue;
        const SquareSlopes s = SquareWalkability(t, k);
        m.Codes[k] = static_cast<uint16_t>(static_cast<int>(s.Lower.Class) << WalkBits::LowerShift |
                                           static_cast<int>(s.Upper.Class) << WalkBits::UpperShift);
        m.Triangles += 2;
        m.WalkableTriangles += (Walkable(s.Lower.Class) ? 1 : 0) + (Walkable(s.Upper.Class) ? 1 : 0);
    }

    // The square across each edge, found by its corners, so links a
    // document may have wrong do not matter: squares by C2, C0 and C3.
    const int points = static_cast<int>(t.Points.size());
    std::vector<int> byC2(points, 0), byC0(points, 0), byC3(points, 0);
    for (int k = 1; k <= squares; ++k) {
        if (!t.HasSquare(k)) continue;
        const SquareCorners c = t.Corners(k);
        byC2[c.c2] = k, byC0[c.c0] = k, byC3[c.c3] = k;
    }
    // Whether the far side of edge (a, b) is walkable: the neighbour's
    // triangle on it, none at the border.
    auto across = [&](int n, int a, int b, bool upper, auto cornerA, auto cornerB) {
        if (n == 0) return true;
        const SquareCorners c = t.Corners(n);
        if (c.*cornerA != a || c.*cornerB != b) return true;
        return Walkable(upper ? m.UpperClass(n) : m.LowerClass(n));
    };
    for (int k = 1; k <= squares; ++k) {
        if (!t.HasSquare(k)) continue;
        const SquareCorners c = t.Corners(k);
        auto h = [&](int p) { return t.Points[p].Height; };
        const bool lower = Walkable(m.LowerClass(k)), upper = Walkable(m.UpperClass(k));
        using C = SquareCorners;
        uint16_t bits = 0;
        if (lower && across(byC0[c.c2], c.c2, c.c3, true, &C::c0, &C::c1) && IsStep(h(c.c2), h(c.c3)))
            bits |= WalkBits::EdgeBottom;
        if (lower && across(byC3[c.c2], c.c2, c.c0, true, &C::c3, &C::c1) && IsStep(h(c.c2), h(c.c0)))
            bits |= WalkBits::EdgeLeft;
        if (lower && upper && IsStep(h(c.c3), h(c.c0))) bits |= WalkBits::EdgeDiagonal;
        if (upper && across(byC2[c.c0], c.c0, c.c1, false, &C::c2, &C::c3) && IsStep(h(c.c0), h(c.c1)))
            bits |= WalkBits::EdgeTop;
        if (upper && across(byC2[c.c3], c.c3, c.c1, false, &C::c2, &C::c0) && IsStep(h(c.c3), h(c.c1)))
            bits |= WalkBits::EdgeRight;
        m.Codes[k] |= bits;
    }
    return m;
}

}  // namespace vh
