// The one place where the map geometry reads the editor's records.
#pragma once

#include <chrono>
#include <string>

#include "core/editor_state.h"
#include "export/height_field.h"

namespace vh {

// Heights, locks, style splits ("Random" draws one value per square from rnd),
// position, hint, sky, grid and textures. False (with *why) when there is no
// terrain, its points are not evenly spaced or a height is not finite.
bool MakeTerrainExport(const Terrain& t, const ExportSettings& x, const BrushTextures& b, int grid,
                       RandomSource& rnd, TerrainExport* out, std::string* why);

// The same from the editor's state.
inline bool TerrainExportFromState(const EditorState& s, RandomSource& rnd, TerrainExport* out,
                                   std::string* why) {
    return MakeTerrainExport(s.Terrain, s.Export, s.Brushes, s.Tools.Grid, rnd, out, why);
}

// The compile budget of the editor's terrain exported with the settings x
// and the choices c (perhaps not yet the editor's own: a dialog's working
// copy), as DescribeBudget's lines without the last break, or why there is nothing to count. The
// "Random" style draws from a copy of the editor's random source.
std::string BudgetText(const EditorState& s, const ExportSettings& x, const MapChoices& c);

// Works towards that budget for about `slice`: true once BudgetText (and
// a plan or export with the same terrain, settings and choices) would not
// have to simplify the surface. At once where nothing is simplified or there
// is nothing to count; otherwise call again, a frame or a key later.
bool PrepareBudget(const EditorState& s, const ExportSettings& x, const MapChoices& c,
                   std::chrono::microseconds slice);

}  // namespace vh
