#include "core/grid.h"

namespace vh {

std::optional<std::string> CheckGridSize(int x, int y, int size) {
    if (x < 2 || y < 2) return "The terrain needs at least 2 points along each side.";
    if (size <= 0) return "The distance between points must be greater than 0.";
    long long points = static_cast<long long>(x) * y;
    if (points > kMaxPoints)
        return "A terrain of " + std::to_string(x) + " x " + std::to_string(y) + " points (" +
               std::to_string(points) +
               " points) is too large. Varnholm holds at most 32767 points, for example 181 x 181.";
    return std::nullopt;
}

void SizeTerrainArrays(EditorState& s) {
    size_t np = static_cast<size_t>(s.PointTotal()) + 1;
    size_t ns = static_cast<size_t>(s.SquareTotal()) + 1;
    s.Points.assign(np, TerrainPoint{});
    s.Squares.assign(ns, TerrainSquare{});
    s.UndoHeights1.assign(np, 0.0f);
    s.UndoHeights2.assign(np, 0.0f);
    s.UndoHeights3.assign(np, 0.0f);
    s.RedoHeights.assign(np, 0.0f);
}

void BuildGrid(EditorState& s, Progress& progress) {
    const int nx = s.X, ny = s.Y;
    const float size = s.Size;
    s.PointCount = static_cast<float>(nx * ny);
    s.SquareCount = static_cast<float>((nx - 1) * (ny - 1));
    s.PointsPerRow = static_cast<float>(nx);
    SizeTerrainArrays(s);

    // Points: float-counted loops, so an odd count puts the middle exactly on 0.
    progress.Maximum(ny);
    progress.Value(0);
    progress.Status("Generating Points...");
    const float halfX = (nx - 1) * size / 2.0f;
    const float halfZ = (ny - 1) * size / 2.0f;
    int index = 0, row = 0;
    for (float z = -halfZ; z <= halfZ; z += size) {
        for (float x = -halfX; x <= halfX; x += size) {
            ++index;
            TerrainPoint& p = s.Points[index];
            p.X = x;
            p.Z = z;
            p.Height = 0;
            p.Locked = 0;
        }
        progress.Value(++row);
    }

    // Squares: corners, counted by row start point.
    progress.Maximum(nx * (ny - 1));
    progress.Value(0);
    progress.Status("Building Squares...");
    int sq = 0;
    const float lastRowStart = static_cast<float>(nx * (ny - 1));
    for (float r = 1; r <= lastRowStart; r += nx) {
        progress.Value(static_cast<int>(r));
        for (float c = 1; c <= nx - 1; c += 1) {
            TerrainSquare& q = s.Squares[++sq];
            q.CornerNextLeft = r + nx + c - 1;
            q.CornerNextRight = r + nx + c;
            q.CornerLeft = r + c - 1;
            q.CornerRight = r + c;
        }
    }

    // Neighbour links.
    progress.Maximum(s.SquareTotal());
    progress.Value(0);
    progress.Status("Sorting Squares...");
    const float w = static_cast<float>(nx - 1);
    const float lastFull = w * (ny - 2);
    int n = 0;
    for (float st = 1; st <= s.SquareCount; st += w) {
        for (float c = 1; c <= w; c += 1) {
            ++n;
            TerrainSquare& q = s.Squares[n];
            const float fn = static_cast<float>(n);
            if (st > w) q.SqPrev = fn - w;
            if (st <= lastFull) q.SqNext = fn + w;
            if (!(st > lastFull || c == 1)) q.SqNextLeft = fn + w - 1;
            if (!(st > lastFull || c == w)) q.SqNextRight = fn + w + 1;
            if (!(st <= w || c == 1)) q.SqPrevLeft = fn - w - 1;
            if (!(st <= w || c == w)) q.SqPrevRight = fn - w + 1;
            if (c < w) q.SqRight = fn + 1;
            if (c > 1) q.SqLeft = fn - 1;
        }
        progress.Value(n);
    }
}

}  // namespace vh
