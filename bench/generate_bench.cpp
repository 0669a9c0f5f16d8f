// Timings of the New Map pipeline on the largest grid and of diamond-square.
#include <benchmark/benchmark.h>

#include "core/editor_state.h"
#include "generate/pipeline.h"

namespace {

vh::NewMapValues LargeAllGenerators() {
    vh::NewMapValues v;
    v.X = v.Y = 181;
    v.Size = 256;
    v.chkFractal = true;
    v.MaxSeed = 48;
    v.chkParticle = true;
    v.particleIterations = 8192;
    v.chkCircle = true;
    v.CircleIterations = 1024;
    v.CircleMaxRad = 16;
    v.chkFault = true;
    v.FaultLines = 3;
    v.FaultIterations = 512;
    v.chkSlope = true;
    v.SlopeDirection = vh::SlopeOption::PX;
    v.chkNormal = true;
    v.chkFlatten = true;
    v.chkSmooth = true;
    v.Smoothing = vh::SmoothOption::RadialOver;
    v.SmoothPasses = 45;
    return v;
}

void Run(benchmark::State& state, const vh::NewMapValues& v) {
    vh::EditorState s;
    vh::SetDefaults(s, "/nonexistent-program-folder");
    s.LogPath.clear();
    s.Rnd.Seed(1234);
    for (auto _ : state) {
        vh::RunNewMap(s, v, vh::NoProgress());
        benchmark::DoNotOptimize(s.Points.data());
    }
}

void BM_Pipeline181AllGenerators(benchmark::State& state) {
    Run(state, LargeAllGenerators());
}
BENCHMARK(BM_Pipeline181AllGenerators)->Unit(benchmark::kMillisecond);

void BM_Pipeline129DiamondSquare(benchmark::State& state) {
    vh::NewMapValues v;
    v.X = v.Y = 129;
    v.chkFractal = true;
    v.chkDiamond = true;
    Run(state, v);
}
BENCHMARK(BM_Pipeline129DiamondSquare)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
