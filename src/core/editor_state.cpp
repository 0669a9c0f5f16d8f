#include "core/editor_state.h"

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
    s.Pose = {};
    s.Stroke.PickedSquare = 0;
}

void MarkDocumentChanged(EditorState& s) {
    s.Doc.DocClean = false;
}

void UpdateTerrainMesh(EditorState& s) {
    KeepHeightsFinite(s.Terrain);
    if (s.OnTerrainMeshUpdate) s.OnTerrainMeshUpdate();
}

Tool CurrentTool(const EditorState& s) {
    const CommandStates& c = s.Commands;
    if (c.cmdRaiseLower.Checked) return Tool::RaiseLower;
    if (c.cmdMountain.Checked) return Tool::Mountain;
    if (c.cmdSmooth.Checked) return Tool::Smooth;
    if (c.cmdNoise.Checked) return Tool::Noise;
    if (c.cmdFlatten.Checked) return Tool::Flatten;
    if (c.cmdTouchUp.Checked) return Tool::TouchUp;
    return Tool::None;
}

}  // namespace vh
