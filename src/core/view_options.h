// How the 3D view draws: the render mode and the View menu's switches.
// The View menu's check marks are these settings (the settings file saves
// them as such); ViewOptionsOf reads them, so the view asks one record
// instead of individual menu items.
#pragma once

#include "core/command_states.h"

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

    // The sky shows only behind the solid modes.
    bool SkyShown() const { return Sky && (Mode == RenderMode::Solid || Mode == RenderMode::SolidWire); }
};

// The first checked of Solid & WireFrame, WireFrame and Points gives the
// mode; none of them checked is Solid.
ViewOptions ViewOptionsOf(const CommandStates& c);

}  // namespace vh
