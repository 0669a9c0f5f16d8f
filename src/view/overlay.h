// What the overlay draws over the terrain, as plain data: outlines of the
// picked and effected squares, locked-point cubes and their coordinate texts.
// The renderer only turns this into GL lines and painted text.
#pragma once

#include <string>
#include <vector>

#include "core/editor_state.h"
#include "tools/brush_tool.h"

namespace vh::view {

struct Rgb {
    float r = 0, g = 0, b = 0;
};
constexpr Rgb kRed{1, 0, 0}, kGreen{0, 1, 0}, kBlue{0, 0, 1};

struct Line3 {
    Vec3f a, b;
    Rgb colour;
};

struct MarkerText {
    Vec3f at;  // world position; the renderer projects it
    std::string text;
    Rgb colour;
};

struct OverlayScene {
    std::vector<Line3> Lines;
    std::vector<MarkerText> Texts;
};

constexpr float kMarkerHalfSize = 15.0f;
constexpr float kPointInfoDistance = 2048.0f;

// Four edges and the C3-C0 diagonal; square 0 draws nothing.
void DrawSquareOutline(OverlayScene& o, const Terrain& t, int square, Rgb c);
// Twelve cube edges around the point, and its "x, z, height" text when
// withInfo, "Show Locked Point Info" is checked, and the point is near and
// in front of the camera.
void DrawPointMarker(OverlayScene& o, const EditorState& s, int point, Rgb c, bool withInfo);

// The point lies on the look-at side of the plane through the camera.
bool InFrontOfCamera(const CameraPose& pose, const Vec3f& p);
std::string PointInfoText(const TerrainPoint& p);

class CompileMarkCache;

// Locked-point markers, the spawn point, the compile-ready export's markers
// (kept in marks between frames) and the picked-square highlight, as the
// frame draws them with the current view switches.
OverlayScene BuildOverlay(const EditorState& s, const ToolBox& tools, CompileMarkCache& marks);

}  // namespace vh::view
