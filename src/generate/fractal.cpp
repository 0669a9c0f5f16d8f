#include <cmath>

#include "core/rules.h"
#include "generate/generators.h"

namespace vh {

void RandomSeedPoints(EditorState& s) {
    const int n = s.PointTotal();
    for (int i = 1; i <= n; ++i) {
        float h = s.Rnd.Next() * s.MaxSeed;
        s.Points[i].Height = RandomSign(s.Rnd, h);
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

float DiamondSquareFactor(EditorState& s) {
    return StyleFactor(s.Rnd, UpperCase(s.DiamondSquareStyle), s.DiamondSquarePercentLimiter);
}

void DiamondSquareCell(EditorState& s, float p1, float p2, float p3, float p4) {
    auto index = [](float v) { return static_cast<int>(RoundHalfEven(v)); };
    const int c = index((p1 + p2 + p3 + p4) / 4.0f);
    const int m12 = index((p1 + p2) / 2.0f);
    const int m23 = index((p2 + p3) / 2.0f);
    const int m34 = index((p3 + p4) / 2.0f);
    const int m14 = index((p1 + p4) / 2.0f);
    auto H = [&s](float p) -> float& { return s.Points[static_cast<int>(p)].Height; };

    // The centre is read back each time: on a 2 x 2 grid it is also a midpoint.
    H(c) = (H(p1) + H(p2) + H(p3) + H(p4)) / 4.0f * DiamondSquareFactor(s);
    H(m12) = (H(p1) + H(p2) + H(c) + H(c)) / 4.0f * DiamondSquareFactor(s);
    H(m23) = (H(p2) + H(p3) + H(c) + H(c)) / 4.0f * DiamondSquareFactor(s);
    H(m34) = (H(p3) + H(p4) + H(c) + H(c)) / 4.0f * DiamondSquareFactor(s);
    H(m14) = (H(p4) + H(p1) + H(c) + H(c)) / 4.0f * DiamondSquareFactor(s);
}

void DiamondSquare(EditorState& s, Progress& progress) {
    const int x = s.X;
    if (!IsDiamondSquareGrid(x, s.Y)) return;
    const int pc = s.PointTotal();
    progress.Maximum(x);
    progress.Value(0);
    progress.Status("Running Diamond-Square Algorithm ...");

    for (int corner : {1, pc, x, pc - x + 1}) {
        float h = s.Rnd.Next() * s.MaxSeed;
        s.Points[corner].Height = RandomSign(s.Rnd, h);
    }
    DiamondSquareCell(s, 1.0f, static_cast<float>(x), static_cast<float>(pc), static_cast<float>(pc - x + 1));
    if (x <= 3) return;

    for (int d = 2; d < x - 1;) {
        const int step = (x - 1) / d;
        int a = 1, b = step + 1, p4 = step * x + 1, p3 = p4 + step;
        for (long long cell = 0; cell < static_cast<long long>(d) * d; ++cell) {
            DiamondSquareCell(s, static_cast<float>(a), static_cast<float>(b), static_cast<float>(p3),
                              static_cast<float>(p4));
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
