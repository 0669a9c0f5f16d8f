#include "core/rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace vh;

TEST(Rounding, HalvesGoToEvenAnd16BitConversionClamps) {
    const struct {
        double in;
        int out;
    } halfEven[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {6.25, 6}, {2.51, 3}, {std::nan(""), 0}};
    for (const auto& c : halfEven) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
    EXPECT_EQ(RoundToInt16(16.5), 16);
    EXPECT_EQ(RoundToInt16(17.5), 18);
    EXPECT_EQ(RoundToInt16(1e9), 32767);
    EXPECT_EQ(RoundToInt16(-1e9), -32768);
    EXPECT_EQ(RoundToInt16(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(RoundToInt32(-1e12), std::numeric_limits<int32_t>::min());
}

TEST(Rounding, SnapToGridHalvesToEven) {
    const struct {
        float v;
        int grid, out;
    } cases[] = {{100, 16, 96}, {120, 16, 128}, {136, 16, 128}, {-24, 16, -32}, {8, 16, 0}, {7.4f, 1, 7}};
    for (const auto& c : cases) EXPECT_EQ(SnapToGrid(c.v, c.grid), c.out) << c.v << " / " << c.grid;
}

TEST(NumberText, ShortestFormWithSevenSignificantDigits) {
    const struct {
        float v;
        const char* text;
    } cases[] = {{12.3456789f, "12.34568"},     {-0.25f, "-0.25"},  {2.0f, "2"},
                 {12345678.0f, "1.234568E+07"}, {0.7f, "0.7"},      {-4032.0f, "-4032"},
                 {1234567.0f, "1234567"},       {0.0f, "0"},        {-0.0f, "0"},
                 {0.0001f, "0.0001"},           {0.00001f, "1E-05"}};
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.v), c.text);
}

TEST(NumberText, PlainTextMatchesTheShortFormWhereThatHasNoExponent) {
    // Settings files of ordinary values keep their bytes.
    std::mt19937 rng(4032);
    std::uniform_real_distribution<double> exponent(-4.0, 7.0);
    for (int i = 0; i < 20000; ++i) {
        const float v = static_cast<float>((i % 2 ? -1 : 1) * std::pow(10.0, exponent(rng)));
        if (std::fabs(v) < 1e-4f || std::fabs(v) >= 9999999.5f) continue;
        ASSERT_EQ(vh::PlainNumberText(v), vh::NumberText(v)) << v;
    }
    const std::pair<float, const char*> plain[] = {{1e7f, "10000000"}, {-0.0f, "0"}, {1e-10f, "0.0000000001"}};
    for (const auto& [v, text] : plain) EXPECT_EQ(vh::PlainNumberText(v), text);
}

TEST(ReadNumber, LenientTakesTheLongestLeadingNumberStrictRefusesTrailingText) {
    const struct {
        const char* text;
        double v;
    } cases[] = {{"2.5abc", 2.5}, {"  -30", -30}, {"abc", 0}, {"", 0},    {".5", 0.5},
                 {"1e3x", 1000},  {"1e", 1},      {"-", 0},   {"+7.", 7}, {"16.5", 16.5}};
    for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text), c.v) << c.text;
    EXPECT_EQ(ReadNumberStrict(" -4032 "), -4032);
    EXPECT_EQ(ReadNumberStrict("1.5E+2"), 150);
    for (const char* bad : {"12abc", "", "abc"}) EXPECT_FALSE(ReadNumberStrict(bad).has_value()) << bad;
}
