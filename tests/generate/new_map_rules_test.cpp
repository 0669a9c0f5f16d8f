#include "generate/new_map_rules.h"

#include <gtest/gtest.h>

using namespace vh;

namespace {

EditorState DefaultState() {
    EditorState s;
    SetDefaults(s, "/nonexistent-program-folder");
    return s;
}

}  // namespace

// ---- size read-outs ----

TEST(SizeLabels, DefaultGridReadsTwoThousandUnitsAndFiveHundredFaces) {
    SizeRefresh r = RefreshSizeLabels("16", "16", "256", 16);
    EXPECT_EQ(r.Readout.XText, "+/- 2048 Units.");
    EXPECT_EQ(r.Readout.ZText, "+/- 2048 Units.");
    EXPECT_EQ(r.Readout.FacesText, "512 Faces.");
    EXPECT_FALSE(r.Readout.XRed);
    EXPECT_FALSE(r.Readout.ZRed);
    EXPECT_FALSE(r.Readout.FacesRed);
}

TEST(SizeLabels, ExtentAtTheLimitStaysBlackOnePastTurnsRed) {
    SizeRefresh at = RefreshSizeLabels("32", "16", "256", 16);
    EXPECT_EQ(at.Readout.XText, "+/- 4096 Units.");
    EXPECT_FALSE(at.Readout.XRed);
    SizeRefresh past = RefreshSizeLabels("33", "33", "256", 16);
    EXPECT_EQ(past.Readout.XText, "+/- 4224 Units.");
    EXPECT_TRUE(past.Readout.XRed);
    EXPECT_TRUE(past.Readout.ZRed);
}

TEST(SizeLabels, FacesRedOnlyAbove2048) {
    SizeRefresh at = RefreshSizeLabels("32", "32", "16", 16);  // 2048 faces
    EXPECT_EQ(at.Readout.FacesText, "2048 Faces.");
    EXPECT_FALSE(at.Readout.FacesRed);
    SizeRefresh past = RefreshSizeLabels("33", "32", "16", 16);
    EXPECT_EQ(past.Readout.FacesText, "2112 Faces.");
    EXPECT_TRUE(past.Readout.FacesRed);
}

TEST(SizeLabels, TriangleLengthSnapsToTheGridHalvesToEven) {
    EXPECT_EQ(RefreshSizeLabels("16", "16", "100", 16).Length, "96");
    EXPECT_EQ(RefreshSizeLabels("16", "16", "120", 16).Length, "128");
    EXPECT_EQ(RefreshSizeLabels("16", "16", "136", 16).Length, "128");
    EXPECT_EQ(RefreshSizeLabels("16", "16", "-100", 16).Length, "96");
    EXPECT_EQ(RefreshSizeLabels("16", "16", "100", 32).Length, "96");
    EXPECT_EQ(RefreshSizeLabels("16", "16", "100", 64).Length, "128");
}

TEST(SizeLabels, CountsBecomePositiveWholeNumbers) {
    SizeRefresh r = RefreshSizeLabels("-12", "7.5", "256", 16);
    EXPECT_EQ(r.X, "12");
    EXPECT_EQ(r.Z, "8");
    EXPECT_EQ(r.Readout.XText, "+/- 1536 Units.");
    EXPECT_EQ(r.Readout.FacesText, "192 Faces.");
}

TEST(SizeLabels, TextWithoutANumberReadsAsZero) {
    SizeRefresh r = RefreshSizeLabels("abc", "16", "256", 16);
    EXPECT_EQ(r.X, "0");
    EXPECT_EQ(r.Readout.XText, "+/- 0 Units.");
    EXPECT_EQ(r.Readout.FacesText, "0 Faces.");
}

TEST(SizeLabels, UnconvertibleCountKeepsItsText) {
    SizeRefresh r = RefreshSizeLabels("1e30", "16", "256", 16);
    EXPECT_EQ(r.X, "1e30");
    EXPECT_TRUE(r.Readout.XRed);
    EXPECT_EQ(r.Z, "16");
}

// ---- focus-loss corrections ----

TEST(Corrections, MaxSeedTakesTheMagnitudeAndReplacesZero) {
    EXPECT_EQ(CorrectMaxSeed("-64"), "64");
    EXPECT_EQ(CorrectMaxSeed("hello"), "48");
    EXPECT_EQ(CorrectMaxSeed("0"), "48");
    EXPECT_EQ(CorrectMaxSeed("12.5abc"), "12.5");
}

TEST(Corrections, MaxChangesReplaceZeroWithTheirOwnDefault) {
    EXPECT_EQ(CorrectFaultMaxChange("0"), "256");
    EXPECT_EQ(CorrectFaultMaxChange("-300"), "300");
    EXPECT_EQ(CorrectCircleMaxChange(""), "512");
    EXPECT_EQ(CorrectCircleMaxChange("-1.5"), "1.5");
}

TEST(Corrections, PercentLimiterStaysWithin100And200WithoutMagnitude) {
    EXPECT_EQ(CorrectPercentLimiter("50"), "100");
    EXPECT_EQ(CorrectPercentLimiter("250"), "200");
    EXPECT_EQ(CorrectPercentLimiter("-300"), "100");
    EXPECT_EQ(CorrectPercentLimiter("137.5"), "137.5");
}

TEST(Corrections, CircleRadiusIsAWholeNumberOfAtLeastTwo) {
    EXPECT_EQ(CorrectCircleMaxRad("2.5"), "2");
    EXPECT_EQ(CorrectCircleMaxRad("3.5"), "4");
    EXPECT_EQ(CorrectCircleMaxRad("0"), "2");
    EXPECT_EQ(CorrectCircleMaxRad("-40"), "2");
    EXPECT_EQ(CorrectCircleMaxRad("900"), "900");
}

// ---- load ----

TEST(LoadForm, DefaultSettingsShowSixteenTrianglesOf256) {
    NewMapForm f = LoadNewMapForm(DefaultState());
    EXPECT_EQ(f.X, "16");
    EXPECT_EQ(f.Z, "16");
    EXPECT_EQ(f.Length, "256");
    EXPECT_EQ(f.SmoothOption, "RAD");
    EXPECT_EQ(f.SlopeOption, "PX");
    EXPECT_EQ(f.Passes, 2);
}

TEST(LoadForm, UnsetValuesKeepTheDesignText) {
    EditorState s = DefaultState();
    s.X = 0;
    s.MaxSeed = 0;
    s.SmoothThreshold = 0;
    s.DiamondSquareStyle.clear();
    s.FaultIterations = 0;
    NewMapForm f = LoadNewMapForm(s);
    EXPECT_EQ(f.X, "16");
    EXPECT_EQ(f.MaxSeed, "48");
    EXPECT_EQ(f.Threshold, "48");
    EXPECT_EQ(f.DiamondStyle, "Augment");
    EXPECT_EQ(f.FaultIterations, 128);
}

TEST(LoadForm, ThresholdStoredAsMinusOneShowsZero) {
    EditorState s = DefaultState();
    s.SmoothThreshold = -1;
    EXPECT_EQ(LoadNewMapForm(s).Threshold, "0");
    s.SmoothThreshold = -5;
    EXPECT_EQ(LoadNewMapForm(s).Threshold, "48");
}

TEST(LoadForm, OptionCodesMatchIgnoringCaseUnknownSelectsNone) {
    EditorState s = DefaultState();
    s.SmoothPassType = "linover";
    s.SlopeDir = "ny";
    NewMapForm f = LoadNewMapForm(s);
    EXPECT_EQ(f.SmoothOption, "LINOVER");
    EXPECT_EQ(f.SlopeOption, "NY");
    s.SmoothPassType = "WAVY";
    s.SlopeDir = "UP";
    f = LoadNewMapForm(s);
    EXPECT_EQ(f.SmoothOption, "");
    EXPECT_EQ(f.SlopeOption, "");
}

TEST(LoadForm, PercentLimitersShowAsPercent) {
    EditorState s = DefaultState();
    s.DiamondSquarePercentLimiter = 1.4f;
    s.ParticlePercentLimiter = 2.0f;
    NewMapForm f = LoadNewMapForm(s);
    EXPECT_EQ(f.DiamondLimiter, "140");
    EXPECT_EQ(f.ParticleLimiter, "200");
}

TEST(LoadForm, SteepnessAndImageMultiplierBecomeSliderPositions) {
    EditorState s = DefaultState();
    s.SlopeSteepness = 512;
    s.BitMapHeightMulti = 8;
    NewMapForm f = LoadNewMapForm(s);
    EXPECT_EQ(f.Steep, 32);
    EXPECT_EQ(f.BitMapMulti, 64);
    s.SlopeSteepness = 40;          // 2.5 rounds to 2
    s.BitMapHeightMulti = 0.3125f;  // 2.5 rounds to 2
    f = LoadNewMapForm(s);
    EXPECT_EQ(f.Steep, 2);
    EXPECT_EQ(f.BitMapMulti, 2);
}

TEST(LoadForm, HandEditedValuesOutsideTheSlidersAreClamped) {
    EditorState s = DefaultState();
    s.SmoothPasses = 300;
    s.FlattenToZeroFactor = -3;
    s.HeightMulti = 99;
    s.particleIterations = 32000;
    s.SlopeSteepness = 30000;
    s.BitMapHeightMulti = 1000;
    NewMapForm f = LoadNewMapForm(s);
    EXPECT_EQ(f.Passes, 45);
    EXPECT_EQ(f.FlattenFactor, 1);
    EXPECT_EQ(f.HeightMulti, 32);
    EXPECT_EQ(f.ParticleIterations, 8192);
    EXPECT_EQ(f.Steep, 256);
    EXPECT_EQ(f.BitMapMulti, 256);
}

TEST(LoadForm, InvertColorsOnlyForMinusOne) {
    EditorState s = DefaultState();
    s.BitMapInvertColors = -1;
    EXPECT_TRUE(LoadNewMapForm(s).InvertColors);
    s.BitMapInvertColors = 1;
    EXPECT_FALSE(LoadNewMapForm(s).InvertColors);
}

// ---- conversion on OK ----

TEST(FormValues, TriangleCountsBecomePointCounts) {
    NewMapForm f;
    f.X = std::string("0");
    f.Z = std::string("1");
    f.Length = "100.5";
    NewMapValues v;
    ASSERT_FALSE(NewMapValuesFromForm(f, v));
    EXPECT_EQ(v.X, 1);  // raised to 3 points by the pipeline
    EXPECT_EQ(v.Y, 2);
    EXPECT_EQ(v.Size, 100);
}

TEST(FormValues, SlidersAndPercentsConvert) {
    NewMapForm f;
    f.Steep = 32;
    f.BitMapMulti = 64;
    f.DiamondLimiter = "150";
    f.ParticleLimiter = "120";
    f.InvertColors = true;
    f.FaultLines = "2.5";
    f.CircleMaxRad = "3.5";
    f.Threshold = "-20";
    NewMapValues v;
    ASSERT_FALSE(NewMapValuesFromForm(f, v));
    EXPECT_EQ(v.SlopeSteepness, 512);
    EXPECT_FLOAT_EQ(v.BitMapHeightMulti, 8.0f);
    EXPECT_FLOAT_EQ(v.DiamondSquarePercentLimiter, 1.5f);
    EXPECT_FLOAT_EQ(v.ParticlePercentLimiter, 1.2f);
    EXPECT_EQ(v.BitMapInvertColors, -1);
    EXPECT_EQ(v.FaultLines, 2);
    EXPECT_EQ(v.CircleMaxRad, 4);
    EXPECT_FLOAT_EQ(v.SmoothThreshold, 20.0f);
    f.InvertColors = false;
    ASSERT_FALSE(NewMapValuesFromForm(f, v));
    EXPECT_EQ(v.BitMapInvertColors, 1);
}

TEST(FormValues, OptionCodesMapToTheirChoices) {
    NewMapForm f;
    f.SmoothOption = "RADOVER";
    f.SlopeOption = "NY";
    NewMapValues v;
    ASSERT_FALSE(NewMapValuesFromForm(f, v));
    EXPECT_EQ(v.Smoothing, SmoothOption::RadialOver);
    EXPECT_EQ(v.SlopeDirection, SlopeOption::NY);
    f.SmoothOption = "";
    f.SlopeOption = "";
    ASSERT_FALSE(NewMapValuesFromForm(f, v));
    EXPECT_EQ(v.Smoothing, SmoothOption::None);
    EXPECT_EQ(v.SlopeDirection, SlopeOption::None);
}

TEST(FormValues, NormalisationLimitsMustBeNumbers) {
    NewMapForm f;
    f.MinNormal = "-2000x";
    NewMapValues v;
    std::optional<std::string> err = NewMapValuesFromForm(f, v);
    ASSERT_TRUE(err);
    EXPECT_NE(err->find("-2000x"), std::string::npos);
    f.MinNormal = " -2000 ";
    f.MaxNormal = "3000.5";
    ASSERT_FALSE(NewMapValuesFromForm(f, v));
    EXPECT_FLOAT_EQ(v.MinNormal, -2000.0f);
    EXPECT_FLOAT_EQ(v.MaxNormal, 3000.5f);
}

TEST(FormValues, HugeCountsStayHugeForTheCheck) {
    NewMapForm f;
    f.X = "99999";
    NewMapValues v;
    ASSERT_FALSE(NewMapValuesFromForm(f, v));
    EXPECT_EQ(v.X, 100000);
}

TEST(FormValues, LoadThenConvertRoundTripsTheSettings) {
    EditorState s = DefaultState();
    s.X = 33;
    s.Y = 9;
    s.Size = 128;
    s.MaxSeed = 300;
    s.FaultLines = 3;
    s.CircleMaxRad = 7;
    s.SlopeSteepness = 512;
    s.BitMapHeightMulti = 8;
    s.DiamondSquareStyle = "Diminish";
    NewMapValues v;
    ASSERT_FALSE(NewMapValuesFromForm(LoadNewMapForm(s), v));
    EXPECT_EQ(v.X, 33);
    EXPECT_EQ(v.Y, 9);
    EXPECT_EQ(v.Size, 128);
    EXPECT_FLOAT_EQ(v.MaxSeed, 300.0f);
    EXPECT_EQ(v.FaultLines, 3);
    EXPECT_EQ(v.CircleMaxRad, 7);
    EXPECT_EQ(v.SlopeSteepness, 512);
    EXPECT_FLOAT_EQ(v.BitMapHeightMulti, 8.0f);
    EXPECT_EQ(v.DiamondSquareStyle, "Diminish");
    EXPECT_FLOAT_EQ(v.DiamondSquarePercentLimiter, s.DiamondSquarePercentLimiter);
}

// ---- height-image chooser ----

TEST(HeightImageChooser, StartsInTheFolderOfTheCurrentPath) {
    EXPECT_EQ(HeightImageStartFolder(""), "/");
    EXPECT_EQ(HeightImageStartFolder("/maps/hills/peak.bmp"), "/maps/hills/");
}
