#include "export/seal.h"

#include <algorithm>

namespace vh {

BoxLayout LayoutBoxes(const TerrainExport& t, const TerrainLevels& lv, const CompileOptions& o) {
    BoxLayout out;
    const HeightField& f = t.Field;
    const float x0 = f.X(0), z0 = f.Z(0), xn = f.X(f.Columns - 1), zn = f.Z(f.Rows - 1);
    const bool hills = t.Position == 0;
    const bool structural = !o.Detail && !t.Splits.empty();

    // Walls from `bottom` to `top`; the low-x and high-x walls stand between
    // the two others, which reach over the corners (as the sky box always has).
    auto walls = [&](float g, float bottom, float top, BoxRole role) {
        out.Boxes.push_back({x0 - g, x0, z0, zn, bottom, top, role});
        out.Boxes.push_back({xn, xn + g, z0, zn, bottom, top, role});
        out.Boxes.push_back({x0 - g, xn + g, zn, zn + g, bottom, top, role});
        out.Boxes.push_back({x0 - g, xn + g, z0 - g, z0, bottom, top, role});
    };
    auto slab = [&](float g, float bottom, float top, BoxRole role) {
        out.Boxes.push_back({x0 - g, xn + g, z0 - g, zn + g, bottom, top, role});
    };

    if (!o.Seal) {
        if (t.Sky) {
            const float g = t.Grid;
            walls(g, lv.Low, lv.High, BoxRole::Sky);
            slab(g, lv.High, lv.High + g, BoxRole::Sky);
            if (hills) out.RoofBottom = lv.High;
            out.Sealed = hills && structural;
        }
        return out;
    }

    const float g = t.Grid >= 1 ? t.Grid : 16.0f;
    const BoxRole shell = t.Sky ? BoxRole::Sky : BoxRole::Side;
    const float room = std::max(o.Headroom, 0.0f);
    if (hills) {
        const float roof = std::max(lv.High, lv.Highest + room);
        walls(g, lv.Low, roof, shell);
        slab(g, roof, roof + g, shell);
        if (!structural) slab(g, lv.Low - g, lv.Low, BoxRole::Side);
        out.RoofBottom = roof;
    } else {
        const float floor = std::min(lv.Low, lv.Lowest - room);
        walls(g, floor, lv.High, shell);
        slab(g, floor - g, floor, BoxRole::Floor);
        if (!structural) slab(g, lv.High, lv.High + g, shell);
        out.FloorTop = floor;
    }
    out.Sealed = true;
    return out;
}

}  // namespace vh
