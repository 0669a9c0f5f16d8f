// A plain-text summary of a loaded document, for the command-line front end.
#pragma once

#include <string>

#include "core/editor_state.h"

namespace vh {

// Counts, grid size, spacing, height range, locked points, export settings,
// brush textures and the seven editor texture paths, one "Name: value" per
// line. s must hold a consistent terrain (as loaded by LoadDocumentInto).
std::string DescribeDocument(const EditorState& s);

}  // namespace vh
