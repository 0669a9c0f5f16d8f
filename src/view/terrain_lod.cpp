#include "view/terrain_lod.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vh::view {

namespace {

constexpr float kUnusable = std::numeric_limits<float>::infinity();

struct GridPoint {
    int c, r;  // column and row inside the block
};

// The triangles of one level of a block, in block coordinates, each
// counter-clockwise in (column, row) like the full mesh's.
class LevelBuilder {
public:
    LevelBuilder(int cols, int rows, int step) : cols_(cols), rows_(rows), s_(step) {}

    static bool Fits(int cols, int rows, int step) {
        return step == 1 || (cols % step == 0 && rows % step == 0 && cols >= 2 * step && rows >= 2 * step);
    }

    std::vector<std::array<GridPoint, 3>> Build() {
        if (s_ == 1) {
            for (int r = 0; r < rows_; ++r)
                for (int c = 0; c < cols_; ++c) Quad(c, r, 1);
            return std::move(out_);
        }
        // Coarse squares inside, a ring of zipped strips to the full border.
        for (int r = s_; r < rows_ - s_; r += s_)
            for (int c = s_; c < cols_ - s_; c += s_) Quad(c, r, s_);
        Zip(Border({0, 0}, {cols_, 0}, 1), Border({s_, s_}, {cols_ - s_, s_}, s_));
        Zip(Border({0, rows_}, {cols_, rows_}, 1), Border({s_, rows_ - s_}, {cols_ - s_, rows_ - s_}, s_));
        Zip(Border({0, 0}, {0, rows_}, 1), Border({s_, s_}, {s_, rows_ - s_}, s_));
        Zip(Border({cols_, 0}, {cols_, rows_}, 1), Border({cols_ - s_, s_}, {cols_ - s_, rows_ - s_}, s_));
        return std::move(out_);
    }

private:
    // The square split along its C3-C0 diagonal, as the full mesh does,
    // with C3 last in both triangles.
    void Quad(int c, int r, int s) {
        const GridPoint c2{c, r}, c3{c + s, r}, c0{c, r + s}, c1{c + s, r + s};
        Add(c0, c2, c3);
        Add(c1, c0, c3);
    }

    static std::vector<GridPoint> Border(GridPoint from, GridPoint to, int step) {
        std::vector<GridPoint> v;
        const int dc = to.c > from.c ? step : 0, dr = to.r > from.r ? step : 0;
        for (GridPoint p = from;; p.c += dc, p.r += dr) {
            v.push_back(p);
            if (p.c == to.c && p.r == to.r) break;
        }
        return v;
    }

    // Triangles between two parallel runs of points, advancing along
    // whichever run is behind, so none overlaps.
    void Zip(const std::vector<GridPoint>& outer, const std::vector<GridPoint>& inner) {
        auto along = [](const std::vector<GridPoint>& run, size_t i) {
            const GridPoint a = run.front(), b = run.back();
            const int len = std::max(b.c - a.c, b.r - a.r);
            return len == 0 ? 0.0 : static_cast<double>(std::max(run[i].c - a.c, run[i].r - a.r)) / len;
        };
        size_t i = 0, j = 0;
        while (i + 1 < outer.size() || j + 1 < inner.size()) {
            const bool outerNext =
                j + 1 >= inner.size() || (i + 1 < outer.size() && along(outer, i + 1) <= along(inner, j + 1));
            if (outerNext) {
                Add(outer[i], outer[i + 1], inner[j]);
                ++i;
            } else {
                Add(outer[i], inner[j + 1], inner[j]);
                ++j;
            }
        }
    }

    void Add(GridPoint a, GridPoint b, GridPoint c) {
        const long cross =
            static_cast<long>(b.c - a.c) * (c.r - a.r) - static_cast<long>(b.r - a.r) * (c.c - a.c);
        if (cross < 0) std::swap(b, c);
        out_.push_back({a, b, c});
    }

    int cols_, rows_, s_;
    std::vector<std::array<GridPoint, 3>> out_;
};

bool RegularGrid(const Terrain& t) {
    const int row = t.PointsPerRow, rows = t.Rows();
    return row >= 2 && rows >= 2 && t.PointCount == row * rows && t.SquareCount == (row - 1) * (rows - 1) &&
           static_cast<int>(t.Points.size()) > t.PointCount;
}

float HeightAt(const Terrain& t, int vertex) {
    return t.Points[static_cast<size_t>(vertex) + 1].Height;
}

// Largest height difference between the triangles and the grid points
// they cover (points on an edge count for both sides).
float LevelError(const Terrain& t, const TerrainLod& lod, const LodBlock& b, int level) {
    const int row = lod.PointsPerRow;
    float worst = 0;
    for (uint32_t k = b.First[level]; k < b.First[level] + b.Count[level]; k += 3) {
        int cs[3], rs[3];
        float hs[3];
        for (int i = 0; i < 3; ++i) {
            const int v = static_cast<int>(lod.Indices[k + i]);
            cs[i] = v % row, rs[i] = v / row, hs[i] = HeightAt(t, v);
        }
        const long det = static_cast<long>(cs[1] - cs[0]) * (rs[2] - rs[0]) -
                         static_cast<long>(cs[2] - cs[0]) * (rs[1] - rs[0]);
        if (det == 0) continue;
        const int c0 = std::min({cs[0], cs[1], cs[2]}), c1 = std::max({cs[0], cs[1], cs[2]});
        const int r0 = std::min({rs[0], rs[1], rs[2]}), r1 = std::max({rs[0], rs[1], rs[2]});
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) {
                // Barycentric weights, exact in integers.
                const long w1 = static_cast<long>(c - cs[0]) * (rs[2] - rs[0]) -
                                static_cast<long>(cs[2] - cs[0]) * (r - rs[0]);
                const long w2 = static_cast<long>(cs[1] - cs[0]) * (r - rs[0]) -
                                static_cast<long>(c - cs[0]) * (rs[1] - rs[0]);
                if (w1 < 0 || w2 < 0 || w1 + w2 > det) continue;
                const double h = hs[0] + (static_cast<double>(w1) * (hs[1] - hs[0]) +
                                          static_cast<double>(w2) * (hs[2] - hs[0])) /
                                             static_cast<double>(det);
                worst = std::max(worst, static_cast<float>(std::fabs(h - HeightAt(t, r * row + c))));
            }
    }
    return worst;
}

void Measure(LodBlock& b, const Terrain& t, const TerrainLod& lod) {
    const int row = lod.PointsPerRow;
    b.Min = {std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
             std::numeric_limits<float>::max()};
    b.Max = {-b.Min.x, -b.Min.y, -b.Min.z};
    for (int r = b.Row; r <= b.Row + b.Rows; ++r)
        for (int c = b.Col; c <= b.Col + b.Cols; ++c) {
            const TerrainPoint& p = t.Points[static_cast<size_t>(r * row + c) + 1];
            b.Min = {std::min(b.Min.x, p.X), std::min(b.Min.y, p.Height), std::min(b.Min.z, p.Z)};
            b.Max = {std::max(b.Max.x, p.X), std::max(b.Max.y, p.Height), std::max(b.Max.z, p.Z)};
        }
    for (int level = 1; level < kLodLevels; ++level)
        b.Error[level] = b.Count[level] == 0 ? kUnusable : LevelError(t, lod, b, level);
}

}  // namespace

TerrainLod BuildTerrainLod(const Terrain& t) {
    TerrainLod lod;
    if (!RegularGrid(t)) return lod;
    const int row = t.PointsPerRow, cols = row - 1, rows = t.Rows() - 1;
    lod.PointsPerRow = row;
    for (int r0 = 0; r0 < rows; r0 += kLodBlock)
        for (int c0 = 0; c0 < cols; c0 += kLodBlock) {
            LodBlock b;
            b.Col = c0, b.Row = r0;
            b.Cols = std::min(kLodBlock, cols - c0), b.Rows = std::min(kLodBlock, rows - r0);
            for (int level = 0; level < kLodLevels; ++level) {
                b.First[level] = static_cast<uint32_t>(lod.Indices.size());
                const int step = 1 << level;
                if (!LevelBuilder::Fits(b.Cols, b.Rows, step)) continue;
                for (const auto& tri : LevelBuilder(b.Cols, b.Rows, step).Build())
                    for (const GridPoint& p : tri)
                        lod.Indices.push_back(static_cast<uint32_t>((b.Row + p.r) * row + b.Col + p.c));
                b.Count[level] = static_cast<uint32_t>(lod.Indices.size()) - b.First[level];
            }
            lod.Blocks.push_back(b);
        }
    for (LodBlock& b : lod.Blocks) Measure(b, t, lod);
    lod.Heights.resize(static_cast<size_t>(t.PointCount));
    for (int v = 0; v < t.PointCount; ++v) lod.Heights[static_cast<size_t>(v)] = HeightAt(t, v);
    lod.Stale.assign(lod.Blocks.size(), 0);
    return lod;
}

void UpdateTerrainLod(TerrainLod& lod, PointRange changed) {
    if (lod.Empty() || changed.Empty()) return;
    const int row = lod.PointsPerRow;
    const int firstRow = (changed.First - 1) / row, lastRow = (changed.Last - 1) / row;
    for (size_t i = 0; i < lod.Blocks.size(); ++i) {
        const LodBlock& b = lod.Blocks[i];
        if (b.Row + b.Rows >= firstRow && b.Row <= lastRow) lod.Stale[i] = 1;
    }
}

void RefreshTerrainLod(TerrainLod& lod, const Terrain& t) {
    if (lod.Empty() || !RegularGrid(t) || static_cast<int>(lod.Heights.size()) != t.PointCount) return;
    const int row = lod.PointsPerRow;
    auto each = [&](const LodBlock& b, auto&& f) {
        for (int r = b.Row; r <= b.Row + b.Rows; ++r)
            for (int c = b.Col; c <= b.Col + b.Cols; ++c) f(r * row + c);
    };
    // Neighbours share their border points: decide for every block before
    // any kept height moves on.
    for (size_t i = 0; i < lod.Blocks.size(); ++i) {
        if (!lod.Stale[i]) continue;
        bool moved = false;
        each(lod.Blocks[i],
             [&](int v) { moved = moved || lod.Heights[static_cast<size_t>(v)] != HeightAt(t, v); });
        lod.Stale[i] = moved ? 2 : 0;
    }
    for (size_t i = 0; i < lod.Blocks.size(); ++i) {
        if (lod.Stale[i] != 2) continue;
        lod.Stale[i] = 0;
        Measure(lod.Blocks[i], t, lod);
        each(lod.Blocks[i], [&](int v) { lod.Heights[static_cast<size_t>(v)] = HeightAt(t, v); });
    }
}

std::vector<int> ChooseLodLevels(const TerrainLod& lod, const Vec3f& eye, float pixelsPerUnit,
                                 float maxErrorPixels) {
    std::vector<int> levels(lod.Blocks.size(), 0);
    for (size_t i = 0; i < lod.Blocks.size(); ++i) {
        const LodBlock& b = lod.Blocks[i];
        auto gap = [](float v, float lo, float hi) { return v < lo ? lo - v : (v > hi ? v - hi : 0.0f); };
        const float dx = gap(eye.x, b.Min.x, b.Max.x), dy = gap(eye.y, b.Min.y, b.Max.y),
                    dz = gap(eye.z, b.Min.z, b.Max.z);
        const float distance = std::sqrt(dx * dx + dy * dy + dz * dz);
        for (int level = kLodLevels - 1; level > 0; --level)
            if (b.Error[level] * pixelsPerUnit <= maxErrorPixels * distance) {
                levels[i] = level;
                break;
            }
    }
    return levels;
}

}  // namespace vh::view
