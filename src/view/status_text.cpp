#include "view/status_text.h"

#include <cstdio>

#include "core/rules.h"
#include "core/walkability.h"
#include "tools/touch_up.h"
#include "view/overlay.h"

namespace vh::view {

namespace {

int Picked(const EditorState& s) {
    const Terrain& t = s.Terrain;
    const int k = s.Stroke.PickedSquare;
    return t.HasSquare(k) ? k : 0;
}

std::string Whole(double v) {
    return NumberText(static_cast<float>(RoundHalfEven(v)));
}

// "X Z H": the square's centre, or the touch-up corner with that tool.
std::string OriginText(const EditorState& s, const ToolBox& tools, int k) {
    if (s.CurrentTool == Tool::TouchUp) {
        const int p = TouchUpCornerOf(s.Terrain, k, tools.TouchUp.TouchUpCorner);
        if (p > 0) {
            const TerrainPoint& q = s.Terrain.Points[p];
            return Whole(q.X) + " " + Whole(q.Z) + " " + Whole(q.Height);
        }
    }
    const SquareCorners c = s.Terrain.Corners(k);
    double x = 0, z = 0, h = 0;
    for (int p : {c.c0, c.c1, c.c2, c.c3}) {
        x += s.Terrain.Points[p].X;
        z += s.Terrain.Points[p].Z;
        h += s.Terrain.Points[p].Height;
    }
    return Whole(x / 4) + " " + Whole(z / 4) + " " + Whole(h / 4);
}

std::string ToolLine(Tool t) {
    switch (t) {
        case Tool::RaiseLower:
            return "Tool: Raise\\Lower";
        case Tool::Mountain:
            return "Tool: Mountain\\Valley";
        case Tool::Smooth:
            return "Tool: Smooth";
        case Tool::Noise:
            return "Tool: Noise";
        case Tool::Flatten:
            return "Tool: Flatten";
        case Tool::TouchUp:
            return "Tool: Touch Up";
        default:
            return "Tool:";
    }
}

std::string RadiusLine(const EditorState& s, Tool t) {
    auto smallOrLarge = [](int r) { return std::string(r == 1 ? "Radius: Small" : "Radius: Large"); };
    switch (t) {
        case Tool::RaiseLower:
            return smallOrLarge(s.Tools.RaiseLowerRadius);
        case Tool::Smooth:
            return smallOrLarge(s.Tools.SmoothRadius);
        case Tool::Noise:
            return smallOrLarge(s.Tools.NoiseRadius);
        case Tool::Flatten:
            switch (s.Tools.FlattenRadius) {
                case 1:
                    return "Radius: Small";
                case 3:
                    return "Radius: X Axes Large";
                case 4:
                    return "Radius: Y Axes Large";
                default:
                    return "Radius: Large";
            }
        case Tool::Mountain:
            return "Radius: " + NumberText(s.Tools.MountVallRadius) + " Blocks";
        case Tool::TouchUp:
            return "Radius: N/A";
        default:
            return "Radius:";
    }
}

}  // namespace

std::string StatusLineText(const EditorState& s, const ToolBox& tools) {
    const int k = Picked(s);
    if (k == 0) return s.Doc.Notice.empty() ? "No Selection." : s.Doc.Notice;
    return "Block: " + NumberText(static_cast<float>(k)) + " Origin: " + OriginText(s, tools, k);
}

std::string SlopeText(const EditorState& s) {
    const int k = Picked(s);
    if (k == 0) return {};
    const SquareSlopes w = SquareWalkability(s.Terrain, k);
    const bool steep = w.Lower.Class == Walk::TooSteep || w.Upper.Class == Walk::TooSteep;
    char text[64];
    std::snprintf(text, sizeof text, "Slope: %.1f\u00b0 %.1f\u00b0 %s", w.Lower.Degrees, w.Upper.Degrees,
                  steep ? "too steep" : "walkable");
    return text;
}

std::array<std::string, 5> InfoOverlayLines(const EditorState& s, const ToolBox& tools) {
    const Tool t = s.CurrentTool;
    const int k = Picked(s);
    std::array<std::string, 5> lines;
    lines[0] = ToolLine(t);
    lines[1] = RadiusLine(s, t);
    if (k == 0) {
        lines[2] = "Block: No Selection.";
        lines[3] = "Origin: No Selection.";
    } else {
        lines[2] = "Block: " + NumberText(static_cast<float>(k));
        if (t == Tool::TouchUp)
            lines[2] +=
                " Point: " +
                NumberText(static_cast<float>(TouchUpCornerOf(s.Terrain, k, tools.TouchUp.TouchUpCorner)));
        lines[3] = "Origin: " + OriginText(s, tools, k);
    }
    lines[4] = "Grid: " + NumberText(s.Tools.Grid);
    return lines;
}

}  // namespace vh::view
