// Where a Quake player can walk on the terrain. The player stands on a
// surface whose normal points up by more than 0.7 (slopes up to about 45.57
// degrees) and climbs steps of up to 18 units. Squares are judged by the two
// triangles the view draws and the export writes: C2 C3 C0 and C3 C1 C0,
// split along the C3-C0 diagonal.
#pragma once

#include <cstdint>
#include <vector>

#include "core/terrain.h"

namespace vh {

constexpr float kWalkableNormalUp = 0.7f;    // above this the player stands
constexpr float kNearLimitNormalUp = 0.75f;  // below this (and walkable) is close to sliding
constexpr float kStepHeight = 18.0f;         // height the player climbs without a slope
constexpr float kPlayerHeight = 56.0f;       // headroom the player needs

enum class Walk : uint8_t { Walkable = 0, NearLimit = 1, TooSteep = 2 };

struct TriangleSlope {
    float NormalUp = 1;  // the unit normal's up component, 0..1
    float Degrees = 0;   // angle of the surface to the horizontal
    Walk Class = Walk::Walkable;
};

// A triangle given as (x, height, z) corners, in either winding. A
// degenerate triangle counts as flat.
TriangleSlope ClassifyTriangle(const TerrainPoint& a, const TerrainPoint& b, const TerrainPoint& c);

struct SquareSlopes {
    TriangleSlope Lower;  // C2 C3 C0
    TriangleSlope Upper;  // C3 C1 C0
};
// Both triangles of square k (flat for an index the terrain does not hold).
SquareSlopes SquareWalkability(const Terrain& t, int square);

// More than a step apart.
inline bool IsStep(float h1, float h2) {
    const float d = h1 > h2 ? h1 - h2 : h2 - h1;
    return d > kStepHeight;
}

// Bits of one square's walkability code.
namespace WalkBits {
constexpr uint16_t LowerShift = 0, UpperShift = 2, ClassMask = 3;
constexpr uint16_t EdgeBottom = 1 << 4;    // C2-C3
constexpr uint16_t EdgeLeft = 1 << 5;      // C2-C0
constexpr uint16_t EdgeDiagonal = 1 << 6;  // C3-C0
constexpr uint16_t EdgeTop = 1 << 7;       // C0-C1
constexpr uint16_t EdgeRight = 1 << 8;     // C3-C1
}  // namespace WalkBits

// The whole terrain: per square, the class of both triangles and which of
// its five edges are steps on otherwise walkable ground (every triangle
// beside the edge, in this square and the neighbour across it, walkable or
// near the limit). An edge two squares share is marked in both.
struct WalkabilityMap {
    std::vector<uint16_t> Codes;  // [1..SquareCount]; [0] unused
    int Triangles = 0, WalkableTriangles = 0;

    Walk LowerClass(int k) const { return static_cast<Walk>((Codes[k] >> WalkBits::LowerShift) & 3); }
    Walk UpperClass(int k) const { return static_cast<Walk>((Codes[k] >> WalkBits::UpperShift) & 3); }
    // Share of the triangles (and, the grid being regular, of the ground
    // area seen from above) the player can stand on; 1 for no terrain.
    double WalkableShare() const { return Triangles ? double(WalkableTriangles) / Triangles : 1.0; }
};
WalkabilityMap ClassifyTerrain(const Terrain& t);

// Rows of squares, from 0; empty when Last < First.
struct SquareRows {
    int First = 0, Last = -1;
};

// The heights of points firstPoint..lastPoint changed: the squares around
// them are classified again, as ClassifyTerrain would, and the counts follow.
// Returns the rows of squares whose codes may have changed.
SquareRows UpdateWalkability(WalkabilityMap& m, const Terrain& t, int firstPoint, int lastPoint);

}  // namespace vh
