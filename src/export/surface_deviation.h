// How far a coarser surface strays from the exact exported surface. The
// coarser surface is triangles over grid points, each point at a height of
// its own (the terrain's, or one moved within the tolerance); the difference
// is measured vertically where it can be largest: at the grid points a
// triangle covers and where its sides cross the exact surface's edges (grid
// lines and the lines every square diagonal lies on). Both surfaces are flat
// between those places, so nothing in between strays further.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "export/surface_mesh.h"

namespace vh {

class SurfaceDeviation {
public:
    using Tri = std::array<int, 3>;

    // `heights` holds the coarser surface's height at every grid point and
    // is read at each call, so the caller may move points in between.
    SurfaceDeviation(const HeightField& f, const std::vector<SquareSplit>& splits,
                     const std::vector<double>& heights)
        : f_(f), exact_(f, splits), h_(heights), spots_(f) {}

    int Col(int p) const { return spots_.C(p); }
    int Row(int p) const { return spots_.R(p); }
    int64_t Turn(int a, int b, int c) const { return spots_.Turn(a, b, c); }

    // The coarser triangle's plane.
    GridPlane Plane(int a, int b, int c) const;
    // The plane that is 1 at a and 0 at b and c: a's weight in the triangle.
    GridPlane Weight(int a, int b, int c) const;

    // Largest difference along the side a-b, and at the grid points the
    // triangle covers. Any value over `limit` only says so: the search stops.
    double SideError(int a, int b, double limit) const;
    double InsideError(const Tri& t, double limit) const;

    // Every place where a triangle holding u can stray furthest, as u's
    // weight there and the difference there with u where it is: the grid
    // points covered, and where u's two sides cross the exact surface's
    // edges. Visiting stops when `visit` returns false; so does the return.
    struct Sample {
        double Weight, Difference;
    };
    // The triangle is u, b, c counter-clockwise.
    template <class F>
    bool Samples(int u, int b, int c, F visit) const {
        return GridSamples(u, b, c, visit) && SideSamples(u, b, visit) && SideSamples(u, c, visit);
    }
    template <class F>
    bool GridSamples(int u, int b, int c, F visit) const {
        const GridPlane plane = Plane(u, b, c), weight = Weight(u, b, c);
        return ScanGrid({u, b, c}, [&](int x, int z, double exact) {
            return visit(Sample{weight.At(x, z), plane.At(x, z) - exact});
        });
    }
    template <class F>
    bool SideSamples(int u, int w, F visit) const {
        return SideCrossings(u, w, [&](double t, double height, double exact) {
            return visit(Sample{1 - t, height - exact});
        });
    }

private:
    // Where a-b crosses the exact surface's edges: visit(t, coarse height,
    // exact height) at a + t (b - a), 0 < t < 1.
    template <class F>
    bool SideCrossings(int a, int b, F visit) const {
        const double ax = Col(a), az = Row(a), dx = Col(b) - ax, dz = Row(b) - az;
        const double ha = h_[static_cast<size_t>(a)], dh = h_[static_cast<size_t>(b)] - ha;
        auto family = [&](double s0, double ds) {
            if (ds == 0) return true;
            const double lo = std::min(s0, s0 + ds), hi = std::max(s0, s0 + ds);
            for (double k = std::floor(lo) + 1; k < hi; k += 1) {
                const double t = (k - s0) / ds;
                if (!visit(t, ha + t * dh, exact_.HeightAt(ax + t * dx, az + t * dz))) return false;
            }
            return true;
        };
        return family(ax, dx) && family(az, dz) && family(ax + az, dx + dz) && family(ax - az, dx - dz);
    }

    // visit(x, z, exact height) at every grid point in or on the triangle,
    // row by row.
    template <class F>
    bool ScanGrid(const Tri& t, F visit) const {
        int xs[3], zs[3];
        for (int i = 0; i < 3; ++i) xs[i] = Col(t[i]), zs[i] = Row(t[i]);
        // Rows meet the sides at x = xs + (z - zs) * slope. Rounding moves
        // those by far less than the 1e-9 that decides which points count:
        // a grid point off a side is at least 1/180 of a column away from it.
        double slope[3];
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            slope[i] = zs[i] == zs[j] ? 0 : static_cast<double>(xs[j] - xs[i]) / (zs[j] - zs[i]);
        }
        const int z0 = std::min({zs[0], zs[1], zs[2]}), z1 = std::max({zs[0], zs[1], zs[2]});
        for (int z = z0; z <= z1; ++z) {
            double lo = 1e30, hi = -1e30;
            for (int i = 0; i < 3; ++i) {
                const int j = (i + 1) % 3;
                if (zs[i] == zs[j]) {
                    if (zs[i] == z)
                        lo = std::min({lo, 1.0 * xs[i], 1.0 * xs[j]}),
                        hi = std::max({hi, 1.0 * xs[i], 1.0 * xs[j]});
                } else if ((z - zs[i]) * (z - zs[j]) <= 0) {
                    const double x = xs[i] + (z - zs[i]) * slope[i];
                    lo = std::min(lo, x), hi = std::max(hi, x);
                }
            }
            const float* heights = &f_.Heights[static_cast<size_t>(z) * static_cast<size_t>(f_.Columns)];
            const int x1 = static_cast<int>(std::floor(hi + 1e-9));
            for (int x = static_cast<int>(std::ceil(lo - 1e-9)); x <= x1; ++x)
                if (!visit(x, z, heights[x])) return false;
        }
        return true;
    }

    const HeightField& f_;
    ExactSurface exact_;
    const std::vector<double>& h_;
    GridSpots spots_;
};

}  // namespace vh
