#include <cmath>

#include "core/rules.h"
#include "generate/generators.h"

namespace vh {

void Circles(Terrain& t, const NewMapSettings& m, RandomSource& rnd, Progress& progress) {
    const int iterations = m.CircleIterations;
    progress.Maximum(iterations);
    progress.Value(0);
    progress.Status("Running Circle Algorithm ...");
    const int pc = t.PointCount;
    const int perRow = t.PointsPerRow;
    TerrainPoint* pts = t.Points.data();

    for (int i = 1; i <= iterations; ++i) {
        // A 16-bit product; the pipeline rejects radii that do not fit.
        const float r = static_cast<float>(static_cast<int16_t>(m.CircleMaxRad * m.Size));
        const double r2 = static_cast<double>(r) * r;
        const int c = RandomPointIndex(rnd, pc);
        const int sign = static_cast<int>(RoundHalfEven(static_cast<double>(rnd.Next())));
        const float scale = m.CircleMaxChange / r;
        const double cx = pts[c].X, cz = pts[c].Z;

        for (int row = 1; row <= pc; row += perRow) {
            const double dz = pts[row].Z - cz;
            // A whole row out of reach: every point of it has d >= R.
            if (dz * dz >= r2) continue;
            const int last = row + perRow - 1;
            for (int j = row; j <= last; ++j) {
                TerrainPoint& p = pts[j];
                const double pz = p.Z - cz, px = p.X - cx;
                const double sum = pz * pz + px * px;
                if (sum >= r2) continue;  // then d >= R after rounding too
                const float d = static_cast<float>(std::sqrt(sum));
                if (!(d < r)) continue;
                float dh = static_cast<float>(std::sqrt(std::fabs(r2 - static_cast<double>(d) * d)));
                dh = scale * dh;
                if (sign == 1) dh = -dh;
                p.Height += dh;
            }
        }
        progress.Value(i);
    }
}

}  // namespace vh
