#include "export/surface_mesh.h"

#include <algorithm>
#include <cmath>

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
        const int c0 = f.Index(c, r + 1), c1 = f.Index(c + 1, r + 1), c2 = f.Index(c, r), c3 = f.Index(c + 1, r);
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

GridPlane PlaneThrough(const HeightField& f, int a, int b, int c) {
    const double det = static_cast<double>(Cross(f, a, b, c));
    const double xb = f.Column(b) - f.Column(a), zb = f.Row(b) - f.Row(a);
    const double xc = f.Column(c) - f.Column(a), zc = f.Row(c) - f.Row(a);
    const double hb = f.H(b) - f.H(a), hc = f.H(c) - f.H(a);
    GridPlane p;
    p.A = (hb * zc - zb * hc) / det;
    p.B = (xb * hc - hb * xc) / det;
    p.D = f.H(a) - p.A * f.Column(a) - p.B * f.Row(a);
    return p;
}

GridPlane PlaneOfPolygon(const HeightField& f, std::span<const int> poly, int* corners) {
    const int a = poly[0];
    size_t far = 1, third = 1;
    int64_t best = -1, area = 0;
    for (size_t i = 1; i < poly.size(); ++i) {
        const int64_t dx = f.Column(poly[i]) - f.Column(a), dz = f.Row(poly[i]) - f.Row(a);
        if (dx * dx + dz * dz > best) best = dx * dx + dz * dz, far = i;
    }
    for (size_t i = 1; i < poly.size(); ++i) {
        const int64_t c = std::llabs(Cross(f, a, poly[far], poly[i]));
        if (c > area) area = c, third = i;
    }
    const int b = poly[std::min(far, third)], c = poly[std::max(far, third)];
    if (corners) corners[0] = a, corners[1] = b, corners[2] = c;
    return PlaneThrough(f, a, b, c);
}

void TurningCorners(const HeightField& f, std::span<const int> poly, std::vector<int>* out) {
    out->clear();
    const size_t n = poly.size();
    for (size_t i = 0; i < n; ++i)
        if (Cross(f, poly[(i + n - 1) % n], poly[i], poly[(i + 1) % n]) != 0) out->push_back(poly[i]);
}

}  // namespace vh
