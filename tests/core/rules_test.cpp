#include "core/rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vh;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(6.25), 6);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(RoundHalfEven, Int16ConversionClampsInsteadOfOverflowing) {
    EXPECT_EQ(RoundToInt16(16.5), 16);
    EXPECT_EQ(RoundToInt16(17.5), 18);
    EXPECT_EQ(RoundToInt16(1e9), 32767);
    EXPECT_EQ(RoundToInt16(-1e9), -32768);
    EXPECT_EQ(RoundToInt16(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(RoundToInt32(-1e12), std::numeric_limits<int32_t>::min());
}

TEST(SnapToGrid, RoundsToWholeMultiplesWithHalvesToEven) {
    EXPECT_EQ(SnapToGrid(100, 16), 96);   // 6.25 -> 6
    EXPECT_EQ(SnapToGrid(120, 16), 128);  // 7.5 -> 8
    EXPECT_EQ(SnapToGrid(136, 16), 128);  // 8.5 -> 8
    EXPECT_EQ(SnapToGrid(-24, 16), -32);  // -1.5 -> -2
    EXPECT_EQ(SnapToGrid(8, 16), 0);      // 0.5 -> 0
    EXPECT_EQ(SnapToGrid(7.4f, 1), 7);
    EXPECT_EQ(SnapToGrid(200, 128), 256);
}

TEST(NumberText, ShortestFormWithSevenSignificantDigits) {
    EXPECT_EQ(NumberText(12.3456789f), "12.34568");
    EXPECT_EQ(NumberText(-0.25f), "-0.25");
    EXPECT_EQ(NumberText(2.0f), "2");
    EXPECT_EQ(NumberText(0.5f), "0.5");
    EXPECT_EQ(NumberText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(NumberText(0.7f), "0.7");
    EXPECT_EQ(NumberText(1.75f), "1.75");
    EXPECT_EQ(NumberText(-4032.0f), "-4032");
    EXPECT_EQ(NumberText(256.0f), "256");
    EXPECT_EQ(NumberText(1234567.0f), "1234567");
    EXPECT_EQ(NumberText(0.0f), "0");
    EXPECT_EQ(NumberText(-0.0f), "0");
    EXPECT_EQ(NumberText(0.0001f), "0.0001");
    EXPECT_EQ(NumberText(0.00001f), "1E-05");
}

TEST(ReadNumber, TakesTheLongestLeadingNumber) {
    EXPECT_EQ(ReadNumber("2.5abc"), 2.5);
    EXPECT_EQ(ReadNumber("  -30"), -30);
    EXPECT_EQ(ReadNumber("50%"), 50);
    EXPECT_EQ(ReadNumber("abc"), 0);
    EXPECT_EQ(ReadNumber(""), 0);
    EXPECT_EQ(ReadNumber(".5"), 0.5);
    EXPECT_EQ(ReadNumber("1e3x"), 1000);
    EXPECT_EQ(ReadNumber("1e"), 1);
    EXPECT_EQ(ReadNumber("-"), 0);
    EXPECT_EQ(ReadNumber("+7."), 7);
    EXPECT_EQ(ReadNumber("16.5"), 16.5);
}

TEST(ReadNumberStrict, RefusesTrailingText) {
    EXPECT_EQ(ReadNumberStrict(" -4032 "), -4032);
    EXPECT_EQ(ReadNumberStrict("1.5E+2"), 150);
    EXPECT_FALSE(ReadNumberStrict("12abc").has_value());
    EXPECT_FALSE(ReadNumberStrict("").has_value());
    EXPECT_FALSE(ReadNumberStrict("abc").has_value());
}

TEST(TextHelpers, TrimUpperAndEnding) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(UpperCase("RenderMode"), "RENDERMODE");
    EXPECT_TRUE(EndsWithNoCase("/maps/a.vhm", ".VHM"));
    EXPECT_FALSE(EndsWithNoCase("vhm", ".VHM"));
}

TEST(Booleans, AreMinusOneAndZero) {
    EXPECT_EQ(ToBool16(true), -1);
    EXPECT_EQ(ToBool16(false), 0);
    EXPECT_TRUE(FromBool16(-1));
    EXPECT_FALSE(FromBool16(0));
}
