// What a compile-ready export will make of the terrain, shown in the view:
// the spawn point it chooses by itself and the squares under a roof too low
// for the player. Working them out takes the export's surface and boxes, far
// too slow for every frame, so a cache keeps them until their inputs change.
#pragma once

#include <chrono>
#include <vector>

#include "view/overlay.h"

namespace vh::view {

constexpr Rgb kLowRoofRed{1, 0.15f, 0.15f};

struct CompileMarks {
    bool Spawn = false;           // the automatic spawn point was found
    Vec3f SpawnFeet{};            // the bottom of its hull, in view coordinates
    std::vector<int> LowSquares;  // 1-based squares with less than the player's 56 units of room
};

// Nothing unless the map is compile-ready; no spawn point when the designer
// chose a square (the export then uses that one).
CompileMarks ComputeCompileMarks(const EditorState& s);

class CompileMarkCache {
public:
    // A simplified surface is worked out about `slice` a frame.
    explicit CompileMarkCache(std::chrono::microseconds slice = std::chrono::milliseconds(8))
        : slice_(slice) {}

    // The marks for s, worked out again only when the heights, locks, map
    // choices or export settings differ from the last call; heights changed
    // by a tool wait for the end of its stroke. Where the export simplifies
    // the surface, the last marks stay while that goes on a slice a call
    // (a second or so on the largest maps) rather than stall one frame.
    const CompileMarks& Marks(const EditorState& s);
    int Computations() const { return computations_; }

private:
    bool Same(const EditorState& s) const;

    std::chrono::microseconds slice_;
    bool valid_ = false;
    bool preparing_ = false;  // the last call worked on a simplified surface
    int computations_ = 0;
    std::vector<TerrainPoint> points_;
    int perRow_ = 0, grid_ = 0;
    MapChoices choices_;
    ExportSettings export_;
    CompileMarks marks_;
};

// A red cross over each low square and, without a chosen square, the
// player's post at the automatic spawn point.
void DrawCompileMarkers(OverlayScene& o, const EditorState& s, CompileMarkCache& cache);

}  // namespace vh::view
