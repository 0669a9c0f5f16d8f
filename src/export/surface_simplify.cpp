#include "export/surface_simplify.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <queue>
#include <utility>

#include "export/surface_deviation.h"
#include "export/surface_merge.h"

namespace vh {

namespace {

using Tri = SurfaceDeviation::Tri;

// Measures of the coarser surface depend only on some corners (in their
// order) and where those stand, so they are kept, with a stamp that grows
// whenever one of those corners moves. Direct-mapped and lossy: a measure is
// asked for again soon after the last time (the points around a collapse are
// measured again), and a small table stays in the processor's cache where a
// complete one would not.
template <class V>
class Memo {
public:
    // About four slots a point, at most 2^16.
    explicit Memo(int points) {
        while (bits_ < 16 && (1 << bits_) < 4 * points) ++bits_;
        slots_.resize(size_t{1} << bits_);
    }

    // The value for `key` (non-zero); *fresh when the slot held another key
    // or a staler stamp, and the caller must measure it.
    V* At(uint64_t key, uint64_t stamp, bool* fresh) {
        Slot& s = slots_[static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - bits_))];
        *fresh = s.Key != key || s.Stamp != stamp;
        s.Key = key;
        s.Stamp = stamp;
        return &s.Value;
    }

private:
    struct Slot {
        uint64_t Key = 0, Stamp = 0;
        V Value{};
    };
    int bits_ = 8;
    std::vector<Slot> slots_;
};

// The heights a point may take: [Lo, Hi], empty when Lo > Hi.
struct Range {
    double Lo = -1e30, Hi = 1e30;
    bool Empty() const { return Lo > Hi; }
    void Meet(Range r) { Lo = std::max(Lo, r.Lo), Hi = std::min(Hi, r.Hi); }
};

class Simplifier {
public:
    Simplifier(const HeightField& f, const std::vector<SquareSplit>& splits, double tolerance, double step)
        : f_(f),
          h_(f.Heights.begin(), f.Heights.end()),
          meter_(f, splits, h_),
          tol_(tolerance),
          step_(step),
          points_(static_cast<uint64_t>(f.Points())) {
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
        moves_.assign(fan_.size(), 0);
        removed_.assign(fan_.size(), 0);
    }

    // Considers every point once, then takes queued collapses cheapest
    // first, `work` steps (a point considered or a collapse looked at) at
    // most; true once nothing is left to do.
    bool Advance(size_t work) {
        for (; next_ < f_.Points() && work > 0; ++next_, --work) Consider(next_);
        for (; !queue_.empty() && work > 0; --work) {
            const Candidate c = queue_.top();
            queue_.pop();
            const size_t v = static_cast<size_t>(c.v);
            if (removed_[v] || c.version != version_[v]) continue;
            // A collapse that leaves u where it is was measured on v's
            // neighbours only (u among them), and any change there renewed
            // v's version. One that moves u depends on all of u's triangles,
            // whose corners may have moved since: measure it again.
            double cost = c.cost, height = c.height;
            if (height != h_[static_cast<size_t>(c.u)]) {
                Around(c.v);
                if (!CollapseCost(c.v, c.u, &cost, &height)) {
                    ++version_[v];
                    Consider(c.v);
                    continue;
                }
                if (cost > c.cost) {
                    queue_.push(Candidate{cost, c.length, c.v, c.u, c.version, height});
                    continue;
                }
            }
            Collapse(c.v, c.u, height);
        }
        return next_ == f_.Points() && queue_.empty();
    }

    WrittenSurface Result() const {
        WrittenSurface out{{}, f_};
        for (size_t t = 0; t < tris_.size(); ++t)
            if (alive_[t]) out.Polygons.Add(tris_[t]);
        out.Field.Heights.assign(h_.begin(), h_.end());
        return out;
    }

private:
    struct Candidate {
        double cost;
        int64_t length;
        int v, u;
        uint32_t version;
        double height;  // u's after the collapse
        bool operator>(const Candidate& o) const {
            if (cost != o.cost) return cost > o.cost;
            if (length != o.length) return length > o.length;
            return v > o.v;
        }
    };

    int Col(int p) const { return meter_.Col(p); }
    int RowOf(int p) const { return meter_.Row(p); }
    int64_t Turn(int a, int b, int c) const { return meter_.Turn(a, b, c); }

    bool Corner(int p) const {
        const int c = Col(p), r = RowOf(p);
        return (c == 0 || c == f_.Columns - 1) && (r == 0 || r == f_.Rows - 1);
    }
    // Locked and outline points keep their heights.
    bool Movable(int p) const { return !f_.IsLocked(p) && !f_.OnOutline(p); }

    int64_t Length2(int a, int b) const {
        const int64_t dx = Col(a) - Col(b), dz = RowOf(a) - RowOf(b);
        return dx * dx + dz * dz;
    }

    // Queues the collapse of v into its nearest neighbour that takes it
    // within the tolerance, if any.
    void Consider(int v) {
        if (removed_[static_cast<size_t>(v)] || f_.IsLocked(v) || Corner(v)) return;
        Around(v);
        const bool outline = f_.OnOutline(v);
        if (outline) {
            std::vector<int>& ends = ends_;
            ends.clear();
            for (auto& [w, n] : around_)
                if (n == 1) ends.push_back(w);
            if (ends.size() != 2 || !Straight(ends[0], v, ends[1])) return;
        }
        order_.clear();
        for (auto& [u, n] : around_) {
            if (outline && n != 1) continue;  // the outline only shortens along itself
            const std::pair<int64_t, int> c{Length2(u, v), u};
            auto at = order_.end();  // a handful: insertion keeps equal lengths in order
            while (at != order_.begin() && (at - 1)->first > c.first) --at;
            order_.insert(at, c);
        }
        for (auto& [length, u] : order_) {
            double cost = 0, height = 0;
            if (!CollapseCost(v, u, &cost, &height)) continue;
            queue_.push(Candidate{cost, length, v, u, version_[static_cast<size_t>(v)], height});
            return;
        }
    }

    // Neighbours of v into around_, with the number of v's triangles on
    // their side to v: one for an outline side, two inside.
    void Around(int v) {
        around_.clear();
        if (++stamp_ == 0) {  // wrapped: no old stamp may match
            seen_.assign(seen_.size(), Seen{});
            stamp_ = 1;
        }
        for (int t : fan_[static_cast<size_t>(v)])
            for (int w : tris_[static_cast<size_t>(t)]) {
                if (w == v) continue;
                Seen& seen = seen_[static_cast<size_t>(w)];
                if (seen.Stamp == stamp_) {
                    ++around_[seen.At].second;
                } else {
                    seen = {stamp_, static_cast<uint32_t>(around_.size())};
                    around_.push_back({w, 1});
                }
            }
    }

    // The outline point v lies on the straight line from a to b.
    bool Straight(int a, int v, int b) const {
        const double ta = std::sqrt(static_cast<double>(Length2(a, v)));
        const double tb = std::sqrt(static_cast<double>(Length2(v, b)));
        const double h = f_.H(a) + (f_.H(b) - f_.H(a)) * ta / (ta + tb);
        return std::fabs(h - f_.H(v)) <= kOnPlaneEpsilon;
    }

    // Whether v's triangles re-pointed at u (around_ holding v's neighbours)
    // stay within the tolerance, u staying where it is or, where it may
    // move, going where they do; the largest error as the cost.
    bool CollapseCost(int v, int u, double* cost, double* height) {
        *height = h_[static_cast<size_t>(u)];
        tmp_.clear();
        for (int t : fan_[static_cast<size_t>(v)]) {
            Tri tri = tris_[static_cast<size_t>(t)];
            if (std::find(tri.begin(), tri.end(), u) != tri.end()) continue;
            for (int& w : tri)
                if (w == v) w = u;
            if (!Shapely(tri)) return false;
            tmp_.push_back(tri);
        }
        // The removed point is where the new surface most often strays: a
        // quick look there turns most candidates away before any scan. The
        // new sides run from u to every other neighbour; the fan's outer
        // sides already stay within the tolerance. Sides first: they cost
        // their length, triangles their area.
        const bool movable = Movable(u);
        double worst = 0;
        const Tri* over = Over(v);
        if (over) {
            const GridPlane plane = meter_.Plane((*over)[0], (*over)[1], (*over)[2]);
            worst = std::fabs(f_.H(v) - plane.At(Col(v), RowOf(v)));
        }
        for (auto it = around_.begin(); worst <= tol_ && it != around_.end(); ++it)
            if (it->first != u) worst = std::max(worst, SideErrorOf(u, it->first));
        for (auto it = tmp_.begin(); worst <= tol_ && it != tmp_.end(); ++it)
            worst = std::max(worst, InsideErrorOf(*it));
        if (worst <= tol_) {
            *cost = worst;
            return true;
        }
        return movable && MovedCost(v, u, over, cost, height);
    }

    // Counter-clockwise, and no sliver: at least 1/20 as high over its
    // longest side as that side is long. Fans of slivers meet at angles too
    // fine for a map compiler, which then loses faces of the brushes there.
    bool Shapely(const Tri& t) const {
        const int64_t twiceArea = Turn(t[0], t[1], t[2]);
        const int64_t longest = std::max({Length2(t[0], t[1]), Length2(t[1], t[2]), Length2(t[2], t[0])});
        return twiceArea > 0 && 20 * twiceArea >= longest;
    }

    // The corners of t after u, counter-clockwise.
    static std::pair<int, int> Others(const Tri& t, int u) {
        const int k = t[0] == u ? 0 : t[1] == u ? 1 : 2;
        return {t[(k + 1) % 3], t[(k + 2) % 3]};
    }

    // The new triangle over the removed point v.
    const Tri* Over(int v) const {
        for (const Tri& tri : tmp_)
            if (Turn(tri[0], tri[1], v) >= 0 && Turn(tri[1], tri[2], v) >= 0 && Turn(tri[2], tri[0], v) >= 0)
                return &tri;
        return nullptr;
    }

    // The collapse of v into u with u moved up or down: to the middle of
    // the heights that keep every triangle around u within the tolerance,
    // on the height steps. The cost grows as that room shrinks.
    bool MovedCost(int v, int u, const Tri* over, double* cost, double* height) {
        Range room;
        if (over) {
            const auto [b, c] = Others(*over, u);
            room = Allowed(u, {meter_.Weight(u, b, c).At(Col(v), RowOf(v)),
                               meter_.Plane(u, b, c).At(Col(v), RowOf(v)) - f_.H(v)});
            if (room.Empty()) return false;
        }
        for (const Tri& tri : tmp_) {
            room.Meet(RangeOf(tri, u));
            if (room.Empty()) return false;
        }
        for (int t : fan_[static_cast<size_t>(u)]) {
            const Tri& tri = tris_[static_cast<size_t>(t)];
            if (std::find(tri.begin(), tri.end(), v) != tri.end()) continue;
            room.Meet(RangeOf(tri, u));
            if (room.Empty()) return false;
        }
        double to = step_ * std::round((room.Lo + room.Hi) / 2 / step_);
        if (to < room.Lo || to > room.Hi) to = step_ * std::ceil(room.Lo / step_);
        if (to > room.Hi) return false;
        *cost = std::max(0.0, tol_ - (room.Hi - room.Lo) / 2);
        *height = to;
        return true;
    }

    // The heights of u that keep one sample within the tolerance.
    Range Allowed(int u, SurfaceDeviation::Sample s) const {
        const double hu = h_[static_cast<size_t>(u)];
        if (s.Weight > 1e-9)
            return {hu + (-tol_ - s.Difference) / s.Weight, hu + (tol_ - s.Difference) / s.Weight};
        return std::fabs(s.Difference) <= tol_ ? Range{} : Range{1, 0};
    }

    // The heights of u that keep the triangle t within the tolerance,
    // remembered while t's other corners stay where they are.
    Range RangeOf(const Tri& t, int u) {
        const auto [b, c] = Others(t, u);
        auto measure = [&] {
            Range r;
            meter_.Samples(u, b, c, [&](SurfaceDeviation::Sample s) {
                r.Meet(Allowed(u, s));
                return !r.Empty();
            });
            return r;
        };
        if (!remember_) return measure();
        bool fresh = false;
        Range* r = ranges_.At((static_cast<uint64_t>(u) * points_ + b) * points_ + c + 1, Moves(b) + Moves(c),
                              &fresh);
        if (fresh) *r = measure();
        return *r;
    }

    // SideError() and InsideError() up to the tolerance, remembered.
    double SideErrorOf(int a, int b) {
        auto measure = [&] { return meter_.SideError(a, b, tol_); };
        if (!remember_) return measure();
        bool fresh = false;
        double* e = sides_.At(static_cast<uint64_t>(a) * points_ + b + 1, Moves(a) + Moves(b), &fresh);
        if (fresh) *e = measure();
        return *e;
    }

    double InsideErrorOf(const Tri& t) {
        auto measure = [&] { return meter_.InsideError(t, tol_); };
        if (!remember_) return measure();
        bool fresh = false;
        double* e = triangles_.At((static_cast<uint64_t>(t[0]) * points_ + t[1]) * points_ + t[2] + 1,
                                  Moves(t[0]) + Moves(t[1]) + Moves(t[2]), &fresh);
        if (fresh) *e = measure();
        return *e;
    }

    // How often p moved: summed over some corners, it grows whenever any of
    // them moves, so a remembered measure with the same sum is still right.
    uint64_t Moves(int p) const { return moves_[static_cast<size_t>(p)]; }

    void Collapse(int v, int u, double height) {
        std::vector<int>& touched = touched_;
        touched.clear();
        if (height != h_[static_cast<size_t>(u)]) {
            h_[static_cast<size_t>(u)] = height;
            ++moves_[static_cast<size_t>(u)];
            for (int t : fan_[static_cast<size_t>(u)])
                for (int w : tris_[static_cast<size_t>(t)]) touched.push_back(w);
        }
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
            if (SideErrorOf(c, d) > tol_ || InsideErrorOf(n1) > tol_ || InsideErrorOf(n2) > tol_) continue;
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
    std::vector<double> h_;  // the coarser surface's heights
    SurfaceDeviation meter_;
    double tol_;
    double step_;  // moved heights are multiples of it
    std::vector<Tri> tris_;
    std::vector<char> alive_;
    std::vector<std::vector<int>> fan_;
    // Where each neighbour of the point being considered sits in around_,
    // valid while Stamp is the current stamp_.
    struct Seen {
        uint32_t Stamp = 0, At = 0;
    };
    std::vector<Seen> seen_;
    uint32_t stamp_ = 0;
    std::vector<uint32_t> version_;
    std::vector<uint64_t> moves_;
    std::vector<char> removed_;
    uint64_t points_;
    bool remember_ = points_ < (1u << 21);  // three corners fit a key
    Memo<double> sides_{f_.Points()}, triangles_{f_.Points()};
    Memo<Range> ranges_{f_.Points()};
    std::vector<Tri> tmp_;

    int next_ = 0;  // the next point to consider at the start
    std::vector<std::pair<int, int>> around_;
    std::vector<int> ends_, touched_;
    std::vector<std::pair<int, int>> flips_;
    std::vector<std::pair<int64_t, int>> order_;
    std::priority_queue<Candidate, std::vector<Candidate>, std::greater<Candidate>> queue_;
};

}  // namespace

WrittenSurface SimplifySurface(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance,
                               float step) {
    SurfaceSimplification s(f, splits, tolerance, step);
    while (!s.Advance(SIZE_MAX)) {
    }
    return s.Take();
}

// Owns what the simplifier reads, at addresses that stay put when the job
// moves.
struct SurfaceSimplification::Job {
    HeightField Field;
    std::vector<SquareSplit> Splits;
    std::optional<Simplifier> Work;
    WrittenSurface Done;
};

SurfaceSimplification::SurfaceSimplification(const HeightField& f, const std::vector<SquareSplit>& splits,
                                             float tolerance, float step)
    : job_(std::make_unique<Job>()) {
    job_->Field = f;
    job_->Splits = splits;
    if (tolerance > 0) {
        // A hair over the tolerance, so rounding never rejects an exact fit.
        job_->Work.emplace(job_->Field, job_->Splits, tolerance + 1e-6, step >= 1 ? std::floor(step) : 1.0);
    } else {
        job_->Done = {SplitSurface(f, splits), f};
    }
}

SurfaceSimplification::~SurfaceSimplification() = default;
SurfaceSimplification::SurfaceSimplification(SurfaceSimplification&&) noexcept = default;
SurfaceSimplification& SurfaceSimplification::operator=(SurfaceSimplification&&) noexcept = default;

bool SurfaceSimplification::Advance(size_t work) {
    if (!job_->Work) return true;
    if (!job_->Work->Advance(work)) return false;
    job_->Done = job_->Work->Result();
    job_->Work.reset();
    return true;
}

WrittenSurface SurfaceSimplification::Take() {
    return std::move(job_->Done);
}

}  // namespace vh
