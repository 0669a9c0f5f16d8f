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

NewMapForm LoadNewMapForm(const NewMapSettings& m) {
    NewMapForm f;
    if (m.X > 0) f.X = Text(m.X - 1);
    if (m.Y > 0) f.Z = Text(m.Y - 1);
    if (m.Size > 0) f.Length = Text(m.Size);

    f.Smooth = m.Smooth;
    std::string smoothCode = UpperCase(m.SmoothPassType);
    f.SmoothOption = IsSmoothCode(smoothCode) ? smoothCode : "";
    if (m.SmoothThreshold > 0)
        f.Threshold = Text(m.SmoothThreshold);
    else if (m.SmoothThreshold == -1)
        f.Threshold = Text(0);  // a threshold of 0 is kept as -1
    if (m.SmoothPasses > 0) f.Passes = ClampToSlider(m.SmoothPasses, kPassesRange);

    f.Normal = m.Normalize;
    f.MaxNormal = Text(m.MaxNormal);
    f.MinNormal = Text(m.MinNormal);
    f.Flatten = m.FlattenToZero;
    f.FlattenFactor = ClampToSlider(m.FlattenToZeroFactor, kFlattenRange);

    f.Fractal = m.Fractal;
    if (m.MaxSeed > 0) f.MaxSeed = Text(m.MaxSeed);
    if (m.HeightMulti > 0) f.HeightMulti = ClampToSlider(m.HeightMulti, kHeightMultiRange);

    f.Diamond = m.DiamondSquare;
    if (!m.DiamondSquareStyle.empty()) f.DiamondStyle = m.DiamondSquareStyle;
    if (m.DiamondSquarePercentLimiter > 0) f.DiamondLimiter = Text(m.DiamondSquarePercentLimiter * 100.0f);

    f.Fault = m.Fault;
    if (m.FaultLines > 0) f.FaultLines = Text(m.FaultLines);
    if (m.FaultMaxChange > 0) f.FaultMaxChange = Text(m.FaultMaxChange);
    if (m.FaultIterations > 0) f.FaultIterations = ClampToSlider(m.FaultIterations, kFaultItRange);

    f.Particle = m.Particle;
    if (!m.ParticleStyle.empty()) f.ParticleStyle = m.ParticleStyle;
    if (m.ParticlePercentLimiter > 0) f.ParticleLimiter = Text(m.ParticlePercentLimiter * 100.0f);
    if (m.particleIterations > 0)
        f.ParticleIterations = ClampToSlider(m.particleIterations, kParticleItRange);

    f.Circle = m.Circle;
    if (m.CircleMaxChange > 0) f.CircleMaxChange = Text(m.CircleMaxChange);
    if (m.CircleMaxRad > 0) f.CircleMaxRad = Text(m.CircleMaxRad);
    if (m.CircleIterations > 0) f.CircleIterations = ClampToSlider(m.CircleIterations, kCircleItRange);

    f.Slope = m.Slope;
    std::string slopeCode = UpperCase(m.SlopeDir);
    f.SlopeOption = IsSlopeCode(slopeCode) ? slopeCode : "";
    if (m.SlopeSteepness > 0) f.Steep = SteepSliderFromSetting(m.SlopeSteepness);

    f.BitMap = m.BitMap;
    f.BitMapPath = m.BitMapPath;
    if (m.BitMapHeightMulti * 8 > 0) f.BitMapMulti = BitMapSliderFromSetting(m.BitMapHeightMulti);
    f.InvertColors = m.BitMapInvertColors == -1;
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

// Whole numbers are carried as int; anything past 32 bits is far outside every
// 16-bit setting, so the check still rejects it.
int WholeInt(std::string_view text) {
    return RoundToInt32(ReadNumber(text));
}

}  // namespace

Status NewMapValuesFromForm(const NewMapForm& f, NewMapValues& v) {
    std::optional<double> minNormal = ReadNumberStrict(f.MinNormal);
    if (!minNormal)
        return Fail(ErrorKind::Invalid,
                    "The lowest normalization height \"" + f.MinNormal + "\" is not a number.");
    std::optional<double> maxNormal = ReadNumberStrict(f.MaxNormal);
    if (!maxNormal)
        return Fail(ErrorKind::Invalid,
                    "The highest normalization height \"" + f.MaxNormal + "\" is not a number.");

    v.X = RoundToInt32(ReadNumber(f.X) + 1);
    v.Y = RoundToInt32(ReadNumber(f.Z) + 1);
    v.Size = WholeInt(f.Length);

    v.Smooth = f.Smooth;
    v.SmoothPassType = f.SmoothOption;
    v.SmoothThreshold = static_cast<float>(std::fabs(ReadNumber(f.Threshold)));
    v.SmoothPasses = f.Passes;
    v.Normalize = f.Normal;
    v.MinNormal = static_cast<float>(*minNormal);
    v.MaxNormal = static_cast<float>(*maxNormal);
    v.FlattenToZero = f.Flatten;
    v.FlattenToZeroFactor = f.FlattenFactor;

    v.Fractal = f.Fractal;
    v.MaxSeed = static_cast<float>(ReadNumber(f.MaxSeed));
    v.HeightMulti = f.HeightMulti;
    v.DiamondSquare = f.Diamond;
    v.DiamondSquareStyle = f.DiamondStyle;
    v.DiamondSquarePercentLimiter = static_cast<float>(ReadNumber(f.DiamondLimiter) / 100.0);
    v.Fault = f.Fault;
    v.FaultLines = WholeInt(f.FaultLines);
    v.FaultMaxChange = static_cast<float>(ReadNumber(f.FaultMaxChange));
    v.FaultIterations = f.FaultIterations;
    v.Particle = f.Particle;
    v.ParticleStyle = f.ParticleStyle;
    v.ParticlePercentLimiter = static_cast<float>(ReadNumber(f.ParticleLimiter) / 100.0);
    v.particleIterations = f.ParticleIterations;
    v.Circle = f.Circle;
    v.CircleMaxChange = static_cast<float>(ReadNumber(f.CircleMaxChange));
    v.CircleMaxRad = WholeInt(f.CircleMaxRad);
    v.CircleIterations = f.CircleIterations;

    v.Slope = f.Slope;
    v.SlopeDir = f.SlopeOption;
    v.SlopeSteepness = SlopeSteepnessFromSlider(f.Steep);

    v.BitMap = f.BitMap;
    v.BitMapPath = f.BitMapPath;
    v.BitMapHeightMulti = BitMapMultiFromSlider(f.BitMapMulti);
    v.BitMapInvertColors = f.InvertColors ? -1 : 1;
    return {};
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
