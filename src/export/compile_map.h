// The compile-ready .MAP text of a plan: worldspawn with its keys and the
// structural brushes, the terrain in a func_detail entity when asked, and the
// player's start. Lines and numbers are written as the documented export
// writes them.
#pragma once

#include "core/progress.h"
#include "core/save_file.h"
#include "export/compile_options.h"
#include "export/map_plan.h"

namespace vh {

// Writes everything into file (not committed); returns the number of brushes.
size_t WriteCompileMap(const TerrainExport& t, const MapPlan& plan, const CompileOptions& o, SaveFile& file,
                       Progress& progress);

}  // namespace vh
