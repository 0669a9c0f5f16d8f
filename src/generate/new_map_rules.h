// Value rules of the New Map dialog, free of widgets: what each control shows
// when the dialog opens, the corrections made when a text box loses focus,
// the size read-outs, and the conversion of the controls into settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor_state.h"
#include "generate/pipeline.h"

namespace vh {

// Everything the New Map dialog's controls hold, as the user sees it. Texts
// stay texts until OK; option groups hold the code of the selected button
// ("" when none is selected).
struct NewMapForm {
    // General
    std::string X = "16", Z = "16", Length = "256";
    // Smoothing
    bool Smooth = false;
    std::string SmoothOption;  // "RAD", "LIN", "RADOVER", "LINOVER" or ""
    std::string Threshold = "48";
    int Passes = 1;
    bool Normal = false;
    std::string MinNormal = "-4032", MaxNormal = "4032";
    bool Flatten = false;
    int FlattenFactor = 2;
    // Fractal
    bool Fractal = false;
    std::string MaxSeed = "48";
    int HeightMulti = 1;
    bool Diamond = false;
    std::string DiamondStyle = "Augment";
    std::string DiamondLimiter = "175";
    bool Fault = false;
    std::string FaultLines = "2";
    std::string FaultMaxChange = "256";
    int FaultIterations = 128;
    bool Particle = false;
    std::string ParticleStyle = "Random";
    std::string ParticleLimiter = "175";
    int ParticleIterations = 2048;
    bool Circle = false;
    std::string CircleMaxChange = "512";
    std::string CircleMaxRad = "16";
    int CircleIterations = 256;
    // Slope
    bool Slope = false;
    std::string SlopeOption;  // "PX", "NX", "PY", "NY" or ""
    int Steep = 50;
    // Height map
    bool BitMap = false;
    std::string BitMapPath;
    int BitMapMulti = 64;
    bool InvertColors = false;
};

// Slider ranges of the dialog.
struct SliderRange {
    int Min, Max;
};
constexpr SliderRange kPassesRange{1, 45};
constexpr SliderRange kFlattenRange{1, 10};
constexpr SliderRange kHeightMultiRange{1, 32};
constexpr SliderRange kFaultItRange{1, 512};
constexpr SliderRange kParticleItRange{1, 8192};
constexpr SliderRange kCircleItRange{1, 1024};
constexpr SliderRange kSteepRange{1, 256};
constexpr SliderRange kBitMapRange{1, 256};

int ClampToSlider(double value, SliderRange range);

// The option codes offered by the two option groups.
bool IsSmoothCode(std::string_view upperCode);
bool IsSlopeCode(std::string_view upperCode);

// What the dialog shows when it opens with the settings m. Settings out of a
// slider's range are brought into it; the unset ones keep the design value.
NewMapForm LoadNewMapForm(const NewMapSettings& m);

// Corrections made when a text box loses focus; each returns the new text.
std::string CorrectMaxSeed(std::string_view text);          // |v|, 0 -> 48
std::string CorrectFaultMaxChange(std::string_view text);   // |v|, 0 -> 256
std::string CorrectCircleMaxChange(std::string_view text);  // |v|, 0 -> 512
std::string CorrectPercentLimiter(std::string_view text);   // into 100 .. 200
std::string CorrectCircleMaxRad(std::string_view text);     // whole, at least 2

// Size read-outs under the general options.
struct SizeReadout {
    std::string XText, ZText, FacesText;  // "+/- 2048 Units.", "512 Faces."
    bool XRed = false, ZRed = false, FacesRed = false;
};

// The size boxes after their correction and the read-outs they give. A box
// whose number cannot be converted keeps its text.
struct SizeRefresh {
    std::string X, Z, Length;
    SizeReadout Readout;
};
SizeRefresh RefreshSizeLabels(std::string_view x, std::string_view z, std::string_view length, int grid);

// The controls converted the way OK converts them (whole numbers rounded
// half to even, percents / 100, sliders scaled). The preview image is not
// part of the form and stays null. Min and max of the normalisation must be
// numbers: otherwise Invalid with the message to show, and `out` is not to
// be used.
Status NewMapValuesFromForm(const NewMapForm& form, NewMapValues& out);

// Slider <-> setting conversions that are not one to one.
int SteepSliderFromSetting(double slopeSteepness);  // /16 rounded, clamped
int16_t SlopeSteepnessFromSlider(int slider);       // x16
int BitMapSliderFromSetting(double multi);          // x8 rounded, clamped
float BitMapMultiFromSlider(int slider);            // /8

// The height-image chooser's filter, and its starting folder: the folder of
// the image named now when that folder exists, else the home folder.
extern const char* const kHeightImageFilter;
std::string HeightImageStartFolder(std::string_view currentPath, const std::string& home);

// What the dialog and the CLI say about a height image that did not load.
std::string HeightImageUnreadableText(const std::string& path);

}  // namespace vh
