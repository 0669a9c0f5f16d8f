// Height-image export: one grey pixel per grid point, brighter for higher.
#pragma once

#include <cstdint>
#include <string>

#include "core/editor_state.h"

namespace vh {

// Grey of a height: height / 32 + 128 rounded half to even, clamped 0..255.
uint8_t HeightGrey(float height);

// Writes a 24-bit BMP, PointsPerRow pixels wide and one row of pixels per
// row of points tall, row 1 on the top line. Atomic: on failure (false,
// message in *error) an existing file is left whole.
bool ExportHeightImage(const Terrain& t, const std::string& path, std::string* error);

// The same for the editor's terrain; a written file is logged as
// "BMP EXPORT : BitMap Exporting " + path.
bool ExportHeightImage(const EditorState& s, const std::string& path, std::string* error);

}  // namespace vh
