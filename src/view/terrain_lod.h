// Level of detail for the terrain's triangles. Far away, where a grid square
// covers a pixel or less, a block of squares can be drawn with coarser
// triangles; software GL pays for every triangle, however small. A block
// keeps every vertex along its border, so blocks at any mix of levels meet
// without cracks: only its inside goes coarse. A level is drawn only where
// its largest height error (over every grid point of the block) projects
// to less than half a pixel, so the picture stays the same.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/editor_records.h"
#include "core/terrain.h"
#include "core/terrain_edit.h"

namespace vh::view {

constexpr int kLodBlock = 32;  // squares along a block's side
constexpr int kLodLevels = 4;  // level L steps 2^L squares inside the block

struct LodBlock {
    int Col = 0, Row = 0;    // its first square (0-based grid column and row)
    int Cols = 0, Rows = 0;  // its size in squares
    Vec3f Min, Max;          // bounds of its points
    // Largest height difference between a level's triangles and the grid
    // points they cover; level 0 is exact, and a level the block is too
    // small for is never used (infinite).
    std::array<float, kLodLevels> Error{};
    // Each level's triangles in TerrainLod::Indices (first index, count).
    std::array<uint32_t, kLodLevels> First{}, Count{};
};

struct TerrainLod {
    int PointsPerRow = 0;
    std::vector<LodBlock> Blocks;
    std::vector<uint32_t> Indices;  // every level of every block, vertex v = point v + 1
    // The heights the blocks were measured with, and the blocks that may no
    // longer match them.
    std::vector<float> Heights;
    std::vector<char> Stale;
    bool Empty() const { return Blocks.empty(); }
};

// Empty unless the terrain is a full grid whose squares are numbered row by
// row (as every generated terrain is); the view then draws all triangles.
TerrainLod BuildTerrainLod(const Terrain& t);

// Heights of the points in `changed` moved: the blocks that may hold them
// are measured again at the next RefreshTerrainLod (a stroke's passes stay
// cheap; the frame pays once for all of them).
void UpdateTerrainLod(TerrainLod& lod, PointRange changed);
// Bounds and errors of the stale blocks whose heights really changed.
void RefreshTerrainLod(TerrainLod& lod, const Terrain& t);

// The level to draw each block at for an eye at `eye`; `pixelsPerUnit` is
// the view's height in pixels over 2 tan(fov / 2), the size in pixels of
// one unit at distance one.
std::vector<int> ChooseLodLevels(const TerrainLod& lod, const Vec3f& eye, float pixelsPerUnit,
                                 float maxErrorPixels = 0.5f);

}  // namespace vh::view
