// Terrain brushes that hold more than one surface polygon. A brush is the
// intersection of its faces' half-spaces, so one brush can carry several
// surface planes wherever the surface is the lowest of them (over hills: a
// ridge or a hilltop) or the highest (under caves: a trough), over a convex
// outline. Fewer brushes compile faster; the surface stays exactly the same.
#pragma once

#include <span>
#include <vector>

#include "export/surface_mesh.h"

namespace vh {

// Polygons of a mesh gathered into groups, one brush each.
class BrushGroups {
public:
    // Every polygon its own brush.
    static BrushGroups Single(size_t polygons);

    // A group and its outline: the corners where it turns, counter-clockwise.
    void Add(std::span<const int> members, std::span<const int> outline);
    size_t Size() const { return starts_.size() - 1; }
    size_t Polygons() const { return members_.size(); }
    std::span<const int> operator[](size_t g) const {
        return {members_.data() + starts_[g], members_.data() + starts_[g + 1]};
    }
    // The outline of group g as added, or a lone polygon's turning corners.
    void Outline(const HeightField& f, const PolygonMesh& mesh, size_t g, std::vector<int>* corners) const;

private:
    std::vector<int> members_;
    std::vector<uint32_t> starts_{0};
    std::vector<int> outlines_;  // empty for Single()
    std::vector<uint32_t> outlineStarts_{0};
};

// Greedy grouping of neighbouring polygons into caps: a group grows while its
// outline stays convex and every member's plane stays on the brush's side of
// the surface at every corner of the group (above it for brushes under the
// surface, below it for brushes over it). With `creases`, also counts what
// CountCreases() does, from the same neighbours and planes.
BrushGroups GroupCaps(const HeightField& f, const PolygonMesh& mesh, bool brushesUnder,
                      size_t* creases = nullptr);

}  // namespace vh
