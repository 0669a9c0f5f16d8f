#include "export/surface_merge.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

namespace vh {

namespace {

bool Holds(const HeightField& f, const GridPlane& plane, int p) {
    return std::fabs(f.H(p) - plane.At(f, p)) <= kOnPlaneEpsilon;
}

// Directed edge a->b to the polygon on its left (a stale entry names a dead
// polygon). Edges between neighbouring grid points, as on the grid surface,
// index a flat table; any others go to an open-addressing hash.
class EdgeTable {
public:
    EdgeTable(const HeightField& f, const PolygonMesh& mesh) : f_(f) {
        size_t edges = 0;
        unit_ = true;
        for (size_t i = 0; i < mesh.Size(); ++i) {
            const auto p = mesh[i];
            edges += p.size();
            for (size_t k = 0; k < p.size() && unit_; ++k)
                unit_ = Direction(p[k], p[(k + 1) % p.size()]) >= 0;
        }
        if (unit_) {
            values_.assign(static_cast<size_t>(f.Points()) * 8, -1);
            return;
        }
        size_t cap = 16;
        while (cap < edges * 2) cap <<= 1;
        keys_.assign(cap, kEmpty);
        values_.assign(cap, -1);
        mask_ = cap - 1;
    }
    void Set(int a, int b, int poly) {
        const size_t i = Slot(a, b);
        if (!unit_) keys_[i] = Key(a, b);
        values_[i] = poly;
    }
    int Get(int a, int b) const {
        const size_t i = Slot(a, b);
        return unit_ || keys_[i] == Key(a, b) ? values_[i] : -1;
    }

private:
    static constexpr uint64_t kEmpty = ~0ull;

    // 0..7 for a step to one of the eight neighbouring grid points, else -1.
    int Direction(int a, int b) const {
        const int dc = f_.Column(b) - f_.Column(a), dr = f_.Row(b) - f_.Row(a);
        if (dc < -1 || dc > 1 || dr < -1 || dr > 1 || (dc == 0 && dr == 0)) return -1;
        const int d = (dr + 1) * 3 + (dc + 1);
        return d > 4 ? d - 1 : d;
    }
    // The same for an edge known to be such a step, from the index
    // difference alone (no division): every edge once the table is flat.
    // Two columns wide, a step back along the row and one up and forward
    // have the same difference, but no point has both neighbours, so the
    // slot is still the edge's own.
    int Step(int a, int b) const {
        const int d = b - a, dr = d < -1 ? -1 : d > 1 ? 1 : 0, dc = d - dr * f_.Columns;
        const int k = (dr + 1) * 3 + (dc + 1);
        return k > 4 ? k - 1 : k;
    }
    static uint64_t Key(int a, int b) { return (static_cast<uint64_t>(a) << 32) | static_cast<uint32_t>(b); }
    // The edge's slot, or the free slot where it would go.
    size_t Slot(int a, int b) const {
        if (unit_) return static_cast<size_t>(a) * 8 + static_cast<size_t>(Step(a, b));
        const uint64_t key = Key(a, b);
        size_t i = static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask_;
        while (keys_[i] != kEmpty && keys_[i] != key) i = (i + 1) & mask_;
        return i;
    }

    const HeightField& f_;
    bool unit_ = false;
    std::vector<uint64_t> keys_;
    std::vector<int> values_;
    size_t mask_ = 0;
};

class Merger {
public:
    Merger(const HeightField& f, const PolygonMesh& mesh) : f_(f), mesh_(mesh), edges_(f, mesh) {
        planes_.reserve(mesh.Size());
        for (size_t i = 0; i < mesh.Size(); ++i) {
            const auto poly = mesh[i];
            planes_.push_back(PlaneOfPolygon(f, poly));
            for (size_t k = 0; k < poly.size(); ++k)
                edges_.Set(poly[k], poly[(k + 1) % poly.size()], static_cast<int>(i));
        }
        alive_.assign(mesh.Size(), 1);
        grown_.assign(mesh.Size(), -1);
    }

    PolygonMesh Run() {
        for (size_t p = 0; p < mesh_.Size(); ++p) {
            if (!alive_[p]) continue;
            while (GrowOnce(static_cast<int>(p))) {
            }
        }
        PolygonMesh out;
        for (size_t p = 0; p < mesh_.Size(); ++p)
            if (alive_[p]) out.Add(Loop(static_cast<int>(p)));
        return out;
    }

private:
    // Left turn, or straight on without turning back.
    bool Convex(int prev, int cur, int next) const {
        const int64_t turn = Cross(f_, prev, cur, next);
        if (turn != 0) return turn > 0;
        const int64_t dx1 = f_.Column(cur) - f_.Column(prev), dz1 = f_.Row(cur) - f_.Row(prev);
        const int64_t dx2 = f_.Column(next) - f_.Column(cur), dz2 = f_.Row(next) - f_.Row(cur);
        return dx1 * dx2 + dz1 * dz2 > 0;
    }

    // Polygon p as it stands: as given, until it grows.
    std::span<const int> Loop(int p) const {
        const int g = grown_[static_cast<size_t>(p)];
        return g < 0 ? mesh_[static_cast<size_t>(p)] : std::span<const int>(loops_[static_cast<size_t>(g)]);
    }

    bool GrowOnce(int p) {
        const std::span<const int> loop = Loop(p);
        for (size_t k = 0; k < loop.size(); ++k) {
            const int a = loop[k], b = loop[(k + 1) % loop.size()];
            const int q = edges_.Get(b, a);
            if (q < 0 || q == p || !alive_[static_cast<size_t>(q)]) continue;
            bool coplanar = true;
            for (int v : Loop(q))
                if (!(coplanar = Holds(f_, planes_[static_cast<size_t>(p)], v))) break;
            if (coplanar && TryMerge(p, q, k)) return true;
        }
        return false;
    }

    // Joins q into p across p's edge k. The shared boundary of two convex
    // polygons is one straight chain; its inner corners disappear.
    bool TryMerge(int p, int q, size_t k) {
        const std::span<const int> P = Loop(p), Q = Loop(q);
        const long m = static_cast<long>(P.size()), n = static_cast<long>(Q.size());
        auto pAt = [&](long i) { return P[static_cast<size_t>(((i % m) + m) % m)]; };
        auto qAt = [&](long i) { return Q[static_cast<size_t>(((i % n) + n) % n)]; };
        long s = static_cast<long>(k), e = s + 1, jq = -1;
        for (long j = 0; j < n; ++j)
            if (qAt(j) == pAt(e) && qAt(j + 1) == pAt(s)) jq = j;
        if (jq < 0) return false;
        long chain = 1;  // edges shared
        while (chain < m - 1 && chain < n - 1 && pAt(e + 1) == qAt(jq - 1)) ++e, --jq, ++chain;
        while (chain < m - 1 && chain < n - 1 && pAt(s - 1) == qAt(jq + chain + 1)) --s, ++chain;
        if (!Convex(pAt(s - 1), pAt(s), qAt(jq + chain + 1)) || !Convex(qAt(jq - 1), pAt(e), pAt(e + 1)))
            return false;

        std::vector<int> merged;
        merged.reserve(static_cast<size_t>(m + n - 2 * chain));
        for (long i = e; i <= s + m; ++i) merged.push_back(pAt(i));
        for (long i = jq + chain + 1; i < jq + n; ++i) merged.push_back(qAt(i));
        for (size_t i = 0; i < Q.size(); ++i) edges_.Set(Q[i], Q[(i + 1) % Q.size()], p);
        alive_[static_cast<size_t>(q)] = 0;
        int& g = grown_[static_cast<size_t>(p)];
        if (g < 0) {
            g = static_cast<int>(loops_.size());
            loops_.push_back(std::move(merged));
        } else {
            loops_[static_cast<size_t>(g)] = std::move(merged);
        }
        return true;
    }

    const HeightField& f_;
    const PolygonMesh& mesh_;
    EdgeTable edges_;
    // Grown polygons; most never grow on rough ground and stay in mesh_.
    std::vector<std::vector<int>> loops_;
    std::vector<int> grown_;  // each polygon's place in loops_, or -1
    std::vector<GridPlane> planes_;
    std::vector<char> alive_;
};

}  // namespace

size_t CountCreases(const HeightField& f, const PolygonMesh& mesh, std::span<const GridPlane> planes,
                    const PolygonSides& sides) {
    size_t creases = 0;
    for (size_t i = 0; i < mesh.Size(); ++i) {
        const auto p = mesh[i];
        for (size_t k = 0; k < p.size(); ++k) {
            const int a = p[k], b = p[(k + 1) % p.size()];
            const int q = sides.Owner(b, a);
            if (q < 0 || a > b) continue;  // the outline, or counted from the other side
            const auto other = mesh[static_cast<size_t>(q)];
            const bool flat =
                std::all_of(other.begin(), other.end(), [&](int v) { return Holds(f, planes[i], v); });
            if (!flat) ++creases;
        }
    }
    return creases;
}

size_t CountCreases(const HeightField& f, const PolygonMesh& mesh) {
    std::vector<GridPlane> planes;
    planes.reserve(mesh.Size());
    for (size_t i = 0; i < mesh.Size(); ++i) planes.push_back(PlaneOfPolygon(f, mesh[i]));
    return CountCreases(f, mesh, planes, PolygonSides(f, mesh));
}

PolygonMesh MergeCoplanar(const HeightField& f, const PolygonMesh& mesh) {
    return Merger(f, mesh).Run();
}

void GridPieces(const HeightField& f, const std::function<void(const GridPiece&)>& each) {
    const int perRow = f.SquaresPerRow(), rows = f.Rows - 1;
    auto corner = [&](int c, int r) { return f.Index(c, r); };
    // A square is planar when its fourth corner lies in the plane of the other three.
    std::vector<char> planar(static_cast<size_t>(std::max(f.Squares(), 0)));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < perRow; ++c)
            planar[static_cast<size_t>(r * perRow + c)] = Holds(
                f, PlaneThrough(f, corner(c, r), corner(c + 1, r), corner(c, r + 1)), corner(c + 1, r + 1));

    std::vector<char> taken(planar.size());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < perRow; ++c) {
            const size_t q = static_cast<size_t>(r * perRow + c);
            if (taken[q]) continue;
            if (!planar[q]) {
                each({c, r, 1, 1, false});
                continue;
            }
            const GridPlane plane = PlaneThrough(f, corner(c, r), corner(c + 1, r), corner(c, r + 1));
            auto fits = [&](int cc, int rr) {
                const size_t i = static_cast<size_t>(rr * perRow + cc);
                return planar[i] && !taken[i] && Holds(f, plane, corner(cc, rr)) &&
                       Holds(f, plane, corner(cc + 1, rr)) && Holds(f, plane, corner(cc, rr + 1)) &&
                       Holds(f, plane, corner(cc + 1, rr + 1));
            };
            int w = 1, h = 1;
            while (c + w < perRow && fits(c + w, r)) ++w;
            for (bool grow = true; grow && r + h < rows;) {
                for (int i = 0; i < w && grow; ++i) grow = fits(c + i, r + h);
                if (grow) ++h;
            }
            for (int rr = r; rr < r + h; ++rr)
                for (int cc = c; cc < c + w; ++cc) taken[static_cast<size_t>(rr * perRow + cc)] = 1;
            each({c, r, w, h, true});
        }
    }
}

PolygonMesh MergeGridSurface(const HeightField& f, const std::vector<SquareSplit>& splits) {
    const int perRow = f.SquaresPerRow();
    auto corner = [&](int c, int r) { return f.Index(c, r); };
    PolygonMesh start;
    start.Reserve(splits.size() * 2, splits.size() * 6);
    std::vector<int> loop;
    GridPieces(f, [&](const GridPiece& g) {
        const int c = g.C, r = g.R, w = g.W, h = g.H;
        if (!g.Planar) {
            const int c0 = corner(c, r + 1), c1 = corner(c + 1, r + 1), c2 = corner(c, r),
                      c3 = corner(c + 1, r);
            if (splits[static_cast<size_t>(r * perRow + c)] == SquareSplit::Forward) {
                start.Add({c2, c1, c0});
                start.Add({c2, c3, c1});
            } else {
                start.Add({c2, c3, c0});
                start.Add({c3, c1, c0});
            }
            return;
        }
        // Every grid point on the rectangle's edges, so neighbours share edges.
        loop.clear();
        for (int i = c; i < c + w; ++i) loop.push_back(corner(i, r));
        for (int i = r; i < r + h; ++i) loop.push_back(corner(c + w, i));
        for (int i = c + w; i > c; --i) loop.push_back(corner(i, r + h));
        for (int i = r + h; i > r; --i) loop.push_back(corner(c, i));
        start.Add(loop);
    });
    return MergeCoplanar(f, start);
}

}  // namespace vh
