// Quake .MAP export: one worldspawn entity whose brushes are the terrain,
// with optional hint brushes and a five-brush sky box; or, with compile-ready
// options, a sealed map with a spawn point, light keys and fewer brushes.
#pragma once

#include <string>

#include "core/progress.h"
#include "core/random.h"
#include "core/result.h"
#include "core/settings_records.h"
#include "core/terrain.h"
#include "export/compile_options.h"
#include "export/spawn.h"
#include "export/square_split.h"

namespace vh {

struct ExportSummary {
    size_t Brushes = 0;              // every brush written
    size_t ExactTerrainBrushes = 0;  // terrain brushes without the lean options
    size_t TerrainBrushes = 0;       // terrain brushes written
    SpawnPlacement Spawn;
};

// Writes the whole .MAP file for the terrain t with the export settings x and
// the brush textures b; the floor, ceiling and sky box are `grid` thick. The
// random source is re-seeded once and draws one value per square for the
// "Random" style. Progress gets "Exporting Brushes...", "Exporting Hint
// Brushes..." and "No Selection.", maximum SquareCount and the index of each
// square written. The file is written atomically: on failure (Invalid for a
// damaged terrain or a map the player could not start in, Unwritable) an
// existing file at path is left as it was. With every option off it writes
// exactly the documented file.
Result<ExportSummary> ExportMap(const Terrain& t, const ExportSettings& x, const BrushTextures& b, int grid,
                                RandomSource& rnd, const CompileOptions& options, const std::string& path,
                                Progress& progress);

// The documented export.
Status ExportMap(const Terrain& t, const ExportSettings& x, const BrushTextures& b, int grid,
                 RandomSource& rnd, const std::string& path, Progress& progress);

// "Exported 8,114 brushes to x.map": the status line after an export.
std::string ExportedText(const ExportSummary& done, const std::string& path);

// Floor and ceiling levels of the export: L = min(4096, lowest height) - Grid,
// H = max(-4096, highest height) + Grid, in 32-bit float arithmetic.
struct MapLevels {
    float Low = 0, High = 0;
};
MapLevels ComputeMapLevels(const Terrain& t, int grid);

}  // namespace vh
