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

const char* SmoothCode(SmoothOption o) {
    switch (o) {
        case SmoothOption::Radial:
            return "RAD";
        case SmoothOption::Linear:
            return "LIN";
        case SmoothOption::RadialOver:
            return "RADOVER";
        case SmoothOption::LinearOver:
            return "LINOVER";
        case SmoothOption::None:
            break;
    }
    return nullptr;
}

const char* SlopeCode(SlopeOption o) {
    switch (o) {
        case SlopeOption::PX:
            return "PX";
        case SlopeOption::NX:
            return "NX";
        case SlopeOption::PY:
            return "PY";
        case SlopeOption::NY:
            return "NY";
        case SlopeOption::None:
            break;
    }
    return nullptr;
}

int16_t Check(bool b) {
    return b ? 1 : 0;
}

void CopyIntoSettings(EditorState& s, const NewMapValues& v) {
    s.X = static_cast<int16_t>(v.X);
    s.Y = static_cast<int16_t>(v.Y);
    s.Size = static_cast<int16_t>(v.Size);
    s.Smooth = Check(v.chkSmooth);
    if (const char* code = SmoothCode(v.Smoothing)) s.SmoothPassType = code;
    s.SmoothThreshold = v.SmoothThreshold;
    s.SmoothPasses = static_cast<int16_t>(v.SmoothPasses);
    s.Normalize = Check(v.chkNormal);
    s.MinNormal = v.MinNormal;
    s.MaxNormal = v.MaxNormal;
    s.FlattenToZero = Check(v.chkFlatten);
    s.FlattenToZeroFactor = static_cast<int16_t>(v.FlattenToZeroFactor);
    s.Fractal = Check(v.chkFractal);
    s.MaxSeed = v.MaxSeed;
    s.HeightMulti = static_cast<int16_t>(v.HeightMulti);
    s.DiamondSquare = Check(v.chkDiamond);
    s.DiamondSquareStyle = v.DiamondSquareStyle;
    s.DiamondSquarePercentLimiter = v.DiamondSquarePercentLimiter;
    s.Fault = Check(v.chkFault);
    s.FaultLines = static_cast<int16_t>(v.FaultLines);
    s.FaultMaxChange = v.FaultMaxChange;
    s.FaultIterations = static_cast<int16_t>(v.FaultIterations);
    s.Particle = Check(v.chkParticle);
    s.ParticleStyle = v.ParticleStyle;
    s.ParticlePercentLimiter = v.ParticlePercentLimiter;
    s.particleIterations = static_cast<int16_t>(v.particleIterations);
    s.Circle = Check(v.chkCircle);
    s.CircleMaxChange = v.CircleMaxChange;
    s.CircleMaxRad = static_cast<int16_t>(v.CircleMaxRad);
    s.CircleIterations = static_cast<int16_t>(v.CircleIterations);
    s.Slope = Check(v.chkSlope);
    if (const char* code = SlopeCode(v.SlopeDirection)) s.SlopeDir = code;
    s.SlopeSteepness = static_cast<int16_t>(v.SlopeSteepness);
    s.BitMap = Check(v.chkBM);
    s.BitMapPath = v.txtBM;
    s.BitMapHeightMulti = v.BitMapHeightMulti;
    s.BitMapInvertColors = v.BitMapInvertColors;
}

void RunFractalGenerators(EditorState& s, const NewMapValues& v, Progress& progress) {
    if (!(v.chkDiamond || v.chkParticle || v.chkCircle || v.chkFault)) RandomSeedPoints(s);
    if (v.chkDiamond) DiamondSquare(s, progress);
    if (v.chkParticle) ParticleDeposition(s, progress);
    if (v.chkCircle) Circles(s, progress);
    if (v.chkFault) FaultLines(s, progress);
    const int n = s.PointTotal();
    const float multi = s.HeightMulti;
    for (int i = 1; i <= n; ++i) s.Points[i].Height = SnapHeight(s.Points[i].Height * multi, s.Grid);
}

// Only a terrain that something generated is post-processed.
void RunGenerationPasses(EditorState& s, const NewMapValues& v, Progress& progress) {
    if (!(v.chkSmooth || v.chkNormal)) return;
    if (!(v.chkFractal || v.chkSlope || v.chkBM)) return;
    if (v.chkNormal) {
        const HeightRange range = NeutralizationPass(s, progress);
        if (v.chkFlatten) FlatteningPass(s, range, progress);
    }
    if (v.chkSmooth && v.Smoothing != SmoothOption::None) {
        std::vector<float> work;
        for (int pass = 1; pass <= s.SmoothPasses; ++pass) {
            progress.Step(pass, s.SmoothPasses);
            SmoothingPass(s, v.Smoothing, pass, work, progress);
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
    if (v.chkFractal && v.chkCircle) {
        // The circle radius in map units is a 16-bit product.
        const long long radius = static_cast<long long>(v.CircleMaxRad) * size;
        if (!Fits16(radius))
            return "A circle radius of " + std::to_string(v.CircleMaxRad) + " triangles of " +
                   std::to_string(size) + " units (" + std::to_string(radius) +
                   " units) is too large. The radius can be at most 32767 units.";
    }
    if (v.chkFractal && v.chkDiamond && !IsDiamondSquareGrid(x, y))
        return "Diamond square works on a square grid of 1, 2, 4, 8, 16, 32, 64 or 128 triangles along "
               "each side, the same along X and Y. This map has " +
               std::to_string(x - 1) + " x " + std::to_string(y - 1) + " triangles.";
    if (v.chkSlope && !Fits16(2LL * v.SlopeSteepness))
        return "A steepness of " + std::to_string(v.SlopeSteepness) +
               " is too large. The steepness can be at most 16383.";
    return std::nullopt;
}

void RunNewMap(EditorState& s, const NewMapValues& v, Progress& progress) {
    s.Rnd.Randomize();
    ResetEditor(s);
    CopyIntoSettings(s, v);
    if (s.X < 2) s.X = 3;
    if (s.Y < 2) s.Y = 3;
    s.Size = static_cast<int16_t>(CorrectedSize(s.Size, s.Grid));

    BuildGrid(s, progress);

    // Huge parameters can carry heights past the float range; each step
    // hands the next one finite heights.
    if (v.chkFractal) RunFractalGenerators(s, v, progress);
    KeepHeightsFinite(s);
    if (v.chkSlope) SlopeTerrain(s, v.SlopeDirection, progress);
    if (v.chkBM && !v.txtBM.empty())
        HeightImage(s, v.Preview.isNull() ? BlankHeightImagePreview() : v.Preview, progress);
    KeepHeightsFinite(s);
    RunGenerationPasses(s, v, progress);
    KeepHeightsFinite(s);

    progress.Status("Building Mesh...");
    if (s.OnTerrainReplaced) s.OnTerrainReplaced();

    if (s.SmoothThreshold == 0) s.SmoothThreshold = -1;
    s.DocTitle = "newmap.vhm";
    s.DocPath.clear();
    s.Caption = s.DocTitle + " - Varnholm";
    LogLine(s, "NEW MAP : New Map Started");
    MarkDocumentChanged(s);
}

}  // namespace vh
