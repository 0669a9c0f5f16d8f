#include "export/surface_memo.h"

#include <cstring>

#include "export/surface_merge.h"
#include "export/surface_simplify.h"

namespace vh {

namespace {

// Compared bit for bit: a height that only compares equal (0 and -0) counts
// as a change, which costs a simplification and never a wrong surface.
template <class T>
bool SameBytes(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

}  // namespace

WrittenSurface SurfaceMemo::Simplified(const HeightField& f, const std::vector<SquareSplit>& splits,
                                       float tolerance, float step, bool merge) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (it->Tolerance == tolerance && it->Step == step && it->Merge == merge &&
            it->Field.Columns == f.Columns && it->Field.Rows == f.Rows &&
            SameBytes(it->Field.Heights, f.Heights) && SameBytes(it->Field.Locked, f.Locked) &&
            SameBytes(it->Splits, splits)) {
            entries_.splice(entries_.begin(), entries_, it);
            return it->Surface;
        }
    ++computations_;
    WrittenSurface simple = SimplifySurface(f, splits, tolerance, step);
    if (merge) simple.Polygons = MergeCoplanar(simple.Field, simple.Polygons);
    Entry e;
    e.Field.Columns = f.Columns, e.Field.Rows = f.Rows;
    e.Field.Heights = f.Heights, e.Field.Locked = f.Locked;
    e.Splits = splits;
    e.Tolerance = tolerance, e.Step = step, e.Merge = merge;
    e.Surface = std::move(simple);
    entries_.push_front(std::move(e));
    if (entries_.size() > capacity_) entries_.pop_back();
    return entries_.front().Surface;
}

size_t SurfaceMemo::Computations() const {
    return computations_;
}

void SurfaceMemo::Forget() {
    entries_.clear();
}

SurfaceMemo& SharedSurfaceMemo() {
    static SurfaceMemo memo;
    return memo;
}

}  // namespace vh
