// .MAP export of the largest terrain (181 x 181 points) in every style, with
// hint and sky brushes, against one plain write of the same number of bytes
// to the same folder. VH_BENCH_DIR picks the folder (default: system temp).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/editor_state.h"
#include "core/grid.h"
#include "core/lifecycle.h"
#include "core/rules.h"
#include "export/map_export.h"

namespace {

std::string BenchFolder() {
    static const std::string folder = [] {
        const char* env = std::getenv("VH_BENCH_DIR");
        std::filesystem::path p = env && *env ? std::filesystem::path(env)
                                              : std::filesystem::temp_directory_path() /
                                                    ("vh-export-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p.string();
    }();
    return folder;
}

// A hilly 181 x 181 terrain: snapped heights with fractional spots, so the
// numbers vary as in real maps.
vh::EditorState& Terrain() {
    static vh::EditorState s = [] {
        vh::EditorState t;
        vh::SetDefaults(t, BenchFolder());
        t.LogPath.clear();
        vh::ResetEditor(t);
        t.NewMap.X = 181;
        t.NewMap.Y = 181;
        t.NewMap.Size = 256;
        vh::BuildGrid(t);
        t.Rnd.Seed(2026);
        for (int i = 1; i <= t.Terrain.PointCount; ++i) {
            float h = (t.Rnd.Next() - 0.5f) * 3000.0f;
            t.Terrain.Points[i].Height = i % 7 == 0 ? h : vh::SnapToGrid(h, 16);
        }
        return t;
    }();
    return s;
}

void ExportStyle(benchmark::State& state, const char* style) {
    vh::EditorState& s = Terrain();
    s.Export.ExportType = style;
    s.Export.AddHint = true;
    s.Export.AddSky = true;
    const std::string path = BenchFolder() + "/bench.map";
    for (auto _ : state) {
        const vh::Status written =
            vh::ExportMap(s.Terrain, s.Export, s.Brushes, s.Tools.Grid, s.Rnd, path, vh::NoProgress());
        if (!written) {
            state.SkipWithError(written.Message().c_str());
            break;
        }
    }
    const auto size = std::filesystem::file_size(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
    state.counters["MB"] = static_cast<double>(size) / 1e6;
}

// The same number of bytes as a "Best Fit" export, in one write call.
void PlainWrite(benchmark::State& state) {
    vh::EditorState& s = Terrain();
    s.Export.ExportType = "Best Fit";
    s.Export.AddHint = true;
    s.Export.AddSky = true;
    const std::string sample = BenchFolder() + "/size.map";
    (void)vh::ExportMap(s.Terrain, s.Export, s.Brushes, s.Tools.Grid, s.Rnd, sample, vh::NoProgress());
    const std::string bytes(std::filesystem::file_size(sample), 'x');
    std::filesystem::remove(sample);
    const std::string path = BenchFolder() + "/plain.bin";
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
            if (f) std::fclose(f);
            state.SkipWithError("plain write failed");
            break;
        }
        std::fclose(f);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
    state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
}

}  // namespace

BENCHMARK_CAPTURE(ExportStyle, BestFit, "Best Fit")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportStyle, Forward, "//")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportStyle, Backward, "\\")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportStyle, X, "X")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportStyle, Random, "Random")->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWrite)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!std::getenv("VH_BENCH_DIR")) std::filesystem::remove_all(BenchFolder());
    return 0;
}
