#include "export/spawn.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vh {

namespace {

using Point2 = std::pair<double, double>;

// Sutherland-Hodgman against the four sides of an axis-aligned box.
void ClipToBox(std::vector<Point2>* poly, double x0, double z0, double x1, double z1) {
    std::vector<Point2> next;
    auto clip = [&](auto inside, auto cut) {
        next.clear();
        const size_t n = poly->size();
        for (size_t i = 0; i < n; ++i) {
            const Point2 a = (*poly)[i], b = (*poly)[(i + 1) % n];
            const bool ina = inside(a), inb = inside(b);
            if (ina) next.push_back(a);
            if (ina != inb) next.push_back(cut(a, b));
        }
        poly->swap(next);
    };
    auto atX = [](double x) {
        return [x](Point2 a, Point2 b) {
            return Point2{x, a.second + (x - a.first) * (b.second - a.second) / (b.first - a.first)};
        };
    };
    auto atZ = [](double z) {
        return [z](Point2 a, Point2 b) {
            return Point2{a.first + (z - a.second) * (b.first - a.first) / (b.second - a.second), z};
        };
    };
    clip([&](Point2 p) { return p.first >= x0; }, atX(x0));
    clip([&](Point2 p) { return p.first <= x1; }, atX(x1));
    clip([&](Point2 p) { return p.second >= z0; }, atZ(z0));
    clip([&](Point2 p) { return p.second <= z1; }, atZ(z1));
}

double Area2(const std::vector<Point2>& poly) {
    double a = 0;
    for (size_t i = 0; i < poly.size(); ++i) {
        const Point2 p = poly[i], q = poly[(i + 1) % poly.size()];
        a += p.first * q.second - q.first * p.second;
    }
    return a;
}

}  // namespace

SurfaceIndex::SurfaceIndex(const HeightField& f, const PolygonMesh& surface) : f_(f), seen_(surface.Size()) {
    planes_.reserve(surface.Size());
    corners_.Reserve(surface.Size(), surface.Size() * 3);
    // Each polygon goes into the bucket of every square its bounds cover;
    // counted first, then filled.
    std::vector<std::array<int, 4>> bounds;
    bounds.reserve(surface.Size());
    std::vector<int> turns;
    bucketStart_.assign(static_cast<size_t>(std::max(f.Squares(), 0)) + 1, 0);
    const int perRow = f.SquaresPerRow();
    for (size_t i = 0; i < surface.Size(); ++i) {
        TurningCorners(f, surface[i], &turns);
        corners_.Add(turns);
        planes_.push_back(PlaneOfPolygon(f, turns));
        std::array<int, 4> b = {f.Columns, 0, f.Rows, 0};
        for (int p : turns) {
            b[0] = std::min(b[0], f.Column(p)), b[1] = std::max(b[1], f.Column(p));
            b[2] = std::min(b[2], f.Row(p)), b[3] = std::max(b[3], f.Row(p));
        }
        bounds.push_back(b);
        for (int r = b[2]; r < b[3]; ++r)
            for (int c = b[0]; c < b[1]; ++c) ++bucketStart_[static_cast<size_t>(r * perRow + c) + 1];
    }
    for (size_t q = 1; q < bucketStart_.size(); ++q) bucketStart_[q] += bucketStart_[q - 1];
    bucketItems_.resize(bucketStart_.back());
    std::vector<uint32_t> fill(bucketStart_.begin(), bucketStart_.end() - 1);
    for (size_t i = 0; i < bounds.size(); ++i)
        for (int r = bounds[i][2]; r < bounds[i][3]; ++r)
            for (int c = bounds[i][0]; c < bounds[i][1]; ++c)
                bucketItems_[fill[static_cast<size_t>(r * perRow + c)]++] = static_cast<int>(i);
}

std::span<const int> SurfaceIndex::Bucket(int square) const {
    const size_t q = static_cast<size_t>(square);
    return {bucketItems_.data() + bucketStart_[q], bucketItems_.data() + bucketStart_[q + 1]};
}

SurfaceIndex::Span SurfaceIndex::Over(double x0, double z0, double x1, double z1) const {
    Span s;
    s.Low = std::numeric_limits<double>::infinity();
    s.High = -s.Low;
    if (f_.Squares() <= 0) return s;
    const double S = f_.Spacing;
    const double gx0 = (x0 - f_.X0) / S, gx1 = (x1 - f_.X0) / S, gz0 = (z0 - f_.Z0) / S,
                 gz1 = (z1 - f_.Z0) / S;
    const int perRow = f_.SquaresPerRow();
    const int c0 = std::clamp(static_cast<int>(std::floor(gx0)), 0, perRow - 1);
    const int c1 = std::clamp(static_cast<int>(std::floor(gx1)), 0, perRow - 1);
    const int r0 = std::clamp(static_cast<int>(std::floor(gz0)), 0, f_.Rows - 2);
    const int r1 = std::clamp(static_cast<int>(std::floor(gz1)), 0, f_.Rows - 2);
    if (++stamp_ == 0) std::fill(seen_.begin(), seen_.end(), 0), stamp_ = 1;
    std::vector<Point2> poly;
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) {
            for (int i : Bucket(r * perRow + c)) {
                if (seen_[static_cast<size_t>(i)] == stamp_) continue;
                seen_[static_cast<size_t>(i)] = stamp_;
                poly.clear();
                for (int p : corners_[static_cast<size_t>(i)]) poly.push_back({f_.Column(p), f_.Row(p)});
                ClipToBox(&poly, gx0, gz0, gx1, gz1);
                if (poly.empty()) continue;
                const GridPlane& plane = planes_[static_cast<size_t>(i)];
                for (const Point2& p : poly) {
                    const double h = plane.At(p.first, p.second);
                    s.Low = std::min(s.Low, h), s.High = std::max(s.High, h);
                }
                s.Any = true;
                if (Area2(poly) > 1e-12)
                    s.LeastNormalZ = std::min(s.LeastNormalZ, NormalZ(static_cast<size_t>(i)));
            }
        }
    }
    return s;
}

double SurfaceIndex::NormalZ(size_t polygon) const {
    const GridPlane& p = planes_[polygon];
    const double s = f_.Spacing;
    return 1 / std::sqrt(1 + (p.A * p.A + p.B * p.B) / (s * s));
}

double SurfaceIndex::LeastNormalZAt(double x, double z) const {
    const double gx = (x - f_.X0) / f_.Spacing, gz = (z - f_.Z0) / f_.Spacing;
    const int c = std::clamp(static_cast<int>(std::floor(gx)), 0, f_.SquaresPerRow() - 1);
    const int r = std::clamp(static_cast<int>(std::floor(gz)), 0, f_.Rows - 2);
    double least = 1;
    for (int i : Bucket(r * f_.SquaresPerRow() + c)) {
        const auto poly = corners_[static_cast<size_t>(i)];
        bool inside = true;
        for (size_t k = 0; k < poly.size() && inside; ++k) {
            const int a = poly[k], b = poly[(k + 1) % poly.size()];
            inside = (f_.Column(b) - f_.Column(a)) * (gz - f_.Row(a)) -
                         (f_.Row(b) - f_.Row(a)) * (gx - f_.Column(a)) >=
                     -1e-9;
        }
        if (inside) least = std::min(least, NormalZ(static_cast<size_t>(i)));
    }
    return least;
}

namespace {

// Levels compared to 1e-9, as whole numbers so that equal is equal.
int64_t LevelKey(double normalZ) {
    return std::llround(normalZ * 1e9);
}

struct Spot {
    bool Inside = false, Walkable = false, Fits = false, Large = false;
    int64_t Level = 0;
    double Distance = 0;
    float X = 0, Y = 0, Z = 0;
};

Spot Evaluate(const HeightField& f, const SurfaceIndex& surface, const BoxLayout& boxes, bool hills, int q) {
    Spot s;
    const int perRow = f.SquaresPerRow();
    const int c = q % perRow, r = q / perRow;
    const double S = f.Spacing;
    const double cx = f.X0 + (c + 0.5) * S, cz = f.Z0 + (r + 0.5) * S;
    const double xn = f.X(f.Columns - 1), zn = f.Z(f.Rows - 1);
    auto inside = [&](double half) {
        return cx - half >= f.X0 && cx + half <= xn && cz - half >= f.Z0 && cz + half <= zn;
    };
    const auto player = surface.Over(cx - kPlayerHalfWidth, cz - kPlayerHalfWidth, cx + kPlayerHalfWidth,
                                     cz + kPlayerHalfWidth);
    const auto large =
        surface.Over(cx - kLargeHalfWidth, cz - kLargeHalfWidth, cx + kLargeHalfWidth, cz + kLargeHalfWidth);
    s.X = static_cast<float>(cx);
    s.Y = static_cast<float>(cz);
    s.Inside = inside(kPlayerHalfWidth);
    const double midX = (f.X0 + xn) / 2, midZ = (f.Z0 + zn) / 2;
    s.Distance = (cx - midX) * (cx - midX) + (cz - midZ) * (cz - midZ);
    // A compiler counts a hull touching a solid as inside it: keep a unit clear.
    if (hills) {
        if (!player.Any) return s;
        const double z = std::ceil(player.High + kPlayerBelow + kSpawnMargin);
        // Lifted, if need be, until the large hull clears the ground too: the
        // player drops the few units.
        const double lifted = std::max(z, std::ceil(large.High + kPlayerBelow + 1));
        s.Large = inside(kLargeHalfWidth) && lifted + kLargeAbove + 1 <= boxes.RoofBottom;
        s.Z = static_cast<float>(s.Large ? lifted : z);
        s.Walkable = player.LeastNormalZ >= kWalkableNormalZ;
        s.Fits = s.Z + kPlayerAbove + 1 <= boxes.RoofBottom;
        s.Level = LevelKey(player.LeastNormalZ);
    } else {
        s.Z = static_cast<float>(std::ceil(boxes.FloorTop + kPlayerBelow + kSpawnMargin));
        s.Walkable = true;
        s.Fits = s.Z + kPlayerAbove + 1 <= player.Low;
        s.Large = inside(kLargeHalfWidth) && s.Z + kLargeAbove + 1 <= large.Low;
        s.Level = LevelKey(1);
    }
    return s;
}

// Large hull clear first, then the most level, then the nearest the centre.
bool Better(const Spot& a, int qa, const Spot& b, int qb) {
    if (a.Large != b.Large) return a.Large;
    if (a.Level != b.Level) return a.Level > b.Level;
    if (a.Distance != b.Distance) return a.Distance < b.Distance;
    return qa < qb;
}

}  // namespace

SpawnPlacement PlaceSpawn(const HeightField& f, const SurfaceIndex& surface, const BoxLayout& boxes,
                          int position, SpawnChoice choice, int square) {
    SpawnPlacement out;
    const bool hills = position == 0;
    if (choice == SpawnChoice::None) return out;
    if (!hills && !std::isfinite(boxes.FloorTop)) {
        out.Problem = "A Flatten Top terrain has no floor to stand on: seal the map.";
        return out;
    }
    auto take = [&](const Spot& s, int q) {
        out.Found = true;
        out.Square = q;
        out.X = s.X, out.Y = s.Y, out.Z = s.Z;
        out.LargeHullClear = s.Large;
    };
    const std::string room = hills ? "under the roof" : "between the floor and the terrain above";
    if (choice == SpawnChoice::Square) {
        const std::string name = "Square " + std::to_string(square + 1);
        if (square < 0 || square >= f.Squares()) {
            out.Problem = name + " does not exist.";
            return out;
        }
        const Spot s = Evaluate(f, surface, boxes, hills, square);
        if (!s.Inside)
            out.Problem = name + " is too close to the edge of the map for the player.";
        else if (!s.Walkable)
            out.Problem = name + " is too steep to stand on.";
        else if (!s.Fits)
            out.Problem = name + " has no room for the player " + room + ".";
        else
            take(s, square);
        return out;
    }
    // Most promising first: no square is more level than the steepest ground
    // at its centre. Once the best so far clears the large hull too, only a
    // square that could be more level, or as level and nearer, is looked at.
    struct Candidate {
        int64_t Bound;
        double Distance;
        int Square;
    };
    std::vector<Candidate> order;
    order.reserve(static_cast<size_t>(f.Squares()));
    const int perRow = f.SquaresPerRow();
    const double midX = (f.X0 + f.X(f.Columns - 1)) / 2, midZ = (f.Z0 + f.Z(f.Rows - 1)) / 2;
    for (int q = 0; q < f.Squares(); ++q) {
        const double cx = f.X0 + (q % perRow + 0.5) * f.Spacing, cz = f.Z0 + (q / perRow + 0.5) * f.Spacing;
        const double bound = hills ? surface.LeastNormalZAt(cx, cz) : 1;
        order.push_back({LevelKey(bound), (cx - midX) * (cx - midX) + (cz - midZ) * (cz - midZ), q});
    }
    // A heap, not a sort: a handful of squares are usually looked at.
    auto later = [](const Candidate& a, const Candidate& b) {
        if (a.Bound != b.Bound) return a.Bound < b.Bound;
        if (a.Distance != b.Distance) return a.Distance > b.Distance;
        return a.Square > b.Square;
    };
    std::make_heap(order.begin(), order.end(), later);
    Spot best;
    int bestSquare = -1;
    while (!order.empty()) {
        std::pop_heap(order.begin(), order.end(), later);
        const Candidate c = order.back();
        order.pop_back();
        if (bestSquare >= 0 && best.Large &&
            (c.Bound < best.Level || (c.Bound == best.Level && c.Distance > best.Distance)))
            break;
        const Spot s = Evaluate(f, surface, boxes, hills, c.Square);
        if (!s.Inside || !s.Walkable || !s.Fits) continue;
        if (bestSquare < 0 || Better(s, c.Square, best, bestSquare)) best = s, bestSquare = c.Square;
    }
    if (bestSquare >= 0)
        take(best, bestSquare);
    else
        out.Problem = std::string("No square has room for the player: it needs ") +
                      (hills ? "ground no steeper than about 45 degrees and " : "") + "56 units of room " +
                      room + ".";
    return out;
}

float SquareRoom(const HeightField& f, const SurfaceIndex& surface, const BoxLayout& boxes, int position,
                 int square) {
    const int perRow = f.SquaresPerRow();
    const int c = square % perRow, r = square / perRow;
    const auto s = surface.Over(f.X(c), f.Z(r), f.X(c + 1), f.Z(r + 1));
    const double room = position == 0 ? boxes.RoofBottom - s.High : s.Low - boxes.FloorTop;
    return static_cast<float>(room);
}

}  // namespace vh
