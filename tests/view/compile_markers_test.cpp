#include "view/compile_markers.h"

#include <gtest/gtest.h>

#include <set>

#include "export/spawn.h"
#include "export/surface_memo.h"
#include "support/terrain_fixture.h"
#include "view/spawn_marker.h"

namespace {

using vh::view::Line3;

bool Is(const Line3& l, vh::view::Rgb c) {
    return l.colour.r == c.r && l.colour.g == c.g && l.colour.b == c.b;
}

// 7 x 7 points 256 apart, flat but for a 64-unit hill on the middle point,
// compile-ready with 40 units of headroom: the roof stands at 104, so only
// the squares around the hill top leave less than the player's 56 units.
struct CompileMarkers : ::testing::Test {
    vh::EditorState s;
    int hill = 0;
    void SetUp() override {
        vhtest::MakeTerrain(s, 7, 7, 256);
        hill = 3 * 7 + 3 + 1;
        s.Terrain.Points[hill].Height = 64;
        s.Export.Headroom = 40;
        s.Choices.CompileReady = true;
    }
    std::set<int> SquaresAround(int p) const {
        std::set<int> out;
        for (int k = 1; k <= s.Terrain.SquareCount; ++k) {
            const vh::SquareCorners c = s.Terrain.Corners(k);
            if (c.c0 == p || c.c1 == p || c.c2 == p || c.c3 == p) out.insert(k);
        }
        return out;
    }
};

TEST_F(CompileMarkers, LowRoofSquaresAreCrossedAndTheAutomaticSpawnStandsClearOfThem) {
    const vh::view::CompileMarks m = vh::view::ComputeCompileMarks(s);
    const std::set<int> low(m.LowSquares.begin(), m.LowSquares.end());
    EXPECT_EQ(low, SquaresAround(hill));
    EXPECT_EQ(low.size(), 4u);

    ASSERT_TRUE(m.Spawn);
    // On flat ground, just above it, and centred over a square without a cross.
    EXPECT_GE(m.SpawnFeet.y, 0.0f);
    EXPECT_LE(m.SpawnFeet.y, vh::kSpawnMargin + 1);
    int under = 0;
    for (int k = 1; k <= s.Terrain.SquareCount; ++k) {
        const vh::SquareCorners c = s.Terrain.Corners(k);
        const auto& a = s.Terrain.Points[c.c0];
        const auto& b = s.Terrain.Points[c.c3];
        if (m.SpawnFeet.x > std::min(a.X, b.X) && m.SpawnFeet.x < std::max(a.X, b.X) &&
            m.SpawnFeet.z > std::min(a.Z, b.Z) && m.SpawnFeet.z < std::max(a.Z, b.Z))
            under = k;
    }
    EXPECT_NE(under, 0);
    EXPECT_EQ(low.count(under), 0u);
}

TEST_F(CompileMarkers, TheOverlayShowsThemOnlyWhenCompileReadyAndTheAutomaticPostOnlyWithoutAChosenSquare) {
    struct Case {
        bool ready;
        int chosen;
        size_t crosses, yellow;  // red cross lines, yellow post lines
    } cases[] = {
        {false, 0, 0, 0},
        {true, 0, 4 * 2, 7},
        {true, 1, 4 * 2, 7},  // the chosen square's post, not a second one
        {false, 1, 0, 7},
    };
    for (const Case& c : cases) {
        s.Choices.CompileReady = c.ready;
        s.Choices.SpawnSquare = c.chosen;
        vh::view::CompileMarkCache cache;
        const vh::view::OverlayScene o = vh::view::BuildOverlay(s, vh::ToolBox{}, cache);
        size_t crosses = 0, yellow = 0;
        for (const Line3& l : o.Lines)
            crosses += Is(l, vh::view::kLowRoofRed), yellow += Is(l, vh::view::kYellow);
        EXPECT_EQ(crosses, c.crosses) << c.ready << c.chosen;
        EXPECT_EQ(yellow, c.yellow) << c.ready << c.chosen;
        EXPECT_EQ(cache.Computations(), c.ready ? 1 : 0) << c.ready << c.chosen;
    }
}

TEST_F(CompileMarkers, TheCacheWorksThemOutAgainOnlyWhenAnInputChanges) {
    vh::view::CompileMarkCache cache;
    const size_t before = cache.Marks(s).LowSquares.size();
    cache.Marks(s);
    EXPECT_EQ(cache.Computations(), 1);

    // A second hill in a corner, raised by a stroke: its square joins the
    // low ones once the stroke ends.
    const int corner = 1;
    s.Terrain.Points[corner].Height = 64;
    s.Stroke.ToolActive = true;
    EXPECT_EQ(cache.Marks(s).LowSquares.size(), before);
    s.Stroke.ToolActive = false;
    EXPECT_EQ(cache.Marks(s).LowSquares.size(), before + SquaresAround(corner).size());
    EXPECT_EQ(cache.Computations(), 2);

    s.Export.Headroom = 256;
    EXPECT_TRUE(cache.Marks(s).LowSquares.empty());
    s.Choices.SpawnSquare = 2;
    EXPECT_FALSE(cache.Marks(s).Spawn);
    EXPECT_EQ(cache.Computations(), 4);

    // Flat under a roof one grid step up: no room anywhere, every square
    // crossed and no spawn point to show.
    s.Choices.SpawnSquare = 0;
    s.Export.Headroom = 0;
    for (vh::TerrainPoint& p : s.Terrain.Points) p.Height = 0;
    EXPECT_EQ(cache.Marks(s).LowSquares.size(), static_cast<size_t>(s.Terrain.SquareCount));
    EXPECT_FALSE(cache.Marks(s).Spawn);
}

// With a simplified surface to work out, the marks come a slice a frame:
// the last ones stay meanwhile, and the new ones are those worked out at once.
TEST(CompileMarkCache, ASimplifiedSurfaceComesASliceAFrame) {
    vh::SharedSurfaceMemo().Forget();
    vh::EditorState s;
    vhtest::MakeTerrain(s, 33, 33, 128);
    for (int p = 1; p <= s.Terrain.PointCount; ++p) s.Terrain.Points[p].Height = 48.0f * ((p * 7919) % 13);
    s.Choices.CompileReady = true;
    s.Choices.Simplify = 40;
    s.Export.Headroom = 0;  // crosses wherever the simplified ground stands high
    vh::view::CompileMarkCache cache(std::chrono::microseconds(1));
    auto frames = [&] {
        int n = 1;
        for (const int before = cache.Computations(); cache.Computations() == before && n < 10000; ++n)
            cache.Marks(s);
        return n;
    };
    EXPECT_TRUE(cache.Marks(s).LowSquares.empty());
    EXPECT_GT(frames(), 2);
    const vh::view::CompileMarks first = cache.Marks(s);
    EXPECT_FALSE(first.LowSquares.empty());
    EXPECT_EQ(first.LowSquares, vh::view::ComputeCompileMarks(s).LowSquares);

    for (vh::TerrainPoint& p : s.Terrain.Points) p.Height = -p.Height;
    EXPECT_EQ(cache.Marks(s).LowSquares, first.LowSquares);  // the last ones, for now
    EXPECT_GT(frames(), 2);
    EXPECT_NE(cache.Marks(s).LowSquares, first.LowSquares);
    EXPECT_EQ(cache.Marks(s).LowSquares, vh::view::ComputeCompileMarks(s).LowSquares);
}

}  // namespace
