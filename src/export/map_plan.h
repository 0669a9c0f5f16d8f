// What a compile-ready export writes, worked out before writing: the terrain
// polygons after the lean options, the boxes around them and the spawn point.
// The budget counts it, the writer writes it and the view can show it.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "export/compile_options.h"
#include "export/height_field.h"
#include "export/seal.h"
#include "export/spawn.h"
#include "export/surface_caps.h"
#include "export/surface_mesh.h"

namespace vh {

struct MapPlan {
    TerrainLevels Levels;           // of the heights written
    PolygonMesh Surface;            // the terrain's surface polygons
    HeightField Field;              // the grid with the heights written
    BrushGroups Brushes;            // of those, one terrain brush per group
    std::optional<size_t> Creases;  // CountCreases() of the surface, when worked out on the way
    // Hint boxes, each over a rectangle of squares: one per square, or with
    // the lean options one per planar rectangle where the ground is flat or
    // evenly sloped (one hint per square there adds nodes and shows nothing).
    struct HintBox {
        int C, R, W, H;  // first square's column and row, squares across and up
    };
    std::vector<HintBox> Hints;  // empty without hint brushes
    size_t ExactBrushes = 0;     // terrain brushes without the lean options
    BoxLayout Boxes;
    SpawnPlacement Spawn;
    std::string Problem;  // why this map cannot be written; empty when it can
};

MapPlan PlanMap(const TerrainExport& t, const CompileOptions& o);

// The terrain surface alone (the lean options applied).
WrittenSurface PlanSurface(const TerrainExport& t, const CompileOptions& o);

// Works towards PlanSurface(t, o) for about `slice`, for callers that keep
// drawing frames or answering keys: true once PlanSurface would not have to
// simplify (at once where nothing is simplified). Call again to go on.
bool PrepareSurface(const TerrainExport& t, const CompileOptions& o, std::chrono::microseconds slice);

}  // namespace vh
