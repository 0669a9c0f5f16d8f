// Building small terrains for tests.
#pragma once

#include <string>
#include <vector>

#include "core/editor_state.h"

namespace vhtest {

// Watches the terrain of a state for as long as it lives and records what
// it is told: each reported range, and every event in order with the point
// count the terrain has at that moment ("heights 5..12", "replaced 289",
// "reset 25").
struct RecordingObserver : vh::TerrainObserver {
    explicit RecordingObserver(vh::EditorState& s) : state(s) { s.Observers.Add(this); }
    ~RecordingObserver() override { state.Observers.Remove(this); }
    RecordingObserver(const RecordingObserver&) = delete;
    RecordingObserver& operator=(const RecordingObserver&) = delete;

    void HeightsChanged(vh::PointRange changed) override {
        changes.push_back(changed);
        events.push_back("heights " + std::to_string(changed.First) + ".." + std::to_string(changed.Last));
    }
    void TerrainReplaced() override { events.push_back("replaced " + std::to_string(state.Terrain.PointCount)); }
    void TerrainReset() override { events.push_back("reset " + std::to_string(state.Terrain.PointCount)); }

    vh::EditorState& state;
    std::vector<vh::PointRange> changes;
    std::vector<std::string> events;
};

// A state with defaults, logging off, and an X x Y grid built (heights 0)
// after a reset, as a new terrain would be.
void MakeTerrain(vh::EditorState& s, int x, int y, int size = 256);

// The document of s written to path, as a file to open or compare; a
// failure is reported to the running test.
bool SaveDocument(const vh::EditorState& s, const std::string& path);

}  // namespace vhtest
