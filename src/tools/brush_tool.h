// The six brush tools as objects. Each runs its pass on the picked square
// and answers what that pass touches around a square, which is what the
// highlight of the effected squares shows.
#pragma once

#include <vector>

#include "core/editor_state.h"
#include "core/input_state.h"

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
    virtual void Apply(EditorState& s, const InputState& in) const = 0;
    // What a pass on `square` touches with these settings and this stroke.
    virtual Footprint FootprintAt(const Terrain& t, const ToolSettings& tools, const StrokeState& stroke,
                                  int square) const = 0;
};

// The object of a tool; nullptr for Tool::None.
const BrushTool* BrushToolOf(Tool tool);

}  // namespace vh
