#include "tools/brush_tool.h"

#include <initializer_list>
#include <iterator>
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

class RaiseLower final : public BrushTool {
public:
    void Apply(EditorState& s, const InputState&) const override { RaiseLowerTool(s); }
    Footprint FootprintAt(const Terrain& t, const ToolSettings& tools, const StrokeState&,
                          int square) const override {
        if (tools.RaiseLowerRadius != 2) return {};
        // Of two diagonal neighbours only the far corner moves; two others
        // show whole, as they always have.
        return {Neighbours(t, square,
                           {Dir::Next, Dir::Prev, Dir::Left, Dir::Right, Dir::NextLeft, Dir::PrevRight}),
                Neighbours(t, square, {Dir::NextRight, Dir::PrevLeft}), 0};
    }
};

class Mountain final : public BrushTool {
public:
    void Apply(EditorState& s, const InputState&) const override { MountVallTool(s); }
    // The dome reaches squares by distance; the highlight shows none of them.
    Footprint FootprintAt(const Terrain&, const ToolSettings&, const StrokeState&, int) const override {
        return {};
    }
};

// Smooth and noise: the square's corners, and the whole ring with the Large radius.
class RingTool final : public BrushTool {
public:
    RingTool(void (*pass)(EditorState&), int ToolSettings::*radius) : pass_(pass), radius_(radius) {}
    void Apply(EditorState& s, const InputState&) const override { pass_(s); }
    Footprint FootprintAt(const Terrain& t, const ToolSettings& tools, const StrokeState&,
                          int square) const override {
        if (tools.*radius_ != 2) return {};
        return Outlining(AllNeighbours(t, square));
    }

private:
    void (*pass_)(EditorState&);
    int ToolSettings::*radius_;
};

class Flatten final : public BrushTool {
public:
    void Apply(EditorState& s, const InputState&) const override { FlattenTool(s); }
    Footprint FootprintAt(const Terrain& t, const ToolSettings& tools, const StrokeState&,
                          int square) const override {
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
};

class TouchUp final : public BrushTool {
public:
    void Apply(EditorState& s, const InputState& in) const override { TouchUpTool(s, in); }
    Footprint FootprintAt(const Terrain& t, const ToolSettings&, const StrokeState& stroke,
                          int square) const override {
        Footprint f;
        f.Corner = TouchUpCornerOf(t, square, stroke.TouchUpCorner);
        return f;
    }
};

}  // namespace

const BrushTool* BrushToolOf(Tool tool) {
    static const RaiseLower raiseLower;
    static const Mountain mountain;
    static const RingTool smooth(SmoothTool, &ToolSettings::SmoothRadius);
    static const RingTool noise(NoiseTool, &ToolSettings::NoiseRadius);
    static const Flatten flatten;
    static const TouchUp touchUp;
    // In the order of Tool, None first.
    static const BrushTool* const byTool[] = {nullptr, &raiseLower, &mountain, &smooth,
                                              &noise,  &flatten,    &touchUp};
    const auto i = static_cast<size_t>(tool);
    return i < std::size(byTool) ? byTool[i] : nullptr;
}

}  // namespace vh
