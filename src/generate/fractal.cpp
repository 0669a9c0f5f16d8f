#include <cmath>

#include "core/rules.h"
#include "generate/generators.h"

namespace vh {

void RandomSeedPoints(Terrain& t, const NewMapSettings& m, RandomSource& rnd) {
    const int n = t.PointCount;
    for (int i = 1; i <= n; ++i) {
        float h = rnd.Next() * m.MaxSeed;
        t.Points[i].Height = RandomSign(rnd, h);
    }
}

bool IsDiamondSquareGrid(int x, int y) {
    if (x != y || x < 2) return false;
    double q = std::log(static_cast<double>(x - 1)) / std::log(2.0);
    return q == RoundHalfEven(q);
}

float StyleFactor(RandomSource& rnd, const std::string& styleUpper, float lim) {
    // The lower bound is formed as 1 - (lim - 1) and kept as a float.
    const float low = static_cast<float>(1.0 - (static_cast<double>(lim) - 1.0));
    if (styleUpper == "AUGMENT") {
        float f = 1.0f + rnd.Next();
        return f > lim ? lim : f;
    }
    if (styleUpper == "DIMINISH") {
        float f = rnd.Next();
        return f < low ? low : f;
    }
    if (styleUpper == "RANDOM") {
        float f = rnd.Next();
        f += rnd.Next();
        if (f > lim) f = lim;
        if (f < low) f = low;
        return f;
    }
    return 0.0f;
}

float DiamondSquareFactor(const NewMapSettings& m, RandomSource& rnd) {
    return StyleFactor(rnd, UpperCase(m.DiamondSquareStyle), m.DiamondSquarePercentLimiter);
}

void DiamondSquareCell(Terrain& t, const NewMapSettings& m, RandomSource& rnd, int p1, int p2, int p3,
                       int p4) {
    // Means of point numbers, halves to even.
    auto index = [](double v) { return static_cast<int>(RoundHalfEven(v)); };
    const int c = index((p1 + p2 + p3 + p4) / 4.0);
    const int m12 = index((p1 + p2) / 2.0);
    const int m23 = index((p2 + p3) / 2.0);
    const int m34 = index((p3 + p4) / 2.0);
    const int m14 = index((p1 + p4) / 2.0);
    auto H = [&t](int p) -> float& { return t.Points[p].Height; };

    // The centre is read back each time: on a 2 x 2 grid it is also a midpoint.
    H(c) = (H(p1) + H(p2) + H(p3) + H(p4)) / 4.0f * DiamondSquareFactor(m, rnd);
    H(m12) = (H(p1) + H(p2) + H(c) + H(c)) / 4.0f * DiamondSquareFactor(m, rnd);
    H(m23) = (H(p2) + H(p3) + H(c) + H(c)) / 4.0f * DiamondSquareFactor(m, rnd);
    H(m34) = (H(p3) + H(p4) + H(c) + H(c)) / 4.0f * DiamondSquareFactor(m, rnd);
    H(m14) = (H(p4) + H(p1) + H(c) + H(c)) / 4.0f * DiamondSquareFactor(m, rnd);
}

void DiamondSquare(Terrain& t, const NewMapSettings& m, RandomSource& rnd, Progress& progress) {
    const int x = t.PointsPerRow;
    if (!IsDiamondSquareGrid(x, t.Rows())) return;
    const int pc = t.PointCount;
    progress.Maximum(x);
    progress.Value(0);
    progress.Status("Running Diamond-Square Algorithm ...");

    for (int corner : {1, pc, x, pc - x + 1}) {
        float h = rnd.Next() * m.MaxSeed;
        t.Points[corner].Height = RandomSign(rnd, h);
    }
    DiamondSquareCell(t, m, rnd, 1, x, pc, pc - x + 1);
    if (x <= 3) return;

    for (int d = 2; d < x - 1;) {
        const int step = (x - 1) / d;
        int a = 1, b = step + 1, p4 = step * x + 1, p3 = p4 + step;
        for (long long cell = 0; cell < static_cast<long long>(d) * d; ++cell) {
            DiamondSquareCell(t, m, rnd, a, b, p3, p4);
            // At the high-x edge the next cell starts the next band.
            const int move = (b % x == 0) ? step + step * x - x + 1 : step;
            a += move;
            b += move;
            p3 += move;
            p4 += move;
        }
        d *= 2;
        progress.Value(d);
    }
}

}  // namespace vh
