#include "generate/new_map_rules.h"

#include <cmath>
#include <filesystem>

#include "core/prompts.h"
#include "core/rules.h"

namespace vh {

namespace {

// Text of a number as the dialog shows it (shortest form, 48 not 48.0).
std::string Text(double v) {
    return NumberText(static_cast<float>(v));
}

// Whole numbers are taken by a 32-bit conversion; beyond it (or not finite)
// the conversion fails and the caller leaves the box alone.
std::optional<double> Whole(double v) {
    if (!std::isfinite(v) || std::fabs(v) > 2147483647.0) return std::nullopt;
    return RoundHalfEven(v);
}

std::string AbsOr(std::string_view text, double replacement) {
    double v = std::fabs(ReadNumber(text));
    if (v == 0) v = replacement;
    return Text(v);
}

}  // namespace

int ClampToSlider(double value, SliderRange range) {
    double v = RoundHalfEven(value);
    if (!(v >= range.Min)) return range.Min;  // NaN lands here too
    if (v > range.Max) return range.Max;
    return static_cast<int>(v);
}

bool IsSmoothCode(std::string_view c) {
    return c == "RAD" || c == "LIN" || c == "RADOVER" || c == "LINOVER";
}

bool IsSlopeCode(std::string_view c) {
    return c == "PX" || c == "NX" || c == "PY" || c == "NY";
}

NewMapForm LoadNewMapForm(const EditorState& s) {
    NewMapForm f;
    if (s.X > 0) f.X = Text(s.X - 1);
    if (s.Y > 0) f.Z = Text(s.Y - 1);
    if (s.Size > 0) f.Length = Text(s.Size);

    f.Smooth = s.Smooth != 0;
    std::string smoothCode = UpperCase(s.SmoothPassType);
    f.SmoothOption = IsSmoothCode(smoothCode) ? smoothCode : "";
    if (s.SmoothThreshold > 0)
        f.Threshold = Text(s.SmoothThreshold);
    else if (s.SmoothThreshold == -1)
        f.Threshold = Text(0);  // a threshold of 0 is kept as -1
    if (s.SmoothPasses > 0) f.Passes = ClampToSlider(s.SmoothPasses, kPassesRange);

    f.Normal = s.Normalize != 0;
    f.MaxNormal = Text(s.MaxNormal);
    f.MinNormal = Text(s.MinNormal);
    f.Flatten = s.FlattenToZero != 0;
    f.FlattenFactor = ClampToSlider(s.FlattenToZeroFactor, kFlattenRange);

    f.Fractal = s.Fractal != 0;
    if (s.MaxSeed > 0) f.MaxSeed = Text(s.MaxSeed);
    if (s.HeightMulti > 0) f.HeightMulti = ClampToSlider(s.HeightMulti, kHeightMultiRange);

    f.Diamond = s.DiamondSquare != 0;
    if (!s.DiamondSquareStyle.empty()) f.DiamondStyle = s.DiamondSquareStyle;
    if (s.DiamondSquarePercentLimiter > 0) f.DiamondLimiter = Text(s.DiamondSquarePercentLimiter * 100.0f);

    f.Fault = s.Fault != 0;
    if (s.FaultLines > 0) f.FaultLines = Text(s.FaultLines);
    if (s.FaultMaxChange > 0) f.FaultMaxChange = Text(s.FaultMaxChange);
    if (s.FaultIterations > 0) f.FaultIterations = ClampToSlider(s.FaultIterations, kFaultItRange);

    f.Particle = s.Particle != 0;
    if (!s.ParticleStyle.empty()) f.ParticleStyle = s.ParticleStyle;
    if (s.ParticlePercentLimiter > 0) f.ParticleLimiter = Text(s.ParticlePercentLimiter * 100.0f);
    if (s.particleIterations > 0)
        f.ParticleIterations = ClampToSlider(s.particleIterations, kParticleItRange);

    f.Circle = s.Circle != 0;
    if (s.CircleMaxChange > 0) f.CircleMaxChange = Text(s.CircleMaxChange);
    if (s.CircleMaxRad > 0) f.CircleMaxRad = Text(s.CircleMaxRad);
    if (s.CircleIterations > 0) f.CircleIterations = ClampToSlider(s.CircleIterations, kCircleItRange);

    f.Slope = s.Slope != 0;
    std::string slopeCode = UpperCase(s.SlopeDir);
    f.SlopeOption = IsSlopeCode(slopeCode) ? slopeCode : "";
    if (s.SlopeSteepness > 0) f.Steep = SteepSliderFromSetting(s.SlopeSteepness);

    f.BitMap = s.BitMap != 0;
    f.BitMapPath = s.BitMapPath;
    if (s.BitMapHeightMulti * 8 > 0) f.BitMapMulti = BitMapSliderFromSetting(s.BitMapHeightMulti);
    f.InvertColors = s.BitMapInvertColors == -1;
    return f;
}

std::string CorrectMaxSeed(std::string_view text) {
    return AbsOr(text, 48);
}
std::string CorrectFaultMaxChange(std::string_view text) {
    return AbsOr(text, 256);
}
std::string CorrectCircleMaxChange(std::string_view text) {
    return AbsOr(text, 512);
}

std::string CorrectPercentLimiter(std::string_view text) {
    double v = ReadNumber(text);
    if (v > 200) v = 200;
    if (v < 100) v = 100;
    return Text(v);
}

std::string CorrectCircleMaxRad(std::string_view text) {
    double v = ReadNumber(text);
    std::optional<double> w = Whole(v);
    double r = w ? *w : v;
    if (!(r >= 2)) r = 2;
    return Text(r);
}

SizeRefresh RefreshSizeLabels(std::string_view x, std::string_view z, std::string_view length, int grid) {
    SizeRefresh out{std::string(x), std::string(z), std::string(length), {}};
    if (std::optional<double> w = Whole(std::fabs(ReadNumber(x)))) out.X = Text(*w);
    if (std::optional<double> w = Whole(std::fabs(ReadNumber(z)))) out.Z = Text(*w);
    if (grid != 0) {
        if (std::optional<double> w = Whole(std::fabs(ReadNumber(length)) / grid))
            out.Length = Text(*w * grid);
    }

    const double xv = ReadNumber(out.X), zv = ReadNumber(out.Z), lv = ReadNumber(out.Length);
    const double halfX = xv * lv / 2, halfZ = zv * lv / 2, faces = xv * zv * 2;
    SizeReadout& r = out.Readout;
    r.XText = "+/- " + Text(halfX) + " Units.";
    r.ZText = "+/- " + Text(halfZ) + " Units.";
    r.FacesText = Text(faces) + " Faces.";
    r.XRed = halfX > 4096;
    r.ZRed = halfZ > 4096;
    r.FacesRed = faces > 2048;
    return out;
}

namespace {

SmoothOption SmoothOptionOf(std::string_view code) {
    if (code == "RAD") return SmoothOption::Radial;
    if (code == "LIN") return SmoothOption::Linear;
    if (code == "RADOVER") return SmoothOption::RadialOver;
    if (code == "LINOVER") return SmoothOption::LinearOver;
    return SmoothOption::None;
}

SlopeOption SlopeOptionOf(std::string_view code) {
    if (code == "PX") return SlopeOption::PX;
    if (code == "NX") return SlopeOption::NX;
    if (code == "PY") return SlopeOption::PY;
    if (code == "NY") return SlopeOption::NY;
    return SlopeOption::None;
}

// Whole numbers are carried as int; anything past 32 bits is far outside every
// 16-bit setting, so the check still rejects it.
int WholeInt(std::string_view text) {
    return RoundToInt32(ReadNumber(text));
}

}  // namespace

std::optional<std::string> NewMapValuesFromForm(const NewMapForm& f, NewMapValues& v) {
    std::optional<double> minNormal = ReadNumberStrict(f.MinNormal);
    if (!minNormal) return "The lowest normalization height \"" + f.MinNormal + "\" is not a number.";
    std::optional<double> maxNormal = ReadNumberStrict(f.MaxNormal);
    if (!maxNormal) return "The highest normalization height \"" + f.MaxNormal + "\" is not a number.";

    v.X = RoundToInt32(ReadNumber(f.X) + 1);
    v.Y = RoundToInt32(ReadNumber(f.Z) + 1);
    v.Size = WholeInt(f.Length);

    v.chkSmooth = f.Smooth;
    v.Smoothing = SmoothOptionOf(f.SmoothOption);
    v.SmoothThreshold = static_cast<float>(std::fabs(ReadNumber(f.Threshold)));
    v.SmoothPasses = f.Passes;
    v.chkNormal = f.Normal;
    v.MinNormal = static_cast<float>(*minNormal);
    v.MaxNormal = static_cast<float>(*maxNormal);
    v.chkFlatten = f.Flatten;
    v.FlattenToZeroFactor = f.FlattenFactor;

    v.chkFractal = f.Fractal;
    v.MaxSeed = static_cast<float>(ReadNumber(f.MaxSeed));
    v.HeightMulti = f.HeightMulti;
    v.chkDiamond = f.Diamond;
    v.DiamondSquareStyle = f.DiamondStyle;
    v.DiamondSquarePercentLimiter = static_cast<float>(ReadNumber(f.DiamondLimiter) / 100.0);
    v.chkFault = f.Fault;
    v.FaultLines = WholeInt(f.FaultLines);
    v.FaultMaxChange = static_cast<float>(ReadNumber(f.FaultMaxChange));
    v.FaultIterations = f.FaultIterations;
    v.chkParticle = f.Particle;
    v.ParticleStyle = f.ParticleStyle;
    v.ParticlePercentLimiter = static_cast<float>(ReadNumber(f.ParticleLimiter) / 100.0);
    v.particleIterations = f.ParticleIterations;
    v.chkCircle = f.Circle;
    v.CircleMaxChange = static_cast<float>(ReadNumber(f.CircleMaxChange));
    v.CircleMaxRad = WholeInt(f.CircleMaxRad);
    v.CircleIterations = f.CircleIterations;

    v.chkSlope = f.Slope;
    v.SlopeDirection = SlopeOptionOf(f.SlopeOption);
    v.SlopeSteepness = SlopeSteepnessFromSlider(f.Steep);

    v.chkBM = f.BitMap;
    v.txtBM = f.BitMapPath;
    v.BitMapHeightMulti = BitMapMultiFromSlider(f.BitMapMulti);
    v.BitMapInvertColors = f.InvertColors ? -1 : 1;
    return std::nullopt;
}

int SteepSliderFromSetting(double slopeSteepness) {
    return ClampToSlider(slopeSteepness / 16.0, kSteepRange);
}

int16_t SlopeSteepnessFromSlider(int slider) {
    return static_cast<int16_t>(slider * 16);
}

int BitMapSliderFromSetting(double multi) {
    return ClampToSlider(multi * 8.0, kBitMapRange);
}

float BitMapMultiFromSlider(int slider) {
    return static_cast<float>(slider) / 8.0f;
}

const char* const kHeightImageFilter =
    "Supported Images (*.bmp;*.gif;*.jpg;*.jpeg)|*.bmp;*.gif;*.jpg;*.jpeg|Bitmap Files (*.bmp)|*.bmp|"
    "CompuServe GIF (*.gif)|*.gif|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg";

std::string HeightImageStartFolder(std::string_view currentPath, const std::string& home) {
    const std::string folder = FolderOf(std::string(currentPath));
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_directory(folder, ec) ? folder : home;
}

std::string HeightImageUnreadableText(const std::string& path) {
    return "The height image \"" + path + "\" could not be read. Choose a BMP, GIF or JPEG image.";
}

}  // namespace vh
