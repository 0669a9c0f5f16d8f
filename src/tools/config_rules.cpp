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

RaiseLowerConfigValues LoadRaiseLowerConfig(const EditorState& s) {
    RaiseLowerConfigValues v;
    v.PercentText = FactorPercentText(s.RaiseLowerPercent);
    v.Threshold = SliderPosition(s.RaiseLowerThreshold, kRaiseLowerSliderMin, kRaiseLowerSliderMax);
    v.Sensitivity = SliderPosition(s.RaiseLowerSensitivity, kRaiseLowerSliderMin, kRaiseLowerSliderMax);
    return v;
}

void ApplyRaiseLowerConfig(EditorState& s, const RaiseLowerConfigValues& v) {
    s.RaiseLowerPercent = PercentFactorFromText(v.PercentText);
    s.RaiseLowerThreshold =
        static_cast<int16_t>(SliderPosition(v.Threshold, kRaiseLowerSliderMin, kRaiseLowerSliderMax));
    s.RaiseLowerSensitivity =
        static_cast<int16_t>(SliderPosition(v.Sensitivity, kRaiseLowerSliderMin, kRaiseLowerSliderMax));
}

MountainConfigValues LoadMountainConfig(const EditorState& s) {
    MountainConfigValues v;
    v.PercentText = FactorPercentText(s.MountVallPercent);
    v.Radius = SliderPosition(s.MountVallRadius, kMountainRadiusMin, kMountainRadiusMax);
    v.Correction = SliderPosition(s.MountVallCorrection, kMountainCorrectionMin, kMountainCorrectionMax);
    v.Sensitivity = SliderPosition(s.MountVallSensitivity, kMountainSensitivityMin, kMountainSensitivityMax);
    v.SmoothOuter = s.MountVallSmoothOuter != 0;
    return v;
}

void ApplyMountainConfig(EditorState& s, const MountainConfigValues& v) {
    s.MountVallPercent = PercentFactorFromText(v.PercentText);
    s.MountVallRadius =
        static_cast<int16_t>(SliderPosition(v.Radius, kMountainRadiusMin, kMountainRadiusMax));
    s.MountVallCorrection =
        static_cast<int16_t>(SliderPosition(v.Correction, kMountainCorrectionMin, kMountainCorrectionMax));
    s.MountVallSensitivity =
        static_cast<int16_t>(SliderPosition(v.Sensitivity, kMountainSensitivityMin, kMountainSensitivityMax));
    s.MountVallSmoothOuter = ToBool16(v.SmoothOuter);
}

SmoothConfigValues LoadSmoothConfig(const EditorState& s) {
    SmoothConfigValues v;
    v.ThresholdText = NumberText(s.SmoothToolThreshold);
    v.Radial = s.SmoothType == 0;
    v.Linear = s.SmoothType == 1;
    v.Move = s.SmoothStyle == 0;
    v.Jump = s.SmoothStyle == 1;
    return v;
}

void ApplySmoothConfig(EditorState& s, const SmoothConfigValues& v) {
    s.SmoothToolThreshold = AbsoluteValueFromText(v.ThresholdText);
    if (v.Radial)
        s.SmoothType = 0;
    else if (v.Linear)
        s.SmoothType = 1;
    if (v.Move)
        s.SmoothStyle = 0;
    else if (v.Jump)
        s.SmoothStyle = 1;
}

NoiseConfigValues LoadNoiseConfig(const EditorState& s) {
    return {NumberText(s.MaxNoise)};
}

void ApplyNoiseConfig(EditorState& s, const NoiseConfigValues& v) {
    s.MaxNoise = AbsoluteValueFromText(v.MaxNoiseText);
}

ScaleConfigValues LoadScaleConfig(const EditorState& s) {
    return {FactorPercentText(s.ScalePassFactor)};
}

void ApplyScaleConfig(EditorState& s, const ScaleConfigValues& v) {
    s.ScalePassFactor = ScaleFactorFromText(v.PercentText);
}

}  // namespace vh
