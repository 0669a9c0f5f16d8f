// How the 3D view draws: the render mode and the View menu's switches. These
// fields are the settings themselves: the View menu shows them as check
// marks, the settings file keeps them, the renderer and overlay read them.
#pragma once

namespace vh {

enum class RenderMode { Solid, SolidWire, Wireframe, Points };

struct ViewOptions {
    RenderMode Mode = RenderMode::Solid;
    bool Fps = true;                // "cmdFPS"
    bool Sky = true;                // "cmdSky"
    bool MipMap = true;             // "cmdMip"
    bool Highlight = true;          // "cmdHighlight": outline the picked square
    bool HighlightEffected = true;  // "cmdHighlightEffected": and the squares the tool changes
    bool ShowLocked = true;         // "cmdShowLocked": cubes on locked points
    bool PointInfo = false;         // "cmdPointInfo": their coordinates
    bool Info = true;               // "cmdInfo": the info panel
    bool Walkability = false;       // tint by where the player can walk, mark step edges

    // The sky shows only behind the solid modes.
    bool SkyShown() const { return Sky && (Mode == RenderMode::Solid || Mode == RenderMode::SolidWire); }
};

}  // namespace vh
