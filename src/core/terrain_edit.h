// How the editor's terrain changes and who hears of it. Heights change in
// two ways only: point by point through a HeightEdit (a tool pass, a
// whole-map pass, an undo or a redo), or all at once when a generated or
// opened terrain replaces the old one (ReplaceTerrain in editor_state.h).
// Either way the observers are told once, after the change.
#pragma once

#include <vector>

#include "core/terrain.h"

namespace vh {

// Point indices First..Last, both included; empty while First is 0.
struct PointRange {
    int First = 0;
    int Last = 0;

    bool Empty() const { return First == 0; }
    void Add(int point) {
        if (Empty()) {
            First = Last = point;
        } else if (point < First) {
            First = point;
        } else if (point > Last) {
            Last = point;
        }
    }
};

// What watches the terrain (the 3D view). Called after the change.
class TerrainObserver {
public:
    virtual ~TerrainObserver() = default;
    // Some heights of the points in `changed` are new; all others are as before.
    virtual void HeightsChanged(PointRange changed) = 0;
    // A whole new terrain (generated or opened) is in place.
    virtual void TerrainReplaced() = 0;
    // The editor is being reset for a new terrain: what was built for the old one goes.
    virtual void TerrainReset() = 0;
};

// The observers of one editor, not owned: an observer removes itself before
// it goes. A copy of the editor's state is watched by no one, and an
// assigned state keeps its own observers.
class TerrainObservers {
public:
    TerrainObservers() = default;
    TerrainObservers(const TerrainObservers&) {}
    TerrainObservers& operator=(const TerrainObservers&) { return *this; }

    void Add(TerrainObserver* observer);
    void Remove(TerrainObserver* observer);

    void HeightsChanged(PointRange changed) const;
    void TerrainReplaced() const;
    void TerrainReset() const;

private:
    std::vector<TerrainObserver*> list_;
};

// One pass of height writes. The locked rule lives here and nowhere else:
// a locked point keeps its height unless locked points are being ignored.
// Writes reach the terrain at once (later reads in the pass see them); the
// changed points are collected and the observers hear of them once, at
// Commit() or when the edit ends.
class HeightEdit {
public:
    HeightEdit(Terrain& terrain, bool ignoreLocked, const TerrainObservers& observers);
    ~HeightEdit();
    HeightEdit(const HeightEdit&) = delete;
    HeightEdit& operator=(const HeightEdit&) = delete;

    const Terrain& Target() const { return t_; }
    float Height(int point) const { return t_.Points[point].Height; }

    // True when the locked rule keeps this point as it is.
    bool Protected(int point) const { return t_.Points[point].Locked && !ignoreLocked_; }

    // The new height, unless the point is protected (false then).
    bool Set(int point, float height);
    bool Add(int point, float change) { return Set(point, Height(point) + change); }

    // The touch-up tool moves its corner, and undo and redo restore every
    // point, whether locked or not.
    void SetEvenIfLocked(int point, float height);

    // The points whose height changed since the last commit.
    PointRange Changed() const { return changed_; }

    // Heights that left the float range become the largest float of their
    // sign (not-a-number becomes 0), then the observers are told of the
    // changed points; nothing is told when nothing changed. Later writes
    // start a new range.
    void Commit();

private:
    Terrain& t_;
    bool ignoreLocked_;
    const TerrainObservers& observers_;
    PointRange changed_;
};

}  // namespace vh
