// Building small terrains for tests.
#pragma once

#include "core/editor_state.h"

namespace vhtest {

// A state with defaults, logging off, and an X x Y grid built (heights 0)
// after a reset, as a new terrain would be.
void MakeTerrain(vh::EditorState& s, int x, int y, int size = 256);

// The document of s written to path, as a file to open or compare; a
// failure is reported to the running test.
bool SaveDocument(const vh::EditorState& s, const std::string& path);

}  // namespace vhtest
