// Brushes that carry several surface planes: which neighbours may share a
// brush, and that the brushes written rebuild the exact surface.
#include "export/surface_caps.h"

#include <gtest/gtest.h>

#include "compile_fixture.h"
#include "core/rules.h"
#include "export/export_commands.h"
#include "export/map_export.h"
#include "export/surface_merge.h"
#include "export/surface_simplify.h"
#include "export/terrain_from_state.h"
#include "export_fixture.h"

using vh::SquareSplit;
using vhtest::MakeField;

namespace {

size_t Brushes(const vh::TerrainExport& t, bool under) {
    return vh::GroupCaps(t.Field, vh::MergeGridSurface(t.Field, t.Splits), under).Size();
}

int64_t Area(const vh::HeightField& f, std::span<const int> p) {
    int64_t a = 0;
    for (size_t k = 1; k + 1 < p.size(); ++k) a += vh::Cross(f, p[0], p[k], p[k + 1]);
    return a;
}

}  // namespace

TEST(SurfaceCaps, ARidgeIsOneBrushOverHillsAndATroughOneUnderCaves) {
    const auto ridge = MakeField(
        9, 7, 64, [](int c, int) { return 256.0f - 32.0f * std::abs(c - 4); }, SquareSplit::Quad);
    const auto trough = MakeField(
        9, 7, 64, [](int c, int) { return 32.0f * std::abs(c - 4); }, SquareSplit::Quad);
    // Two slopes each: one brush where the brush side of the surface is convex.
    EXPECT_EQ(vh::MergeGridSurface(ridge.Field, ridge.Splits).Size(), 2u);
    EXPECT_EQ(Brushes(ridge, true), 1u);
    EXPECT_EQ(Brushes(ridge, false), 2u);
    EXPECT_EQ(Brushes(trough, true), 2u);
    EXPECT_EQ(Brushes(trough, false), 1u);

    // A pyramid, each square split along its edges where they cross it: four
    // planes; over hills two brushes (growing one neighbour at a time, a third
    // slope would leave a notch), four under caves.
    auto pyramid = MakeField(
        7, 7, 64, [](int c, int r) { return 128.0f - 32.0f * std::max(std::abs(c - 3), std::abs(r - 3)); });
    for (int q = 0; q < pyramid.Field.Squares(); ++q)
        pyramid.Splits[static_cast<size_t>(q)] =
            (q % 6 - 2.5) * (q / 6 - 2.5) > 0 ? SquareSplit::Forward : SquareSplit::Backslash;
    EXPECT_EQ(vh::MergeGridSurface(pyramid.Field, pyramid.Splits).Size(), 4u);
    EXPECT_EQ(Brushes(pyramid, true), 2u);
    EXPECT_EQ(Brushes(pyramid, false), 4u);
}

TEST(SurfaceCaps, GroupsTileTheSurfaceWithConvexBrushesThatKeepEveryPlane) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const auto t = MakeField(15, 13, 128, vhtest::RoughHeights(seed),
                                 seed == 2 ? SquareSplit::Forward : SquareSplit::Backslash);
        // A simplified surface stands on heights of its own.
        const vh::WrittenSurface simple = vh::SimplifySurface(t.Field, t.Splits, 32, 16);
        const vh::HeightField& written = simple.Field;
        const struct {
            const char* Name;
            const vh::HeightField& Field;
            vh::PolygonMesh Mesh;
        } surfaces[] = {{"triangles", t.Field, vh::SplitSurface(t.Field, t.Splits)},
                        {"merged", t.Field, vh::MergeGridSurface(t.Field, t.Splits)},
                        {"simplified", written, vh::MergeCoplanar(written, simple.Polygons)}};
        for (const auto& [name, f, mesh] : surfaces)
            for (bool under : {true, false}) {
                SCOPED_TRACE(std::string(name) + (under ? " hills" : " caves") + " seed " +
                             std::to_string(seed));
                size_t creases = 0;
                const vh::BrushGroups groups = vh::GroupCaps(f, mesh, under, &creases);
                EXPECT_LT(groups.Size(), mesh.Size()) << "no neighbours shared a brush";
                EXPECT_EQ(creases, vh::CountCreases(f, mesh));
                std::vector<int> owner(mesh.Size(), 0), outline;
                for (size_t g = 0; g < groups.Size(); ++g) {
                    const auto members = groups[g];
                    int64_t area = 0;
                    for (int m : members)
                        ++owner[static_cast<size_t>(m)], area += Area(f, mesh[static_cast<size_t>(m)]);
                    groups.Outline(f, mesh, g, &outline);
                    // Convex, counter-clockwise, and exactly the members' ground.
                    for (size_t k = 0; k < outline.size(); ++k)
                        ASSERT_GT(vh::Cross(f, outline[k], outline[(k + 1) % outline.size()],
                                            outline[(k + 2) % outline.size()]),
                                  0);
                    EXPECT_EQ(Area(f, outline), area);
                    EXPECT_LE(members.size() + outline.size() + 1, 16u) << "faces of one brush";
                    // The brush's top is the lowest (caves: highest) of its
                    // planes: every plane on the brush's side of every corner.
                    for (int m : members) {
                        const vh::GridPlane plane = vh::PlaneOfPolygon(f, mesh[static_cast<size_t>(m)]);
                        for (int o : members)
                            for (int p : mesh[static_cast<size_t>(o)]) {
                                const double off = plane.At(f, p) - f.H(p);
                                ASSERT_GE(under ? off : -off, -1e-3) << "point " << p;
                            }
                    }
                }
                for (int n : owner) ASSERT_EQ(n, 1) << "a polygon in no brush or in two";
            }
    }
}

namespace {

struct Plane {
    double N[3], D;  // outward normal; inside where N.x <= D
};

Plane PlaneOf(const vhtest::MapFace& f) {
    double u[3], v[3];
    for (int i = 0; i < 3; ++i) u[i] = f.P[0][i] - f.P[1][i], v[i] = f.P[2][i] - f.P[1][i];
    Plane p{{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]}, 0};
    p.D = p.N[0] * f.P[1][0] + p.N[1] * f.P[1][1] + p.N[2] * f.P[1][2];
    return p;
}

// The brushes' surface at (x, y): over hills the top of whichever brush
// stands there, under caves the bottom; NaN when no brush covers it, and the
// largest disagreement between brushes that touch there in *spread.
double BrushSurface(const std::vector<vhtest::MapBrush>& brushes, bool hills, double x, double y,
                    double* spread) {
    double found = NAN, lo = INFINITY, hi = -INFINITY;
    for (const auto& b : brushes) {
        double h = hills ? INFINITY : -INFINITY;
        bool inside = true;
        for (const auto& face : b) {
            const Plane p = PlaneOf(face);
            const double len = std::hypot(p.N[0], p.N[1], p.N[2]);
            if (std::fabs(p.N[2]) < 1e-9 * len) {  // a side
                inside = inside && p.N[0] * x + p.N[1] * y <= p.D + 1e-6 * len;
            } else if ((p.N[2] > 0) == hills) {  // the surface side
                const double z = (p.D - p.N[0] * x - p.N[1] * y) / p.N[2];
                h = hills ? std::min(h, z) : std::max(h, z);
            }
        }
        if (!inside) continue;
        found = h, lo = std::min(lo, h), hi = std::max(hi, h);
    }
    *spread = std::isnan(found) ? 0 : hi - lo;
    return found;
}

}  // namespace

TEST(SurfaceCaps, TheBrushesWrittenRebuildTheExactSurface) {
    for (int position : {0, 1})
        for (float simplify : {0.0f, 32.0f}) {
            SCOPED_TRACE((position ? "caves" : "hills") + std::string(" within ") + std::to_string(simplify));
            vh::EditorState s;
            vhtest::MakeTerrain(s, 11, 9, 64);
            const auto h = vhtest::RoughHeights(11);
            for (int p = 1; p <= s.Terrain.PointCount; ++p)
                s.Terrain.Points[p].Height = h((p - 1) % 11, (p - 1) / 11);
            s.Export.ExportType = "Best Fit";
            s.Export.ExportPosition = position;
            s.Export.AddHint = s.Export.AddSky = false;
            vh::CompileOptions lean;  // no boxes: every brush is terrain
            lean.Merge = true;
            lean.Simplify = simplify;
            vhtest::TempDir dir;
            const std::string path = dir.File("lean.map");
            const auto written = vh::RunMapExport(s, path, lean, vh::NoProgress());
            ASSERT_TRUE(written) << vh::MessageOf(written);
            const auto map = vhtest::ParseMap(vhtest::ReadFileBytes(path));
            ASSERT_EQ(map.size(), 1u);
            const auto& brushes = map.front().Brushes;
            EXPECT_LT(brushes.size(), written.Value().ExactTerrainBrushes / 2);
            for (const auto& b : brushes) ASSERT_TRUE(vhtest::BrushIsSolid(b));

            vh::TerrainExport t;
            std::string why;
            s.Rnd.Seed(1);
            ASSERT_TRUE(vh::TerrainExportFromState(s, s.Rnd, &t, &why)) << why;
            const vh::HeightField& f = t.Field;
            double worst = 0;
            for (int j = 0; j <= 4 * (f.Rows - 1); ++j)
                for (int i = 0; i <= 4 * (f.Columns - 1); ++i) {
                    const double x = i / 4.0, z = j / 4.0;
                    double gap = 0;
                    const double at = BrushSurface(brushes, position == 0, f.X0 + x * f.Spacing,
                                                   f.Z0 + z * f.Spacing, &gap);
                    ASSERT_FALSE(std::isnan(at)) << "nothing at " << x << ", " << z;
                    ASSERT_LT(gap, 1e-3) << "brushes disagree at " << x << ", " << z;
                    worst = std::max(worst, std::fabs(at - vhtest::ExactHeight(t, x, z)));
                }
            EXPECT_LE(worst, simplify + 1e-3);
        }
}
