// The terrain: grid points with their heights and the squares between them.
// Points and squares are numbered from 1, row by row from the low-z, low-x
// corner; index 0 means none.
#pragma once

#include <vector>

namespace vh {

struct TerrainPoint {
    float X = 0.0f;
    float Height = 0.0f;
    float Z = 0.0f;
    bool Locked = false;  // left alone by the tools unless locked points are ignored
};

// A square's corner points by their usual names: C0 CornerNextLeft,
// C1 CornerNextRight, C2 CornerLeft, C3 CornerRight.
struct SquareCorners {
    int c0 = 0, c1 = 0, c2 = 0, c3 = 0;
};

// The eight neighbours of a square; "next" is the row with larger z, "left"
// the column with smaller x.
enum class Dir { Next, Prev, Left, Right, NextLeft, NextRight, PrevLeft, PrevRight };

// The grid: PointsPerRow points in each row, numbered row by row, and the
// squares between them, PointsPerRow - 1 to a row. Where a square's corners
// and neighbours are follows from the row width alone.
struct Terrain {
    int PointCount = 0;
    int SquareCount = 0;
    int PointsPerRow = 0;
    std::vector<TerrainPoint> Points;  // [1..PointCount]; [0] unused

    int Rows() const { return PointsPerRow > 0 ? PointCount / PointsPerRow : 0; }

    // An index the arrays hold and the counts admit.
    bool IsPoint(int p) const { return p >= 1 && p <= PointCount && p < static_cast<int>(Points.size()); }
    bool IsSquare(int k) const { return k >= 1 && k <= SquareCount; }

    // Of a square k with IsSquare(k).
    SquareCorners Corners(int square) const;
    // IsSquare(k), and its four corners are points the arrays hold.
    bool HasSquare(int k) const;
    // The neighbouring square in direction d; 0 at the border.
    int Neighbour(int square, Dir d) const;

    // A grid of columns x rows points, every point at 0 and unlocked, and
    // the counts that go with it.
    void Resize(int columns, int rows);
};

inline SquareCorners Terrain::Corners(int square) const {
    // Each row of squares is one point shorter than its row of points.
    const int p = square + (square - 1) / (PointsPerRow - 1);
    return {p + PointsPerRow, p + PointsPerRow + 1, p, p + 1};
}

inline bool Terrain::HasSquare(int k) const {
    if (!IsSquare(k)) return false;
    const SquareCorners c = Corners(k);
    return IsPoint(c.c0) && IsPoint(c.c1) && IsPoint(c.c2) && IsPoint(c.c3);
}

inline int Terrain::Neighbour(int square, Dir d) const {
    const int w = PointsPerRow - 1;
    const int col = (square - 1) % w, row = (square - 1) / w;
    const bool first = row == 0, last = row == SquareCount / w - 1;
    const bool left = col == 0, right = col == w - 1;
    switch (d) {
        case Dir::Next:
            return last ? 0 : square + w;
        case Dir::Prev:
            return first ? 0 : square - w;
        case Dir::Left:
            return left ? 0 : square - 1;
        case Dir::Right:
            return right ? 0 : square + 1;
        case Dir::NextLeft:
            return last || left ? 0 : square + w - 1;
        case Dir::NextRight:
            return last || right ? 0 : square + w + 1;
        case Dir::PrevLeft:
            return first || left ? 0 : square - w - 1;
        case Dir::PrevRight:
            return first || right ? 0 : square - w + 1;
    }
    return 0;
}

// Heights beyond the float range become the largest float of their sign and
// heights that are not numbers become 0, so every terrain stays one that a
// document can keep and an export can write.
void KeepHeightsFinite(Terrain& t);

}  // namespace vh
