// Height-image export: one grey pixel per grid point, brighter for higher.
#pragma once

#include <cstdint>
#include <string>

#include "core/result.h"
#include "core/terrain.h"

namespace vh {

// Grey of a height: height / 32 + 128 rounded half to even, clamped 0..255.
uint8_t HeightGrey(float height);

// Writes a 24-bit BMP, PointsPerRow pixels wide and one row of pixels per
// row of points tall, row 1 on the top line. Atomic: on failure an existing
// file is left whole.
Status ExportHeightImage(const Terrain& t, const std::string& path);

}  // namespace vh
