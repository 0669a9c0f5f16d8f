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

void ParticleDeposition(EditorState& s, Progress& progress) {
    const int iterations = s.particleIterations;
    progress.Maximum(iterations);
    progress.Value(0);
    progress.Status("Running Particle Algorithm ...");
    const int sc = s.SquareTotal();
    const float maxSeed = s.MaxSeed;

    int q = RandomSquareIndex(s.Rnd, sc);
    float h = s.Rnd.Next() * 2.0f * maxSeed;
    h = RandomSign(s.Rnd, h);

    const std::string style = UpperCase(s.ParticleStyle);
    if (style != "AUGMENT" && style != "DIMINISH" && style != "RANDOM") return;
    const float lim = s.ParticlePercentLimiter;
    const float grid = s.Grid;
    const float maxNormal = s.MaxNormal;

    for (int i = 1; i <= iterations; ++i) {
        const float size = std::fabs(h);
        if (!(grid <= size && size <= maxNormal)) {
            h = s.Rnd.Next() * 2.0f * maxSeed;
            q = RandomSquareIndex(s.Rnd, sc);
            h = RandomSign(s.Rnd, h);
        }
        h *= StyleFactor(s.Rnd, style, lim);

        const TerrainSquare& sq = s.Squares[q];
        for (float corner : {sq.CornerNextLeft, sq.CornerNextRight, sq.CornerLeft, sq.CornerRight})
            s.Points[static_cast<int>(corner)].Height += h;

        const int direction = static_cast<int>(RoundHalfEven(static_cast<double>(7.0f * s.Rnd.Next())));
        q += ParticleWalkStep(direction, s.X);
        if (q < 1 || q > sc) q = RandomSquareIndex(s.Rnd, sc);
        progress.Value(i);
    }
}

}  // namespace vh
