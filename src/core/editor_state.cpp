#include "core/editor_state.h"

#include <utility>

namespace vh {

EditorTextures DefaultEditorTextures(const std::string& assets) {
    return {assets + "/sky/top.bmp",   assets + "/sky/bottom.bmp", assets + "/sky/right.bmp",
            assets + "/sky/left.bmp",  assets + "/sky/front.bmp",  assets + "/sky/back.bmp",
            assets + "/tex/ground.jpg"};
}

void SetDefaults(EditorState& s, const std::string& programFolder) {
    SetDefaults(s, PortablePaths(programFolder));
}

void SetDefaults(EditorState& s, const AppPaths& paths) {
    // The terrain, the window and the services stay; the settings and the
    // session start over.
    s.View = {};
    s.NewMap = {};
    s.Tools = {};
    s.Export = {};
    s.Camera = {};
    s.Brushes = {};
    s.Textures = DefaultEditorTextures(paths.AssetsFolder);
    s.Paths = paths;
    s.LogPath = paths.LogFile;
    s.Doc.DocClean = true;
    s.History.UndoLevels = 0;
    s.History.RedoAvailable = false;
    s.Pose = {};
    s.Stroke.PickedSquare = 0;
    s.CurrentTool = Tool::RaiseLower;
}

void MarkDocumentChanged(EditorState& s) {
    s.Doc.DocClean = false;
}

HeightEdit EditHeights(EditorState& s) {
    return HeightEdit(s.Terrain, s.Tools.IgnoreLocked, s.Observers);
}

void ReplaceTerrain(EditorState& s, Terrain t) {
    s.Terrain = std::move(t);
    KeepHeightsFinite(s.Terrain);
    s.History.Resize(s.Terrain.PointCount);
    s.Observers.TerrainReplaced();
}

int* RadiusField(ToolSettings& t, Tool tool) {
    switch (tool) {
        case Tool::RaiseLower:
            return &t.RaiseLowerRadius;
        case Tool::Smooth:
            return &t.SmoothRadius;
        case Tool::Noise:
            return &t.NoiseRadius;
        case Tool::Flatten:
            return &t.FlattenRadius;
        default:
            return nullptr;
    }
}

void SetCurrentTool(EditorState& s, Tool tool) {
    if (tool == Tool::None) return;
    s.CurrentTool = tool;
    const int* radius = RadiusField(s.Tools, tool);
    if (!radius) return;
    if (tool != Tool::Flatten)
        s.Tools.RadiusChoice = *radius == 1 ? 1 : 2;  // anything but Small shows as Large
    else if (*radius >= 1 && *radius <= 4)
        s.Tools.RadiusChoice = *radius;
}

}  // namespace vh
