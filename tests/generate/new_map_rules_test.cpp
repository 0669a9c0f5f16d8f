#include "generate/new_map_rules.h"

#include <gtest/gtest.h>

using namespace vh;

TEST(SizeLabels, ExtentAndFacesAtTheLimitStayBlackOnePastTurnsRed) {
    SizeRefresh at = RefreshSizeLabels("32", "16", "256", 16);
    EXPECT_EQ(at.Readout.XText, "+/- 4096 Units.");
    EXPECT_FALSE(at.Readout.XRed);
    SizeRefresh past = RefreshSizeLabels("33", "33", "256", 16);
    EXPECT_EQ(past.Readout.XText, "+/- 4224 Units.");
    EXPECT_TRUE(past.Readout.XRed);
    EXPECT_TRUE(past.Readout.ZRed);

    SizeRefresh faces = RefreshSizeLabels("32", "32", "16", 16);
    EXPECT_EQ(faces.Readout.FacesText, "2048 Faces.");
    EXPECT_FALSE(faces.Readout.FacesRed);
    SizeRefresh more = RefreshSizeLabels("33", "32", "16", 16);
    EXPECT_EQ(more.Readout.FacesText, "2112 Faces.");
    EXPECT_TRUE(more.Readout.FacesRed);
}

TEST(SizeLabels, TriangleLengthSnapsToTheGridHalvesToEven) {
    const struct {
        const char* typed;
        int grid;
        const char* length;
    } rows[] = {{"100", 16, "96"},  {"120", 16, "128"}, {"136", 16, "128"},
                {"-100", 16, "96"}, {"100", 32, "96"},  {"100", 64, "128"}};
    for (const auto& r : rows)
        EXPECT_EQ(RefreshSizeLabels("16", "16", r.typed, r.grid).Length, r.length) << r.typed;
}

TEST(Corrections, FocusLossRepairsTypedValues) {
    const struct {
        std::string (*correct)(std::string_view);
        const char* typed;
        const char* shown;
    } rows[] = {
        {CorrectMaxSeed, "-64", "64"},
        {CorrectMaxSeed, "hello", "48"},
        {CorrectMaxSeed, "0", "48"},
        {CorrectMaxSeed, "12.5abc", "12.5"},
        {CorrectPercentLimiter, "50", "100"},
        {CorrectPercentLimiter, "250", "200"},
        {CorrectPercentLimiter, "-300", "100"},
        {CorrectPercentLimiter, "137.5", "137.5"},
        {CorrectCircleMaxRad, "2.5", "2"},
        {CorrectCircleMaxRad, "3.5", "4"},
        {CorrectCircleMaxRad, "0", "2"},
        {CorrectCircleMaxRad, "-40", "2"},
    };
    for (const auto& r : rows) EXPECT_EQ(r.correct(r.typed), r.shown) << r.typed;
}

TEST(Sliders, SteepnessAndImageMultiplierMapBothWays) {
    EditorState s;
    SetDefaults(s, "/nonexistent-program-folder");
    s.NewMap.SlopeSteepness = 512;
    s.NewMap.BitMapHeightMulti = 8;
    NewMapForm f = LoadNewMapForm(s.NewMap);
    EXPECT_EQ(f.Steep, 32);
    EXPECT_EQ(f.BitMapMulti, 64);

    NewMapForm g;
    g.Steep = 32;
    g.BitMapMulti = 64;
    NewMapValues v;
    ASSERT_TRUE(NewMapValuesFromForm(g, v));
    EXPECT_EQ(v.SlopeSteepness, 512);
    EXPECT_FLOAT_EQ(v.BitMapHeightMulti, 8.0f);
}
