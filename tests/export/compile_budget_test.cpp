// The compile budget: planes counted as a compiler counts them, and brushes
// and planes matching what the export then writes.
#include "export/compile_budget.h"

#include <gtest/gtest.h>

#include "compile_fixture.h"
#include "export/export_commands.h"
#include "export/map_export.h"
#include "export/plane_count.h"
#include "export/terrain_from_state.h"
#include "export_fixture.h"

using vh::CompileOptions;

namespace {

vh::MapBudget BudgetOf(vh::EditorState& s, const CompileOptions& o) {
    vh::TerrainExport t;
    std::string why;
    s.Rnd.Randomize();  // as the export does
    EXPECT_TRUE(vh::TerrainExportFromState(s, s.Rnd, &t, &why)) << why;
    return vh::CompileBudget(t, o);
}

// Distinct planes of the text, worked out the slow way: a face's plane from
// its three points as read, and planes equal within half the compiler's
// tolerances (1e-6 on the normal, 1e-4 on the distance) either way round.
size_t CountPlanes(const std::vector<vhtest::MapEntity>& map) {
    std::vector<std::array<double, 4>> seen;
    for (const auto& e : map)
        for (const auto& b : e.Brushes)
            for (const auto& f : b) {
                double u[3], v[3];
                for (int i = 0; i < 3; ++i) u[i] = f.P[0][i] - f.P[1][i], v[i] = f.P[2][i] - f.P[1][i];
                std::array<double, 4> p = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                           u[0] * v[1] - u[1] * v[0], 0};
                const double len = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
                for (int i = 0; i < 3; ++i) p[i] /= len;
                p[3] = p[0] * f.P[1][0] + p[1] * f.P[1][1] + p[2] * f.P[1][2];
                auto same = [&](const std::array<double, 4>& q, double sign) {
                    for (int i = 0; i < 3; ++i)
                        if (std::fabs(q[i] - sign * p[i]) > 0.5e-6) return false;
                    return std::fabs(q[3] - sign * p[3]) <= 0.5e-4;
                };
                if (std::none_of(seen.begin(), seen.end(),
                                 [&](auto& q) { return same(q, 1) || same(q, -1); }))
                    seen.push_back(p);
            }
    return seen.size();
}

vh::FacePoints Face(std::array<float, 9> p) {
    vh::FacePoints f;
    for (int i = 0; i < 9; ++i) f.P[i / 3][i % 3] = p[static_cast<size_t>(i)];
    return f;
}

}  // namespace

TEST(PlaneCount, OppositesAndNearTwinsAreOnePlane) {
    vh::PlaneCounter planes;
    planes.Face(Face({0, 0, 0, 0, 64, 0, 64, 64, 0}), vh::FaceTexture::Top);
    planes.Face(Face({64, 64, 0, 0, 64, 0, 0, 0, 0}), vh::FaceTexture::Side);  // facing down
    planes.Face(Face({0, 0, 0.00002f, 0, 64, 0.00002f, 64, 64, 0.00002f}), vh::FaceTexture::Top);
    EXPECT_EQ(planes.Count(), 1u);
    planes.Face(Face({0, 0, 0.001f, 0, 64, 0.001f, 64, 64, 0.001f}), vh::FaceTexture::Top);
    planes.Face(Face({0, 0, 0, 0, 64, 12.34568f, 64, 64, 0}), vh::FaceTexture::Top);  // written 12.34568
    planes.Face(Face({0, 0, 0, 0, 64, 12.345678f, 64, 64, 0}), vh::FaceTexture::Top);
    EXPECT_EQ(planes.Count(), 3u);
    EXPECT_EQ(planes.Faces(), 6u);
}

TEST(CompileBudget, PlanesOfAFlatTerrainCountedByHand) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 17, 64);
    // Surface and floor, 17 + 17 grid lines, and the sky box's four outer
    // walls, its ceiling level and its roof top.
    s.Export.AddHint = false;
    EXPECT_EQ(BudgetOf(s, {}).Planes, 2u + 34u + 4u + 2u);
    s.Export.AddHint = true;  // hint boxes lie on planes already there
    EXPECT_EQ(BudgetOf(s, {}).Planes, 42u);
    s.Export.AddSky = false;  // the hint boxes' ceiling level stays
    EXPECT_EQ(BudgetOf(s, {}).Planes, 2u + 34u + 1u);
}

TEST(CompileBudget, CountsWhatTheExportWrites) {
    CompileOptions playable = vh::PlayableOptions(), lean = playable, simple = playable, detail = playable;
    lean.Merge = true;
    simple.Merge = true;
    simple.Simplify = 24;
    detail.Detail = true;
    for (const CompileOptions& o : {CompileOptions{}, playable, lean, simple, detail})
        for (const char* style : {"Best Fit", "Random"}) {
            vh::EditorState s;
            vhtest::MakeTerrain(s, 11, 9, 64);
            const auto h = vhtest::RoughHeights(11);
            for (int p = 1; p <= s.Terrain.PointCount; ++p)
                s.Terrain.Points[p].Height = h((p - 1) % 11, (p - 1) / 11) + 0.5f;
            s.Export.ExportType = style;
            s.Export.ExportPosition = o.Detail ? 1 : 0;
            s.Rnd.Seed(3);
            const vh::MapBudget b = BudgetOf(s, o);
            vhtest::TempDir dir;
            const vh::Result<vh::ExportSummary> written =
                vh::RunMapExport(s, dir.File("m.map"), o, vh::NoProgress());
            ASSERT_TRUE(written) << vh::MessageOf(written);
            const auto map = vhtest::ParseMap(vhtest::ReadFileBytes(dir.File("m.map")));
            size_t brushes = 0, faces = 0;
            for (const auto& e : map)
                for (const auto& brush : e.Brushes) ++brushes, faces += brush.size();
            EXPECT_EQ(b.Brushes, brushes);
            EXPECT_EQ(b.BrushFaces, faces);
            EXPECT_EQ(b.Planes, CountPlanes(map));
        }
}

TEST(CompileBudget, VerdictAgainstTheBsp29Limits) {
    // A flat plain fits with room to spare once merged and filled; a rough
    // terrain without a spawn point is not filled and needs BSP2 at once.
    vh::EditorState s;
    vhtest::MakeTerrain(s, 65, 65, 128);
    CompileOptions lean = vh::PlayableOptions();
    lean.Merge = true;
    vh::MapBudget flat = BudgetOf(s, lean);
    EXPECT_TRUE(flat.Filled);
    EXPECT_FALSE(flat.NeedsBsp2);
    EXPECT_EQ(flat.TerrainBrushes, 1u);
    EXPECT_LT(flat.Clipnodes, 100u);

    vhtest::MakeTerrain(s, 33, 33, 128);
    const auto h = vhtest::RoughHeights(33, 96);
    for (int p = 1; p <= s.Terrain.PointCount; ++p)
        s.Terrain.Points[p].Height = h((p - 1) % 33, (p - 1) / 33);
    const vh::MapBudget rough = BudgetOf(s, {});
    EXPECT_FALSE(rough.Filled);
    EXPECT_TRUE(rough.NeedsBsp2);
    EXPECT_GT(rough.Clipnodes, vh::kBsp29MaxClipnodes);
    // Filling the outside shrinks the clip hulls severalfold.
    EXPECT_LT(BudgetOf(s, vh::PlayableOptions()).Clipnodes * 3, rough.Clipnodes);
}

TEST(CompileBudget, HintBrushesPerSquareOutgrowBsp29OnAPlainThatMergingKeepsSmall) {
    // One hint brush per square cuts a sealed plain into a cell per square:
    // by 97 x 97 the nodes and the leafs (with a brush per square too)
    // outgrow BSP29. Merging gathers the hint brushes of a plain into one box, and
    // the trees stay tiny with hints or without.
    struct Case {
        int points;
        bool merge, hint, nodesOver, leafsOver;
    };
    const Case cases[] = {{33, false, true, false, false}, {97, false, true, true, true},
                          {129, false, true, true, true},  {33, true, true, false, false},
                          {129, true, true, false, false}, {129, true, false, false, false}};
    size_t previousPerSquare = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.points) + (c.merge ? " merged" : "") + (c.hint ? " with hints" : ""));
        vh::EditorState s;
        vhtest::MakeTerrain(s, c.points, c.points, 128);
        s.Export.AddHint = c.hint;
        CompileOptions o = vh::PlayableOptions();
        o.Merge = c.merge;
        const vh::MapBudget b = BudgetOf(s, o);
        ASSERT_TRUE(b.Filled);
        EXPECT_EQ(b.Nodes > vh::kBsp29MaxNodes, c.nodesOver);
        EXPECT_EQ(b.Leafs > vh::kBsp29MaxLeafs, c.leafsOver);
        EXPECT_EQ(b.NeedsBsp2, c.nodesOver || c.leafsOver);
        EXPECT_LE(b.Leafs, b.Nodes + 1);  // a binary tree, its solid leafs shared
        if (c.merge) {
            EXPECT_EQ(b.TerrainBrushes, 1u);
            EXPECT_EQ(b.Brushes, 1u + (c.hint ? 1u : 0u) + 5u);  // the terrain, one hint box, the sealing box
            EXPECT_LT(b.Nodes, 100u);
        } else {
            EXPECT_GT(b.Nodes, static_cast<size_t>(s.Terrain.SquareCount));  // at least one cut per square
            EXPECT_GT(b.Nodes, previousPerSquare);
            previousPerSquare = b.Nodes;
        }
    }
}

TEST(CompileBudget, FewerTerrainBrushesMakeFewerNodes) {
    // One rough sealed terrain, exact and simplified, with and without hint brushes.
    vh::EditorState s;
    vhtest::MakeTerrain(s, 33, 33, 128);
    const auto h = vhtest::RoughHeights(5, 64);
    for (int p = 1; p <= s.Terrain.PointCount; ++p)
        s.Terrain.Points[p].Height = h((p - 1) % 33, (p - 1) / 33);
    CompileOptions simple = vh::PlayableOptions();
    simple.Merge = true;
    simple.Simplify = 64;
    for (bool hint : {true, false}) {
        SCOPED_TRACE(hint ? "hint" : "no hint");
        s.Export.AddHint = hint;
        const vh::MapBudget many = BudgetOf(s, vh::PlayableOptions()), few = BudgetOf(s, simple);
        ASSERT_LT(few.TerrainBrushes * 2, many.TerrainBrushes);
        EXPECT_LT(few.Nodes, many.Nodes);
        EXPECT_LE(many.Leafs, many.Nodes + 1);
        EXPECT_GT(many.Leafs, many.Nodes / 4);
    }
}
