#include "view/compile_markers.h"

#include <algorithm>

#include "export/map_plan.h"
#include "export/terrain_from_state.h"
#include "view/spawn_marker.h"

namespace vh::view {

CompileMarks ComputeCompileMarks(const EditorState& s) {
    CompileMarks m;
    if (!s.Choices.CompileReady) return m;
    // "Random" splits draw from a copy so that looking does not change the map.
    RandomSource rnd = s.Rnd;
    TerrainExport t;
    std::string why;
    if (!TerrainExportFromState(s, rnd, &t, &why) || (t.Position != 0 && t.Position != 1)) return m;
    const CompileOptions o = CompileOptionsOf(s.Choices, s.Export);
    const WrittenSurface surface = PlanSurface(t, o);
    if (surface.Polygons.Size() == 0) return m;
    const HeightField& f = surface.Field;
    const BoxLayout boxes = LayoutBoxes(t, ComputeTerrainLevels(f, t.Grid), o);
    const SurfaceIndex index(f, surface.Polygons);

    if (o.Spawn == SpawnChoice::Auto) {
        const SpawnPlacement p = PlaceSpawn(f, index, boxes, t.Position, SpawnChoice::Auto, -1);
        // The export's origin is x, z on the grid and then height.
        if (p.Found) m.Spawn = true, m.SpawnFeet = {p.X, p.Z - kPlayerBelow, p.Y};
    }
    for (int q = 0; q < f.Squares(); ++q)
        if (SquareRoom(f, index, boxes, t.Position, q) < kPlayerBelow + kPlayerAbove)
            m.LowSquares.push_back(q + 1);
    return m;
}

bool CompileMarkCache::Same(const EditorState& s) const {
    const ExportSettings& a = s.Export;
    const ExportSettings& b = export_;
    if (!valid_ || s.Choices != choices_ || s.Terrain.PointsPerRow != perRow_ || s.Tools.Grid != grid_ ||
        a.ExportType != b.ExportType || a.ExportPosition != b.ExportPosition || a.AddHint != b.AddHint ||
        a.AddSky != b.AddSky || a.Headroom != b.Headroom)
        return false;
    // Off, the marks are empty whatever the heights.
    if (!s.Choices.CompileReady) return true;
    return std::equal(points_.begin(), points_.end(), s.Terrain.Points.begin(), s.Terrain.Points.end(),
                      [](const TerrainPoint& p, const TerrainPoint& q) {
                          return p.X == q.X && p.Z == q.Z && p.Height == q.Height && p.Locked == q.Locked;
                      });
}

const CompileMarks& CompileMarkCache::Marks(const EditorState& s) {
    // Mid-stroke the heights change every frame: keep the last marks until
    // the button is released rather than halving the frame rate (and skip
    // comparing every point while at it).
    if ((valid_ && s.Stroke.ToolActive && s.Choices == choices_) || Same(s)) return marks_;
    if (s.Choices.CompileReady) {
        // Once the last slice is done, the marks come a frame later: one
        // frame need not carry both.
        const bool ready = PrepareBudget(s, s.Export, s.Choices, slice_);
        const bool sliced = preparing_;
        preparing_ = !ready;
        if (!ready || sliced) return marks_;
    }
    valid_ = true;
    ++computations_;
    points_ = s.Terrain.Points;
    perRow_ = s.Terrain.PointsPerRow;
    grid_ = s.Tools.Grid;
    choices_ = s.Choices;
    export_ = s.Export;
    marks_ = ComputeCompileMarks(s);
    return marks_;
}

void DrawCompileMarkers(OverlayScene& o, const EditorState& s, CompileMarkCache& cache) {
    if (!s.Choices.CompileReady) return;
    const CompileMarks& m = cache.Marks(s);
    const Terrain& t = s.Terrain;
    for (int k : m.LowSquares) {
        if (!t.IsSquare(k)) continue;
        const SquareCorners q = t.Corners(k);
        if (!t.IsPoint(q.c0) || !t.IsPoint(q.c1) || !t.IsPoint(q.c2) || !t.IsPoint(q.c3)) continue;
        auto at = [&](int p) { return Vec3f{t.Points[p].X, t.Points[p].Height, t.Points[p].Z}; };
        o.Lines.push_back({at(q.c0), at(q.c3), kLowRoofRed});
        o.Lines.push_back({at(q.c1), at(q.c2), kLowRoofRed});
    }
    if (m.Spawn && s.Choices.SpawnSquare == 0) DrawPlayerPost(o, m.SpawnFeet.x, m.SpawnFeet.y, m.SpawnFeet.z);
}

}  // namespace vh::view
