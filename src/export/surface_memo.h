// Simplified surfaces remembered. The compile budget is counted again each
// time an export option changes, and most options (sealing, spawn point,
// light, detail, headroom) leave the simplified surface as it was; only the
// first count for a terrain and tolerance pays for the simplification, and
// that may be spread over frames with Prepare().
#pragma once

#include <list>
#include <memory>
#include <vector>

#include "export/height_field.h"
#include "export/surface_simplify.h"

namespace vh {

class SurfaceMemo {
public:
    explicit SurfaceMemo(size_t capacity = 4);
    ~SurfaceMemo();

    // SimplifySurface(f, splits, tolerance, step), merged with MergeCoplanar
    // when `merge`: remembered for the same grid, heights, locks and splits.
    WrittenSurface Simplified(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance,
                              float step, bool merge);

    // Works towards that surface at most `work` steps at a time: true once
    // Simplified() would answer from memory. One surface is under way at a
    // time; asking for another lets the one half done go.
    bool Prepare(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance, float step,
                 bool merge, size_t work);

    // How many surfaces were worked out rather than remembered.
    size_t Computations() const;

    // Lets every surface go: the next asks work them out again.
    void Forget();

private:
    // What a surface depends on: size, heights, locks, splits and options.
    struct Key {
        int Columns = 0, Rows = 0;
        std::vector<float> Heights;
        std::vector<uint8_t> Locked;
        std::vector<SquareSplit> Splits;
        float Tolerance = 0, Step = 1;
        bool Merge = false;
        bool Matches(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance,
                     float step, bool merge) const;
    };
    struct Entry {
        Key For;
        WrittenSurface Surface;
    };
    struct Pending;

    // The surface remembered, moved to the front; or null.
    const WrittenSurface* Find(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance,
                               float step, bool merge);
    // Remembers a finished surface at the front, merged where the key asks.
    void Keep(Key key, WrittenSurface simple);

    size_t capacity_;
    std::list<Entry> entries_;  // the latest first
    std::unique_ptr<Pending> pending_;
    size_t computations_ = 0;
};

// The one PlanSurface uses: remembered across budgets and exports.
SurfaceMemo& SharedSurfaceMemo();

}  // namespace vh
