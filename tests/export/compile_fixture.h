// Helpers for the compile-ready export tests: small height fields, the
// exact surface worked out independently, and a reader of written .MAP text.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "export/height_field.h"
#include "export/surface_mesh.h"

namespace vhtest {

inline vh::TerrainExport MakeField(int columns, int rows, float spacing,
                                   const std::function<float(int, int)>& height,
                                   vh::SquareSplit split = vh::SquareSplit::Backslash) {
    vh::TerrainExport t;
    vh::HeightField& f = t.Field;
    f.Columns = columns;
    f.Rows = rows;
    f.Spacing = spacing;
    f.X0 = -spacing * static_cast<float>(columns - 1) / 2;
    f.Z0 = -spacing * static_cast<float>(rows - 1) / 2;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) f.Heights.push_back(height(c, r));
    f.Locked.assign(f.Heights.size(), 0);
    t.Splits.assign(static_cast<size_t>(f.Squares()), split);
    t.Hint = t.Sky = false;
    return t;
}

// Heights on 16-unit steps, each a random walk step from its neighbours.
inline std::function<float(int, int)> RoughHeights(unsigned seed, int step = 48) {
    auto table = std::make_shared<std::map<std::pair<int, int>, float>>();
    return [table, seed, step](int c, int r) {
        auto it = table->find({c, r});
        if (it != table->end()) return it->second;
        std::mt19937 gen(seed * 7919u + static_cast<unsigned>(c * 1009 + r));
        const float h = 16.0f * static_cast<float>(std::uniform_int_distribution<int>(-step / 16, step / 16)(gen)) +
                        16.0f * std::round(6 * std::sin(c * 0.4 + seed) + 5 * std::cos(r * 0.3));
        (*table)[{c, r}] = h;
        return h;
    };
}

// The surface of the exact brushes at grid coordinates (x, z): the height of
// whichever of the square's two triangles holds the point.
inline double ExactHeight(const vh::TerrainExport& t, double x, double z) {
    const vh::HeightField& f = t.Field;
    const int c = std::min(static_cast<int>(x), f.Columns - 2), r = std::min(static_cast<int>(z), f.Rows - 2);
    const double u = x - c, v = z - r;
    const double h00 = f.H(c, r), h10 = f.H(c + 1, r), h01 = f.H(c, r + 1), h11 = f.H(c + 1, r + 1);
    if (t.Splits[static_cast<size_t>(r * f.SquaresPerRow() + c)] == vh::SquareSplit::Forward)
        return v >= u ? h00 + u * (h11 - h01) + v * (h01 - h00) : h00 + u * (h10 - h00) + v * (h11 - h10);
    return u + v <= 1 ? h00 + u * (h10 - h00) + v * (h01 - h00)
                      : h11 + (1 - u) * (h01 - h11) + (1 - v) * (h10 - h11);
}

// Height of a polygon mesh at (x, z), from the plane of the polygon holding
// the point (-inf when none does).
inline double MeshHeight(const vh::HeightField& f, const vh::PolygonMesh& m, double x, double z) {
    for (size_t i = 0; i < m.Size(); ++i) {
        const auto p = m[i];
        bool inside = true;
        for (size_t k = 0; k < p.size() && inside; ++k) {
            const int a = p[k], b = p[(k + 1) % p.size()];
            inside = (f.Column(b) - f.Column(a)) * (z - f.Row(a)) - (f.Row(b) - f.Row(a)) * (x - f.Column(a)) >= -1e-9;
        }
        if (!inside) continue;
        for (size_t k = 2; k < p.size(); ++k) {
            const int a = p[0], b = p[k - 1], c = p[k];
            const double det = static_cast<double>(vh::Cross(f, a, b, c));
            if (det == 0) continue;
            const double xb = f.Column(b) - f.Column(a), zb = f.Row(b) - f.Row(a);
            const double xc = f.Column(c) - f.Column(a), zc = f.Row(c) - f.Row(a);
            const double px = x - f.Column(a), pz = z - f.Row(a);
            const double s = (px * zc - pz * xc) / det, w = (xb * pz - zb * px) / det;
            return f.H(a) + s * (f.H(b) - f.H(a)) + w * (f.H(c) - f.H(a));
        }
    }
    return -INFINITY;
}

// A .MAP file read back: entities with their keys and brushes.
struct MapFace {
    std::array<std::array<double, 3>, 3> P;
    std::string Texture;
};
using MapBrush = std::vector<MapFace>;
struct MapEntity {
    std::map<std::string, std::string> Keys;
    std::vector<MapBrush> Brushes;
};

inline std::vector<MapEntity> ParseMap(const std::string& text) {
    std::vector<MapEntity> out;
    std::istringstream in(text);
    std::string line;
    int depth = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        if (line[first] == '{') {
            if (depth++ == 0)
                out.emplace_back();
            else
                out.back().Brushes.emplace_back();
        } else if (line[first] == '}') {
            --depth;
        } else if (line[first] == '"') {
            const size_t k1 = line.find('"', first + 1), v0 = line.find('"', k1 + 1), v1 = line.find('"', v0 + 1);
            out.back().Keys[line.substr(first + 1, k1 - first - 1)] = line.substr(v0 + 1, v1 - v0 - 1);
        } else {
            MapFace f;
            std::istringstream words(line);
            std::string paren;
            for (auto& p : f.P) words >> paren >> p[0] >> p[1] >> p[2] >> paren;
            words >> f.Texture;
            out.back().Brushes.back().push_back(f);
        }
    }
    return out;
}

// The brush as a compiler builds it: each face's plane from its three points,
// its normal (p0 - p1) x (p2 - p1) pointing out. True when the planes bound a
// solid with extent on every axis and every face is one of its sides; an
// inside-out face leaves nothing, or a face that touches no side.
inline bool BrushIsSolid(const MapBrush& b) {
    struct Plane {
        double n[3], d;
    };
    std::vector<Plane> planes;
    for (const MapFace& f : b) {
        double u[3], v[3], n[3];
        for (int i = 0; i < 3; ++i) u[i] = f.P[0][i] - f.P[1][i], v[i] = f.P[2][i] - f.P[1][i];
        n[0] = u[1] * v[2] - u[2] * v[1], n[1] = u[2] * v[0] - u[0] * v[2], n[2] = u[0] * v[1] - u[1] * v[0];
        const double len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (len == 0) return false;
        Plane p{{n[0] / len, n[1] / len, n[2] / len}, 0};
        p.d = p.n[0] * f.P[1][0] + p.n[1] * f.P[1][1] + p.n[2] * f.P[1][2];
        planes.push_back(p);
    }
    std::vector<std::array<double, 3>> corners;
    std::vector<int> touching(planes.size());
    const size_t n = planes.size();
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 1; j < n; ++j)
            for (size_t k = j + 1; k < n; ++k) {
                const auto &a = planes[i].n, &bb = planes[j].n, &c = planes[k].n;
                const double det = a[0] * (bb[1] * c[2] - bb[2] * c[1]) - a[1] * (bb[0] * c[2] - bb[2] * c[0]) +
                                   a[2] * (bb[0] * c[1] - bb[1] * c[0]);
                if (std::fabs(det) < 1e-9) continue;
                std::array<double, 3> x;
                for (int axis = 0; axis < 3; ++axis) {
                    double m[3][3] = {{a[0], a[1], a[2]}, {bb[0], bb[1], bb[2]}, {c[0], c[1], c[2]}};
                    const double rhs[3] = {planes[i].d, planes[j].d, planes[k].d};
                    for (int r = 0; r < 3; ++r) m[r][axis] = rhs[r];
                    x[axis] = (m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                               m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0])) /
                              det;
                }
                bool inside = true;
                for (const Plane& p : planes)
                    inside = inside && p.n[0] * x[0] + p.n[1] * x[1] + p.n[2] * x[2] <= p.d + 1e-6;
                if (inside) corners.push_back(x);
            }
    // Every face must touch at least three corners of the solid.
    for (size_t i = 0; i < n; ++i)
        for (const auto& x : corners)
            if (std::fabs(planes[i].n[0] * x[0] + planes[i].n[1] * x[1] + planes[i].n[2] * x[2] - planes[i].d) < 1e-6)
                ++touching[i];
    for (int t : touching)
        if (t < 3) return false;
    double lo[3] = {1e30, 1e30, 1e30}, hi[3] = {-1e30, -1e30, -1e30};
    for (const auto& x : corners)
        for (int a = 0; a < 3; ++a) lo[a] = std::min(lo[a], x[a]), hi[a] = std::max(hi[a], x[a]);
    return !corners.empty() && hi[0] > lo[0] && hi[1] > lo[1] && hi[2] > lo[2];
}

}  // namespace vhtest
