#include "generate/passes.h"

#include <cmath>
#include <optional>
#include <string>

#include "core/rules.h"
#include "generate/snap.h"

namespace vh {

HeightRange NeutralizationPass(Terrain& t, const NewMapSettings& m, int grid, Progress& progress) {
    const int n = t.PointCount;
    progress.Value(0);
    progress.Maximum(n);
    progress.Status("Neutralization Pass ...");
    const float maxN = m.MaxNormal, minN = m.MinNormal;
    HeightRange r{maxN, minN};
    for (int i = 1; i <= n; ++i) {
        const float h = t.Points[i].Height;
        if (h < r.Lo) r.Lo = h;
        if (h > r.Hi) r.Hi = h;
    }
    if (r.Hi > maxN || r.Lo < minN) {
        std::optional<float> f;
        if (r.Hi != 0 && r.Hi >= maxN) {
            f = std::fabs(maxN / r.Hi);
            r.Hi = maxN;
        }
        if (r.Lo != 0 && r.Lo <= minN) {
            const float lower = std::fabs(minN / r.Lo);
            if (!f || lower < *f) f = lower;
            r.Lo = minN;
        }
        if (f && *f != 0) {
            for (int i = 1; i <= n; ++i) {
                t.Points[i].Height = SnapToGrid(*f * t.Points[i].Height, grid);
                progress.Value(i);
            }
        }
    }
    return r;
}

void FlatteningPass(Terrain& t, const NewMapSettings& m, int grid, HeightRange range, Progress& progress) {
    const int n = t.PointCount;
    progress.Value(0);
    progress.Maximum(n);
    progress.Status("Flattening Pass ...");
    const double e = m.FlattenToZeroFactor / 10.0 + 1.0;
    for (int i = 1; i <= n; ++i) {
        float& h = t.Points[i].Height;
        if (h > 0) {
            const float ratio = h / range.Hi;
            h = SnapToGrid(static_cast<float>(std::pow(static_cast<double>(ratio), e) * range.Hi), grid);
        } else if (h < 0) {
            const float ratio = h / range.Lo;
            h = SnapToGrid(static_cast<float>(std::pow(static_cast<double>(ratio), e) * range.Lo), grid);
        }
        progress.Value(i);
    }
}

SmoothOption SmoothOptionOf(std::string_view code) {
    if (code == "RAD") return SmoothOption::Radial;
    if (code == "LIN") return SmoothOption::Linear;
    if (code == "RADOVER") return SmoothOption::RadialOver;
    if (code == "LINOVER") return SmoothOption::LinearOver;
    return SmoothOption::None;
}

const char* SmoothingPassText(SmoothOption option) {
    switch (option) {
        case SmoothOption::Radial:
            return "Radial Smoothing Pass ";
        case SmoothOption::Linear:
            return "Linear Smoothing Pass ";
        case SmoothOption::RadialOver:
            return "Radial Smoothing Pass With Oversampling ";
        case SmoothOption::LinearOver:
            return "Linear Smoothing Pass With Oversampling ";
        case SmoothOption::None:
            break;
    }
    return "";
}

namespace {

// Sum and count of one point's neighbourhood over the heights h (1-based).
// Vertical neighbours are tested by index range only, horizontal ones by
// lying in the same row (equal Z), so no average wraps round a row end.
struct Neighbourhood {
    const float* h;
    const TerrainPoint* pts;
    int n, w;
    bool radial, over;

    double sum;
    int count;

    void Add(int j) {
        sum += h[j];
        ++count;
    }
    bool SameRow(int i, int j) const { return j >= 1 && j <= n && pts[j].Z == pts[i].Z; }
    // A horizontal neighbour at offset k, with its column above and below
    // when the neighbourhood is radial.
    void Side(int i, int k) {
        const int j = i + k;
        if (!SameRow(i, j)) return;
        Add(j);
        if (radial) {
            if (j - w >= 1) Add(j - w);
            if (j + w <= n) Add(j + w);
        }
    }
    float Average(int i) {
        sum = h[i];
        count = 1;
        if (i - w >= 1) Add(i - w);
        if (i + w <= n) Add(i + w);
        Side(i, -1);
        Side(i, 1);
        if (over) {
            if (i - 2 * w >= 1) Add(i - 2 * w);
            if (i + 2 * w <= n) Add(i + 2 * w);
            Side(i, -2);
            Side(i, 2);
        }
        return static_cast<float>(sum / count);
    }
};

}  // namespace

void SmoothingPass(Terrain& t, const NewMapSettings& m, int grid, SmoothOption option, int passNumber,
                   std::vector<float>& work, Progress& progress) {
    const int n = t.PointCount;
    progress.Value(0);
    progress.Maximum(n);
    progress.Status(std::string(SmoothingPassText(option)) + std::to_string(passNumber) + "...");
    if (option == SmoothOption::None) return;

    // Heights as they were at the start of the pass.
    std::vector<float> start(static_cast<size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) start[i] = t.Points[i].Height;
    work.resize(static_cast<size_t>(n) + 1);

    Neighbourhood nb{start.data(),
                     t.Points.data(),
                     n,
                     t.PointsPerRow,
                     option == SmoothOption::Radial || option == SmoothOption::RadialOver,
                     option == SmoothOption::RadialOver || option == SmoothOption::LinearOver,
                     0.0,
                     0};
    const float threshold = m.SmoothThreshold;
    for (int i = 1; i <= n; ++i) {
        const float a = SnapHeight(nb.Average(i), grid);
        const float h = start[i];
        work[i] = (h - threshold <= a && a <= h + threshold) ? h : a;
        progress.Value(i);
    }
    for (int i = 1; i <= n; ++i) t.Points[i].Height = work[i];
}

}  // namespace vh
