// The compile-ready export end to end through ExportMap: today's bytes with
// every option off, solid brushes facing out, the entities and their keys,
// and no file where the player could not start.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <regex>

#include "compile_fixture.h"
#include "core/rules.h"
#include "export/compile_budget.h"
#include "export/export_commands.h"
#include "export/map_export.h"
#include "export/terrain_from_state.h"
#include "export_fixture.h"

using vh::CompileOptions;

namespace {

// A rough 9 x 9 terrain, 64 apart, heights on 16-unit steps.
void MakeRough(vh::EditorState& s, const std::string& style = "Best Fit") {
    vhtest::MakeTerrain(s, 9, 9, 64);
    const auto h = vhtest::RoughHeights(9);
    for (int p = 1; p <= s.Terrain.PointCount; ++p) s.Terrain.Points[p].Height = h((p - 1) % 9, (p - 1) / 9);
    s.Export.ExportType = style;
    s.Rnd.Seed(7);
}

// Exports with `o`, or as the editor does (the map's own choices) without.
std::string Export(vh::EditorState& s, const std::optional<CompileOptions>& o,
                   vh::ExportSummary* done = nullptr) {
    vhtest::TempDir dir;
    const std::string path = dir.File("out.map");
    const vh::Result<vh::ExportSummary> written =
        o ? vh::RunMapExport(s, path, *o, vh::NoProgress()) : vh::RunMapExport(s, path, vh::NoProgress());
    EXPECT_TRUE(written) << vh::MessageOf(written);
    if (written && done) *done = written.Value();
    return vhtest::ReadFileBytes(path);
}

size_t CountBrushes(const std::vector<vhtest::MapEntity>& map) {
    size_t n = 0;
    for (const auto& e : map) n += e.Brushes.size();
    return n;
}

}  // namespace

TEST(CompileExport, EverythingOffWritesTheDocumentedBytes) {
    ASSERT_TRUE(CompileOptions{}.Documented());
    for (const char* style : {"Best Fit", "Random", "X"}) {
        vh::EditorState s;
        MakeRough(s, style);
        const std::string documented = vhtest::ExportToText(s);
        vh::ExportSummary done;
        EXPECT_EQ(Export(s, CompileOptions{}, &done), documented) << style;
        EXPECT_EQ(done.Brushes, CountBrushes(vhtest::ParseMap(documented)));
    }
}

TEST(CompileExport, EveryBrushIsSolidWithItsFacesOutward) {
    const std::regex whole(R"(        (\( -?\d+ -?\d+ -?\d+ \) ){3}\S+ 0 0 0 \d+ \d+)");
    for (int position : {0, 1})
        for (int lean = 0; lean < 3; ++lean)
            for (bool detail : {false, true}) {
                SCOPED_TRACE("position " + std::to_string(position) + " lean " + std::to_string(lean) +
                             (detail ? " detail" : ""));
                vh::EditorState s;
                MakeRough(s);
                s.Export.ExportPosition = position;
                s.Export.AddHint = lean == 1;
                CompileOptions o = vh::PlayableOptions();
                o.Merge = lean > 0;
                o.Simplify = lean == 2 ? 32.0f : 0.0f;
                o.Detail = detail;
                vh::ExportSummary done;
                const std::string text = Export(s, o, &done);
                const auto map = vhtest::ParseMap(text);
                EXPECT_EQ(CountBrushes(map), done.Brushes);
                for (const auto& e : map)
                    for (const auto& b : e.Brushes) ASSERT_TRUE(vhtest::BrushIsSolid(b)) << b.front().Texture;
                // Whole numbers where the points are whole.
                for (const auto& line : vhtest::SplitCrLf(text)) {
                    if (line.rfind("        (", 0) != 0) continue;
                    ASSERT_TRUE(std::regex_match(line, whole)) << line;
                }

                ASSERT_EQ(map.size(), detail ? 3u : 2u);
                EXPECT_EQ(map.front().Keys.at("classname"), "worldspawn");
                if (detail) {
                    EXPECT_EQ(map[1].Keys.at("classname"), "func_detail");
                    EXPECT_EQ(map[1].Brushes.size(), done.TerrainBrushes);
                }
                EXPECT_EQ(map.back().Keys.at("classname"), "info_player_start");
                EXPECT_EQ(map.back().Keys.at("origin"), vh::NumberText(done.Spawn.X) + " " +
                                                            vh::NumberText(done.Spawn.Y) + " " +
                                                            vh::NumberText(done.Spawn.Z));
                EXPECT_LE(done.TerrainBrushes, done.ExactTerrainBrushes);
            }
}

TEST(CompileExport, WorldspawnKeysOnlyWhenAsked) {
    vh::EditorState s;
    MakeRough(s);
    CompileOptions o;
    o.Light = true;
    o.Wad = "gfx/base.wad";
    auto keys = vhtest::ParseMap(Export(s, o)).front().Keys;
    EXPECT_EQ(keys.at("wad"), "gfx/base.wad");
    EXPECT_EQ(keys.at("light"), "20");
    EXPECT_EQ(keys.at("_sunlight"), "200");
    EXPECT_EQ(keys.at("_sun_mangle"), "45 -60 0");
    o = CompileOptions{};
    o.Seal = true;
    keys = vhtest::ParseMap(Export(s, o)).front().Keys;
    EXPECT_EQ(keys.size(), 1u);  // the class name alone
}

TEST(CompileExport, NoRoomForThePlayerOrABadHeightWritesNothing) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 9, 9, 64);
    vhtest::TempDir dir;
    const std::string path = dir.File("keep.map");
    vhtest::WriteFileBytes(path, "previous export");
    CompileOptions o = vh::PlayableOptions();
    o.Headroom = 40;
    std::string error = vh::MessageOf(vh::RunMapExport(s, path, o, vh::NoProgress()));
    EXPECT_NE(error.find("56 units of room under the roof"), std::string::npos) << error;
    s.Terrain.Points[12].Height = std::numeric_limits<float>::infinity();
    error = vh::MessageOf(vh::RunMapExport(s, path, vh::PlayableOptions(), vh::NoProgress()));
    EXPECT_NE(error.find("point 12 is not at a finite place"), std::string::npos) << error;
    vh::TerrainExport t;  // the budget's way in says the same
    EXPECT_FALSE(vh::TerrainExportFromState(s, s.Rnd, &t, &error));
    EXPECT_NE(error.find("point 12 is not at a finite place"), std::string::npos) << error;
    EXPECT_EQ(vhtest::ReadFileBytes(path), "previous export");
}

TEST(MapChoicesExport, TheEditorExportsWithTheMapsChoicesAndSettingsOnlyMatterWhenCompileReady) {
    vh::EditorState s;
    MakeRough(s);
    for (int p : {31, 32, 40, 41}) s.Terrain.Points[p].Height = 32;  // square 28 level
    const std::string documented = Export(s, CompileOptions{});
    // Wad, headroom and light set but no choice: still the documented bytes.
    s.Export.Wad = "/q/id1/gfx.wad";
    s.Export.Headroom = 900;
    s.Export.Light = false;
    s.Rnd.Seed(7);
    EXPECT_EQ(Export(s, std::nullopt), documented);

    s.Choices.CompileReady = true;
    s.Choices.SpawnSquare = 28;
    s.Rnd.Seed(7);
    vh::ExportSummary done;
    const std::string ready = Export(s, std::nullopt, &done);
    ASSERT_FALSE(ready.empty());
    EXPECT_NE(ready.find("\"wad\" \"/q/id1/gfx.wad\""), std::string::npos);
    EXPECT_EQ(ready.find("_sunlight"), std::string::npos);  // the light switch is off
    EXPECT_EQ(done.Spawn.Square, 27);                       // the picked square, 0-based
    const vh::CompileOptions o = vh::CompileOptionsOf(s.Choices, s.Export);
    EXPECT_TRUE(o.Seal);
    EXPECT_EQ(o.Headroom, 900.0f);
    s.Rnd.Seed(7);
    EXPECT_EQ(Export(s, o), ready);

    s.Choices.CompileReady = false;
    s.Choices.Merge = true;  // lean alone: no seal, no spawn, no worldspawn keys
    const vh::CompileOptions lean = vh::CompileOptionsOf(s.Choices, s.Export);
    EXPECT_FALSE(lean.Seal || lean.Light || !lean.Wad.empty() || lean.Spawn != vh::SpawnChoice::None);
    EXPECT_FALSE(lean.Documented());
}

TEST(MapChoicesExport, TheStatusLineCountsTheBrushesWithSeparators) {
    const struct {
        size_t brushes;
        const char* path;
        const char* text;
    } cases[] = {{8114, "/maps/x.map", "Exported 8,114 brushes to x.map"},
                 {7, "y.map", "Exported 7 brushes to y.map"},
                 {1234567, "/a b/c d.MAP", "Exported 1,234,567 brushes to c d.MAP"}};
    for (const auto& c : cases) {
        vh::ExportSummary done;
        done.Brushes = c.brushes;
        EXPECT_EQ(vh::ExportedText(done, c.path), c.text);
    }
}
