#include "tools/brush_tool.h"

#include <initializer_list>
#include <utility>

#include "tools/flatten.h"
#include "tools/mountain.h"
#include "tools/noise.h"
#include "tools/raise_lower.h"
#include "tools/smooth.h"
#include "tools/tool_common.h"
#include "tools/touch_up.h"

namespace vh {

namespace {

std::vector<int> Neighbours(const Terrain& t, int square, std::initializer_list<Dir> dirs) {
    std::vector<int> out;
    for (Dir d : dirs)
        if (const int k = t.Neighbour(square, d)) out.push_back(k);
    return out;
}

// The eight neighbours in the order the highlight draws them.
std::vector<int> AllNeighbours(const Terrain& t, int square) {
    return Neighbours(t, square,
                      {Dir::Next, Dir::Prev, Dir::Left, Dir::Right, Dir::NextLeft, Dir::NextRight,
                       Dir::PrevLeft, Dir::PrevRight});
}

Footprint Outlining(std::vector<int> squares) {
    Footprint f;
    f.Outlined = std::move(squares);
    return f;
}

}  // namespace

void RaiseLowerBrush::Apply(EditorState& s, const InputState&) {
    RaiseLowerTool(s);
}

Footprint RaiseLowerBrush::FootprintAt(const Terrain& t, const ToolSettings& tools, int square) const {
    if (tools.RaiseLowerRadius != 2) return {};
    // Of two diagonal neighbours only the far corner moves; two others
    // show whole, as they always have.
    return {
        Neighbours(t, square, {Dir::Next, Dir::Prev, Dir::Left, Dir::Right, Dir::NextLeft, Dir::PrevRight}),
        Neighbours(t, square, {Dir::NextRight, Dir::PrevLeft}), 0};
}

void MountainBrush::Apply(EditorState& s, const InputState&) {
    MountVallTool(s, *this);
}

// The dome reaches squares by distance; the highlight shows none of them.
Footprint MountainBrush::FootprintAt(const Terrain&, const ToolSettings&, int) const {
    return {};
}

Footprint RingBrush::FootprintAt(const Terrain& t, const ToolSettings& tools, int square) const {
    if (tools.*radius_ != 2) return {};
    return Outlining(AllNeighbours(t, square));
}

void SmoothBrush::Apply(EditorState& s, const InputState&) {
    SmoothTool(s, *this);
}

void NoiseBrush::Apply(EditorState& s, const InputState&) {
    NoiseTool(s, *this);
}

void FlattenBrush::Apply(EditorState& s, const InputState&) {
    FlattenTool(s);
}

Footprint FlattenBrush::FootprintAt(const Terrain& t, const ToolSettings& tools, int square) const {
    switch (tools.FlattenRadius) {
        case 2:
            return Outlining(AllNeighbours(t, square));
        case 3:
            return Outlining(Neighbours(t, square, {Dir::Next, Dir::Prev}));
        case 4:
            return Outlining(Neighbours(t, square, {Dir::Left, Dir::Right}));
        default:
            return {};
    }
}

void TouchUpBrush::Apply(EditorState& s, const InputState& in) {
    TouchUpTool(s, *this, in);
}

Footprint TouchUpBrush::FootprintAt(const Terrain& t, const ToolSettings&, int square) const {
    Footprint f;
    f.Corner = TouchUpCornerOf(t, square, TouchUpCorner);
    return f;
}

const BrushTool* ToolBox::Of(Tool tool) const {
    switch (tool) {
        case Tool::RaiseLower:
            return &RaiseLower;
        case Tool::Mountain:
            return &Mountain;
        case Tool::Smooth:
            return &Smooth;
        case Tool::Noise:
            return &Noise;
        case Tool::Flatten:
            return &Flatten;
        case Tool::TouchUp:
            return &TouchUp;
        default:
            return nullptr;
    }
}

BrushTool* ToolBox::Of(Tool tool) {
    return const_cast<BrushTool*>(std::as_const(*this).Of(tool));
}

}  // namespace vh
