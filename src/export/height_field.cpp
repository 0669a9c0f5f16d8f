#include "export/height_field.h"

namespace vh {

TerrainLevels ComputeTerrainLevels(const HeightField& f, float grid) {
    TerrainLevels lv;
    float lowest = 4096.0f, highest = -4096.0f;
    lv.Lowest = lv.Highest = f.Heights.empty() ? 0.0f : f.Heights[0];
    for (float h : f.Heights) {
        if (h < lowest) lowest = h;
        if (h > highest) highest = h;
        if (h < lv.Lowest) lv.Lowest = h;
        if (h > lv.Highest) lv.Highest = h;
    }
    lv.Low = lowest - grid;
    lv.High = highest + grid;
    return lv;
}

}  // namespace vh
