#include "core/rules.h"
#include "generate/generators.h"

namespace vh {

namespace {

// +1: v > c, -1: v < c, for the first, second and third line.
constexpr int8_t kOne[2][1] = {{1}, {-1}};
constexpr int8_t kTwo[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
constexpr int8_t kThree[8][3] = {{1, 1, 1},   {-1, -1, -1}, {1, 1, -1},  {-1, 1, 1},
                                 {-1, -1, 1}, {1, -1, -1},  {-1, 1, -1}, {1, -1, 1}};

struct Line {
    float dx, dz, c;
    int8_t side;
};

}  // namespace

const int8_t* FaultRegionSides(int n, int s) {
    if (n == 1 && s >= 0 && s < 2) return kOne[s];
    if (n == 2 && s >= 0 && s < 4) return kTwo[s];
    if (n == 3 && s >= 0 && s < 8) return kThree[s];
    return nullptr;
}

void FaultLines(EditorState& s, Progress& progress) {
    const int iterations = s.FaultIterations;
    progress.Maximum(iterations);
    progress.Value(0);
    progress.Status("Running Fault Line Algorithm ...");
    const int n = s.FaultLines;
    if (n < 1 || n > 3) return;
    const int pc = s.PointTotal();
    TerrainPoint* pts = s.Points.data();

    for (int i = 1; i <= iterations; ++i) {
        float dh = s.Rnd.Next() * s.FaultMaxChange;
        dh = RandomSign(s.Rnd, dh);

        Line lines[3];
        for (int l = 0; l < n; ++l) {
            const int a = RandomPointIndex(s.Rnd, pc);
            int b = RandomPointIndex(s.Rnd, pc);
            while (b == a) b = RandomPointIndex(s.Rnd, pc);
            Line& ln = lines[l];
            ln.dx = pts[a].X - pts[b].X;
            ln.dz = pts[a].Z - pts[b].Z;
            ln.c = static_cast<float>(static_cast<double>(ln.dx) * pts[a].Z -
                                      static_cast<double>(ln.dz) * pts[a].X);
        }
        const int region =
            static_cast<int>(RoundHalfEven(static_cast<double>(((1 << n) - 1) * s.Rnd.Next())));
        const int8_t* sides = FaultRegionSides(n, region);
        for (int l = 0; l < n; ++l) lines[l].side = sides[l];

        if (dh != 0.0f) {
            for (int j = 1; j <= pc; ++j) {
                TerrainPoint& p = pts[j];
                bool inside = true;
                for (int l = 0; l < n && inside; ++l) {
                    const Line& ln = lines[l];
                    const float v = static_cast<float>(static_cast<double>(ln.dx) * p.Z -
                                                       static_cast<double>(ln.dz) * p.X);
                    inside = ln.side > 0 ? v > ln.c : v < ln.c;
                }
                if (inside) p.Height += dh;
            }
        }
        progress.Value(i);
    }
}

}  // namespace vh
