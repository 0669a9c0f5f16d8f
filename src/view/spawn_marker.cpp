#include "view/spawn_marker.h"

#include <algorithm>

namespace vh::view {

void DrawPlayerPost(OverlayScene& o, float x, float y, float z) {
    constexpr float half = 16, height = 56;  // the player's hull
    const Vec3f corner[4] = {
        {x - half, y, z - half}, {x + half, y, z - half}, {x + half, y, z + half}, {x - half, y, z + half}};
    for (int i = 0; i < 4; ++i) o.Lines.push_back({corner[i], corner[(i + 1) % 4], kYellow});
    o.Lines.push_back({{x, y, z}, {x, y + height, z}, kYellow});
    o.Lines.push_back({{x - half, y + height, z}, {x + half, y + height, z}, kYellow});
    o.Lines.push_back({{x, y + height, z - half}, {x, y + height, z + half}, kYellow});
}

void DrawSpawnMarker(OverlayScene& o, const EditorState& s) {
    const Terrain& t = s.Terrain;
    const int k = s.Choices.SpawnSquare;
    if (!t.IsSquare(k)) return;
    const SquareCorners q = t.Corners(k);
    float x = 0, z = 0, y = -3.4e38f;
    for (int p : {q.c0, q.c1, q.c2, q.c3}) {
        if (!t.IsPoint(p)) return;
        x += t.Points[p].X / 4;
        z += t.Points[p].Z / 4;
        y = std::max(y, t.Points[p].Height);
    }
    DrawPlayerPost(o, x, y, z);
}

}  // namespace vh::view
