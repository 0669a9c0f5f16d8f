#include "view/terrain_lod.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <utility>

#include "support/terrain_fixture.h"
#include "view/terrain_mesh.h"

using vh::view::kLodLevels;
using vh::view::TerrainLod;

namespace {

// The triangles drawn for one level per block.
std::vector<std::array<uint32_t, 3>> Drawn(const TerrainLod& lod, const std::vector<int>& levels) {
    std::vector<std::array<uint32_t, 3>> out;
    for (size_t i = 0; i < lod.Blocks.size(); ++i) {
        const auto& b = lod.Blocks[i];
        for (uint32_t k = b.First[levels[i]]; k < b.First[levels[i]] + b.Count[levels[i]]; k += 3)
            out.push_back({lod.Indices[k], lod.Indices[k + 1], lod.Indices[k + 2]});
    }
    return out;
}

}  // namespace

TEST(TerrainLod, LevelZeroDrawsExactlyTheMeshTriangles) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 70, 45);
    const TerrainLod lod = vh::view::BuildTerrainLod(s.Terrain);
    ASSERT_EQ(lod.Blocks.size(), 6u) << "three blocks across (32, 32, 5 squares), two down (32, 12)";
    const auto mesh = vh::view::BuildTerrainMeshes(s.Terrain);
    std::multiset<std::array<uint32_t, 3>> expected, drawn;
    for (size_t k = 0; k < mesh.Triangles.size(); k += 3)
        expected.insert({mesh.Triangles[k], mesh.Triangles[k + 1], mesh.Triangles[k + 2]});
    for (const auto& tri : Drawn(lod, std::vector<int>(lod.Blocks.size(), 0))) drawn.insert(tri);
    EXPECT_EQ(drawn, expected);
}

TEST(TerrainLod, BlocksAtAnyMixOfLevelsCoverTheGridWithoutCracksOrFolds) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 70, 45);
    const TerrainLod lod = vh::view::BuildTerrainLod(s.Terrain);
    const int row = s.Terrain.PointsPerRow;
    std::mt19937 rng(7);
    for (int trial = 0; trial < 40; ++trial) {
        std::vector<int> levels;
        for (const auto& b : lod.Blocks) {
            std::vector<int> usable;
            for (int l = 0; l < kLodLevels; ++l)
                if (b.Count[l] > 0) usable.push_back(l);
            levels.push_back(usable[rng() % usable.size()]);
        }
        long twiceArea = 0;
        // Each directed edge once; an inner edge also the other way round.
        std::map<std::pair<uint32_t, uint32_t>, int> edges;
        for (const auto& t : Drawn(lod, levels)) {
            const long c[3] = {t[0] % row, t[1] % row, t[2] % row},
                       r[3] = {t[0] / row, t[1] / row, t[2] / row};
            const long cross = (c[1] - c[0]) * (r[2] - r[0]) - (r[1] - r[0]) * (c[2] - c[0]);
            ASSERT_GT(cross, 0) << "counter-clockwise like the mesh, never folded or flat";
            twiceArea += cross;
            for (int i = 0; i < 3; ++i) ++edges[{t[i], t[(i + 1) % 3]}];
        }
        EXPECT_EQ(twiceArea, 2L * 69 * 44);
        for (const auto& [e, n] : edges) {
            ASSERT_EQ(n, 1);
            if (edges.count({e.second, e.first})) continue;
            // An edge without its twin lies on the outline.
            const uint32_t a = e.first, b = e.second;
            const bool onOutline = (a / row == b / row && (a / row == 0 || a / row == 44)) ||
                                   (a % row == b % row && (a % row == 0 || a % row == 69));
            ASSERT_TRUE(onOutline) << "a crack between " << a << " and " << b;
        }
    }
}

TEST(TerrainLod, ErrorsFollowTheHeightsAndChooseLevelsByDistance) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 33, 33, 128);
    TerrainLod lod = vh::view::BuildTerrainLod(s.Terrain);
    ASSERT_EQ(lod.Blocks.size(), 1u);
    const auto& b = lod.Blocks[0];
    for (int l = 0; l < kLodLevels; ++l) EXPECT_EQ(b.Error[l], 0.0f) << "flat ground is exact at every level";
    const vh::Vec3f above{0, 10, 0};
    EXPECT_EQ(vh::view::ChooseLodLevels(lod, above, 600)[0], kLodLevels - 1);

    // A 100-unit spike at (col 5, row 9): a vertex of no coarse level.
    const int spike = 9 * 33 + 5 + 1;
    s.Terrain.Points[spike].Height = 100;
    vh::view::UpdateTerrainLod(lod, {spike, spike});
    EXPECT_EQ(b.Error[1], 0.0f) << "measured again only at the next refresh";
    vh::view::RefreshTerrainLod(lod, s.Terrain);
    EXPECT_EQ(b.Error[0], 0.0f);
    for (int l = 1; l < kLodLevels; ++l) EXPECT_FLOAT_EQ(b.Error[l], 100.0f);
    EXPECT_EQ(b.Max.y, 100.0f);

    // 100 units at 600 pixels per unit-distance stay under half a pixel
    // from 120,000 units away, not nearer.
    const float top = b.Max.y;
    EXPECT_EQ(vh::view::ChooseLodLevels(lod, {0, top + 119000, 0}, 600)[0], 0);
    EXPECT_EQ(vh::view::ChooseLodLevels(lod, {0, top + 121000, 0}, 600)[0], kLodLevels - 1);
}

TEST(TerrainLod, ARefreshMeasuresBothBlocksThatShareAChangedBorderPoint) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 65, 33, 128);
    TerrainLod lod = vh::view::BuildTerrainLod(s.Terrain);
    ASSERT_EQ(lod.Blocks.size(), 2u);
    const int border = 10 * 65 + 32 + 1;  // column 32 belongs to both blocks
    s.Terrain.Points[border].Height = -64;
    vh::view::UpdateTerrainLod(lod, {border, border});
    vh::view::RefreshTerrainLod(lod, s.Terrain);
    EXPECT_EQ(lod.Blocks[0].Min.y, -64.0f);
    EXPECT_EQ(lod.Blocks[1].Min.y, -64.0f);
}

TEST(TerrainLod, NoLevelsWithoutAGrid) {
    vh::Terrain empty;
    EXPECT_TRUE(vh::view::BuildTerrainLod(empty).Empty());
    vh::EditorState s;
    vhtest::MakeTerrain(s, 1, 5);
    EXPECT_TRUE(vh::view::BuildTerrainLod(s.Terrain).Empty());
}
