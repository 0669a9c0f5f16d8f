// Timings of the New Map pipeline on the largest grid and of diamond-square.
#include <benchmark/benchmark.h>

#include "core/editor_state.h"
#include "generate/pipeline.h"

namespace {

vh::NewMapValues LargeAllGenerators() {
    vh::NewMapValues v;
    v.X = v.Y = 181;
    v.Size = 256;
    v.Fractal = true;
    v.MaxSeed = 48;
    v.Particle = true;
    v.particleIterations = 8192;
    v.Circle = true;
    v.CircleIterations = 1024;
    v.CircleMaxRad = 16;
    v.Fault = true;
    v.FaultLines = 3;
    v.FaultIterations = 512;
    v.Slope = true;
    v.SlopeDir = "PX";
    v.Normalize = true;
    v.FlattenToZero = true;
    v.Smooth = true;
    v.SmoothPassType = "RADOVER";
    v.SmoothPasses = 45;
    return v;
}

void Run(benchmark::State& state, const vh::NewMapValues& v) {
    vh::RandomSource rnd;
    rnd.Seed(1234);
    const vh::NewMapSettings m = vh::NewMapSettingsFor(vh::NewMapSettings{}, v, 16);
    for (auto _ : state) {
        rnd.Randomize();
        const vh::Terrain t = vh::GenerateTerrain(m, v, 16, rnd, vh::NoProgress());
        benchmark::DoNotOptimize(t.Points.data());
    }
}

void BM_Pipeline181AllGenerators(benchmark::State& state) {
    Run(state, LargeAllGenerators());
}
BENCHMARK(BM_Pipeline181AllGenerators)->Unit(benchmark::kMillisecond);

void BM_Pipeline129DiamondSquare(benchmark::State& state) {
    vh::NewMapValues v;
    v.X = v.Y = 129;
    v.Fractal = true;
    v.DiamondSquare = true;
    Run(state, v);
}
BENCHMARK(BM_Pipeline129DiamondSquare)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
