// The terrain surface as convex polygons over the grid points, and the exact
// surface every export style writes, for measuring other surfaces against it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "export/height_field.h"

namespace vh {

// Convex polygons whose corners are point indices of a height field, each
// counter-clockwise seen from above (x to the right, z upwards). A corner may
// lie on the straight line between its neighbours.
class PolygonMesh {
public:
    void Add(std::span<const int> corners);
    void Add(std::initializer_list<int> corners) {
        Add(std::span<const int>(corners.begin(), corners.size()));
    }
    size_t Size() const { return starts_.size() - 1; }
    std::span<const int> operator[](size_t i) const {
        return {corners_.data() + starts_[i], corners_.data() + starts_[i + 1]};
    }
    void Reserve(size_t polygons, size_t corners);

private:
    std::vector<int> corners_;
    std::vector<uint32_t> starts_{0};
};

// One polygon per brush the documented export writes: two triangles per
// square, or one quad for a plane under "Best Fit", in square order.
PolygonMesh SplitSurface(const HeightField& f, const std::vector<SquareSplit>& splits);

// The surface of those brushes as a height function of grid coordinates
// (x in columns, z in rows; both may be fractional).
class ExactSurface {
public:
    ExactSurface(const HeightField& f, const std::vector<SquareSplit>& splits) : f_(f), splits_(splits) {}
    // Inline: the simplification asks for it millions of times.
    double HeightAt(double x, double z) const;

private:
    const HeightField& f_;
    const std::vector<SquareSplit>& splits_;
};

inline double ExactSurface::HeightAt(double x, double z) const {
    const int perRow = f_.SquaresPerRow();
    // Truncation, not floor: they differ only below 0, which the clamp
    // turns into square 0 either way.
    const int c = std::clamp(static_cast<int>(x), 0, perRow - 1);
    const int r = std::clamp(static_cast<int>(z), 0, f_.Rows - 2);
    const double fx = x - c, fz = z - r;
    const double h0 = f_.H(c, r + 1), h1 = f_.H(c + 1, r + 1), h2 = f_.H(c, r), h3 = f_.H(c + 1, r);
    if (splits_[static_cast<size_t>(r * perRow + c)] == SquareSplit::Forward) {
        if (fz >= fx) return h2 + fz * (h0 - h2) + fx * (h1 - h0);
        return h2 + fx * (h3 - h2) + fz * (h1 - h3);
    }
    // "\\" and the planar quad.
    if (fx + fz <= 1) return h2 + fx * (h3 - h2) + fz * (h0 - h2);
    return h1 + (1 - fx) * (h0 - h1) + (1 - fz) * (h3 - h1);
}

// Twice the signed area of the triangle (a, b, c) of grid points: positive
// when counter-clockwise seen from above.
inline int64_t Cross(const HeightField& f, int a, int b, int c) {
    const int64_t ax = f.Column(a), az = f.Row(a);
    return (f.Column(b) - ax) * (f.Row(c) - az) - (f.Row(b) - az) * (f.Column(c) - ax);
}

// A non-vertical plane as height over grid coordinates: h = A x + B z + D.
struct GridPlane {
    double A = 0, B = 0, D = 0;
    double At(double x, double z) const { return A * x + B * z + D; }
    double At(const HeightField& f, int p) const { return At(f.Column(p), f.Row(p)); }
};

// The plane through three grid points that are not in a line.
GridPlane PlaneThrough(const HeightField& f, int a, int b, int c);

// The plane of a polygon, from the corner triangle of greatest area (found as
// the corner farthest from the first, then the one farthest off that line).
// Returns the three corners in counter-clockwise order in *corners if given.
GridPlane PlaneOfPolygon(const HeightField& f, std::span<const int> poly, int* corners = nullptr);

// A surface as written: polygons over grid points, and the grid with every
// point's height as written (the terrain's own, or moved by simplifying).
struct WrittenSurface {
    PolygonMesh Polygons;
    HeightField Field;
};

// Every point's column and row, looked up: the divisions that work them out
// are most of the cost of the geometry tests the simplification and the
// brush grouping run millions of times.
class GridSpots {
public:
    explicit GridSpots(const HeightField& f);
    int C(int p) const { return spots_[static_cast<size_t>(p)].C; }
    int R(int p) const { return spots_[static_cast<size_t>(p)].R; }
    // Cross() on the looked-up columns and rows (the same arithmetic).
    int64_t Turn(int a, int b, int c) const {
        const int64_t ax = C(a), az = R(a);
        return (C(b) - ax) * (R(c) - az) - (R(b) - az) * (C(c) - ax);
    }

private:
    struct Spot {
        int C, R;
    };
    std::vector<Spot> spots_;
};

// Polygon sides by their first corner, to find the polygon across a side:
// each point's sides in one run (a handful each), in point order.
class PolygonSides {
public:
    PolygonSides(const HeightField& f, const PolygonMesh& mesh);
    // The polygon with the side a -> b, or -1.
    int Owner(int a, int b) const {
        for (uint32_t s = start_[static_cast<size_t>(a)]; s < start_[static_cast<size_t>(a) + 1]; ++s)
            if (sides_[s].To == b) return sides_[s].Polygon;
        return -1;
    }

private:
    struct Side {
        int To, Polygon;
    };
    std::vector<uint32_t> start_;
    std::vector<Side> sides_;
};

// The corners where the outline turns (collinear corners left out).
void TurningCorners(const HeightField& f, std::span<const int> poly, std::vector<int>* out);

}  // namespace vh
