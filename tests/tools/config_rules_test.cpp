#include "tools/config_rules.h"

#include <gtest/gtest.h>

#include "tools_fixture.h"

namespace {

TEST(PercentFactor, TakesTheMagnitudeOverHundredWithinItsLimits) {
    EXPECT_FLOAT_EQ(vh::PercentFactorFromText("70"), 0.7f);
    EXPECT_FLOAT_EQ(vh::PercentFactorFromText("-50"), 0.5f);
    EXPECT_FLOAT_EQ(vh::PercentFactorFromText("abc"), 0.01f);
    EXPECT_FLOAT_EQ(vh::PercentFactorFromText("0.5"), 0.01f);
    EXPECT_FLOAT_EQ(vh::PercentFactorFromText("20000"), 100.0f);
    EXPECT_FLOAT_EQ(vh::PercentFactorFromText("  120 percent"), 1.2f);
}

TEST(AbsoluteValue, NegativeNumbersAreStoredPositive) {
    EXPECT_EQ(vh::AbsoluteValueFromText("-30"), 30);
    EXPECT_EQ(vh::AbsoluteValueFromText("-20"), 20);
    EXPECT_EQ(vh::AbsoluteValueFromText("12.5"), 12.5f);
    EXPECT_EQ(vh::AbsoluteValueFromText("x"), 0);
}

TEST(ScaleFactor, KeepsTheSignAndHasNoLimit) {
    EXPECT_FLOAT_EQ(vh::ScaleFactorFromText("50%"), 0.5f);
    EXPECT_FLOAT_EQ(vh::ScaleFactorFromText("-100"), -1.0f);
    EXPECT_FLOAT_EQ(vh::ScaleFactorFromText("450"), 4.5f);
    EXPECT_EQ(vh::ScaleFactorFromText("none"), 0.0f);
}

TEST(SliderPosition, ClampsIntoTheSliderRange) {
    EXPECT_EQ(vh::SliderPosition(0, 1, 10), 1);
    EXPECT_EQ(vh::SliderPosition(25, 2, 20), 20);
    EXPECT_EQ(vh::SliderPosition(7, 1, 15), 7);
}

TEST(RaiseLowerConfig, LoadShowsPercentAndOkStoresTheRules) {
    vh::EditorState s;
    auto v = vh::LoadRaiseLowerConfig(s);
    EXPECT_EQ(v.PercentText, "70");
    EXPECT_EQ(v.Threshold, 4);
    EXPECT_EQ(v.Sensitivity, 5);
    v.PercentText = "-50";
    v.Threshold = 9;
    v.Sensitivity = 2;
    vh::ApplyRaiseLowerConfig(s, v);
    EXPECT_FLOAT_EQ(s.RaiseLowerPercent, 0.5f);
    EXPECT_EQ(s.RaiseLowerThreshold, 9);
    EXPECT_EQ(s.RaiseLowerSensitivity, 2);
    v.PercentText = "not a number";
    vh::ApplyRaiseLowerConfig(s, v);
    EXPECT_FLOAT_EQ(s.RaiseLowerPercent, 0.01f);
}

TEST(MountainConfig, RoundTripsEverySetting) {
    vh::EditorState s;
    auto v = vh::LoadMountainConfig(s);
    EXPECT_EQ(v.PercentText, "80");
    EXPECT_EQ(v.Radius, 8);
    EXPECT_EQ(v.Correction, 10);
    EXPECT_TRUE(v.SmoothOuter);
    v.PercentText = "250";
    v.Radius = 2;
    v.Correction = 1;
    v.Sensitivity = 10;
    v.SmoothOuter = false;
    vh::ApplyMountainConfig(s, v);
    EXPECT_FLOAT_EQ(s.MountVallPercent, 2.5f);
    EXPECT_EQ(s.MountVallRadius, 2);
    EXPECT_EQ(s.MountVallCorrection, 1);
    EXPECT_EQ(s.MountVallSensitivity, 10);
    EXPECT_EQ(s.MountVallSmoothOuter, vh::kFalse);
    v.PercentText = "0.004";
    vh::ApplyMountainConfig(s, v);
    EXPECT_FLOAT_EQ(s.MountVallPercent, 0.01f);
}

TEST(SmoothConfig, OptionButtonsFollowTypeAndStyle) {
    vh::EditorState s;
    s.SmoothType = 1;
    s.SmoothStyle = 0;
    s.SmoothToolThreshold = 12.5f;
    auto v = vh::LoadSmoothConfig(s);
    EXPECT_EQ(v.ThresholdText, "12.5");
    EXPECT_FALSE(v.Radial);
    EXPECT_TRUE(v.Linear);
    EXPECT_TRUE(v.Move);
    EXPECT_FALSE(v.Jump);
    v = {"-30", true, false, false, true};
    vh::ApplySmoothConfig(s, v);
    EXPECT_EQ(s.SmoothToolThreshold, 30);
    EXPECT_EQ(s.SmoothType, 0);
    EXPECT_EQ(s.SmoothStyle, 1);
}

TEST(SmoothConfig, UnknownStoredValueSelectsNoButtonAndIsKept) {
    vh::EditorState s;
    s.SmoothType = 7;
    auto v = vh::LoadSmoothConfig(s);
    EXPECT_FALSE(v.Radial);
    EXPECT_FALSE(v.Linear);
    vh::ApplySmoothConfig(s, v);
    EXPECT_EQ(s.SmoothType, 7);
}

TEST(NoiseConfig, StoresTheMagnitude) {
    vh::EditorState s;
    EXPECT_EQ(vh::LoadNoiseConfig(s).MaxNoiseText, "48");
    vh::ApplyNoiseConfig(s, {"-20"});
    EXPECT_EQ(s.MaxNoise, 20);
}

TEST(ScaleConfig, ShowsPercentAndStoresTheFactor) {
    vh::EditorState s;
    EXPECT_EQ(vh::LoadScaleConfig(s).PercentText, "75");
    vh::ApplyScaleConfig(s, {"50%"});
    EXPECT_FLOAT_EQ(s.ScalePassFactor, 0.5f);
    vh::ApplyScaleConfig(s, {"-100"});
    EXPECT_FLOAT_EQ(s.ScalePassFactor, -1.0f);
}

}  // namespace
