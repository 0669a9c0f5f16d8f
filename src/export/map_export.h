// Quake .MAP export: one worldspawn entity whose brushes are the terrain,
// with optional hint brushes and a five-brush sky box.
#pragma once

#include <string>

#include "core/progress.h"
#include "core/random.h"
#include "core/result.h"
#include "core/settings_records.h"
#include "core/terrain.h"

namespace vh {

// Writes the whole .MAP file for the terrain t with the export settings x and
// the brush textures b; the floor, ceiling and sky box are `grid` thick. The
// random source is re-seeded once and draws one value per square for the
// "Random" style. Progress gets "Exporting Brushes...", "Exporting Hint
// Brushes..." and "No Selection.", maximum SquareCount and the index of each
// square written. The file is written atomically: on failure (Invalid for a
// damaged terrain, Unwritable) an existing file at path is left as it was.
Status ExportMap(const Terrain& t, const ExportSettings& x, const BrushTextures& b, int grid,
                 RandomSource& rnd, const std::string& path, Progress& progress);

// Floor and ceiling levels of the export: L = min(4096, lowest height) - Grid,
// H = max(-4096, highest height) + Grid, in 32-bit float arithmetic.
struct MapLevels {
    float Low = 0, High = 0;
};
MapLevels ComputeMapLevels(const Terrain& t, int grid);

// The pair of triangles a square gets, or one quad for a plane under "Best Fit".
enum class SquareSplit { Backslash, Forward, Quad };

// "Best Fit": compares h0*h3 with h1*h2 (corner heights C0..C3).
SquareSplit BestFitSplit(float h0, float h1, float h2, float h3);

}  // namespace vh
