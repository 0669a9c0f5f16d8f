// Handlers of the "&View" menu (rows of the command table).
#pragma once

#include "ui/main_window_services.h"

namespace vh::ui {

// The render-mode items; arg is the RenderMode.
void ShowRenderMode(MainWindowServices& sv, int mode);

// The View menu's check items, each turning its ViewOptions switch over.
enum class ViewSwitch { Highlight, HighlightEffected, ShowLocked, PointInfo, Fps, Sky, MipMap, Info, Walkability };
void ToggleView(MainWindowServices& sv, int which);

// "&Reset Camera": back to the start point, lifted out of the ground.
void ResetCameraView(MainWindowServices& sv, int);
// "Frame &Terrain": the whole terrain in view from above at an angle.
void FrameTerrainView(MainWindowServices& sv, int);

// "&Cammera Options".
void CameraOptions(MainWindowServices& sv, int);
// "Specift Editor &Textures": after the dialog's "&Okey" the view reloads its
// ground texture and sky box (once a terrain exists).
void EditorTexturesOptions(MainWindowServices& sv, int);

}  // namespace vh::ui
