// Sealed exports compiled by a real map compiler, where one is installed
// (qbsp on PATH, or the program named by VH_QBSP): no leak, and every hull
// filled from the spawn point.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "bsp_hulls.h"
#include "compile_fixture.h"
#include "export/compile_budget.h"
#include "export/export_commands.h"
#include "export/map_export.h"
#include "export/map_plan.h"
#include "export/spawn.h"
#include "export/terrain_from_state.h"
#include "export_fixture.h"

namespace {

// A tool of the compiler suite: beside qbsp first, then on PATH.
std::string FindTool(const std::string& name, const std::string& besides = {}) {
    std::error_code ec;
    if (!besides.empty()) {
        const auto there = std::filesystem::path(besides).parent_path() / name;
        if (std::filesystem::is_regular_file(there, ec)) return there.string();
    }
    const char* path = std::getenv("PATH");
    for (std::string rest = path ? path : ""; !rest.empty();) {
        const size_t colon = rest.find(':');
        const std::filesystem::path candidate = std::filesystem::path(rest.substr(0, colon)) / name;
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate.string();
        rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
    }
    return {};
}

std::string FindCompiler() {
    if (const char* env = std::getenv("VH_QBSP"); env && *env) return env;
    return FindTool("qbsp");
}

// Output of a command and its exit status.
std::pair<std::string, int> RunCommand(const std::string& command) {
    std::string out;
    int status = -1;
    if (std::FILE* p = ::popen((command + " 2>&1").c_str(), "r")) {
        char buf[4096];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
        const int st = ::pclose(p);
        status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    return {out, status};
}

std::pair<std::string, int> Compile(const std::string& qbsp, const std::string& map) {
    return RunCommand("'" + qbsp + "' -nocolor -nopercent -noprogress -leaktest '" + map + "'");
}

// Length of lump `index` in a compiled map (BSP29 or BSP2: the same header
// after the 4-byte version or magic).
int64_t LumpLength(const std::string& bsp, int index) {
    std::FILE* f = std::fopen(bsp.c_str(), "rb");
    if (!f) return -1;
    int32_t header[1 + 2 * 15] = {};
    const size_t n = std::fread(header, sizeof header, 1, f);
    std::fclose(f);
    return n == 1 ? header[1 + 2 * index + 1] : -1;
}

// A small rough terrain.
void MakeRoughTerrain(vh::EditorState& s) {
    vhtest::MakeTerrain(s, 9, 9, 128);
    const auto h = vhtest::RoughHeights(21);
    for (int p = 1; p <= s.Terrain.PointCount; ++p) s.Terrain.Points[p].Height = h((p - 1) % 9, (p - 1) / 9);
}

void ExportPlayable(vh::EditorState& s, const std::string& map,
                    const vh::CompileOptions& o = vh::PlayableOptions()) {
    s.Rnd.Seed(5);
    const vh::Result<vh::ExportSummary> written = vh::RunMapExport(s, map, o, vh::NoProgress());
    ASSERT_TRUE(written) << vh::MessageOf(written);
}

}  // namespace

TEST(QbspCompile, SealedExportsOfEveryStyleAndPositionFillEveryHull) {
    const std::string qbsp = FindCompiler();
    if (qbsp.empty()) GTEST_SKIP() << "no map compiler: put qbsp on PATH or name it in VH_QBSP";
    vhtest::TempDir dir;
    bool started = false;
    for (const char* style : {"Best Fit", "\\", "//", "X", "Random"})
        for (int position : {0, 1})
            for (bool extras : {false, true}) {
                // The extras: hint and sky boxes, and merged brushes with several surface faces.
                SCOPED_TRACE(std::string(style) + (position ? " caves" : " hills") +
                             (extras ? " hint sky merged" : ""));
                vh::CompileOptions o = vh::PlayableOptions();
                o.Merge = extras;
                vh::EditorState s;
                MakeRoughTerrain(s);
                s.Export.ExportType = style;
                s.Export.ExportPosition = position;
                s.Export.AddHint = s.Export.AddSky = extras;
                const std::string map = dir.File("t.map");
                ExportPlayable(s, map, o);
                if (HasFatalFailure()) return;
                const auto [log, status] = Compile(qbsp, map);
                if (!started && log.find("qbsp") == std::string::npos)
                    GTEST_SKIP() << "the map compiler " << qbsp << " does not start: " << log;
                started = true;
                EXPECT_EQ(status, 0) << log;
                EXPECT_EQ(log.find("No entities in empty space"), std::string::npos) << log;
                EXPECT_EQ(log.find("LEAK"), std::string::npos) << log;

                // Its plane count is the budget's, each plane counted with its opposite.
                vh::TerrainExport t;
                s.Rnd.Randomize();
                std::string error;
                ASSERT_TRUE(vh::TerrainExportFromState(s, s.Rnd, &t, &error)) << error;
                std::smatch unique;
                ASSERT_TRUE(std::regex_search(log, unique, std::regex(R"(([\d,]+) unique planes)")));
                std::string digits = unique[1];
                std::erase(digits, ',');
                EXPECT_EQ(std::stoul(digits), 2 * vh::CompileBudget(t, o).Planes);
            }
}

TEST(QbspCompile, APlayableMapGoesThroughVisAndLight) {
    const std::string qbsp = FindCompiler();
    const std::string vis = FindTool("vis", qbsp), light = FindTool("light", qbsp);
    if (qbsp.empty() || vis.empty() || light.empty())
        GTEST_SKIP() << "no qbsp, vis and light: put them on PATH or name qbsp in VH_QBSP";
    vhtest::TempDir dir;
    vh::EditorState s;
    MakeRoughTerrain(s);
    const std::string map = dir.File("t.map"), bsp = dir.File("t.bsp");
    ExportPlayable(s, map);
    if (HasFatalFailure()) return;
    const auto [log, status] = Compile(qbsp, map);
    if (log.find("qbsp") == std::string::npos) GTEST_SKIP() << "the map compiler does not start: " << log;
    ASSERT_EQ(status, 0) << log;
    const auto [visLog, visStatus] = RunCommand("'" + vis + "' -fast '" + bsp + "'");
    EXPECT_EQ(visStatus, 0) << visLog;
    const auto [lightLog, lightStatus] = RunCommand("'" + light + "' '" + bsp + "'");
    if (lightLog.find("error while loading shared libraries") != std::string::npos)
        GTEST_SKIP() << "light does not start: " << lightLog;
    EXPECT_EQ(lightStatus, 0) << lightLog;
    constexpr int kVisibility = 4, kLighting = 8;
    EXPECT_GT(LumpLength(bsp, kVisibility), 0) << "vis found the map sealed";
    EXPECT_GT(LumpLength(bsp, kLighting), 0) << "the sun and light level lit it";
}

TEST(QbspCompile, ThePlayerStandsOnTheWrittenSurfaceWhereverItGoes) {
    // No engine here, but its collision test: the compiled player hull, read
    // back, must put the floor where the written surface is, with room above.
    const std::string qbsp = FindCompiler();
    if (qbsp.empty()) GTEST_SKIP() << "no map compiler: put qbsp on PATH or name it in VH_QBSP";
    vhtest::TempDir dir;
    for (int lean = 0; lean < 3; ++lean) {
        SCOPED_TRACE(lean == 0 ? "exact" : lean == 1 ? "merged" : "merged and simplified");
        vh::EditorState s;
        MakeRoughTerrain(s);
        s.Export.AddHint = lean == 1;
        vh::CompileOptions o = vh::PlayableOptions();
        o.Merge = lean > 0;
        o.Simplify = lean == 2 ? 48.0f : 0.0f;
        const std::string map = dir.File("walk.map"), bsp = dir.File("walk.bsp");
        ExportPlayable(s, map, o);
        if (HasFatalFailure()) return;
        const auto [log, status] = Compile(qbsp, map);
        if (log.find("qbsp") == std::string::npos) GTEST_SKIP() << "the map compiler does not start: " << log;
        ASSERT_EQ(status, 0) << log;
        vhtest::BspHulls hulls;
        std::string why;
        ASSERT_TRUE(hulls.Load(bsp, &why)) << why;

        vh::TerrainExport t;
        s.Rnd.Seed(5);
        ASSERT_TRUE(vh::TerrainExportFromState(s, s.Rnd, &t, &why)) << why;
        const vh::MapPlan plan = vh::PlanMap(t, o);
        ASSERT_TRUE(plan.Spawn.Found);
        const vh::SurfaceIndex surface(plan.Field, plan.Surface);
        constexpr int kPlayer = 1, kLarge = 2;
        const vh::SpawnPlacement& at = plan.Spawn;
        // The spawn point is open (for large monsters too where the export
        // says so), and the player lands on the ground under it.
        const auto feet = surface.Over(at.X - vh::kPlayerHalfWidth, at.Y - vh::kPlayerHalfWidth,
                                       at.X + vh::kPlayerHalfWidth, at.Y + vh::kPlayerHalfWidth);
        ASSERT_TRUE(feet.Any);
        EXPECT_EQ(hulls.Contents(kPlayer, at.X, at.Y, at.Z), vhtest::BspHulls::kEmpty) << "spawned inside";
        EXPECT_EQ(hulls.Contents(kPlayer, at.X, at.Y, feet.High + vh::kPlayerBelow + 1),
                  vhtest::BspHulls::kEmpty);
        EXPECT_EQ(hulls.Contents(kPlayer, at.X, at.Y, feet.High + vh::kPlayerBelow - 1),
                  vhtest::BspHulls::kSolid)
            << "nothing to land on";
        if (at.LargeHullClear) {
            EXPECT_EQ(hulls.Contents(kLarge, at.X, at.Y, at.Z), vhtest::BspHulls::kEmpty);
        }

        // Over every square's centre: one unit above the highest ground under
        // the footprint is open, one unit into the ground under the centre is not.
        const vh::HeightField& f = t.Field;
        for (int r = 0; r + 1 < f.Rows; ++r)
            for (int c = 0; c + 1 < f.Columns; ++c) {
                const double x = f.X(c) + f.Spacing / 2, y = f.Z(r) + f.Spacing / 2;
                const auto under = surface.Over(x - vh::kPlayerHalfWidth, y - vh::kPlayerHalfWidth,
                                                x + vh::kPlayerHalfWidth, y + vh::kPlayerHalfWidth);
                const auto centre = surface.Over(x, y, x, y);
                ASSERT_TRUE(under.Any && centre.Any);
                EXPECT_EQ(hulls.Contents(kPlayer, x, y, under.High + vh::kPlayerBelow + 1),
                          vhtest::BspHulls::kEmpty)
                    << "no room over square " << r * (f.Columns - 1) + c + 1;
                EXPECT_EQ(hulls.Contents(kPlayer, x, y, centre.Low + vh::kPlayerBelow - 1),
                          vhtest::BspHulls::kSolid)
                    << "falls through at square " << r * (f.Columns - 1) + c + 1;
            }
    }
}
