// The terrain surface as convex polygons over the grid points, and the exact
// surface every export style writes, for measuring other surfaces against it.
#pragma once

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
    void Add(std::initializer_list<int> corners) { Add(std::span<const int>(corners.begin(), corners.size())); }
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
    double HeightAt(double x, double z) const;

private:
    const HeightField& f_;
    const std::vector<SquareSplit>& splits_;
};

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

// The corners where the outline turns (collinear corners left out).
void TurningCorners(const HeightField& f, std::span<const int> poly, std::vector<int>* out);

}  // namespace vh
