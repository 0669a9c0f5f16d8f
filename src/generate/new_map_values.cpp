// The values the New Map dialog hands over when it is opened on the current
// settings and confirmed at once: its load rules followed by its OK
// conversions, for runs without the dialog.
#include <algorithm>
#include <cmath>

#include "core/rules.h"
#include "generate/pipeline.h"

namespace vh {

namespace {

int Whole(double v) {
    return RoundToInt32(v);
}
int SliderValue(double v, int lo, int hi) {
    return std::clamp(Whole(v), lo, hi);
}

SmoothOption SmoothFromCode(const std::string& code) {
    const std::string c = UpperCase(code);
    if (c == "RAD") return SmoothOption::Radial;
    if (c == "LIN") return SmoothOption::Linear;
    if (c == "RADOVER") return SmoothOption::RadialOver;
    if (c == "LINOVER") return SmoothOption::LinearOver;
    return SmoothOption::None;
}

SlopeOption SlopeFromCode(const std::string& code) {
    const std::string c = UpperCase(code);
    if (c == "PX") return SlopeOption::PX;
    if (c == "NX") return SlopeOption::NX;
    if (c == "PY") return SlopeOption::PY;
    if (c == "NY") return SlopeOption::NY;
    return SlopeOption::None;
}

}  // namespace

NewMapValues NewMapValuesFromSettings(const EditorState& s) {
    NewMapValues v;
    // The size boxes as the size read-outs leave them: whole, positive, and
    // the length a multiple of the height grid.
    const int triX = s.X > 0 ? s.X - 1 : 16;
    const int triZ = s.Y > 0 ? s.Y - 1 : 16;
    int length = s.Size > 0 ? s.Size : 256;
    if (s.Grid != 0) length = Whole(RoundHalfEven(std::fabs(length) / s.Grid) * s.Grid);
    v.X = std::abs(triX) + 1;
    v.Y = std::abs(triZ) + 1;
    v.Size = length;

    v.chkSmooth = s.Smooth != 0;
    v.Smoothing = SmoothFromCode(s.SmoothPassType);
    float threshold = 48;
    if (s.SmoothThreshold > 0)
        threshold = s.SmoothThreshold;
    else if (s.SmoothThreshold == -1)
        threshold = 0;
    v.SmoothThreshold = std::fabs(threshold);
    v.SmoothPasses = s.SmoothPasses > 0 ? SliderValue(s.SmoothPasses, 1, 45) : 2;

    v.chkNormal = s.Normalize != 0;
    v.MaxNormal = s.MaxNormal;
    v.MinNormal = s.MinNormal;
    v.chkFlatten = s.FlattenToZero != 0;
    v.FlattenToZeroFactor = SliderValue(s.FlattenToZeroFactor, 1, 10);

    v.chkFractal = s.Fractal != 0;
    v.MaxSeed = s.MaxSeed > 0 ? s.MaxSeed : 48;
    v.HeightMulti = s.HeightMulti > 0 ? SliderValue(s.HeightMulti, 1, 32) : 1;

    v.chkDiamond = s.DiamondSquare != 0;
    v.DiamondSquareStyle = s.DiamondSquareStyle.empty() ? "Augment" : s.DiamondSquareStyle;
    v.DiamondSquarePercentLimiter =
        s.DiamondSquarePercentLimiter > 0
            ? static_cast<float>(static_cast<double>(s.DiamondSquarePercentLimiter * 100) / 100)
            : 1.75f;

    v.chkFault = s.Fault != 0;
    v.FaultLines = s.FaultLines > 0 ? s.FaultLines : 2;
    v.FaultMaxChange = s.FaultMaxChange > 0 ? s.FaultMaxChange : 256;
    v.FaultIterations = s.FaultIterations > 0 ? SliderValue(s.FaultIterations, 1, 512) : 128;

    v.chkParticle = s.Particle != 0;
    v.ParticleStyle = s.ParticleStyle.empty() ? "Random" : s.ParticleStyle;
    v.ParticlePercentLimiter =
        s.ParticlePercentLimiter > 0
            ? static_cast<float>(static_cast<double>(s.ParticlePercentLimiter * 100) / 100)
            : 1.75f;
    v.particleIterations = s.particleIterations > 0 ? SliderValue(s.particleIterations, 1, 8192) : 2048;

    v.chkCircle = s.Circle != 0;
    v.CircleMaxChange = s.CircleMaxChange > 0 ? s.CircleMaxChange : 512;
    v.CircleMaxRad = s.CircleMaxRad > 0 ? s.CircleMaxRad : 16;
    v.CircleIterations = s.CircleIterations > 0 ? SliderValue(s.CircleIterations, 1, 1024) : 256;

    v.chkSlope = s.Slope != 0;
    v.SlopeDirection = SlopeFromCode(s.SlopeDir);
    v.SlopeSteepness = 16 * (s.SlopeSteepness > 0 ? SliderValue(s.SlopeSteepness / 16.0, 1, 256) : 50);

    v.chkBM = s.BitMap != 0;
    v.txtBM = s.BitMapPath;
    const double bm = static_cast<double>(s.BitMapHeightMulti) * 8;
    v.BitMapHeightMulti = static_cast<float>((bm > 0 ? SliderValue(bm, 1, 256) : 64) / 8.0);
    v.BitMapInvertColors = s.BitMapInvertColors == -1 ? -1 : 1;
    if (IsHeightImagePath(v.txtBM))
        if (auto preview = LoadHeightImagePreview(v.txtBM)) v.Preview = *preview;
    return v;
}

}  // namespace vh
