// The boxes around a terrain: the documented sky box, or a sealing box that
// closes the map on every side with the fewest brushes.
#pragma once

#include <limits>
#include <vector>

#include "export/compile_options.h"
#include "export/height_field.h"

namespace vh {

// Sky: every face in the sky texture. Side: the side texture. Floor: the
// upper face in the top texture (it is walked on), the rest in the side one.
enum class BoxRole : uint8_t { Sky, Side, Floor };

// An axis-aligned box in file coordinates (x, z of the grid, then height).
struct MapBox {
    float XMin, XMax, YMin, YMax, ZMin, ZMax;
    BoxRole Role;
};

struct BoxLayout {
    std::vector<MapBox> Boxes;
    // The open space the player may use: under RoofBottom above a hill
    // terrain, over FloorTop under a cave terrain (infinite where nothing
    // closes it).
    float RoofBottom = std::numeric_limits<float>::infinity();
    float FloorTop = -std::numeric_limits<float>::infinity();
    bool Sealed = false;  // closed on every side: no leak
};

// Without Seal: the documented five sky brushes when the sky is on. With Seal:
// four walls and a roof at least Headroom above the highest point over hills,
// four walls and a floor at least Headroom below the lowest point under caves,
// in the sky texture (the side texture with the sky off); detail terrain does
// not seal, so the box then also gets the side the terrain closed.
BoxLayout LayoutBoxes(const TerrainExport& t, const TerrainLevels& lv, const CompileOptions& o);

}  // namespace vh
