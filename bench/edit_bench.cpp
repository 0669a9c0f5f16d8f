// One raise/lower pass on the largest grid (181 x 181 points) with the mesh
// update it causes, as the 3D view does it: only the vertices of the changed
// points and the normals around them, against rebuilding every vertex. The
// GPU upload of the range happens at the next frame and is not timed here
// (see view_bench under Xvfb).
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/grid.h"
#include "core/lifecycle.h"
#include "core/terrain_edit.h"
#include "tools/edit_pass.h"
#include "view/terrain_mesh.h"

namespace {

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

void MakeBigTerrain(vh::EditorState& s) {
    vh::SetDefaults(s, "/nonexistent");
    s.LogPath.clear();
    vh::ResetEditor(s);
    s.NewMap.X = 181;
    s.NewMap.Y = 181;
    s.NewMap.Size = 256;
    vh::BuildGrid(s);
    for (int p = 1; p <= s.Terrain.PointCount; ++p) {
        const float x = s.Terrain.Points[p].X, z = s.Terrain.Points[p].Z;
        s.Terrain.Points[p].Height =
            std::round(600 * std::sin(x / 3000.0f) * std::cos(z / 2300.0f) / 16) * 16;
    }
    s.CurrentTool = vh::Tool::RaiseLower;
    s.Tools.RaiseLowerRadius = 2;
}

void RaiseLowerPassWithMeshUpdate(benchmark::State& st, bool whole) {
    vh::EditorState s;
    MakeBigTerrain(s);
    MeshKeeper keeper(s, whole);
    const int square = 90 * 180 + 90;  // the middle of the map
    s.Stroke.PickedSquare = square;    // the selection stays while the button is held
    vh::InputState in;
    in.Button1 = true;
    in.CursorInView = true;
    int y = 400;
    for (auto _ : st) {
        y = y == 400 ? 380 : 400;  // up and down in turn, so heights stay bounded
        in.CursorY = y;
        vh::RunEditPass(s, in, square);
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
