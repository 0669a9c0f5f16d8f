#include <cmath>

#include "core/rules.h"
#include "generate/generators.h"

namespace vh {

int ParticleWalkStep(int direction, int x) {
    switch (direction) {
        case 0:
            return 1;
        case 1:
            return -1;
        case 2:
            return x;
        case 3:
            return -x;
        case 4:
            return 2;
        case 5:
            return -2;
        case 6:
            return 2 * x;
        case 7:
            return -2 * x;
        default:
            return 0;
    }
}

namespace {

int RandomSquareIndex(RandomSource& rnd, int squareCount) {
    float r = rnd.Next();
    return RoundToInt32(static_cast<double>(static_cast<float>(squareCount - 1) * r + 1.0f));
}

}  // namespace

void ParticleDeposition(Terrain& t, const NewMapSettings& m, int grid, RandomSource& rnd,
                        Progress& progress) {
    const int iterations = m.particleIterations;
    progress.Maximum(iterations);
    progress.Value(0);
    progress.Status("Running Particle Algorithm ...");
    const int sc = t.SquareCount;
    const float maxSeed = m.MaxSeed;

    int q = RandomSquareIndex(rnd, sc);
    float h = rnd.Next() * 2.0f * maxSeed;
    h = RandomSign(rnd, h);

    const std::string style = UpperCase(m.ParticleStyle);
    if (style != "AUGMENT" && style != "DIMINISH" && style != "RANDOM") return;
    const float lim = m.ParticlePercentLimiter;
    const float step = static_cast<float>(grid);
    const float maxNormal = m.MaxNormal;

    for (int i = 1; i <= iterations; ++i) {
        const float size = std::fabs(h);
        if (!(step <= size && size <= maxNormal)) {
            h = rnd.Next() * 2.0f * maxSeed;
            q = RandomSquareIndex(rnd, sc);
            h = RandomSign(rnd, h);
        }
        h *= StyleFactor(rnd, style, lim);

        const SquareCorners c = t.Corners(q);
        for (int corner : {c.c0, c.c1, c.c2, c.c3}) t.Points[corner].Height += h;

        const int direction = static_cast<int>(RoundHalfEven(static_cast<double>(7.0f * rnd.Next())));
        q += ParticleWalkStep(direction, t.PointsPerRow);
        if (q < 1 || q > sc) q = RandomSquareIndex(rnd, sc);
        progress.Value(i);
    }
}

}  // namespace vh
