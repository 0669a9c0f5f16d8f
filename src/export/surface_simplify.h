// Simplification within a tolerance: fewer, larger triangles whose surface
// stays within the tolerance (measured vertically) of the exact exported
// surface everywhere, with the outline and every locked point kept exact.
#pragma once

#include <cstddef>
#include <memory>

#include "export/surface_mesh.h"

namespace vh {

// Greedy vertex removal by half-edge collapse, cheapest first: a grid point
// goes into its nearest neighbour when the triangles that replace its fan
// stay within `tolerance` units of the exact surface (SurfaceDeviation
// measures where the difference can peak). Where they do not, the neighbour
// may move up or down to the middle of the heights that keep every triangle
// around it within the tolerance, on multiples of `step` (whole units at
// least; the height grid, so that moved points land where a designer could
// have put them): a kept point stands where the coarser surface fits best,
// not where the terrain happens to be there. Locked and outline points never
// move. No new triangle is a sliver. After each removal, edges flip
// towards a Delaunay triangulation where the new pair stays within the
// tolerance too: fat triangles cross fewer exact edges and leave more points
// removable. An outline point goes only where the outline runs straight
// through it. Tolerance <= 0 gives SplitSurface and the terrain's heights.
WrittenSurface SimplifySurface(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance,
                               float step);

// The same simplification a little at a time, for callers that must keep
// drawing frames or answering keys meanwhile: Advance() until it says it is
// done, then Take(). However it is sliced, the result is SimplifySurface's.
class SurfaceSimplification {
public:
    SurfaceSimplification(const HeightField& f, const std::vector<SquareSplit>& splits, float tolerance,
                          float step);
    ~SurfaceSimplification();
    SurfaceSimplification(SurfaceSimplification&&) noexcept;
    SurfaceSimplification& operator=(SurfaceSimplification&&) noexcept;

    // At most `work` steps (a point considered or a queued collapse looked
    // at); true once the surface is finished.
    bool Advance(size_t work);
    // The finished surface, once.
    WrittenSurface Take();

private:
    struct Job;
    std::unique_ptr<Job> job_;
};

}  // namespace vh
