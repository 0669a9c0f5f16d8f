// A plain-text summary of a loaded document, for the command-line front end.
#pragma once

#include <string>

#include "core/document.h"

namespace vh {

// Counts, grid size, spacing, height range, locked points, export settings,
// brush textures and the seven editor texture paths, one "Name: value" per
// line, for the document at path with terrain t (consistent, as a document
// loads) and the settings d.
std::string DescribeDocument(const std::string& path, const Terrain& t, const DocumentSettings& d);

}  // namespace vh
