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

// The stored form of a square: twelve whole-number indices held as floats,
// in the order a document keeps them. Read them through Terrain::Corners and
// Terrain::Neighbour.
struct TerrainSquare {
    float SqNext = 0, SqPrev = 0, SqLeft = 0, SqRight = 0;
    float SqNextLeft = 0, SqNextRight = 0, SqPrevLeft = 0, SqPrevRight = 0;
    float CornerNextLeft = 0, CornerNextRight = 0, CornerLeft = 0, CornerRight = 0;
};

// A square's corner points by their usual names: C0 CornerNextLeft,
// C1 CornerNextRight, C2 CornerLeft, C3 CornerRight.
struct SquareCorners {
    int c0 = 0, c1 = 0, c2 = 0, c3 = 0;
};

// The eight neighbours of a square; "next" is the row with larger z, "left"
// the column with smaller x.
enum class Dir { Next, Prev, Left, Right, NextLeft, NextRight, PrevLeft, PrevRight };

struct Terrain {
    int PointCount = 0;
    int SquareCount = 0;
    int PointsPerRow = 0;
    std::vector<TerrainPoint> Points;    // [1..PointCount]; [0] unused
    std::vector<TerrainSquare> Squares;  // [1..SquareCount]; [0] unused

    int Rows() const { return PointsPerRow > 0 ? PointCount / PointsPerRow : 0; }

    // An index the arrays hold and the counts admit.
    bool IsPoint(int p) const { return p >= 1 && p <= PointCount && p < static_cast<int>(Points.size()); }
    bool IsSquare(int k) const { return k >= 1 && k <= SquareCount && k < static_cast<int>(Squares.size()); }

    SquareCorners Corners(int square) const;
    // The neighbouring square in direction d; 0 at the border.
    int Neighbour(int square, Dir d) const;

    // Set the counts and size both arrays for them, every point at 0 and
    // unlocked, every square record empty.
    void Resize(int pointCount, int squareCount, int pointsPerRow);
};

inline SquareCorners Terrain::Corners(int square) const {
    const TerrainSquare& q = Squares[square];
    return {static_cast<int>(q.CornerNextLeft), static_cast<int>(q.CornerNextRight),
            static_cast<int>(q.CornerLeft), static_cast<int>(q.CornerRight)};
}

inline int Terrain::Neighbour(int square, Dir d) const {
    const TerrainSquare& q = Squares[square];
    switch (d) {
        case Dir::Next:
            return static_cast<int>(q.SqNext);
        case Dir::Prev:
            return static_cast<int>(q.SqPrev);
        case Dir::Left:
            return static_cast<int>(q.SqLeft);
        case Dir::Right:
            return static_cast<int>(q.SqRight);
        case Dir::NextLeft:
            return static_cast<int>(q.SqNextLeft);
        case Dir::NextRight:
            return static_cast<int>(q.SqNextRight);
        case Dir::PrevLeft:
            return static_cast<int>(q.SqPrevLeft);
        case Dir::PrevRight:
            return static_cast<int>(q.SqPrevRight);
    }
    return 0;
}

// Heights beyond the float range become the largest float of their sign and
// heights that are not numbers become 0, so every terrain stays one that a
// document can keep and an export can write.
void KeepHeightsFinite(Terrain& t);

}  // namespace vh
