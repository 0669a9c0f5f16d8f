// The compile budget of the largest terrain (181 x 181 points) for the
// documented export and the compile-ready options, and the compile-ready
// export itself. The budget is meant to be cheap enough to update live. Also
// the view's spawn and headroom markers: worked out anew, and a frame's check
// that nothing they depend on changed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>

#include "core/grid.h"
#include "core/lifecycle.h"
#include "core/rules.h"
#include "export/compile_budget.h"
#include "export/export_commands.h"
#include "export/map_export.h"
#include "export/surface_caps.h"
#include "export/surface_memo.h"
#include "export/surface_merge.h"
#include "export/terrain_from_state.h"
#include "view/compile_markers.h"

namespace {

// Rolling hills with noise on 16-unit steps (neighbours differ by about 40
// units), or a flat plain.
vh::EditorState& Terrain(bool flat) {
    static vh::EditorState states[2];
    vh::EditorState& t = states[flat ? 1 : 0];
    if (t.Terrain.PointCount == 0) {
        vh::SetDefaults(t, std::filesystem::temp_directory_path().string());
        t.LogPath.clear();
        vh::ResetEditor(t);
        t.NewMap.X = t.NewMap.Y = 181;
        t.NewMap.Size = 128;
        vh::BuildGrid(t);
        t.Rnd.Seed(2026);
        for (int i = 1; i <= t.Terrain.PointCount; ++i) {
            const int c = (i - 1) % 181, r = (i - 1) / 181;
            const float h = 600 * std::sin(c * 0.07f) * std::cos(r * 0.05f) + (t.Rnd.Next() - 0.5f) * 80;
            t.Terrain.Points[i].Height = flat ? 0.0f : vh::SnapToGrid(h, 16);
        }
        t.Export.AddHint = false;
    }
    return t;
}

vh::CompileOptions Options(int lean, float simplify) {
    vh::CompileOptions o = lean < 0 ? vh::CompileOptions{} : vh::PlayableOptions();
    o.Merge = lean > 0;
    o.Simplify = simplify;
    return o;
}

// Arguments: flat (0/1), lean (-1 documented, 0 playable exact, 1 merged),
// tolerance, recount (0: the simplified surface is worked out each time, 1:
// counted again with it remembered, as after a change of another option).
void Budget(benchmark::State& state) {
    vh::EditorState& s = Terrain(state.range(0) != 0);
    const vh::CompileOptions o =
        Options(static_cast<int>(state.range(1)), static_cast<float>(state.range(2)));
    const bool recount = state.range(3) != 0;
    vh::MapBudget b;
    for (auto _ : state) {
        if (!recount) {
            state.PauseTiming();
            vh::SharedSurfaceMemo().Forget();
            state.ResumeTiming();
        }
        vh::TerrainExport t;
        std::string why;
        vh::TerrainExportFromState(s, s.Rnd, &t, &why);
        b = vh::CompileBudget(t, o);
        benchmark::DoNotOptimize(b);
    }
    state.counters["brushes"] = static_cast<double>(b.Brushes);
    state.counters["planes"] = static_cast<double>(b.Planes);
    state.counters["clipnodes"] = static_cast<double>(b.Clipnodes);
    state.counters["nodes"] = static_cast<double>(b.Nodes);
}

// A first simplified count as the dialogs make it: slices of 15 ms between
// events, then the count in an event of its own. What a designer waits for is the
// whole; what stalls a frame or a key is the longest single call.
void BudgetInSlices(benchmark::State& state) {
    vh::EditorState& s = Terrain(false);
    vh::MapChoices c;
    c.CompileReady = true;
    c.Merge = true;
    c.Simplify = static_cast<float>(state.range(0));
    double longestSlice = 0, longestCount = 0, slices = 0;
    auto timed = [](double* longest, auto call) {
        const auto start = std::chrono::steady_clock::now();
        call();
        const auto end = std::chrono::steady_clock::now();
        *longest = std::max(*longest, std::chrono::duration<double, std::milli>(end - start).count());
    };
    for (auto _ : state) {
        state.PauseTiming();
        vh::SharedSurfaceMemo().Forget();
        state.ResumeTiming();
        slices = 0;
        for (bool done = false; !done; ++slices)
            timed(&longestSlice,
                  [&] { done = vh::PrepareBudget(s, s.Export, c, std::chrono::milliseconds(15)); });
        timed(&longestCount, [&] { benchmark::DoNotOptimize(vh::BudgetText(s, s.Export, c)); });
    }
    // The longest of every run, not an average: what a frame or a key waits for at worst.
    state.counters["slices"] = slices;
    state.counters["longest_slice_ms"] = longestSlice;
    state.counters["longest_count_ms"] = longestCount;
}

void CompileReadyExport(benchmark::State& state) {
    vh::EditorState& s = Terrain(false);
    const vh::CompileOptions o = Options(1, static_cast<float>(state.range(0)));
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vh-budget-bench-" + std::to_string(::getpid()) + ".map"))
            .string();
    for (auto _ : state) {
        state.PauseTiming();
        vh::SharedSurfaceMemo().Forget();  // the whole export, simplification included
        state.ResumeTiming();
        if (const auto written = vh::RunMapExport(s, path, o, vh::NoProgress()); !written)
            state.SkipWithError(written.Message().c_str());
    }
    std::filesystem::remove(path);
}

vh::EditorState& MarkedTerrain() {
    vh::EditorState& s = Terrain(false);
    s.Choices.CompileReady = true;
    return s;
}

void MarkersComputed(benchmark::State& state) {
    const vh::EditorState& s = MarkedTerrain();
    vh::view::CompileMarks m;
    for (auto _ : state) {
        m = vh::view::ComputeCompileMarks(s);
        benchmark::DoNotOptimize(m);
    }
    state.counters["low"] = static_cast<double>(m.LowSquares.size());
}

void MarkersCached(benchmark::State& state) {
    const vh::EditorState& s = MarkedTerrain();
    vh::view::CompileMarkCache cache;
    for (auto _ : state) benchmark::DoNotOptimize(cache.Marks(s));
    state.counters["computed"] = cache.Computations();
}

// The steps of a merged budget on their own: merging, gathering brushes,
// counting creases.
void MergedSteps(benchmark::State& state) {
    vh::EditorState& s = Terrain(false);
    vh::TerrainExport t;
    std::string why;
    vh::TerrainExportFromState(s, s.Rnd, &t, &why);
    const vh::PolygonMesh merged = vh::MergeGridSurface(t.Field, t.Splits);
    size_t n = 0;
    for (auto _ : state) {
        switch (state.range(0)) {
            case 0:
                n = vh::MergeGridSurface(t.Field, t.Splits).Size();
                break;
            case 1:
                n = vh::GroupCaps(t.Field, merged, true).Size();
                break;
            default:
                n = vh::CountCreases(t.Field, merged);
                break;
        }
        benchmark::DoNotOptimize(n);
    }
    state.counters["count"] = static_cast<double>(n);
}

}  // namespace

BENCHMARK(MergedSteps)->ArgNames({"step"})->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(MarkersComputed)->Unit(benchmark::kMillisecond);
BENCHMARK(MarkersCached)->Unit(benchmark::kMicrosecond);
BENCHMARK(Budget)
    ->ArgNames({"flat", "lean", "within", "recount"})
    ->Args({0, -1, 0, 0})
    ->Args({0, 0, 0, 0})
    ->Args({0, 1, 0, 0})
    ->Args({0, 1, 8, 0})
    ->Args({0, 1, 16, 0})
    ->Args({0, 1, 32, 0})
    ->Args({0, 1, 64, 0})
    ->Args({0, 1, 8, 1})
    ->Args({0, 1, 64, 1})
    ->Args({1, 1, 0, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BudgetInSlices)->ArgNames({"within"})->Arg(8)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(CompileReadyExport)->ArgNames({"within"})->Arg(0)->Arg(32)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
