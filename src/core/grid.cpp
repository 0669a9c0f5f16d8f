#include "core/grid.h"

namespace vh {

namespace {

// Coordinate of point `index` (from 0) on an axis of `count` points `size`
// apart, centred on 0. Exact in double; see AxisIsExact for why the float of
// it is also what a float counter stepping by size from the low end reaches.
double AxisCoordinate(int index, int count, int size) {
    return static_cast<double>(index) * size - static_cast<double>(count - 1) * size / 2.0;
}

// True when every coordinate of the axis is a float. Then the low end, the
// product behind it and every sum of a coordinate and the step that is
// itself a coordinate are exact in float arithmetic, so the float-counting
// loop the grid was always built with met exactly these values and stopped
// after exactly `count` of them: grids that pass keep their old coordinates.
bool AxisIsExact(int count, int size) {
    for (int i = 0; i < count; ++i) {
        const double v = AxisCoordinate(i, count, size);
        if (static_cast<double>(static_cast<float>(v)) != v) return false;
    }
    return true;
}

std::string InexactSide(int points, int size) {
    return "A side of " + std::to_string(points - 1) + " triangles of " + std::to_string(size) +
           " units is too long for its points to be placed exactly. Use fewer triangles or a shorter "
           "triangle length.";
}

}  // namespace

Status CheckGridSize(int x, int y, int size) {
    auto invalid = [](std::string message) { return Fail(ErrorKind::Invalid, std::move(message)); };
    if (x < 2 || y < 2) return invalid("The terrain needs at least 2 points along each side.");
    if (size <= 0) return invalid("The distance between points must be greater than 0.");
    long long points = static_cast<long long>(x) * y;
    if (points > kMaxPoints)
        return invalid("A terrain of " + std::to_string(x) + " x " + std::to_string(y) + " points (" +
                       std::to_string(points) +
                       " points) is too large. Varnholm holds at most 32767 points, for example 181 x 181.");
    if (!AxisIsExact(x, size)) return invalid(InexactSide(x, size));
    if (!AxisIsExact(y, size)) return invalid(InexactSide(y, size));
    return {};
}

void BuildGrid(EditorState& s, Progress& progress) {
    BuildGrid(s.Terrain, s.NewMap.X, s.NewMap.Y, s.NewMap.Size, progress);
    s.History.Resize(s.Terrain.PointCount);
}

void BuildGrid(Terrain& t, int nx, int ny, int size, Progress& progress) {
    // CheckGridSize keeps the counts within 32767, where the 16-bit
    // products they were always formed in cannot wrap.
    t.Resize(nx, ny);

    // Points, counted by index so nothing can run past the arrays.
    progress.Maximum(ny);
    progress.Value(0);
    progress.Status("Generating Points...");
    int index = 0;
    for (int row = 0; row < ny; ++row) {
        const float z = static_cast<float>(AxisCoordinate(row, ny, size));
        for (int col = 0; col < nx; ++col) {
            TerrainPoint& p = t.Points[++index];
            p.X = static_cast<float>(AxisCoordinate(col, nx, size));
            p.Z = z;
        }
        progress.Value(row + 1);
    }

    // The squares' corners and neighbours follow from the row width; the
    // two square stages are reported as they always were, row by row.
    progress.Maximum(nx * (ny - 1));
    progress.Value(0);
    progress.Status("Building Squares...");
    for (int r = 1; r <= nx * (ny - 1); r += nx) progress.Value(r);

    progress.Maximum(t.SquareCount);
    progress.Value(0);
    progress.Status("Sorting Squares...");
    const int w = nx - 1;
    for (int last = w; w > 0 && last <= t.SquareCount; last += w) progress.Value(last);
}

}  // namespace vh
