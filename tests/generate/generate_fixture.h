// Helpers for the generator tests: a progress recorder and height access.
#pragma once

#include <string>
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
    return s.Points[point].Height;
}

// Every height, index 0 unused.
inline std::vector<float> Heights(const vh::EditorState& s) {
    std::vector<float> h;
    for (const auto& p : s.Points) h.push_back(p.Height);
    return h;
}

}  // namespace vhtest
