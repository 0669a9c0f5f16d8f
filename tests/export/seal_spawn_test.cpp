// Sealing closes the map on every side (checked by flooding the space around
// it), and the spawn point lands where a player stands and fits.
#include <gtest/gtest.h>

#include <deque>

#include "compile_fixture.h"
#include "export/map_plan.h"

using vh::CompileOptions;
using vhtest::MakeField;

namespace {

// Floods the space around the map from outside, in cells of half the grid
// lined up with the grid; true when the flood reaches the point (x, y, z). A
// cell stops the flood only when it lies wholly inside one solid, so a gap of
// any width lets it through. Detail terrain does not stop it, as it does not
// seal for a compiler.
bool ReachesFromOutside(const vh::TerrainExport& t, const vh::MapPlan& plan, bool detail, float x, float y,
                        float z) {
    const vh::HeightField& f = t.Field;
    const float cell = t.Grid / 2;
    float lo[3] = {f.X0 - 2 * t.Grid, f.Z0 - 2 * t.Grid, plan.Levels.Low},
          hi[3] = {f.X(f.Columns - 1) + 2 * t.Grid, f.Z(f.Rows - 1) + 2 * t.Grid, plan.Levels.High};
    for (const vh::MapBox& b : plan.Boxes.Boxes) lo[2] = std::min(lo[2], b.ZMin), hi[2] = std::max(hi[2], b.ZMax);
    lo[2] -= 2 * t.Grid, hi[2] += 2 * t.Grid;
    int n[3];
    for (int a = 0; a < 3; ++a) n[a] = static_cast<int>((hi[a] - lo[a]) / cell);
    // The exact surface bends only along lines through cell corners here, so
    // its extremes over a cell are at the corners.
    auto surface = [&](float px, float py) {
        return vhtest::ExactHeight(t, (px - f.X0) / f.Spacing, (py - f.Z0) / f.Spacing);
    };
    auto solid = [&](const std::array<int, 3>& c) {
        float a[3], b[3];
        for (int k = 0; k < 3; ++k) a[k] = lo[k] + c[k] * cell, b[k] = a[k] + cell;
        for (const vh::MapBox& box : plan.Boxes.Boxes)
            if (a[0] >= box.XMin && b[0] <= box.XMax && a[1] >= box.YMin && b[1] <= box.YMax && a[2] >= box.ZMin &&
                b[2] <= box.ZMax)
                return true;
        if (detail || t.Splits.empty() || a[0] < f.X0 || a[1] < f.Z0 || b[0] > f.X(f.Columns - 1) ||
            b[1] > f.Z(f.Rows - 1))
            return false;
        double low = 1e30, high = -1e30;
        for (float px : {a[0], b[0]})
            for (float py : {a[1], b[1]}) low = std::min(low, surface(px, py)), high = std::max(high, surface(px, py));
        return t.Position == 0 ? a[2] >= plan.Levels.Low && b[2] <= low : a[2] >= high && b[2] <= plan.Levels.High;
    };
    std::vector<char> seen(static_cast<size_t>(n[0]) * n[1] * n[2]);
    auto index = [&](const std::array<int, 3>& c) { return (static_cast<size_t>(c[2]) * n[1] + c[1]) * n[0] + c[0]; };
    const std::array<int, 3> target = {static_cast<int>((x - lo[0]) / cell), static_cast<int>((y - lo[1]) / cell),
                                       static_cast<int>((z - lo[2]) / cell)};
    std::deque<std::array<int, 3>> todo{{0, 0, 0}};
    seen[0] = 1;
    while (!todo.empty()) {
        const auto c = todo.front();
        todo.pop_front();
        if (c == target) return true;
        for (int a = 0; a < 3; ++a)
            for (int step : {-1, 1}) {
                auto d = c;
                d[a] += step;
                if (d[a] < 0 || d[a] >= n[a] || seen[index(d)]) continue;
                seen[index(d)] = 1;
                if (!solid(d)) todo.push_back(d);
            }
    }
    return false;
}

CompileOptions Sealed(bool detail = false, float headroom = 256) {
    CompileOptions o;
    o.Seal = true;
    o.Detail = detail;
    o.Headroom = headroom;
    o.Spawn = vh::SpawnChoice::Auto;
    return o;
}

}  // namespace

TEST(Seal, ClosesEveryPositionWithAndWithoutDetailOrSky) {
    for (int position : {0, 1})
        for (bool detail : {false, true})
            for (bool sky : {false, true}) {
                SCOPED_TRACE("position " + std::to_string(position) + (detail ? " detail" : "") + (sky ? " sky" : ""));
                auto t = MakeField(9, 7, 64, vhtest::RoughHeights(4));
                t.Position = position;
                t.Sky = sky;
                const vh::MapPlan plan = vh::PlanMap(t, Sealed(detail));
                ASSERT_TRUE(plan.Spawn.Found) << plan.Problem;
                EXPECT_FALSE(ReachesFromOutside(t, plan, detail, plan.Spawn.X, plan.Spawn.Y, plan.Spawn.Z));
                EXPECT_EQ(plan.Boxes.Boxes.size(), detail ? 6u : 5u);  // walls and one lid, or both lids
                for (int wall = 0; wall < 4; ++wall)
                    EXPECT_EQ(plan.Boxes.Boxes[static_cast<size_t>(wall)].Role, sky ? vh::BoxRole::Sky : vh::BoxRole::Side);
                EXPECT_TRUE(position == 0 ? plan.Boxes.RoofBottom >= plan.Levels.Highest + 256
                                          : plan.Boxes.FloorTop <= plan.Levels.Lowest - 256);
            }
    // Without sealing a cave is open underneath, as the documented export is.
    auto cave = MakeField(9, 7, 64, vhtest::RoughHeights(4));
    cave.Position = 1;
    cave.Sky = true;
    const vh::MapPlan open = vh::PlanMap(cave, CompileOptions{});
    EXPECT_TRUE(ReachesFromOutside(cave, open, false, 0, 0, cave.Field.H(4, 3) - 64));
}

namespace {

struct SpawnCase {
    const char* Name;
    vh::TerrainExport T;
    CompileOptions O;
    int Square;           // expected square, or -1 for none
    const char* Problem;  // part of the expected reason when none
};

CompileOptions Picked(int square) {
    CompileOptions o = Sealed();
    o.Spawn = vh::SpawnChoice::Square;
    o.SpawnSquare = square;
    return o;
}

}  // namespace

TEST(Spawn, ChoosesWalkableSquaresWithRoomOrSaysWhyNot) {
    auto flat = MakeField(9, 9, 128, [](int, int) { return 48.0f; });
    // Everything slopes at 45 degrees or more, but for a flat patch off centre.
    auto patch = MakeField(9, 9, 64, [](int c, int r) { return (c >= 6 && r <= 2) ? 0.0f : 80.0f * (c + r); });
    auto steep = MakeField(9, 9, 64, [](int c, int r) { return 80.0f * (c + r); });
    auto locked = flat;
    locked.Field.Locked[static_cast<size_t>(locked.Field.Index(2, 2))] = 1;
    auto cave = flat;
    cave.Position = 1;
    CompileOptions unsealed = Sealed();
    unsealed.Seal = false;
    const SpawnCase cases[] = {
        // Four squares meet at the centre: the first of them.
        {"flat", flat, Sealed(), 3 * 8 + 3, ""},
        {"flat patch", patch, Sealed(), 1 * 8 + 6, ""},
        {"steep", steep, Sealed(), -1, "no steeper than about 45 degrees"},
        {"low roof", flat, Sealed(false, 40), -1, "56 units of room under the roof"},
        {"picked with a locked corner", locked, Picked(2 * 8 + 2), 2 * 8 + 2, ""},
        {"picked too steep", steep, Picked(10), -1, "Square 11 is too steep"},
        {"picked outside", flat, Picked(64), -1, "Square 65 does not exist"},
        {"cave", cave, Sealed(), 3 * 8 + 3, ""},
        {"cave without a floor", cave, unsealed, -1, "no floor"},
        {"cave floor too high", cave, Sealed(false, 40), -1, "between the floor and the terrain above"},
    };
    for (const SpawnCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const vh::MapPlan plan = vh::PlanMap(c.T, c.O);
        EXPECT_EQ(plan.Spawn.Square, c.Square);
        EXPECT_EQ(plan.Spawn.Found, c.Square >= 0);
        EXPECT_NE(plan.Problem.find(c.Problem), std::string::npos) << plan.Problem;
        if (!plan.Spawn.Found) continue;
        const vh::HeightField& f = c.T.Field;
        const int col = c.Square % 8, row = c.Square / 8;
        EXPECT_EQ(plan.Spawn.X, f.X(col) + f.Spacing / 2);
        EXPECT_EQ(plan.Spawn.Y, f.Z(row) + f.Spacing / 2);
        // The hull (24 below the origin, 32 above) clears the ground by a
        // little and stays under the roof, or stands on the cave floor.
        const float ground = c.T.Position == 0 ? f.H(col, row) : plan.Boxes.FloorTop;
        EXPECT_GT(plan.Spawn.Z - 24, ground);
        EXPECT_LE(plan.Spawn.Z - 24, ground + 4);
        EXPECT_EQ(plan.Spawn.Z, std::round(plan.Spawn.Z));
        EXPECT_LE(plan.Spawn.Z + 32, c.T.Position == 0 ? plan.Boxes.RoofBottom : f.H(col, row));
    }
}

TEST(Spawn, StandsOverTheHighestPointUnderTheFootprint) {
    // A gentle slope rising along x: the footprint's high edge is 16 units
    // east of the square's centre, the large hull's 32.
    auto slope = MakeField(9, 9, 128, [](int c, int) { return 32.0f * c; });
    vh::MapPlan plan = vh::PlanMap(slope, Picked(3 * 8 + 3));
    ASSERT_TRUE(plan.Spawn.Found);
    EXPECT_TRUE(plan.Spawn.LargeHullClear);
    EXPECT_GT(plan.Spawn.Z - 24, 32.0f * (3.5f + 32.0f / 128));
    EXPECT_LE(plan.Spawn.Z - 24, 32.0f * (3.5f + 32.0f / 128) + 2);
    // Under a low roof (60 over the highest point, 256) only the player's own
    // footprint counts.
    CompileOptions low = Picked(3 * 8 + 7);
    low.Headroom = 60;
    plan = vh::PlanMap(slope, low);
    ASSERT_TRUE(plan.Spawn.Found);
    EXPECT_FALSE(plan.Spawn.LargeHullClear);
    EXPECT_GT(plan.Spawn.Z - 24, 32.0f * (7.5f + 16.0f / 128));
    EXPECT_LE(plan.Spawn.Z - 24, 32.0f * (7.5f + 16.0f / 128) + 4);

    // The room over a square: roof to its highest point, or its lowest point
    // down to a cave's floor.
    const vh::SurfaceIndex index(slope.Field, plan.Surface);
    EXPECT_FLOAT_EQ(vh::SquareRoom(slope.Field, index, plan.Boxes, 0, 3 * 8 + 3), plan.Boxes.RoofBottom - 32 * 4);
    slope.Position = 1;
    const vh::MapPlan cave = vh::PlanMap(slope, Sealed());
    EXPECT_FLOAT_EQ(vh::SquareRoom(slope.Field, index, cave.Boxes, 1, 3 * 8 + 3), 32 * 3 - cave.Boxes.FloorTop);
}
