#include "export/map_plan.h"

#include "export/surface_memo.h"
#include "export/surface_merge.h"

namespace vh {

WrittenSurface PlanSurface(const TerrainExport& t, const CompileOptions& o) {
    if (t.Splits.empty()) return {{}, t.Field};
    if (o.Simplify > 0) return SharedSurfaceMemo().Simplified(t.Field, t.Splits, o.Simplify, t.Grid, o.Merge);
    return {o.Merge ? MergeGridSurface(t.Field, t.Splits) : SplitSurface(t.Field, t.Splits), t.Field};
}

bool PrepareSurface(const TerrainExport& t, const CompileOptions& o, std::chrono::microseconds slice) {
    if (t.Splits.empty() || !(o.Simplify > 0)) return true;
    // Steps of a few microseconds each: the clock is read every so many.
    constexpr size_t kStepsBetweenLooks = 256;
    const auto until = std::chrono::steady_clock::now() + slice;
    SurfaceMemo& memo = SharedSurfaceMemo();
    do {
        if (memo.Prepare(t.Field, t.Splits, o.Simplify, t.Grid, o.Merge, kStepsBetweenLooks)) return true;
    } while (std::chrono::steady_clock::now() < until);
    return false;
}

MapPlan PlanMap(const TerrainExport& t, const CompileOptions& o) {
    MapPlan plan;
    if (t.Position != 0 && t.Position != 1) {
        plan.Problem = "Choose Flatten Top or Flatten Bottom before exporting this way.";
        return plan;
    }
    WrittenSurface surface = PlanSurface(t, o);
    plan.Surface = std::move(surface.Polygons);
    plan.Field = std::move(surface.Field);
    const HeightField& f = plan.Field;
    plan.Levels = ComputeTerrainLevels(f, t.Grid);
    // Merging also gathers neighbours into one brush where the surface allows.
    if (o.Merge) {
        size_t creases = 0;
        plan.Brushes = GroupCaps(f, plan.Surface, t.Position == 0, &creases);
        plan.Creases = creases;
    } else {
        plan.Brushes = BrushGroups::Single(plan.Surface.Size());
    }
    if (t.Hint && !t.Splits.empty()) {
        if (o.Merge) {
            GridPieces(f, [&](const GridPiece& g) { plan.Hints.push_back({g.C, g.R, g.W, g.H}); });
        } else {
            const int perRow = f.SquaresPerRow();
            for (int q = 0; q < f.Squares(); ++q) plan.Hints.push_back({q % perRow, q / perRow, 1, 1});
        }
    }
    for (SquareSplit s : t.Splits) plan.ExactBrushes += s == SquareSplit::Quad ? 1 : 2;
    plan.Boxes = LayoutBoxes(t, plan.Levels, o);
    if (o.Spawn != SpawnChoice::None) {
        const SurfaceIndex index(f, plan.Surface);
        plan.Spawn = PlaceSpawn(f, index, plan.Boxes, t.Position, o.Spawn, o.SpawnSquare);
        if (!plan.Spawn.Found) plan.Problem = plan.Spawn.Problem;
    }
    return plan;
}

}  // namespace vh
