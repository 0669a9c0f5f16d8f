// Merged and simplified surfaces, checked by sampling them against the exact
// surface worked out independently.
#include <gtest/gtest.h>

#include "compile_fixture.h"
#include "export/surface_memo.h"
#include "export/surface_merge.h"
#include "export/surface_simplify.h"

using vh::SquareSplit;
using vhtest::MakeField;

namespace {

struct Case {
    const char* Name;
    vh::TerrainExport T;
};

std::vector<Case> Terrains() {
    std::vector<Case> cases;
    cases.push_back({"flat", MakeField(
                                 17, 17, 128, [](int, int) { return 32.0f; }, SquareSplit::Quad)});
    cases.push_back(
        {"tilted plane", MakeField(13, 9, 64, [](int c, int r) { return 16.0f * c - 32.0f * r; })});
    cases.push_back(
        {"terraces", MakeField(
                         17, 13, 128, [](int c, int r) { return 64.0f * (c / 5) + 128.0f * (r / 6); },
                         SquareSplit::Forward)});
    cases.push_back({"rough \\", MakeField(21, 17, 128, vhtest::RoughHeights(1))});
    cases.push_back({"rough //", MakeField(17, 21, 128, vhtest::RoughHeights(2), SquareSplit::Forward)});
    // The narrowest map: two points wide.
    cases.push_back(
        {"strip", MakeField(2, 14, 128, [](int c, int r) { return r < 6 ? 16.0f * c : 40.0f * (r % 3); })});
    Case mixed{"rough mixed with locks", MakeField(19, 19, 96, vhtest::RoughHeights(3, 96))};
    std::mt19937 gen(5);
    for (auto& s : mixed.T.Splits) s = gen() % 2 ? SquareSplit::Forward : SquareSplit::Backslash;
    for (int p : {45, 100, 181, 200, 290}) mixed.T.Field.Locked[static_cast<size_t>(p)] = 1;
    cases.push_back(mixed);
    return cases;
}

// Largest vertical gap between the mesh (on the heights of `f`) and the
// exact surface of t, sampled eight times per square side (on grid lines,
// square diagonals and between).
double LargestGap(const vh::TerrainExport& t, const vh::PolygonMesh& m, const vh::HeightField& f) {
    double worst = 0;
    for (int j = 0; j <= 8 * (f.Rows - 1); ++j)
        for (int i = 0; i <= 8 * (f.Columns - 1); ++i)
            worst = std::max(worst, std::fabs(vhtest::MeshHeight(f, m, i / 8.0, j / 8.0) -
                                              vhtest::ExactHeight(t, i / 8.0, j / 8.0)));
    return worst;
}

// Convex and counter-clockwise seen from above; returns twice the area.
int64_t ConvexArea(const vh::HeightField& f, std::span<const int> p) {
    int64_t area = 0;
    for (size_t k = 0; k < p.size(); ++k) {
        EXPECT_GE(vh::Cross(f, p[k], p[(k + 1) % p.size()], p[(k + 2) % p.size()]), 0) << "not convex";
        area += vh::Cross(f, p[0], p[k], p[(k + 1) % p.size()]);
    }
    EXPECT_GT(area, 0);
    return area;
}

// The mesh tiles the whole terrain with convex polygons.
void ExpectTiles(const vh::HeightField& f, const vh::PolygonMesh& m) {
    int64_t area = 0;
    for (size_t i = 0; i < m.Size(); ++i) area += ConvexArea(f, m[i]);
    EXPECT_EQ(area, 2 * static_cast<int64_t>(f.Squares()));
}

}  // namespace

TEST(SurfaceMerge, NoPointMovesAndEveryBrushIsConvex) {
    for (const Case& c : Terrains()) {
        SCOPED_TRACE(c.Name);
        const vh::HeightField& f = c.T.Field;
        for (const vh::PolygonMesh& m :
             {vh::MergeGridSurface(f, c.T.Splits), vh::MergeCoplanar(f, vh::SplitSurface(f, c.T.Splits))}) {
            ExpectTiles(f, m);
            EXPECT_LE(m.Size(), vh::SplitSurface(f, c.T.Splits).Size());
            // Every corner sits on its polygon's plane, at its own height.
            for (size_t i = 0; i < m.Size(); ++i)
                for (int p : m[i]) ASSERT_NEAR(vhtest::MeshHeight(f, m, f.Column(p), f.Row(p)), f.H(p), 1e-4);
            EXPECT_LT(LargestGap(c.T, m, f), 1e-3);
        }
    }
}

TEST(SurfaceMerge, EachPlaneBecomesOneBrush) {
    const std::vector<Case> t = Terrains();
    EXPECT_EQ(vh::MergeGridSurface(t[0].T.Field, t[0].T.Splits).Size(), 1u);  // flat
    EXPECT_EQ(vh::MergeGridSurface(t[1].T.Field, t[1].T.Splits).Size(), 1u);  // tilted
    // A straight step between two flats: the flats and the slope between them.
    const auto step = MakeField(16, 12, 64, [](int c, int) { return c < 8 ? 0.0f : 64.0f; });
    EXPECT_EQ(vh::MergeGridSurface(step.Field, step.Splits).Size(), 3u);
}

TEST(SurfaceSimplify, StaysWithinToleranceWithOutlineAndLocksExact) {
    for (const Case& c : Terrains()) {
        const vh::HeightField& f = c.T.Field;
        for (float tolerance : {8.0f, 32.0f, 64.0f}) {
            SCOPED_TRACE(std::string(c.Name) + " within " + std::to_string(tolerance));
            const vh::WrittenSurface s = vh::SimplifySurface(f, c.T.Splits, tolerance, 16);
            const vh::PolygonMesh& m = s.Polygons;
            const vh::HeightField& w = s.Field;
            ExpectTiles(f, m);
            EXPECT_LE(LargestGap(c.T, m, w), tolerance + 1e-3);
            for (int p = 0; p < f.Points(); ++p) {
                if (f.OnOutline(p) || f.IsLocked(p)) {
                    ASSERT_EQ(w.H(p), f.H(p)) << "point " << p;
                    ASSERT_NEAR(vhtest::MeshHeight(w, m, f.Column(p), f.Row(p)), f.H(p), 1e-4)
                        << "point " << p;
                } else if (w.H(p) != f.H(p)) {
                    ASSERT_EQ(std::fmod(w.H(p), 16.0f), 0.0f) << "moved off the height steps: point " << p;
                }
            }
            // Between outline points too: the outline keeps its shape.
            for (int i = 0; i <= 8 * (f.Columns - 1); ++i)
                ASSERT_NEAR(vhtest::MeshHeight(w, m, i / 8.0, 0), vhtest::ExactHeight(c.T, i / 8.0, 0), 1e-4);
            if (tolerance == 64) {
                EXPECT_LT(m.Size(), vh::SplitSurface(f, c.T.Splits).Size());
            }
        }
    }
    // A plane, however large, is two triangles, and nothing moves.
    const auto plane = MakeField(33, 17, 128, [](int c, int r) { return 16.0f * c + 48.0f * r; });
    const vh::WrittenSurface s = vh::SimplifySurface(plane.Field, plane.Splits, 1, 1);
    EXPECT_EQ(s.Polygons.Size(), 2u);
    EXPECT_EQ(s.Field.Heights, plane.Field.Heights);
}

// A lone peak of 48 on flat ground: a fan from the peak to the corners
// strays half the peak's height halfway out, 24 units, and 48 - h at the
// peak. Within 22 units that takes a peak moved into [26, 44]; then four
// triangles hold the whole terrain.
TEST(SurfaceSimplify, KeptPointsMoveWhereTheSurfaceFitsBetter) {
    const auto peak = MakeField(5, 5, 64, [](int c, int r) { return c == 2 && r == 2 ? 48.0f : 0.0f; });
    const vh::HeightField& f = peak.Field;
    const vh::WrittenSurface s = vh::SimplifySurface(f, peak.Splits, 22, 1);
    const vh::HeightField& w = s.Field;
    ExpectTiles(f, s.Polygons);
    EXPECT_LE(LargestGap(peak, s.Polygons, w), 22 + 1e-3);
    EXPECT_EQ(s.Polygons.Size(), 4u);
    EXPECT_GE(w.H(2, 2), 26.0f);
    EXPECT_LE(w.H(2, 2), 44.0f);
}

namespace {

bool SameMesh(const vh::PolygonMesh& a, const vh::PolygonMesh& b) {
    if (a.Size() != b.Size()) return false;
    for (size_t i = 0; i < a.Size(); ++i)
        if (!std::ranges::equal(a[i], b[i])) return false;
    return true;
}

bool SameMesh(const vh::WrittenSurface& a, const vh::WrittenSurface& b) {
    return SameMesh(a.Polygons, b.Polygons) && a.Field.Heights == b.Field.Heights;
}

}  // namespace

TEST(SurfaceMemo, RemembersASurfaceOnlyForTheSameTerrainAndTolerance) {
    // Rough, with a flat part where merging joins triangles.
    const auto rough = vhtest::RoughHeights(4);
    // Locked points on the flat keep coplanar triangles around them there,
    // which merging joins.
    vh::TerrainExport base =
        MakeField(15, 13, 128, [&](int c, int r) { return c < 6 ? 32.0f : rough(c, r); });
    for (int p : {3 * 15 + 2, 8 * 15 + 3}) base.Field.Locked[static_cast<size_t>(p)] = 1;
    struct Change {
        const char* Name;
        std::function<void(vh::TerrainExport&, float&, bool&)> Apply;
    };
    const std::vector<Change> changes = {
        {"a point raised", [](auto& t, float&, bool&) { t.Field.Heights[100] += 160; }},
        {"a point locked", [](auto& t, float&, bool&) { t.Field.Locked[100] = 1; }},
        {"the squares split the other way",
         [](auto& t, float&, bool&) { t.Splits.assign(t.Splits.size(), SquareSplit::Forward); }},
        {"rows and columns swapped",
         [](auto& t, float&, bool&) { std::swap(t.Field.Columns, t.Field.Rows); }},
        {"another tolerance", [](auto&, float& tolerance, bool&) { tolerance = 32; }},
        {"other height steps", [](auto& t, float&, bool&) { t.Grid = 1; }},
        {"merged", [](auto&, float&, bool& merge) { merge = true; }},
    };
    auto fresh = [](const vh::TerrainExport& t, float tolerance, bool merge) {
        vh::WrittenSurface s = vh::SimplifySurface(t.Field, t.Splits, tolerance, t.Grid);
        if (merge) s.Polygons = vh::MergeCoplanar(s.Field, s.Polygons);
        return s;
    };
    const vh::WrittenSurface before = fresh(base, 64, false);
    for (const Change& c : changes) {
        SCOPED_TRACE(c.Name);
        vh::SurfaceMemo memo;
        ASSERT_TRUE(SameMesh(memo.Simplified(base.Field, base.Splits, 64, base.Grid, false), before));
        EXPECT_TRUE(SameMesh(memo.Simplified(base.Field, base.Splits, 64, base.Grid, false), before));
        EXPECT_EQ(memo.Computations(), 1u);
        vh::TerrainExport t = base;
        float tolerance = 64;
        bool merge = false;
        c.Apply(t, tolerance, merge);
        const vh::WrittenSurface after = fresh(t, tolerance, merge);
        ASSERT_FALSE(SameMesh(after, before));  // or the change would prove nothing
        EXPECT_TRUE(SameMesh(memo.Simplified(t.Field, t.Splits, tolerance, t.Grid, merge), after));
        EXPECT_EQ(memo.Computations(), 2u);
        // Both are remembered now.
        EXPECT_TRUE(SameMesh(memo.Simplified(base.Field, base.Splits, 64, base.Grid, false), before));
        EXPECT_EQ(memo.Computations(), 2u);
    }
    // The oldest goes first when the memo is full; Forget() lets all go.
    vh::SurfaceMemo memo(2);
    for (float tolerance : {16.0f, 32.0f, 64.0f, 32.0f, 64.0f})
        memo.Simplified(base.Field, base.Splits, tolerance, base.Grid, false);
    EXPECT_EQ(memo.Computations(), 3u);
    memo.Simplified(base.Field, base.Splits, 16, base.Grid, false);
    EXPECT_EQ(memo.Computations(), 4u);
    memo.Forget();
    EXPECT_TRUE(
        SameMesh(memo.Simplified(base.Field, base.Splits, 16, base.Grid, false), fresh(base, 16, false)));
    EXPECT_EQ(memo.Computations(), 5u);
}

// Spread over many small steps (as the view and the dialogs do between
// frames), a simplification ends where one run in a piece does; a memo that
// is asked for another surface midway lets the half-done one go.
TEST(SurfaceMemo, ASimplificationInStepsEndsAsOneInAPiece) {
    const vh::TerrainExport t = MakeField(25, 21, 128, vhtest::RoughHeights(4));
    for (float tolerance : {8.0f, 48.0f}) {
        const vh::WrittenSurface whole = vh::SimplifySurface(t.Field, t.Splits, tolerance, t.Grid);
        for (size_t steps : {1, 37}) {
            SCOPED_TRACE(testing::Message() << tolerance << " units, " << steps << " steps at a time");
            vh::SurfaceSimplification job(t.Field, t.Splits, tolerance, t.Grid);
            size_t calls = 1;
            while (!job.Advance(steps)) ++calls;
            EXPECT_GT(calls, 500 / steps);  // every point is considered at least
            EXPECT_TRUE(SameMesh(job.Take(), whole));
        }
    }

    vh::SurfaceMemo memo;
    const vh::WrittenSurface at32 = vh::SimplifySurface(t.Field, t.Splits, 32, t.Grid);
    EXPECT_FALSE(memo.Prepare(t.Field, t.Splits, 32, t.Grid, false, 10));
    EXPECT_FALSE(memo.Prepare(t.Field, t.Splits, 16, t.Grid, false, 10));  // 32 goes
    int calls = 0;
    while (!memo.Prepare(t.Field, t.Splits, 32, t.Grid, false, 10)) ++calls;
    EXPECT_GT(calls, 50);  // started again
    EXPECT_EQ(memo.Computations(), 1u);
    EXPECT_TRUE(SameMesh(memo.Simplified(t.Field, t.Splits, 32, t.Grid, false), at32));
    EXPECT_TRUE(memo.Prepare(t.Field, t.Splits, 32, t.Grid, false, 0));
    EXPECT_FALSE(memo.Prepare(t.Field, t.Splits, 16, t.Grid, true, 10));
    const vh::WrittenSurface at16 = memo.Simplified(t.Field, t.Splits, 16, t.Grid, true);
    EXPECT_EQ(memo.Computations(), 2u);
    vh::WrittenSurface fresh = vh::SimplifySurface(t.Field, t.Splits, 16, t.Grid);
    fresh.Polygons = vh::MergeCoplanar(fresh.Field, fresh.Polygons);
    EXPECT_TRUE(SameMesh(at16, fresh));
}

TEST(GridPieces, TileTheSquaresWithRectanglesOfOnePlane) {
    for (const Case& c : Terrains()) {
        SCOPED_TRACE(c.Name);
        const vh::HeightField& f = c.T.Field;
        std::vector<int> cover(static_cast<size_t>(f.Squares()), 0);
        size_t pieces = 0;
        vh::GridPieces(f, [&](const vh::GridPiece& g) {
            ++pieces;
            ASSERT_TRUE(g.Planar || (g.W == 1 && g.H == 1));
            const vh::GridPlane plane =
                vh::PlaneThrough(f, f.Index(g.C, g.R), f.Index(g.C + 1, g.R), f.Index(g.C, g.R + 1));
            bool flat = true;
            for (int r = g.R; r <= g.R + g.H; ++r)
                for (int col = g.C; col <= g.C + g.W; ++col) {
                    flat = flat && std::fabs(plane.At(f, f.Index(col, r)) - f.H(col, r)) < 1e-3;
                    if (r < g.R + g.H && col < g.C + g.W)
                        ++cover[static_cast<size_t>(r * f.SquaresPerRow() + col)];
                }
            EXPECT_EQ(flat, g.Planar);
        });
        for (int n : cover) ASSERT_EQ(n, 1) << "a square in no piece or in two";
        // A plane is one piece; rough ground is nearly a piece per square.
        const std::string name = c.Name;
        if (name == "flat" || name == "tilted plane") {
            EXPECT_EQ(pieces, 1u);
        } else if (name == "terraces") {
            EXPECT_LT(pieces * 4, static_cast<size_t>(f.Squares()));
        }
    }
}
