// Quake .MAP export: one worldspawn entity whose brushes are the terrain,
// with optional hint brushes and a five-brush sky box.
#pragma once

#include <string>

#include "core/editor_state.h"
#include "core/progress.h"
#include "export/compile_options.h"
#include "export/spawn.h"
#include "export/square_split.h"

namespace vh {

// Writes the whole .MAP file for the terrain t with the export settings x and
// the brush textures b; the floor, ceiling and sky box are `grid` thick. The
// random source is re-seeded once and draws one value per square for the
// "Random" style. Progress gets "Exporting Brushes...", "Exporting Hint
// Brushes..." and "No Selection.", maximum SquareCount and the index of each
// square written. The file is written atomically: on failure (false, message
// in *error) an existing file at path is left as it was.
bool ExportMap(const Terrain& t, const ExportSettings& x, const BrushTextures& b, int grid, RandomSource& rnd,
               const std::string& path, Progress& progress, std::string* error);

struct ExportSummary {
    size_t Brushes = 0;              // every brush written
    size_t ExactTerrainBrushes = 0;  // terrain brushes without the lean options
    size_t TerrainBrushes = 0;       // terrain brushes written
    SpawnPlacement Spawn;
};

// The same for the editor's terrain and settings with the map's own choices
// (CompileOptionsOf), with the main loop stopped for the duration and resumed
// at the end (the caller restarts its loop tick when LoopRunning is true
// afterwards), and a log line after a written file.
bool ExportMap(EditorState& s, const std::string& path, Progress& progress, std::string* error,
               ExportSummary* summary = nullptr);

// "Exported 8,114 brushes to x.map": the status line after an export.
std::string ExportedText(const ExportSummary& done, const std::string& path);

// Both the same with compile-ready options; with every option off they write
// exactly the documented file. A map the player could not start in (no room
// for the spawn point) is not written: false with the reason in *error.
bool ExportMap(const Terrain& t, const ExportSettings& x, const BrushTextures& b, int grid, RandomSource& rnd,
               const CompileOptions& options, const std::string& path, Progress& progress, std::string* error,
               ExportSummary* summary = nullptr);
bool ExportMap(EditorState& s, const std::string& path, const CompileOptions& options, Progress& progress,
               std::string* error, ExportSummary* summary = nullptr);

// Floor and ceiling levels of the export: L = min(4096, lowest height) - Grid,
// H = max(-4096, highest height) + Grid, in 32-bit float arithmetic.
struct MapLevels {
    float Low = 0, High = 0;
};
MapLevels ComputeMapLevels(const Terrain& t, int grid);

}  // namespace vh
