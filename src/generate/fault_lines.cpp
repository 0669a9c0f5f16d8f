#include <vector>

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
    double dx, dz;
    float c;
    float side;
};

// Adds dh to every point strictly inside the region of N lines. The side
// tests are combined without branching (v > c is (v - c) > 0 for floats) over
// plain coordinate arrays, so the loop can run on vector registers.
template <int N>
void RaiseRegion(const float* xs, const float* zs, float* hs, int count, const Line* lines, float dh) {
    for (int j = 0; j < count; ++j) {
        bool inside = true;
        for (int l = 0; l < N; ++l) {
            const Line& ln = lines[l];
            const float v = static_cast<float>(ln.dx * zs[j] - ln.dz * xs[j]);
            inside &= ln.side * (v - ln.c) > 0.0f;
        }
        hs[j] = inside ? hs[j] + dh : hs[j];
    }
}

}  // namespace

const int8_t* FaultRegionSides(int n, int s) {
    if (n == 1 && s >= 0 && s < 2) return kOne[s];
    if (n == 2 && s >= 0 && s < 4) return kTwo[s];
    if (n == 3 && s >= 0 && s < 8) return kThree[s];
    return nullptr;
}

void FaultLines(Terrain& t, const NewMapSettings& m, RandomSource& rnd, Progress& progress) {
    const int iterations = m.FaultIterations;
    progress.Maximum(iterations);
    progress.Value(0);
    progress.Status("Running Fault Line Algorithm ...");
    const int n = m.FaultLines;
    if (n < 1 || n > 3) return;
    const int pc = t.PointCount;
    TerrainPoint* pts = t.Points.data();
    std::vector<float> xs(pc), zs(pc), hs(pc);
    for (int j = 0; j < pc; ++j) {
        xs[j] = pts[j + 1].X;
        zs[j] = pts[j + 1].Z;
        hs[j] = pts[j + 1].Height;
    }

    for (int i = 1; i <= iterations; ++i) {
        float dh = rnd.Next() * m.FaultMaxChange;
        dh = RandomSign(rnd, dh);

        Line lines[3];
        for (int l = 0; l < n; ++l) {
            const int a = RandomPointIndex(rnd, pc);
            int b = RandomPointIndex(rnd, pc);
            while (b == a) b = RandomPointIndex(rnd, pc);
            Line& ln = lines[l];
            ln.dx = pts[a].X - pts[b].X;
            ln.dz = pts[a].Z - pts[b].Z;
            ln.c = static_cast<float>(ln.dx * pts[a].Z - ln.dz * pts[a].X);
        }
        const int region = static_cast<int>(RoundHalfEven(static_cast<double>(((1 << n) - 1) * rnd.Next())));
        const int8_t* sides = FaultRegionSides(n, region);
        for (int l = 0; l < n; ++l) lines[l].side = sides[l];

        if (dh != 0.0f) {
            if (n == 1) RaiseRegion<1>(xs.data(), zs.data(), hs.data(), pc, lines, dh);
            if (n == 2) RaiseRegion<2>(xs.data(), zs.data(), hs.data(), pc, lines, dh);
            if (n == 3) RaiseRegion<3>(xs.data(), zs.data(), hs.data(), pc, lines, dh);
        }
        progress.Value(i);
    }
    for (int j = 0; j < pc; ++j) pts[j + 1].Height = hs[j];
}

}  // namespace vh
