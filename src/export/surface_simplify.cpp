#include "export/surface_simplify.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <queue>

#include "export/surface_merge.h"

namespace vh {

namespace {

using Tri = std::array<int, 3>;

// An error measured against the exact surface depends only on the corners
// (in their order), so it is kept: measured up to the tolerance, it answers
// every later question (the exact error, or one over the tolerance).
// Direct-mapped and lossy: an error is asked for again soon after the last
// time (the points around a collapse are measured again), and a small table
// stays in the processor's cache where a complete one would not.
class ErrorCache {
public:
    // About four slots a point, at most 2^16 (1 MB).
    explicit ErrorCache(int points) {
        while (bits_ < 16 && (1 << bits_) < 4 * points) ++bits_;
        slots_.resize(size_t{1} << bits_);
    }

    // The slot for `key` (non-zero); *fresh when it held another key.
    double* At(uint64_t key, bool* fresh) {
        const uint64_t h = key * 0x9E3779B97F4A7C15ull;
        Slot& s = slots_[static_cast<size_t>(h >> (64 - bits_))];
        *fresh = s.Key != key;
        s.Key = key;
        return &s.Error;
    }

private:
    struct Slot {
        uint64_t Key = 0;
        double Error = 0;
    };
    int bits_ = 8;
    std::vector<Slot> slots_;
};

class Simplifier {
public:
    Simplifier(const HeightField& f, const std::vector<SquareSplit>& splits, double tolerance)
        : f_(f), exact_(f, splits), tol_(tolerance), spots_(f), points_(static_cast<uint64_t>(f.Points())) {
        const PolygonMesh start = SplitSurface(f, splits);
        tris_.reserve(start.Size() * 2);
        for (size_t i = 0; i < start.Size(); ++i) {
            const auto poly = start[i];
            for (size_t k = 1; k + 1 < poly.size(); ++k) tris_.push_back({poly[0], poly[k], poly[k + 1]});
        }
        alive_.assign(tris_.size(), 1);
        fan_.resize(static_cast<size_t>(f.Points()));
        for (size_t t = 0; t < tris_.size(); ++t)
            for (int v : tris_[t]) fan_[static_cast<size_t>(v)].push_back(static_cast<int>(t));
        seen_.resize(fan_.size());
        version_.assign(fan_.size(), 0);
        removed_.assign(fan_.size(), 0);
    }

    PolygonMesh Run() {
        for (int v = 0; v < f_.Points(); ++v) Consider(v);
        while (!queue_.empty()) {
            const Candidate c = queue_.top();
            queue_.pop();
            if (removed_[static_cast<size_t>(c.v)] || c.version != version_[static_cast<size_t>(c.v)])
                continue;
            Collapse(c.v, c.u);
        }
        PolygonMesh out;
        for (size_t t = 0; t < tris_.size(); ++t)
            if (alive_[t]) out.Add(tris_[t]);
        return out;
    }

private:
    struct Candidate {
        double cost;
        int64_t length;
        int v, u;
        uint32_t version;
        bool operator>(const Candidate& o) const {
            if (cost != o.cost) return cost > o.cost;
            if (length != o.length) return length > o.length;
            return v > o.v;
        }
    };

    // Grid coordinates looked up: a division each is what Turn() would
    // otherwise spend most of its time on.
    int Col(int p) const { return spots_.C(p); }
    int RowOf(int p) const { return spots_.R(p); }

    // Cross() and PlaneThrough() of the mesh header, on the looked-up
    // coordinates (the same arithmetic, so the same results).
    int64_t Turn(int a, int b, int c) const { return spots_.Turn(a, b, c); }

    GridPlane Plane(int a, int b, int c) const {
        const double det = static_cast<double>(Turn(a, b, c));
        const double xb = Col(b) - Col(a), zb = RowOf(b) - RowOf(a);
        const double xc = Col(c) - Col(a), zc = RowOf(c) - RowOf(a);
        const double hb = f_.H(b) - f_.H(a), hc = f_.H(c) - f_.H(a);
        GridPlane q;
        q.A = (hb * zc - zb * hc) / det;
        q.B = (xb * hc - hb * xc) / det;
        q.D = f_.H(a) - q.A * Col(a) - q.B * RowOf(a);
        return q;
    }

    bool Corner(int p) const {
        const int c = Col(p), r = RowOf(p);
        return (c == 0 || c == f_.Columns - 1) && (r == 0 || r == f_.Rows - 1);
    }

    int64_t Length2(int a, int b) const {
        const int64_t dx = Col(a) - Col(b), dz = RowOf(a) - RowOf(b);
        return dx * dx + dz * dz;
    }

    // Pushes the cheapest valid collapse of v, if any stays within tolerance.
    void Consider(int v) {
        if (removed_[static_cast<size_t>(v)] || f_.IsLocked(v) || Corner(v)) return;
        const std::vector<int>& fan = fan_[static_cast<size_t>(v)];
        // Neighbours with the number of fan triangles on their edge to v:
        // one for an outline edge, two inside.
        std::vector<std::pair<int, int>>& around = around_;
        around.clear();
        if (++stamp_ == 0) {  // wrapped: no old stamp may match
            seen_.assign(seen_.size(), Seen{});
            stamp_ = 1;
        }
        for (int t : fan)
            for (int w : tris_[static_cast<size_t>(t)]) {
                if (w == v) continue;
                Seen& seen = seen_[static_cast<size_t>(w)];
                if (seen.Stamp == stamp_) {
                    ++around[seen.At].second;
                } else {
                    seen = {stamp_, static_cast<uint32_t>(around.size())};
                    around.push_back({w, 1});
                }
            }
        const bool outline = f_.OnOutline(v);
        if (outline) {
            std::vector<int>& ends = ends_;
            ends.clear();
            for (auto& [w, n] : around)
                if (n == 1) ends.push_back(w);
            if (ends.size() != 2 || !Straight(ends[0], v, ends[1])) return;
        }
        // Shortest first (ties in neighbour order): a later candidate wins
        // only with a strictly lower cost, so its measuring stops as soon as
        // it reaches the best cost so far.
        order_.clear();
        for (auto& [u, n] : around) {
            if (outline && n != 1) continue;  // the outline only shortens along itself
            const std::pair<int64_t, int> c{Length2(u, v), u};
            auto at = order_.end();  // a handful: insertion keeps equal lengths in order
            while (at != order_.begin() && (at - 1)->first > c.first) --at;
            order_.insert(at, c);
        }
        Candidate best{0, 0, -1, -1, 0};
        for (auto& [length, u] : order_) {
            const double limit = best.u < 0 ? tol_ : Below(best.cost);
            double cost = 0;
            if (!CollapseCost(v, u, around, limit, &cost)) continue;
            best = Candidate{cost, length, v, u, version_[static_cast<size_t>(v)]};
        }
        if (best.u >= 0) queue_.push(best);
    }

    // std::nextafter(c, -1.0) for a cost (finite, not negative), without the
    // library call.
    static double Below(double c) {
        return c > 0 ? std::bit_cast<double>(std::bit_cast<uint64_t>(c) - 1)
                     : -std::numeric_limits<double>::denorm_min();
    }

    // The outline point v lies on the straight line from a to b.
    bool Straight(int a, int v, int b) const {
        const double ta = std::sqrt(static_cast<double>(Length2(a, v)));
        const double tb = std::sqrt(static_cast<double>(Length2(v, b)));
        const double h = f_.H(a) + (f_.H(b) - f_.H(a)) * ta / (ta + tb);
        return std::fabs(h - f_.H(v)) <= kOnPlaneEpsilon;
    }

    // Error of the fan of v re-pointed at u; false when a triangle would fold
    // or the error exceeds `limit` (at most the tolerance).
    bool CollapseCost(int v, int u, const std::vector<std::pair<int, int>>& around, double limit,
                      double* cost) {
        tmp_.clear();
        for (int t : fan_[static_cast<size_t>(v)]) {
            Tri tri = tris_[static_cast<size_t>(t)];
            if (std::find(tri.begin(), tri.end(), u) != tri.end()) continue;
            for (int& w : tri)
                if (w == v) w = u;
            if (Turn(tri[0], tri[1], tri[2]) <= 0) return false;
            tmp_.push_back(tri);
        }
        // The removed point is where the new surface most often strays: a
        // quick look there turns most candidates away before any scan.
        for (const Tri& tri : tmp_)
            if (Turn(tri[0], tri[1], v) >= 0 && Turn(tri[1], tri[2], v) >= 0 &&
                Turn(tri[2], tri[0], v) >= 0) {
                const GridPlane plane = Plane(tri[0], tri[1], tri[2]);
                if (std::fabs(f_.H(v) - plane.At(Col(v), RowOf(v))) > limit) return false;
                break;
            }
        // The new edges run from u to every other neighbour; the fan's outer
        // edges already stay within the tolerance. Edges first: they cost
        // their length, triangles their area.
        double worst = 0;
        for (auto& [w, n] : around) {
            if (w == u) continue;
            worst = std::max(worst, EdgeErrorOf(u, w));
            if (worst > limit) return false;
        }
        for (const Tri& tri : tmp_) {
            worst = std::max(worst, InsideErrorOf(tri));
            if (worst > limit) return false;
        }
        *cost = worst;
        return true;
    }

    // EdgeError() and InsideError() up to the tolerance, remembered.
    double EdgeErrorOf(int a, int b) {
        return Remembered(edges_, static_cast<uint64_t>(a) * points_ + b + 1,
                          [&] { return EdgeError(a, b, tol_); });
    }

    double InsideErrorOf(const Tri& t) {
        const uint64_t key = (static_cast<uint64_t>(t[0]) * points_ + t[1]) * points_ + t[2] + 1;
        return Remembered(triangles_, key, [&] { return InsideError(t, tol_); });
    }

    template <class F>
    double Remembered(ErrorCache& cache, uint64_t key, F measure) {
        if (!remember_) return measure();
        bool fresh = false;
        double* e = cache.At(key, &fresh);
        if (fresh) *e = measure();
        return *e;
    }

    // Largest difference along the edge a-b: where it crosses grid lines and
    // the lines every square diagonal lies on. Any value over `limit` only
    // says so: the search stops there.
    double EdgeError(int a, int b, double limit) const {
        const double ax = Col(a), az = RowOf(a), dx = Col(b) - ax, dz = RowOf(b) - az;
        const double ha = f_.H(a), dh = f_.H(b) - ha;
        double worst = 0;
        auto family = [&](double s0, double ds) {
            if (ds == 0 || worst > limit) return;
            const double lo = std::min(s0, s0 + ds), hi = std::max(s0, s0 + ds);
            for (double k = std::floor(lo) + 1; k < hi; k += 1) {
                const double t = (k - s0) / ds;
                const double e = std::fabs(exact_.HeightAt(ax + t * dx, az + t * dz) - (ha + t * dh));
                if (e > worst) worst = e;
                if (worst > limit) return;
            }
        };
        family(ax, dx);
        family(az, dz);
        family(ax + az, dx + dz);
        family(ax - az, dx - dz);
        return worst;
    }

    // Largest difference at the grid points the triangle covers; over
    // `limit`, only a value over it.
    double InsideError(const Tri& t, double limit) const {
        int xs[3], zs[3];
        for (int i = 0; i < 3; ++i) xs[i] = Col(t[i]), zs[i] = RowOf(t[i]);
        const GridPlane plane = Plane(t[0], t[1], t[2]);
        // Rows meet the sides at x = xs + (z - zs) * slope. Rounding moves
        // those by far less than the 1e-9 that decides which points count:
        // a grid point off a side is at least 1/180 of a column away from it.
        double slope[3];
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            slope[i] = zs[i] == zs[j] ? 0 : static_cast<double>(xs[j] - xs[i]) / (zs[j] - zs[i]);
        }
        const int z0 = std::min({zs[0], zs[1], zs[2]}), z1 = std::max({zs[0], zs[1], zs[2]});
        double worst = 0;
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
            // plane.At(x, z), term by term as it adds them.
            const float* heights = &f_.Heights[static_cast<size_t>(z) * static_cast<size_t>(f_.Columns)];
            const double bz = plane.B * z;
            const int x1 = static_cast<int>(std::floor(hi + 1e-9));
            for (int x = static_cast<int>(std::ceil(lo - 1e-9)); x <= x1; ++x) {
                const double e = std::fabs(heights[x] - (plane.A * x + bz + plane.D));
                if (e > worst) worst = e;
            }
            if (worst > limit) return worst;
        }
        return worst;
    }

    void Collapse(int v, int u) {
        std::vector<int>& touched = touched_;
        touched.clear();
        for (int t : fan_[static_cast<size_t>(v)]) {
            Tri& tri = tris_[static_cast<size_t>(t)];
            for (int w : tri)
                if (w != v) touched.push_back(w);
            if (std::find(tri.begin(), tri.end(), u) != tri.end()) {
                alive_[static_cast<size_t>(t)] = 0;
                for (int w : tri) {
                    if (w == v) continue;
                    auto& list = fan_[static_cast<size_t>(w)];
                    list.erase(std::find(list.begin(), list.end(), t));
                }
            } else {
                for (int& w : tri)
                    if (w == v) w = u;
                fan_[static_cast<size_t>(u)].push_back(t);
            }
        }
        fan_[static_cast<size_t>(v)].clear();
        removed_[static_cast<size_t>(v)] = 1;
        std::vector<std::pair<int, int>>& edges = flips_;
        edges.clear();
        for (int t : fan_[static_cast<size_t>(u)]) {
            const Tri& tri = tris_[static_cast<size_t>(t)];
            for (int k = 0; k < 3; ++k) edges.push_back({tri[k], tri[(k + 1) % 3]});
        }
        Flip(&edges, &touched);
        std::sort(touched.begin(), touched.end());
        touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
        for (int w : touched) {
            ++version_[static_cast<size_t>(w)];
            Consider(w);
        }
    }

    // The triangle holding the directed edge a->b (counter-clockwise), or -1.
    int Holding(int a, int b) const {
        for (int t : fan_[static_cast<size_t>(a)]) {
            const Tri& tri = tris_[static_cast<size_t>(t)];  // holds a once: what follows it?
            if ((tri[0] == a ? tri[1] : tri[1] == a ? tri[2] : tri[0]) == b) return t;
        }
        return -1;
    }

    // d strictly inside the circle through the counter-clockwise a, b, c.
    bool InCircle(int a, int b, int c, int d) const {
        auto row = [&](int p, int64_t out[3]) {
            out[0] = Col(p) - Col(d);
            out[1] = RowOf(p) - RowOf(d);
            out[2] = out[0] * out[0] + out[1] * out[1];
        };
        int64_t A[3], B[3], C[3];
        row(a, A), row(b, B), row(c, C);
        return A[0] * (B[1] * C[2] - B[2] * C[1]) - A[1] * (B[0] * C[2] - B[2] * C[0]) +
                   A[2] * (B[0] * C[1] - B[1] * C[0]) >
               0;
    }

    // Lawson flips towards a Delaunay triangulation, each kept only while the
    // new pair stays within the tolerance: fat triangles cross fewer of the
    // exact surface's edges and leave more points removable. Cocircular
    // squares keep their diagonal.
    void Flip(std::vector<std::pair<int, int>>* edges, std::vector<int>* touched) {
        while (!edges->empty()) {
            const auto [a, b] = edges->back();
            edges->pop_back();
            const int t1 = Holding(a, b), t2 = Holding(b, a);
            if (t1 < 0 || t2 < 0) continue;
            int c = -1, d = -1;
            for (int w : tris_[static_cast<size_t>(t1)])
                if (w != a && w != b) c = w;
            for (int w : tris_[static_cast<size_t>(t2)])
                if (w != a && w != b) d = w;
            if (!InCircle(a, b, c, d) || Turn(a, d, c) <= 0 || Turn(d, b, c) <= 0) continue;
            const Tri n1{a, d, c}, n2{d, b, c};
            if (EdgeErrorOf(c, d) > tol_ || InsideErrorOf(n1) > tol_ || InsideErrorOf(n2) > tol_) continue;
            tris_[static_cast<size_t>(t1)] = n1;
            tris_[static_cast<size_t>(t2)] = n2;
            auto drop = [&](int p, int t) {
                auto& list = fan_[static_cast<size_t>(p)];
                list.erase(std::find(list.begin(), list.end(), t));
            };
            drop(a, t2), drop(b, t1);
            fan_[static_cast<size_t>(c)].push_back(t2);
            fan_[static_cast<size_t>(d)].push_back(t1);
            touched->insert(touched->end(), {a, b, c, d});
            edges->insert(edges->end(), {{a, d}, {d, b}, {b, c}, {c, a}});
        }
    }

    const HeightField& f_;
    ExactSurface exact_;
    double tol_;
    std::vector<Tri> tris_;
    std::vector<char> alive_;
    std::vector<std::vector<int>> fan_;
    GridSpots spots_;
    // Where each neighbour of the point being considered sits in around_,
    // valid while Stamp is the current stamp_.
    struct Seen {
        uint32_t Stamp = 0, At = 0;
    };
    std::vector<Seen> seen_;
    uint32_t stamp_ = 0;
    std::vector<uint32_t> version_;
    std::vector<char> removed_;
    uint64_t points_;
    bool remember_ = points_ < (1u << 21);  // three corners fit a key
    ErrorCache edges_{f_.Points()}, triangles_{f_.Points()};
    std::vector<Tri> tmp_;
    std::vector<std::pair<int, int>> around_;
    std::vector<int> ends_, touched_;
    std::vector<std::pair<int, int>> flips_;
    std::vector<std::pair<int64_t, int>> order_;
    std::priority_queue<Candidate, std::vector<Candidate>, std::greater<Candidate>> queue_;
};

}  // namespace

PolygonMesh SimplifySurface(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance) {
    if (!(tolerance > 0)) return SplitSurface(f, splits);
    // A hair over the tolerance, so rounding never rejects an exact fit.
    return Simplifier(f, splits, tolerance + 1e-6).Run();
}

}  // namespace vh
