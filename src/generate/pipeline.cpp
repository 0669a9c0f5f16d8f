#include "generate/pipeline.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/grid.h"
#include "core/lifecycle.h"
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

void RunFractalGenerators(EditorState& s, Progress& progress) {
    const NewMapSettings& m = s.NewMap;
    Terrain& t = s.Terrain;
    if (!(m.DiamondSquare || m.Particle || m.Circle || m.Fault)) RandomSeedPoints(t, m, s.Rnd);
    if (m.DiamondSquare) DiamondSquare(t, m, s.Rnd, progress);
    if (m.Particle) ParticleDeposition(t, m, s.Tools.Grid, s.Rnd, progress);
    if (m.Circle) Circles(t, m, s.Rnd, progress);
    if (m.Fault) FaultLines(t, m, s.Rnd, progress);
    const float multi = static_cast<float>(m.HeightMulti);
    for (int i = 1; i <= t.PointCount; ++i)
        t.Points[i].Height = SnapHeight(t.Points[i].Height * multi, s.Tools.Grid);
}

// Only a terrain that something generated is post-processed. `smoothing` is
// the option the dialog had selected.
void RunGenerationPasses(EditorState& s, SmoothOption smoothing, Progress& progress) {
    const NewMapSettings& m = s.NewMap;
    const int grid = s.Tools.Grid;
    if (!(m.Smooth || m.Normalize)) return;
    if (!(m.Fractal || m.Slope || m.BitMap)) return;
    if (m.Normalize) {
        const HeightRange range = NeutralizationPass(s.Terrain, m, grid, progress);
        if (m.FlattenToZero) FlatteningPass(s.Terrain, m, grid, range, progress);
    }
    if (m.Smooth && smoothing != SmoothOption::None) {
        std::vector<float> work;
        for (int pass = 1; pass <= m.SmoothPasses; ++pass) {
            progress.Step(pass, m.SmoothPasses);
            SmoothingPass(s.Terrain, m, grid, smoothing, pass, work, progress);
        }
        progress.Step(0, 0);
    }
}

}  // namespace

std::optional<std::string> CheckNewMapValues(const NewMapValues& v, int grid) {
    struct Named {
        const char* name;
        long long value;
    };
    // X and Y are points, typed as triangles (points - 1).
    for (const Named& axis :
         {Named{"X Axes Length In Triangles", v.X}, Named{"Y Axes Length In Triangles", v.Y}})
        if (!Fits16(axis.value))
            return std::string("The value of \"") + axis.name + "\" (" + std::to_string(axis.value - 1) +
                   ") is out of range. Please enter a value between -32768 and 32766.";
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
            return std::string("The value of \"") + w.name + "\" (" + std::to_string(w.value) +
                   ") is out of range. Please enter a value between -32768 and 32767.";
    const int x = CorrectedPoints(v.X), y = CorrectedPoints(v.Y);
    const long long points = static_cast<long long>(x) * y;
    if (points > kMaxPoints)
        return "A terrain of " + std::to_string(x - 1) + " x " + std::to_string(y - 1) + " triangles needs " +
               std::to_string(points) +
               " points. Varnholm holds at most 32767 points, for example 180 x 180 triangles.";
    // The spacing and the sides as the grid will be built, after the corrections.
    const int size = CorrectedSize(v.Size, grid);
    if (std::optional<std::string> problem = CheckGridSize(x, y, size)) return problem;
    for (float f :
         {v.MinNormal, v.MaxNormal, v.MaxSeed, v.FaultMaxChange, v.CircleMaxChange, v.SmoothThreshold,
          v.DiamondSquarePercentLimiter, v.ParticlePercentLimiter, v.BitMapHeightMulti})
        if (!std::isfinite(f)) return std::string("A value of the new map is not a usable number.");
    if (v.Fractal && v.Circle) {
        // The circle radius in map units is a 16-bit product.
        const long long radius = static_cast<long long>(v.CircleMaxRad) * size;
        if (!Fits16(radius))
            return "A circle radius of " + std::to_string(v.CircleMaxRad) + " triangles of " +
                   std::to_string(size) + " units (" + std::to_string(radius) +
                   " units) is too large. The radius can be at most 32767 units.";
    }
    if (v.Fractal && v.DiamondSquare && !IsDiamondSquareGrid(x, y))
        return "Diamond square works on a square grid of 1, 2, 4, 8, 16, 32, 64 or 128 triangles along "
               "each side, the same along X and Y. This map has " +
               std::to_string(x - 1) + " x " + std::to_string(y - 1) + " triangles.";
    if (v.Slope && !Fits16(2LL * v.SlopeSteepness))
        return "A steepness of " + std::to_string(v.SlopeSteepness) +
               " is too large. The steepness can be at most 16383.";
    return std::nullopt;
}

void RunNewMap(EditorState& s, const NewMapValues& v, Progress& progress) {
    s.Rnd.Randomize();
    ResetEditor(s);
    NewMapSettings& m = s.NewMap;
    CopyIntoSettings(m, v);
    m.X = CorrectedPoints(m.X);
    m.Y = CorrectedPoints(m.Y);
    m.Size = CorrectedSize(m.Size, s.Tools.Grid);

    BuildGrid(s, progress);

    // Huge parameters can carry heights past the float range; each step
    // hands the next one finite heights.
    Terrain& t = s.Terrain;
    if (m.Fractal) RunFractalGenerators(s, progress);
    KeepHeightsFinite(t);
    if (m.Slope) SlopeTerrain(t, m, s.Tools.Grid, SlopeOptionOf(v.SlopeDir), progress);
    if (m.BitMap && !m.BitMapPath.empty())
        HeightImage(t, m, s.Tools.Grid, v.Preview.isNull() ? BlankHeightImagePreview() : v.Preview, progress);
    KeepHeightsFinite(t);
    RunGenerationPasses(s, SmoothOptionOf(v.SmoothPassType), progress);
    KeepHeightsFinite(t);

    progress.Status("Building Mesh...");
    if (s.OnTerrainReplaced) s.OnTerrainReplaced();

    if (m.SmoothThreshold == 0) m.SmoothThreshold = -1;
    s.Doc.DocTitle = "newmap.vhm";
    s.Doc.DocPath.clear();
    s.Doc.Caption = s.Doc.DocTitle + " - Varnholm";
    LogLine(s, "NEW MAP : New Map Started");
    MarkDocumentChanged(s);
}

}  // namespace vh
