// Where the player starts: a square with walkable ground and room for the
// player's hull, and the room over any square.
#pragma once

#include <string>
#include <vector>

#include "export/compile_options.h"
#include "export/seal.h"
#include "export/surface_mesh.h"

namespace vh {

// Quake's player: a 32 x 32 footprint, 24 units below the origin and 32
// above (56 tall); large monsters 64 x 64, 24 below and 64 above. Ground is
// walkable where the surface normal's vertical part is at least 0.7.
constexpr float kPlayerHalfWidth = 16, kPlayerBelow = 24, kPlayerAbove = 32;
constexpr float kLargeHalfWidth = 32, kLargeAbove = 64;
constexpr double kWalkableNormalZ = 0.7;
// Space left between the hull and the ground under it.
constexpr float kSpawnMargin = 2;

// The written surface, its polygons bucketed by grid square for box queries.
class SurfaceIndex {
public:
    SurfaceIndex(const HeightField& f, const PolygonMesh& surface);

    struct Span {
        double Low = 0, High = 0;  // surface heights over the box
        double LeastNormalZ = 1;   // steepest polygon with area in the box
        bool Any = false;
    };
    // Over the box [x0, x1] x [z0, z1] in file coordinates.
    Span Over(double x0, double z0, double x1, double z1) const;
    // The steepest polygon touching the point (x, z): no box around the
    // point is more level.
    double LeastNormalZAt(double x, double z) const;

private:
    double NormalZ(size_t polygon) const;
    std::span<const int> Bucket(int square) const;  // the polygons over a square

    const HeightField& f_;
    PolygonMesh corners_;  // each polygon's turning corners
    std::vector<GridPlane> planes_;
    std::vector<uint32_t> bucketStart_;
    std::vector<int> bucketItems_;
    mutable std::vector<uint32_t> seen_;
    mutable uint32_t stamp_ = 0;
};

struct SpawnPlacement {
    bool Found = false;
    int Square = -1;            // 0-based
    float X = 0, Y = 0, Z = 0;  // the origin, in file coordinates
    bool LargeHullClear = false;  // large monsters' hull is in open space too
    std::string Problem;          // why there is none
};

// The automatic choice: among squares where the player stands on walkable
// ground with the hull under the roof (over a cave's floor with the hull under
// the terrain), preferring those where the large hull is clear too, the most
// level one nearest the centre. A chosen square is checked by the same rules.
// The origin is centred over the square, 24 units (plus kSpawnMargin, rounded
// up to a whole unit) above the highest surface point under the footprint, or
// above the cave floor; over hills it is lifted further where the large hull's
// footprint reaches higher ground, so that the compiler fills every hull.
SpawnPlacement PlaceSpawn(const HeightField& f, const SurfaceIndex& surface, const BoxLayout& boxes,
                          int position, SpawnChoice choice, int square);

// Room over a square: from its highest surface point up to the roof, or from a
// cave's floor up to its lowest surface point; infinite where nothing closes
// the map.
float SquareRoom(const HeightField& f, const SurfaceIndex& surface, const BoxLayout& boxes, int position,
                 int square);

}  // namespace vh
