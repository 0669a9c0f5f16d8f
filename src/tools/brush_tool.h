// The six brush tools as objects. Each runs its pass on the picked square
// and answers what that pass touches around a square, which is what the
// highlight of the effected squares shows. A tool keeps what its stroke
// carries from pass to pass; an editor has its own set in a ToolBox.
#pragma once

#include <vector>

#include "core/editor_state.h"
#include "core/input_state.h"
#include "tools/mountain.h"
#include "tools/noise.h"
#include "tools/smooth.h"
#include "tools/touch_up.h"

namespace vh {

// Besides the square itself: neighbours outlined whole, neighbours of which
// only the C3-C0 diagonal shows, and the one point a tool moves on its own
// (0 for none). Neighbours beyond the border are left out.
struct Footprint {
    std::vector<int> Outlined;
    std::vector<int> DiagonalsOnly;
    int Corner = 0;
};

class BrushTool {
public:
    virtual ~BrushTool() = default;
    // One main-loop pass with the picked square.
    virtual void Apply(EditorState& s, const InputState& in) = 0;
    // What a pass on `square` touches with these settings and this tool's stroke.
    virtual Footprint FootprintAt(const Terrain& t, const ToolSettings& tools, int square) const = 0;
};

class RaiseLowerBrush final : public BrushTool {
public:
    void Apply(EditorState& s, const InputState& in) override;
    Footprint FootprintAt(const Terrain& t, const ToolSettings& tools, int square) const override;
};

class MountainBrush final : public BrushTool, public MountainStroke {
public:
    void Apply(EditorState& s, const InputState& in) override;
    Footprint FootprintAt(const Terrain& t, const ToolSettings& tools, int square) const override;
};

// Smooth and noise: the square's corners, and the whole ring with the Large radius.
class RingBrush : public BrushTool {
public:
    explicit RingBrush(int ToolSettings::*radius) : radius_(radius) {}
    Footprint FootprintAt(const Terrain& t, const ToolSettings& tools, int square) const override;

private:
    int ToolSettings::*radius_;
};

class SmoothBrush final : public RingBrush, public SmoothStroke {
public:
    SmoothBrush() : RingBrush(&ToolSettings::SmoothRadius) {}
    void Apply(EditorState& s, const InputState& in) override;
};

class NoiseBrush final : public RingBrush, public NoiseStroke {
public:
    NoiseBrush() : RingBrush(&ToolSettings::NoiseRadius) {}
    void Apply(EditorState& s, const InputState& in) override;
};

class FlattenBrush final : public BrushTool {
public:
    void Apply(EditorState& s, const InputState& in) override;
    Footprint FootprintAt(const Terrain& t, const ToolSettings& tools, int square) const override;
};

class TouchUpBrush final : public BrushTool, public TouchUpStroke {
public:
    void Apply(EditorState& s, const InputState& in) override;
    Footprint FootprintAt(const Terrain& t, const ToolSettings& tools, int square) const override;
};

// The six tools of one editor, with their strokes. They outlive New and Open.
struct ToolBox {
    RaiseLowerBrush RaiseLower;
    MountainBrush Mountain;
    SmoothBrush Smooth;
    NoiseBrush Noise;
    FlattenBrush Flatten;
    TouchUpBrush TouchUp;

    // The object of a tool; nullptr for Tool::None.
    BrushTool* Of(Tool tool);
    const BrushTool* Of(Tool tool) const;
};

}  // namespace vh
