// The value rules of the tool configuration dialogs, free of widgets: what a
// dialog shows when it loads and what its OK stores. The dialogs hold their
// controls' values in these records.
#pragma once

#include <string>
#include <string_view>

#include "core/settings_records.h"

namespace vh {

// ---- single rules ----

// Percent text of "Secondary Height Percent:" and "Height Percent Multiplayer:":
// |number at the start of the text| / 100, then clamped to 0.01 .. 100.
// "-50" -> 0.5, "abc" -> 0.01, "20000" -> 100.
float PercentFactorFromText(std::string_view text);

// A stored factor shown as a percent: NumberText(factor x 100) (0.7 -> "70").
std::string FactorPercentText(float factor);

// "Smoothing Threshold:" and "Maximum Noise:": |number at the start of the
// text|; text that is not a number gives 0. "-30" -> 30. Like every number
// typed into a dialog, kept inside the float range.
float AbsoluteValueFromText(std::string_view text);

// "Scale Percentage:": number at the start of the text / 100, sign kept and
// no limit. "50%" -> 0.5, "-100" -> -1, "abc" -> 0.
float ScaleFactorFromText(std::string_view text);

// A setting shown on a slider of range lo .. hi (the slider cannot show a
// value outside its range).
int SliderPosition(int setting, int lo, int hi);

// ---- per dialog: Load gives the controls' values, Apply is the OK ----

// "Raise / Lower Tool Configuration"
struct RaiseLowerConfigValues {
    std::string PercentText;  // txtRaiseLowerPercet
    int Threshold = 4;        // sldRaiseLowerThreshold 1..10 ("'Smart' Code Sensitivity:")
    int Sensitivity = 5;      // sldRaiseLowerSensitivity 1..10
};
constexpr int kRaiseLowerSliderMin = 1, kRaiseLowerSliderMax = 10;
RaiseLowerConfigValues LoadRaiseLowerConfig(const ToolSettings& t);
void ApplyRaiseLowerConfig(ToolSettings& t, const RaiseLowerConfigValues& v);

// "Mountain / Vally Tool Configuration"
struct MountainConfigValues {
    std::string PercentText;  // txtMountainPercet
    int Radius = 8;           // sldMountainRadius 2..20
    int Correction = 10;      // sldMountainCorrection 1..15
    int Sensitivity = 5;      // sldMountainSensitivity 1..10
    bool SmoothOuter = true;  // chkSmoothOuter
};
constexpr int kMountainRadiusMin = 2, kMountainRadiusMax = 20;
constexpr int kMountainCorrectionMin = 1, kMountainCorrectionMax = 15;
constexpr int kMountainSensitivityMin = 1, kMountainSensitivityMax = 10;
MountainConfigValues LoadMountainConfig(const ToolSettings& t);
void ApplyMountainConfig(ToolSettings& t, const MountainConfigValues& v);

// "Smooth Tool Configuration" (also the smoothing pass's configuration)
struct SmoothConfigValues {
    std::string ThresholdText;  // txtSmoothThreshold
    bool Radial = false;        // opRadial
    bool Linear = false;        // opLinear
    bool Move = false;          // opMove ("Gradual Move")
    bool Jump = false;          // opJump
};
// A stored type or style other than 0 or 1 selects neither option button.
SmoothConfigValues LoadSmoothConfig(const ToolSettings& t);
// With neither button of a group selected the setting keeps its value.
void ApplySmoothConfig(ToolSettings& t, const SmoothConfigValues& v);

// "Noise Tool Config" (also the noise pass's configuration)
struct NoiseConfigValues {
    std::string MaxNoiseText;  // txtNoise
};
NoiseConfigValues LoadNoiseConfig(const ToolSettings& t);
void ApplyNoiseConfig(ToolSettings& t, const NoiseConfigValues& v);

// "Scale Tool Configuration"
struct ScaleConfigValues {
    std::string PercentText;  // txtScale
};
ScaleConfigValues LoadScaleConfig(const ToolSettings& t);
void ApplyScaleConfig(ToolSettings& t, const ScaleConfigValues& v);

}  // namespace vh
