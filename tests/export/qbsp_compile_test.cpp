// Sealed exports compiled by a real map compiler, where one is installed
// (qbsp on PATH, or the program named by VH_QBSP): no leak, and every hull
// filled from the spawn point.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "compile_fixture.h"
#include "export/compile_budget.h"
#include "export/export_commands.h"
#include "export/map_export.h"
#include "export/terrain_from_state.h"
#include "export_fixture.h"

namespace {

std::string FindCompiler() {
    if (const char* env = std::getenv("VH_QBSP"); env && *env) return env;
    const char* path = std::getenv("PATH");
    for (std::string rest = path ? path : ""; !rest.empty();) {
        const size_t colon = rest.find(':');
        const std::filesystem::path candidate = std::filesystem::path(rest.substr(0, colon)) / "qbsp";
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate.string();
        rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
    }
    return {};
}

// Output of the compiler on the file, and its exit status.
std::pair<std::string, int> Compile(const std::string& qbsp, const std::string& map) {
    const std::string command = "'" + qbsp + "' -nocolor -nopercent -noprogress -leaktest '" + map + "' 2>&1";
    std::string out;
    int status = -1;
    if (std::FILE* p = ::popen(command.c_str(), "r")) {
        char buf[4096];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
        const int st = ::pclose(p);
        status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    return {out, status};
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
                SCOPED_TRACE(std::string(style) + (position ? " caves" : " hills") +
                             (extras ? " hint sky" : ""));
                vh::EditorState s;
                vhtest::MakeTerrain(s, 9, 9, 128);
                const auto h = vhtest::RoughHeights(21);
                for (int p = 1; p <= s.Terrain.PointCount; ++p)
                    s.Terrain.Points[p].Height = h((p - 1) % 9, (p - 1) / 9);
                s.Export.ExportType = style;
                s.Export.ExportPosition = position;
                s.Export.AddHint = s.Export.AddSky = extras;
                s.Rnd.Seed(5);
                const std::string map = dir.File("t.map");
                const vh::Result<vh::ExportSummary> written =
                    vh::RunMapExport(s, map, vh::PlayableOptions(), vh::NoProgress());
                ASSERT_TRUE(written) << vh::MessageOf(written);
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
                EXPECT_EQ(std::stoul(digits), 2 * vh::CompileBudget(t, vh::PlayableOptions()).Planes);
            }
}
