#include "export/surface_mesh.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace vh {

void PolygonMesh::Add(std::span<const int> corners) {
    corners_.insert(corners_.end(), corners.begin(), corners.end());
    starts_.push_back(static_cast<uint32_t>(corners_.size()));
}

void PolygonMesh::Reserve(size_t polygons, size_t corners) {
    starts_.reserve(polygons + 1);
    corners_.reserve(corners);
}

PolygonMesh SplitSurface(const HeightField& f, const std::vector<SquareSplit>& splits) {
    PolygonMesh m;
    m.Reserve(splits.size() * 2, splits.size() * 6);
    const int perRow = f.SquaresPerRow();
    for (size_t q = 0; q < splits.size(); ++q) {
        const int c = static_cast<int>(q) % perRow, r = static_cast<int>(q) / perRow;
        const int c0 = f.Index(c, r + 1), c1 = f.Index(c + 1, r + 1), c2 = f.Index(c, r),
                  c3 = f.Index(c + 1, r);
        switch (splits[q]) {
            case SquareSplit::Backslash:  // C0-C3 diagonal: (C0, C2, C3) then (C0, C1, C3)
                m.Add({c2, c3, c0});
                m.Add({c3, c1, c0});
                break;
            case SquareSplit::Forward:  // C1-C2 diagonal: (C2, C0, C1) then (C2, C3, C1)
                m.Add({c2, c1, c0});
                m.Add({c2, c3, c1});
                break;
            case SquareSplit::Quad:
                m.Add({c2, c3, c1, c0});
                break;
        }
    }
    return m;
}

GridSpots::GridSpots(const HeightField& f) : spots_(static_cast<size_t>(f.Points())) {
    for (int p = 0; p < f.Points(); ++p) spots_[static_cast<size_t>(p)] = {f.Column(p), f.Row(p)};
}

PolygonSides::PolygonSides(const HeightField& f, const PolygonMesh& mesh)
    : start_(static_cast<size_t>(f.Points()) + 1, 0) {
    for (size_t i = 0; i < mesh.Size(); ++i)
        for (int p : mesh[i]) ++start_[static_cast<size_t>(p) + 1];
    for (size_t p = 1; p < start_.size(); ++p) start_[p] += start_[p - 1];
    sides_.resize(start_.back());
    std::vector<uint32_t> fill(start_.begin(), start_.end() - 1);
    for (size_t i = 0; i < mesh.Size(); ++i) {
        const auto poly = mesh[i];
        for (size_t k = 0; k < poly.size(); ++k)
            sides_[fill[static_cast<size_t>(poly[k])]++] = {poly[(k + 1) % poly.size()], static_cast<int>(i)};
    }
}

GridPlane PlaneThrough(const HeightField& f, int a, int b, int c) {
    // Columns and rows worked out once each: the divisions are most of the cost.
    const int64_t ca = f.Column(a), ra = f.Row(a), cb = f.Column(b), rb = f.Row(b), cc = f.Column(c),
                  rc = f.Row(c);
    const double det =
        static_cast<double>((cb - ca) * (rc - ra) - (rb - ra) * (cc - ca));  // Cross(f, a, b, c)
    const double xb = static_cast<double>(cb - ca), zb = static_cast<double>(rb - ra);
    const double xc = static_cast<double>(cc - ca), zc = static_cast<double>(rc - ra);
    const double hb = f.H(b) - f.H(a), hc = f.H(c) - f.H(a);
    GridPlane p;
    p.A = (hb * zc - zb * hc) / det;
    p.B = (xb * hc - hb * xc) / det;
    p.D = f.H(a) - p.A * static_cast<double>(ca) - p.B * static_cast<double>(ra);
    return p;
}

GridPlane PlaneOfPolygon(const HeightField& f, std::span<const int> poly, int* corners) {
    const int a = poly[0];
    const int64_t ca = f.Column(a), ra = f.Row(a);
    // Offsets from the first corner, each worked out once (a division
    // each): on the stack for the usual handful of corners.
    struct Offset {
        int64_t X, Z;
    };
    Offset small[16];
    std::vector<Offset> large;
    Offset* at = small;
    if (poly.size() > std::size(small)) large.resize(poly.size()), at = large.data();
    size_t far = 1, third = 1;
    int64_t best = -1, area = 0;
    for (size_t i = 1; i < poly.size(); ++i) {
        at[i] = {f.Column(poly[i]) - ca, f.Row(poly[i]) - ra};
        const int64_t d = at[i].X * at[i].X + at[i].Z * at[i].Z;
        if (d > best) best = d, far = i;
    }
    for (size_t i = 1; i < poly.size(); ++i) {
        const int64_t c = std::llabs(at[far].X * at[i].Z - at[far].Z * at[i].X);  // Cross(f, a, far, i)
        if (c > area) area = c, third = i;
    }
    const int b = poly[std::min(far, third)], c = poly[std::max(far, third)];
    if (corners) corners[0] = a, corners[1] = b, corners[2] = c;
    return PlaneThrough(f, a, b, c);
}

void TurningCorners(const HeightField& f, std::span<const int> poly, std::vector<int>* out) {
    out->clear();
    const size_t n = poly.size();
    if (n == 0) return;
    // Cross() of each corner with its neighbours, each corner's column and
    // row worked out once (a division each).
    struct At {
        int64_t X, Z;
    };
    auto at = [&](int p) { return At{f.Column(p), f.Row(p)}; };
    At prev = at(poly[n - 1]), cur = at(poly[0]);
    const At first = cur;
    for (size_t i = 0; i < n; ++i) {
        const At next = i + 1 < n ? at(poly[i + 1]) : first;
        if ((cur.X - prev.X) * (next.Z - prev.Z) - (cur.Z - prev.Z) * (next.X - prev.X) != 0)
            out->push_back(poly[i]);
        prev = cur, cur = next;
    }
}

}  // namespace vh
