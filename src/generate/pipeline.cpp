#include "generate/pipeline.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/grid.h"
#include "core/rules.h"
#include "generate/passes.h"
#include "generate/snap.h"

namespace vh {

namespace {

bool Fits16(long long v) {
    return v >= -32768 && v <= 32767;
}

// The grid corrections of a generation: too few points become 3, a triangle
// shorter than the height grid becomes one grid step.
int CorrectedPoints(int v) {
    return v < 2 ? 3 : v;
}
int CorrectedSize(int size, int grid) {
    return size < grid ? grid : size;
}

// The settings become the values; an option group with nothing selected
// keeps the stored choice.
void CopyIntoSettings(NewMapSettings& m, const NewMapValues& v) {
    const std::string smooth = m.SmoothPassType, slope = m.SlopeDir;
    m = v;
    if (SmoothOptionOf(v.SmoothPassType) == SmoothOption::None) m.SmoothPassType = smooth;
    if (SlopeOptionOf(v.SlopeDir) == SlopeOption::None) m.SlopeDir = slope;
}

void RunFractalGenerators(Terrain& t, const NewMapSettings& m, int grid, RandomSource& rnd,
                          Progress& progress) {
    if (!(m.DiamondSquare || m.Particle || m.Circle || m.Fault)) RandomSeedPoints(t, m, rnd);
    if (m.DiamondSquare) DiamondSquare(t, m, rnd, progress);
    if (m.Particle) ParticleDeposition(t, m, grid, rnd, progress);
    if (m.Circle) Circles(t, m, rnd, progress);
    if (m.Fault) FaultLines(t, m, rnd, progress);
    const float multi = static_cast<float>(m.HeightMulti);
    for (int i = 1; i <= t.PointCount; ++i) t.Points[i].Height = SnapHeight(t.Points[i].Height * multi, grid);
}

// Only a terrain that something generated is post-processed. `smoothing` is
// the option the dialog had selected.
void RunGenerationPasses(Terrain& t, const NewMapSettings& m, int grid, SmoothOption smoothing,
                         Progress& progress) {
    if (!(m.Smooth || m.Normalize)) return;
    if (!(m.Fractal || m.Slope || m.BitMap)) return;
    if (m.Normalize) {
        const HeightRange range = NeutralizationPass(t, m, grid, progress);
        if (m.FlattenToZero) FlatteningPass(t, m, grid, range, progress);
    }
    if (m.Smooth && smoothing != SmoothOption::None) {
        std::vector<float> work;
        for (int pass = 1; pass <= m.SmoothPasses; ++pass) {
            progress.Step(pass, m.SmoothPasses);
            SmoothingPass(t, m, grid, smoothing, pass, work, progress);
        }
        progress.Step(0, 0);
    }
}

}  // namespace

Status CheckNewMapValues(const NewMapValues& v, int grid) {
    auto invalid = [](std::string message) { return Fail(ErrorKind::Invalid, std::move(message)); };
    struct Named {
        const char* name;
        long long value;
    };
    // X and Y are points, typed as triangles (points - 1).
    for (const Named& axis :
         {Named{"X Axes Length In Triangles", v.X}, Named{"Y Axes Length In Triangles", v.Y}})
        if (!Fits16(axis.value))
            return invalid(std::string("The value of \"") + axis.name + "\" (" +
                           std::to_string(axis.value - 1) +
                           ") is out of range. Please enter a value between -32768 and 32766.");
    const Named wholes[] = {{"Triangle Length In Units", v.Size},
                            {"Smoothing Passes", v.SmoothPasses},
                            {"Flattening Factor", v.FlattenToZeroFactor},
                            {"Height Multiplyer", v.HeightMulti},
                            {"Fault Lines", v.FaultLines},
                            {"Fault Line Iterations", v.FaultIterations},
                            {"Particle Iterations", v.particleIterations},
                            {"Max Radius In Triangles", v.CircleMaxRad},
                            {"Circle Iterations", v.CircleIterations},
                            {"Steepness", v.SlopeSteepness}};
    for (const Named& w : wholes)
        if (!Fits16(w.value))
            return invalid(std::string("The value of \"") + w.name + "\" (" + std::to_string(w.value) +
                           ") is out of range. Please enter a value between -32768 and 32767.");
    const int x = CorrectedPoints(v.X), y = CorrectedPoints(v.Y);
    const long long points = static_cast<long long>(x) * y;
    if (points > kMaxPoints)
        return invalid("A terrain of " + std::to_string(x - 1) + " x " + std::to_string(y - 1) +
                       " triangles needs " + std::to_string(points) +
                       " points. Varnholm holds at most 32767 points, for example 180 x 180 triangles.");
    // The spacing and the sides as the grid will be built, after the corrections.
    const int size = CorrectedSize(v.Size, grid);
    if (Status grid = CheckGridSize(x, y, size); !grid) return grid;
    for (float f :
         {v.MinNormal, v.MaxNormal, v.MaxSeed, v.FaultMaxChange, v.CircleMaxChange, v.SmoothThreshold,
          v.DiamondSquarePercentLimiter, v.ParticlePercentLimiter, v.BitMapHeightMulti})
        if (!std::isfinite(f)) return invalid("A value of the new map is not a usable number.");
    if (v.Fractal && v.Circle) {
        // The circle radius in map units is a 16-bit product.
        const long long radius = static_cast<long long>(v.CircleMaxRad) * size;
        if (!Fits16(radius))
            return invalid("A circle radius of " + std::to_string(v.CircleMaxRad) + " triangles of " +
                           std::to_string(size) + " units (" + std::to_string(radius) +
                           " units) is too large. The radius can be at most 32767 units.");
    }
    if (v.Fractal && v.DiamondSquare && !IsDiamondSquareGrid(x, y))
        return invalid(
            "Diamond square works on a square grid of 1, 2, 4, 8, 16, 32, 64 or 128 triangles along "
            "each side, the same along X and Y. This map has " +
            std::to_string(x - 1) + " x " + std::to_string(y - 1) + " triangles.");
    if (v.Slope && !Fits16(2LL * v.SlopeSteepness))
        return invalid("A steepness of " + std::to_string(v.SlopeSteepness) +
                       " is too large. The steepness can be at most 16383.");
    return {};
}

NewMapSettings NewMapSettingsFor(const NewMapSettings& stored, const NewMapValues& v, int grid) {
    NewMapSettings m = stored;
    CopyIntoSettings(m, v);
    m.X = CorrectedPoints(m.X);
    m.Y = CorrectedPoints(m.Y);
    m.Size = CorrectedSize(m.Size, grid);
    return m;
}

Terrain GenerateTerrain(const NewMapSettings& m, const NewMapValues& v, int grid, RandomSource& rnd,
                        Progress& progress) {
    Terrain t;
    BuildGrid(t, m.X, m.Y, m.Size, progress);
    // Huge parameters can carry heights past the float range; each step
    // hands the next one finite heights.
    if (m.Fractal) RunFractalGenerators(t, m, grid, rnd, progress);
    KeepHeightsFinite(t);
    if (m.Slope) SlopeTerrain(t, m, grid, SlopeOptionOf(v.SlopeDir), progress);
    if (m.BitMap && !m.BitMapPath.empty())
        HeightImage(t, m, grid, v.Preview.isNull() ? BlankHeightImagePreview() : v.Preview, progress);
    KeepHeightsFinite(t);
    RunGenerationPasses(t, m, grid, SmoothOptionOf(v.SmoothPassType), progress);
    KeepHeightsFinite(t);
    return t;
}

}  // namespace vh
