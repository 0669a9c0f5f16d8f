#include "export/surface_memo.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "export/surface_merge.h"

namespace vh {

namespace {

// Compared bit for bit: a height that only compares equal (0 and -0) counts
// as a change, which costs a simplification and never a wrong surface.
template <class T>
bool SameBytes(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

}  // namespace

struct SurfaceMemo::Pending {
    Key For;
    SurfaceSimplification Work;
};

bool SurfaceMemo::Key::Matches(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance,
                               float step, bool merge) const {
    return Tolerance == tolerance && Step == step && Merge == merge && Columns == f.Columns &&
           Rows == f.Rows && SameBytes(Heights, f.Heights) && SameBytes(Locked, f.Locked) &&
           SameBytes(Splits, splits);
}

// At least the latest: Simplified() answers from it.
SurfaceMemo::SurfaceMemo(size_t capacity) : capacity_(std::max<size_t>(capacity, 1)) {}
SurfaceMemo::~SurfaceMemo() = default;

const WrittenSurface* SurfaceMemo::Find(const HeightField& f, const std::vector<SquareSplit>& splits,
                                        float tolerance, float step, bool merge) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (it->For.Matches(f, splits, tolerance, step, merge)) {
            entries_.splice(entries_.begin(), entries_, it);
            return &it->Surface;
        }
    return nullptr;
}

void SurfaceMemo::Keep(Key key, WrittenSurface simple) {
    ++computations_;
    if (key.Merge) simple.Polygons = MergeCoplanar(simple.Field, simple.Polygons);
    entries_.push_front({std::move(key), std::move(simple)});
    if (entries_.size() > capacity_) entries_.pop_back();
}

WrittenSurface SurfaceMemo::Simplified(const HeightField& f, const std::vector<SquareSplit>& splits,
                                       float tolerance, float step, bool merge) {
    // All at once: finishes a half-done surface rather than starting again.
    Prepare(f, splits, tolerance, step, merge, SIZE_MAX);
    return entries_.front().Surface;
}

bool SurfaceMemo::Prepare(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance,
                          float step, bool merge, size_t work) {
    if (Find(f, splits, tolerance, step, merge)) return true;
    if (!pending_ || !pending_->For.Matches(f, splits, tolerance, step, merge))
        pending_ = std::make_unique<Pending>(
            Pending{{f.Columns, f.Rows, f.Heights, f.Locked, splits, tolerance, step, merge},
                    SurfaceSimplification(f, splits, tolerance, step)});
    if (!pending_->Work.Advance(work)) return false;
    const std::unique_ptr<Pending> done = std::move(pending_);
    Keep(std::move(done->For), done->Work.Take());
    return true;
}

size_t SurfaceMemo::Computations() const {
    return computations_;
}

void SurfaceMemo::Forget() {
    entries_.clear();
    pending_.reset();
}

SurfaceMemo& SharedSurfaceMemo() {
    static SurfaceMemo memo;
    return memo;
}

}  // namespace vh
