#include "export/surface_caps.h"

#include <algorithm>
#include <deque>

#include "export/surface_merge.h"

namespace vh {

BrushGroups BrushGroups::Single(size_t polygons) {
    BrushGroups g;
    g.members_.resize(polygons);
    g.starts_.resize(polygons + 1);
    for (size_t i = 0; i < polygons; ++i) {
        g.members_[i] = static_cast<int>(i);
        g.starts_[i + 1] = static_cast<uint32_t>(i + 1);
    }
    return g;
}

void BrushGroups::Add(std::span<const int> members, std::span<const int> outline) {
    members_.insert(members_.end(), members.begin(), members.end());
    starts_.push_back(static_cast<uint32_t>(members_.size()));
    outlines_.insert(outlines_.end(), outline.begin(), outline.end());
    outlineStarts_.push_back(static_cast<uint32_t>(outlines_.size()));
}

void BrushGroups::Outline(const HeightField& f, const PolygonMesh& mesh, size_t g,
                          std::vector<int>* corners) const {
    if (g + 1 < outlineStarts_.size()) {
        corners->assign(outlines_.begin() + outlineStarts_[g], outlines_.begin() + outlineStarts_[g + 1]);
    } else {
        TurningCorners(f, mesh[static_cast<size_t>(members_[starts_[g]])], corners);
    }
}

namespace {

// Brushes stay small: a compiler's cost per brush grows with its faces.
constexpr size_t kMaxFaces = 16;

class CapBuilder {
public:
    CapBuilder(const HeightField& f, const PolygonMesh& mesh, bool under)
        : f_(f), mesh_(mesh), sign_(under ? 1.0 : -1.0), sides_(f, mesh), spots_(f) {
        planes_.reserve(mesh.Size());
        for (size_t i = 0; i < mesh.Size(); ++i) planes_.push_back(PlaneOfPolygon(f, mesh[i]));
    }

    BrushGroups Run() {
        BrushGroups groups;
        std::vector<char> taken(mesh_.Size(), 0);
        std::deque<int> next;
        for (size_t seed = 0; seed < mesh_.Size(); ++seed) {
            if (taken[seed]) continue;
            Start(static_cast<int>(seed));
            taken[seed] = 1;
            Neighbours(static_cast<int>(seed), taken, &next);
            while (!next.empty()) {
                const int j = next.front();
                next.pop_front();
                if (taken[static_cast<size_t>(j)] || !Join(j)) continue;
                taken[static_cast<size_t>(j)] = 1;
                Neighbours(j, taken, &next);
            }
            TurningCorners(f_, outline_, &turning_);
            groups.Add(members_, turning_);
        }
        return groups;
    }

    size_t Creases() const { return CountCreases(f_, mesh_, planes_, sides_); }

private:
    void Start(int seed) {
        const auto p = mesh_[static_cast<size_t>(seed)];
        outline_.assign(p.begin(), p.end());
        corners_ = outline_;
        members_.assign(1, seed);
    }

    void Neighbours(int i, const std::vector<char>& taken, std::deque<int>* out) const {
        const auto p = mesh_[static_cast<size_t>(i)];
        for (size_t k = 0; k < p.size(); ++k) {
            const int n = sides_.Owner(p[(k + 1) % p.size()], p[k]);
            if (n >= 0 && !taken[static_cast<size_t>(n)]) out->push_back(n);
        }
    }

    int Find(int corner) const {
        const auto at = std::find(outline_.begin(), outline_.end(), corner);
        return at == outline_.end() ? -1 : static_cast<int>(at - outline_.begin());
    }

    // The surface at p is the lowest (highest) of the group's planes there.
    bool Holds(const GridPlane& plane, int p) const {
        return sign_ * (plane.At(spots_.C(p), spots_.R(p)) - f_.H(p)) >= -kOnPlaneEpsilon;
    }

    bool Join(int j) {
        const auto p = mesh_[static_cast<size_t>(j)];
        const size_t k = p.size(), n = outline_.size();
        // Small loops: wrapping by comparison, not by division.
        auto next = [](size_t i, size_t size) { return i + 1 == size ? 0 : i + 1; };
        auto prev = [](size_t i, size_t size) { return i == 0 ? size - 1 : i - 1; };
        // The planes first: most neighbours fail there (a fold the wrong way).
        const GridPlane& plane = planes_[static_cast<size_t>(j)];
        for (int c : corners_)
            if (!Holds(plane, c)) return false;
        for (int m : members_)
            for (int c : p)
                if (!Holds(planes_[static_cast<size_t>(m)], c)) return false;
        // Which of j's sides the group's outline runs along (the other way).
        shared_.assign(k, 0);
        for (size_t i = 0; i < k; ++i) {
            const int at = Find(p[next(i, k)]);
            shared_[i] = at >= 0 && outline_[next(static_cast<size_t>(at), n)] == p[i];
        }
        // One unbroken run of shared sides, from corner s to corner e.
        size_t s = k, runs = 0;
        for (size_t i = 0; i < k; ++i)
            if (shared_[i] && !shared_[prev(i, k)]) s = i, ++runs;
        if (runs != 1) return false;
        size_t e = s;
        while (shared_[e]) e = next(e, k);
        // The new outline: the group's from p[s] round to p[e], then j's own
        // sides from p[e] back to p[s].
        const size_t ps = static_cast<size_t>(Find(p[s])), pe = static_cast<size_t>(Find(p[e]));
        next_.clear();
        for (size_t i = ps;; i = next(i, n)) {
            next_.push_back(outline_[i]);
            if (i == pe) break;
        }
        const size_t atE = next_.size() - 1;
        for (size_t i = next(e, k); i != s; i = next(i, k)) next_.push_back(p[i]);
        const size_t m = next_.size();
        auto turn = [&](size_t i) { return spots_.Turn(next_[prev(i, m)], next_[i], next_[next(i, m)]); };
        if (turn(0) < 0 || turn(atE) < 0) return false;
        size_t sides = 0;
        for (size_t i = 0; i < m; ++i) sides += turn(i) != 0;
        if (members_.size() + 1 + sides + 1 > kMaxFaces) return false;
        outline_.swap(next_);
        corners_.insert(corners_.end(), p.begin(), p.end());
        members_.push_back(j);
        return true;
    }

    const HeightField& f_;
    const PolygonMesh& mesh_;
    double sign_;
    PolygonSides sides_;
    GridSpots spots_;
    std::vector<GridPlane> planes_;
    std::vector<int> outline_, corners_, members_, next_, turning_;
    std::vector<char> shared_;
};

}  // namespace

BrushGroups GroupCaps(const HeightField& f, const PolygonMesh& mesh, bool brushesUnder, size_t* creases) {
    CapBuilder builder(f, mesh, brushesUnder);
    BrushGroups groups = builder.Run();
    if (creases) *creases = builder.Creases();
    return groups;
}

}  // namespace vh
