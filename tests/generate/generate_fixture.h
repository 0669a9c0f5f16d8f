// Helpers for the generator tests: a progress recorder and height access.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/editor_state.h"
#include "core/progress.h"

namespace vhtest {

struct RecordingProgress : vh::Progress {
    std::vector<std::string> statuses;
    std::vector<int> maxima;
    std::vector<int> values;
    void Status(const std::string& t) override { statuses.push_back(t); }
    void Maximum(int m) override { maxima.push_back(m); }
    void Value(int v) override { values.push_back(v); }
    int LastValue() const { return values.empty() ? -1 : values.back(); }
};

inline float& H(vh::EditorState& s, int point) {
    return s.Terrain.Points[point].Height;
}

using Heights = std::initializer_list<std::pair<int, float>>;

inline void SetHeights(vh::EditorState& s, Heights hs) {
    for (auto [i, h] : hs) s.Terrain.Points[i].Height = h;
}

inline void ExpectHeights(const vh::EditorState& s, Heights hs) {
    for (auto [i, h] : hs) EXPECT_EQ(s.Terrain.Points[i].Height, h) << "point " << i;
}

}  // namespace vhtest
