// Simplified surfaces remembered. The compile budget is counted again each
// time an export option changes, and most options (sealing, spawn point,
// light, detail, headroom) leave the simplified surface as it was; only the
// first count for a terrain and tolerance pays for the simplification.
#pragma once

#include <list>
#include <vector>

#include "export/height_field.h"
#include "export/surface_simplify.h"

namespace vh {

class SurfaceMemo {
public:
    explicit SurfaceMemo(size_t capacity = 4) : capacity_(capacity) {}

    // SimplifySurface(f, splits, tolerance, step), merged with MergeCoplanar
    // when `merge`: remembered for the same grid, heights, locks and splits.
    WrittenSurface Simplified(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance,
                              float step, bool merge);

    // How many surfaces were worked out rather than remembered.
    size_t Computations() const;

    // Lets every surface go: the next asks work them out again.
    void Forget();

private:
    struct Entry {
        HeightField Field;  // the parts a surface depends on: size, heights and locks
        std::vector<SquareSplit> Splits;
        float Tolerance = 0, Step = 1;
        bool Merge = false;
        WrittenSurface Surface;
    };

    size_t capacity_;
    std::list<Entry> entries_;  // the latest first
    size_t computations_ = 0;
};

// The one PlanSurface uses: remembered across budgets and exports.
SurfaceMemo& SharedSurfaceMemo();

}  // namespace vh
