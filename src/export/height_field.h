// The terrain as the map geometry sees it: a regular grid of heights, 0-based,
// row by row from the low-z, low-x corner, with the export settings the brushes
// need. Plain data, so the geometry is built and tested without the editor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/settings_records.h"
#include "export/square_split.h"

namespace vh {

struct HeightField {
    int Columns = 0, Rows = 0;  // points along x and along z
    float X0 = 0, Z0 = 0, Spacing = 1;
    std::vector<float> Heights;   // Columns * Rows
    std::vector<uint8_t> Locked;  // Columns * Rows, non-zero when locked

    int Points() const { return Columns * Rows; }
    int SquaresPerRow() const { return Columns - 1; }
    int Squares() const { return (Columns - 1) * (Rows - 1); }
    int Index(int c, int r) const { return r * Columns + c; }
    int Column(int p) const { return p % Columns; }
    int Row(int p) const { return p / Columns; }
    float X(int c) const { return X0 + static_cast<float>(c) * Spacing; }
    float Z(int r) const { return Z0 + static_cast<float>(r) * Spacing; }
    float H(int p) const { return Heights[static_cast<size_t>(p)]; }
    float H(int c, int r) const { return H(Index(c, r)); }
    bool IsLocked(int p) const { return Locked[static_cast<size_t>(p)] != 0; }
    bool OnOutline(int p) const {
        const int c = Column(p), r = Row(p);
        return c == 0 || r == 0 || c == Columns - 1 || r == Rows - 1;
    }
};

// Everything a .MAP export of one terrain depends on.
struct TerrainExport {
    HeightField Field;
    std::vector<SquareSplit> Splits;  // one per square; empty writes no terrain brushes
    int Position = 0;                 // 0 flatten bottom (hills), 1 flatten top (caves)
    bool Hint = true, Sky = true;
    float Grid = 16;  // thickness of the margins
    BrushTextures Textures;
};

// Floor and ceiling of the terrain brushes: min(4096, lowest) - grid and
// max(-4096, highest) + grid, in 32-bit float arithmetic.
struct TerrainLevels {
    float Lowest = 0, Highest = 0;  // of the points themselves
    float Low = 0, High = 0;
};
TerrainLevels ComputeTerrainLevels(const HeightField& f, float grid);

}  // namespace vh
