// Small terrains and helpers for the tool tests.
#pragma once

#include <vector>

#include "core/editor_state.h"
#include "core/rules.h"
#include "support/terrain_fixture.h"
#include "tools/brush_tool.h"

namespace vhtools {

// A built terrain of x by y points, heights 0, with an observer recording
// the changes the tools report.
struct ToolTerrain {
    vh::EditorState s;
    vh::ToolBox tools;
    vhtest::RecordingObserver seen{s};

    explicit ToolTerrain(int x = 5, int y = 5, int size = 256) { vhtest::MakeTerrain(s, x, y, size); }

    // How often the observers were told of changed heights.
    int Reports() const { return static_cast<int>(seen.changes.size()); }

    // Point at column c, row r (1-based).
    int P(int c, int r) const { return (r - 1) * s.NewMap.X + c; }
    float& H(int point) { return s.Terrain.Points[point].Height; }
    float& H(int c, int r) { return s.Terrain.Points[P(c, r)].Height; }

    std::vector<float> Heights() const {
        std::vector<float> h;
        for (int i = 1; i <= s.Terrain.PointCount; ++i) h.push_back(s.Terrain.Points[i].Height);
        return h;
    }

    void SetAll(float h) {
        for (int i = 1; i <= s.Terrain.PointCount; ++i) s.Terrain.Points[i].Height = h;
    }

    // Number of points whose height differs from before.
    int Changed(const std::vector<float>& before) const {
        int n = 0;
        for (int i = 1; i <= s.Terrain.PointCount; ++i) n += s.Terrain.Points[i].Height != before[i - 1];
        return n;
    }
};

}  // namespace vhtools
