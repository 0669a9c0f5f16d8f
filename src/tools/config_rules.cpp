#include "tools/config_rules.h"

#include <algorithm>
#include <cmath>

#include "core/rules.h"

namespace vh {

float PercentFactorFromText(std::string_view text) {
    const float factor = static_cast<float>(std::fabs(ReadNumber(text)) / 100.0);
    return std::clamp(factor, 0.01f, 100.0f);
}

std::string FactorPercentText(float factor) {
    return NumberText(factor * 100.0f);
}

float AbsoluteValueFromText(std::string_view text) {
    return ClampToFloat(std::fabs(ReadNumber(text)));
}

float ScaleFactorFromText(std::string_view text) {
    return ClampToFloat(ReadNumber(text) / 100.0);
}

int SliderPosition(int setting, int lo, int hi) {
    return std::clamp(setting, lo, hi);
}

RaiseLowerConfigValues LoadRaiseLowerConfig(const ToolSettings& t) {
    RaiseLowerConfigValues v;
    v.PercentText = FactorPercentText(t.RaiseLowerPercent);
    v.Threshold = SliderPosition(t.RaiseLowerThreshold, kRaiseLowerSliderMin, kRaiseLowerSliderMax);
    v.Sensitivity = SliderPosition(t.RaiseLowerSensitivity, kRaiseLowerSliderMin, kRaiseLowerSliderMax);
    return v;
}

void ApplyRaiseLowerConfig(ToolSettings& t, const RaiseLowerConfigValues& v) {
    t.RaiseLowerPercent = PercentFactorFromText(v.PercentText);
    t.RaiseLowerThreshold = SliderPosition(v.Threshold, kRaiseLowerSliderMin, kRaiseLowerSliderMax);
    t.RaiseLowerSensitivity = SliderPosition(v.Sensitivity, kRaiseLowerSliderMin, kRaiseLowerSliderMax);
}

MountainConfigValues LoadMountainConfig(const ToolSettings& t) {
    MountainConfigValues v;
    v.PercentText = FactorPercentText(t.MountVallPercent);
    v.Radius = SliderPosition(t.MountVallRadius, kMountainRadiusMin, kMountainRadiusMax);
    v.Correction = SliderPosition(t.MountVallCorrection, kMountainCorrectionMin, kMountainCorrectionMax);
    v.Sensitivity = SliderPosition(t.MountVallSensitivity, kMountainSensitivityMin, kMountainSensitivityMax);
    v.SmoothOuter = t.MountVallSmoothOuter;
    return v;
}

void ApplyMountainConfig(ToolSettings& t, const MountainConfigValues& v) {
    t.MountVallPercent = PercentFactorFromText(v.PercentText);
    t.MountVallRadius = SliderPosition(v.Radius, kMountainRadiusMin, kMountainRadiusMax);
    t.MountVallCorrection = SliderPosition(v.Correction, kMountainCorrectionMin, kMountainCorrectionMax);
    t.MountVallSensitivity = SliderPosition(v.Sensitivity, kMountainSensitivityMin, kMountainSensitivityMax);
    t.MountVallSmoothOuter = v.SmoothOuter;
}

SmoothConfigValues LoadSmoothConfig(const ToolSettings& t) {
    SmoothConfigValues v;
    v.ThresholdText = NumberText(t.SmoothToolThreshold);
    v.Radial = t.SmoothType == 0;
    v.Linear = t.SmoothType == 1;
    v.Move = t.SmoothStyle == 0;
    v.Jump = t.SmoothStyle == 1;
    return v;
}

void ApplySmoothConfig(ToolSettings& t, const SmoothConfigValues& v) {
    t.SmoothToolThreshold = AbsoluteValueFromText(v.ThresholdText);
    if (v.Radial)
        t.SmoothType = 0;
    else if (v.Linear)
        t.SmoothType = 1;
    if (v.Move)
        t.SmoothStyle = 0;
    else if (v.Jump)
        t.SmoothStyle = 1;
}

NoiseConfigValues LoadNoiseConfig(const ToolSettings& t) {
    return {NumberText(t.MaxNoise)};
}

void ApplyNoiseConfig(ToolSettings& t, const NoiseConfigValues& v) {
    t.MaxNoise = AbsoluteValueFromText(v.MaxNoiseText);
}

ScaleConfigValues LoadScaleConfig(const ToolSettings& t) {
    return {FactorPercentText(t.ScalePassFactor)};
}

void ApplyScaleConfig(ToolSettings& t, const ScaleConfigValues& v) {
    t.ScalePassFactor = ScaleFactorFromText(v.PercentText);
}

}  // namespace vh
