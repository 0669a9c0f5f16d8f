#include "core/grid.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "support/terrain_fixture.h"

using namespace vh;

TEST(Grid, SeventeenBySeventeenCountsAndCoordinates) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    EXPECT_EQ(s.Terrain.PointCount, 289);
    EXPECT_EQ(s.Terrain.SquareCount, 256);
    EXPECT_EQ(s.Terrain.PointsPerRow, 17);
    const int corners[][3] = {{1, -2048, -2048}, {17, 2048, -2048}, {289, 2048, 2048}, {145, 0, 0}};
    for (const auto& c : corners) {
        EXPECT_EQ(s.Terrain.Points[c[0]].X, c[1]) << c[0];
        EXPECT_EQ(s.Terrain.Points[c[0]].Z, c[2]) << c[0];
    }
    for (int i = 1; i <= 289; ++i)
        EXPECT_TRUE(s.Terrain.Points[i].Height == 0 && !s.Terrain.Points[i].Locked) << i;
    ASSERT_EQ(s.History.UndoHeights3.size(), 290u);
}

// Every square's corners and neighbours agree with the row-and-column
// layout of the points, also on grids of a single row or column of squares.
TEST(Grid, CornersAndNeighboursFollowTheRowsAndColumns) {
    const struct {
        Dir d;
        int dc, dr;
    } dirs[] = {{Dir::Next, 0, 1},       {Dir::Prev, 0, -1},     {Dir::Left, -1, 0},
                {Dir::Right, 1, 0},      {Dir::NextLeft, -1, 1}, {Dir::NextRight, 1, 1},
                {Dir::PrevLeft, -1, -1}, {Dir::PrevRight, 1, -1}};
    for (const auto [x, y] : {std::array<int, 2>{5, 4}, {6, 2}, {2, 5}, {3, 3}}) {
        const int w = x - 1;
        Terrain t;
        BuildGrid(t, x, y, 64);
        ASSERT_EQ(t.SquareCount, w * (y - 1));
        for (int k = 1; k <= t.SquareCount; ++k) {
            const int c = (k - 1) % w, r = (k - 1) / w;  // from 0
            const int p = r * x + c + 1;
            const SquareCorners q = t.Corners(k);
            EXPECT_TRUE(q.c0 == p + x && q.c1 == p + x + 1 && q.c2 == p && q.c3 == p + 1) << k;
            for (const auto& n : dirs) {
                const int nc = c + n.dc, nr = r + n.dr;
                const bool inside = nc >= 0 && nc < w && nr >= 0 && nr < y - 1;
                EXPECT_EQ(t.Neighbour(k, n.d), inside ? nr * w + nc + 1 : 0)
                    << k << " " << n.dc << "," << n.dr;
            }
            EXPECT_TRUE(t.HasSquare(k));
        }
        EXPECT_FALSE(t.HasSquare(0) || t.HasSquare(t.SquareCount + 1));
        // Counts that promise more points than the arrays hold: the last row is not whole.
        t.Points.resize(t.Points.size() - 1);
        EXPECT_FALSE(t.HasSquare(t.SquareCount));
        EXPECT_TRUE(t.HasSquare(1));
    }
}

TEST(Grid, SizeLimitAcceptsOneEightyOneSquaredOnly) {
    EXPECT_TRUE(CheckGridSize(181, 181, 256));
    const Status tooLarge = CheckGridSize(182, 181, 256);
    ASSERT_FALSE(tooLarge);
    EXPECT_EQ(tooLarge.Kind(), ErrorKind::Invalid);
    EXPECT_NE(tooLarge.Message().find("32767"), std::string::npos);
    EXPECT_FALSE(CheckGridSize(1, 5, 256));
    EXPECT_FALSE(CheckGridSize(5, 5, 0));
    EXPECT_FALSE(CheckGridSize(5, 5, -16));
    EditorState s;
    vhtest::MakeTerrain(s, 181, 181);
    EXPECT_EQ(s.Terrain.PointCount, 32761);
    EXPECT_EQ(s.Terrain.SquareCount, 32400);
    EXPECT_EQ(s.Terrain.Points[16381].X, 0);  // the centre point
    EXPECT_EQ(s.Terrain.Corners(32400).c1, 32761);
}

TEST(Grid, ReportsItsThreeStepsWithTheirMaxima) {
    struct Recorder : Progress {
        std::vector<std::string> statuses;
        std::vector<int> maxima;
        int last = -1;
        void Status(const std::string& t) override { statuses.push_back(t); }
        void Maximum(int m) override { maxima.push_back(m); }
        void Value(int v) override { last = v; }
    } p;
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.NewMap.X = 17;
    s.NewMap.Y = 9;
    BuildGrid(s, p);
    EXPECT_EQ(p.statuses, (std::vector<std::string>{"Generating Points...", "Building Squares...",
                                                    "Sorting Squares..."}));
    EXPECT_EQ(p.maxima, (std::vector<int>{9, 17 * 8, 128}));
    EXPECT_EQ(p.last, 128);
}

namespace {

// The points of one axis as the grid was always built: a float counter from
// -(n - 1) x size / 2 up to +(n - 1) x size / 2 in steps of size. Documents
// and exports hold these values, so the builder must keep them.
std::vector<float> AccumulatedAxis(int n, int size) {
    std::vector<float> out;
    const float step = static_cast<float>(size);
    const float half = (n - 1) * step / 2.0f;
    for (float v = -half; v <= half && out.size() <= static_cast<size_t>(n); v += step) out.push_back(v);
    return out;
}

}  // namespace

TEST(Grid, AcceptedGridsKeepTheCoordinatesOfTheFloatCountingLoop) {
    const int counts[] = {2,   3,   4,   5,    16,   17,   33,   100,  129,  181,
                          182, 256, 257, 1000, 1025, 2049, 4097, 8193, 16383};
    int accepted = 0, refused = 0;
    for (int n : counts) {
        std::vector<int> sizes = {1,    2,    3,    7,    16,   100,  255,   256,   257,  1000,
                                  1024, 1025, 2048, 4095, 4096, 8192, 16383, 16384, 32767};
        // And the sizes around the lengths where floats stop holding every half unit.
        for (double limit : {16777216.0, 33554432.0, 67108864.0})
            for (int d = -2; d <= 2; ++d) sizes.push_back(static_cast<int>(limit / (n - 1)) + d);
        for (int size : sizes) {
            if (size < 1 || size > 32767) continue;
            const std::vector<float> old = AccumulatedAxis(n, size);
            if (!CheckGridSize(n, 2, size)) {
                // Refused only where the old loop did not place every point exactly.
                ++refused;
                bool drifted = old.size() != static_cast<size_t>(n);
                for (size_t i = 0; !drifted && i < old.size(); ++i)
                    drifted =
                        old[i] != static_cast<double>(i) * size - (n - 1) * static_cast<double>(size) / 2;
                EXPECT_TRUE(drifted) << n << " x " << size;
                continue;
            }
            ++accepted;
            EditorState s;
            s.NewMap.X = static_cast<int16_t>(n);
            s.NewMap.Y = 2;
            s.NewMap.Size = static_cast<int16_t>(size);
            BuildGrid(s);
            ASSERT_EQ(old.size(), static_cast<size_t>(n)) << n << " x " << size;
            for (int i = 0; i < n; ++i) {
                ASSERT_EQ(s.Terrain.Points[i + 1].X, old[i]) << n << " x " << size << " column " << i;
                ASSERT_EQ(s.Terrain.Points[n + i + 1].Z, -s.Terrain.Points[1].Z) << n << " x " << size;
            }
        }
    }
    EXPECT_GT(accepted, 300);
    EXPECT_GT(refused, 10);
}

TEST(Grid, SidesAFloatCannotPlaceExactlyAreRefusedWithAMessage) {
    // One row too many (past the end of the arrays) or one too few (a row
    // left at 0, 0) with the float counter.
    const int sides[][3] = {{2, 14358, 9729}, {3, 8200, 32752}, {14358, 2, 9729}};
    for (const auto& g : sides) {
        const Status drift = CheckGridSize(g[0], g[1], g[2]);
        ASSERT_FALSE(drift) << g[1];
        EXPECT_NE(drift.Message().find("exactly"), std::string::npos) << drift.Message();
    }
    // The longest sides that stay exact: every coordinate a whole or half unit.
    EXPECT_TRUE(CheckGridSize(2, 1025, 16384));   // +/- 8388608
    EXPECT_TRUE(CheckGridSize(2, 16383, 1024));   // +/- 8387584
    EXPECT_FALSE(CheckGridSize(2, 1026, 16383));  // +/- 8388607.5 needs 25 bits
}

TEST(Grid, AnyGridIsBuiltInsideItsArrays) {
    // Sizes the check refuses still must not run past the arrays or forever.
    for (const auto& g : {std::array<int, 3>{2, 14358, 9729}, {3, 8200, 32752}, {4, 4, 0}, {4, 4, -32}}) {
        EditorState s;
        s.NewMap.X = static_cast<int16_t>(g[0]);
        s.NewMap.Y = static_cast<int16_t>(g[1]);
        s.NewMap.Size = static_cast<int16_t>(g[2]);
        BuildGrid(s);
        EXPECT_EQ(s.Terrain.Points.size(), static_cast<size_t>(g[0]) * g[1] + 1);
        if (s.Terrain.SquareCount > 0) {
            EXPECT_EQ(s.Terrain.Corners(s.Terrain.SquareCount).c1, g[0] * g[1]);
        }
    }
}
