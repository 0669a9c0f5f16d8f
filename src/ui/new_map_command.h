// New Map's OK once the values have passed their checks: everything the
// command does to the editor around the generation itself.
#pragma once

#include "core/editor_state.h"
#include "core/progress.h"
#include "generate/pipeline.h"

namespace vh::ui {

// The random source re-seeded, the editor reset, the values made the New
// Map settings, the terrain generated, "Building Mesh..." and the view told
// of the new terrain, then the new unsaved document "newmap.vhm" with its
// caption and the log line "NEW MAP : New Map Started".
void RunNewMap(EditorState& s, const NewMapValues& v, Progress& progress);

}  // namespace vh::ui
