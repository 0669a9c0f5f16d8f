// On the largest grid the model holds (181 x 181 points): one mountain/valley
// pass, each whole-map pass, and a raise/lower pass with the mesh update it
// causes as the 3D view does it (only the vertices of the changed points and
// the normals around them, against updating every vertex; the GPU upload of
// that range at the next frame is not timed here); and the derivation of the
// controls' states that every main-loop pass runs.
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/command_states.h"
#include "core/editor_state.h"
#include "core/grid.h"
#include "core/lifecycle.h"
#include "core/rules.h"
#include "tools/edit_pass.h"
#include "tools/map_passes.h"
#include "tools/mountain.h"
#include "view/terrain_mesh.h"

namespace {

void MakeBigTerrain(vh::EditorState& s) {
    vh::SetDefaults(s, "/nonexistent");
    s.LogPath.clear();
    vh::ResetEditor(s);
    s.NewMap.X = 181;
    s.NewMap.Y = 181;
    s.NewMap.Size = 256;
    vh::BuildGrid(s);
    for (int i = 1; i <= s.Terrain.PointCount; ++i)
        s.Terrain.Points[i].Height =
            16.0f * std::round(8.0f * std::sin(0.05f * i) + 4.0f * std::cos(0.013f * i));
    s.Rnd.Seed(1);
}

// Keeps a mesh of the terrain up to date as the view does; `whole` updates
// every vertex on each change instead.
struct MeshKeeper : vh::TerrainObserver {
    MeshKeeper(vh::EditorState& s, bool whole)
        : s(s), whole(whole), mesh(vh::view::BuildTerrainMeshes(s.Terrain)) {
        s.Observers.Add(this);
    }
    ~MeshKeeper() override { s.Observers.Remove(this); }
    void HeightsChanged(vh::PointRange changed) override {
        uploaded = whole ? vh::view::UpdateTerrainMesh(mesh, s.Terrain)
                         : vh::view::UpdateTerrainMesh(mesh, s.Terrain, changed);
    }
    void TerrainReplaced() override { mesh = vh::view::BuildTerrainMeshes(s.Terrain); }
    void TerrainReset() override { mesh = {}; }

    vh::EditorState& s;
    bool whole;
    vh::view::TerrainMesh mesh;
    vh::view::VertexRange uploaded;
};

void BM_MountainValleyPass(benchmark::State& state) {
    vh::EditorState s;
    MakeBigTerrain(s);
    s.Tools.MountVallRadius = 20;
    s.Tools.MountVallSmoothOuter = true;
    s.Stroke.PickedSquare = 90 * 180 + 90;
    s.Stroke.ToolActive = true;
    s.Stroke.MouseY = 300;
    vh::MountainStroke stroke;
    vh::MountVallTool(s, stroke);  // first pass of the stroke only records the mouse
    int y = 300;
    for (auto _ : state) {
        // Alternate up and down so the strength stays non-zero and the heights bounded.
        y += (y == 300) ? -10 : 10;
        s.Stroke.MouseY = y;
        if (stroke.MountVallStep == 0) stroke.MountVallStep = 5;
        vh::MountVallTool(s, stroke);
        benchmark::DoNotOptimize(s.Terrain.Points[1].Height);
    }
}
BENCHMARK(BM_MountainValleyPass)->Unit(benchmark::kMillisecond);

template <void (*Pass)(vh::EditorState&)>
void BM_WholeMapPass(benchmark::State& state) {
    vh::EditorState s;
    MakeBigTerrain(s);
    s.Tools.SmoothToolThreshold = 8;
    s.Tools.ScalePassFactor = 0.75f;
    for (auto _ : state) {
        Pass(s);
        benchmark::DoNotOptimize(s.Terrain.Points[1].Height);
    }
}
BENCHMARK(BM_WholeMapPass<vh::SmoothingPass>)->Name("BM_SmoothingPass")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeMapPass<vh::NoisePass>)->Name("BM_NoisePass")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeMapPass<vh::ScalingPass>)->Name("BM_ScalingPass")->Unit(benchmark::kMillisecond);

// The window derives every control's state once per main-loop pass; with a
// full recent list, whose captions are the costly part.
void BM_CommandStates(benchmark::State& state) {
    vh::EditorState s;
    MakeBigTerrain(s);
    for (int k = 1; k <= 8; ++k)
        s.Recent[k] = "/home/levels/quake/base/maps/mountains" + std::to_string(k) + ".vhm";
    for (auto _ : state) benchmark::DoNotOptimize(vh::ComputeCommandStates(s));
}
BENCHMARK(BM_CommandStates)->Unit(benchmark::kMicrosecond);

void RaiseLowerPassWithMeshUpdate(benchmark::State& st, bool whole) {
    vh::EditorState s;
    MakeBigTerrain(s);
    s.CurrentTool = vh::Tool::RaiseLower;
    s.Tools.RaiseLowerRadius = 2;
    MeshKeeper keeper(s, whole);
    const int square = 90 * 180 + 90;  // the middle of the map
    s.Stroke.PickedSquare = square;    // the selection stays while the button is held
    vh::ToolBox tools;
    vh::InputState in;
    in.Button1 = true;
    in.CursorInView = true;
    int y = 400;
    for (auto _ : st) {
        y = y == 400 ? 380 : 400;  // up and down in turn, so heights stay bounded
        in.CursorY = y;
        vh::RunEditPass(s, tools, in, square);
        benchmark::DoNotOptimize(keeper.mesh.Vertices.data());
    }
    st.counters["vertices"] = keeper.uploaded.Last - keeper.uploaded.First + 1;
}

void BM_RaiseLowerPassWithMeshUpdate(benchmark::State& st) {
    RaiseLowerPassWithMeshUpdate(st, false);
}
void BM_RaiseLowerPassWithWholeMeshUpdate(benchmark::State& st) {
    RaiseLowerPassWithMeshUpdate(st, true);
}

BENCHMARK(BM_RaiseLowerPassWithMeshUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RaiseLowerPassWithWholeMeshUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
