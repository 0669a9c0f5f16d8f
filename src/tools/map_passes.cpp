#include "tools/map_passes.h"

#include "core/rules.h"
#include "core/undo.h"
#include "tools/noise.h"
#include "tools/smooth.h"
#include "tools/tool_common.h"

namespace vh {

namespace {

bool HasTerrain(const EditorState& s) {
    return s.Terrain.PointCount >= 1 && static_cast<int>(s.Terrain.Points.size()) > s.Terrain.PointCount;
}

}  // namespace

void SmoothingPass(EditorState& s) {
    if (!HasTerrain(s)) return;
    PushUndo(s);
    // In place, in index order: each average already sees the points smoothed before it.
    HeightEdit edit = EditHeights(s);
    const int n = s.Terrain.PointCount;
    for (int i = 1; i <= n; ++i) SmoothPointJump(edit, s.Tools, i);
    MarkDocumentChanged(s);
    edit.Commit();
}

void NoisePass(EditorState& s) {
    if (!HasTerrain(s)) return;
    PushUndo(s);
    HeightEdit edit = EditHeights(s);
    const int n = s.Terrain.PointCount;
    for (int i = 1; i <= n; ++i) NoisePoint(edit, s.Tools, s.Rnd, i);
    MarkDocumentChanged(s);
    edit.Commit();
}

void ScalingPass(EditorState& s) {
    if (!HasTerrain(s)) return;
    const float f = s.Tools.ScalePassFactor;
    if (f == 1.0f || f == 0.0f) return;
    PushUndo(s);
    HeightEdit edit = EditHeights(s);
    const int n = s.Terrain.PointCount;
    for (int i = 1; i <= n; ++i) edit.Set(i, SnapToGrid(f * edit.Height(i), s.Tools.Grid));
    MarkDocumentChanged(s);
    edit.Commit();
}

}  // namespace vh
